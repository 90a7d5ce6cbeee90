#include "ui/qt/qt_order_output.h"

#include "print/page_pdf.h"
#include "ui/qt/message_box.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace corvane {
namespace {

QWidget* Front(QWidget* home)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : home;
}

} // namespace

bool QtQuestions::AskYesNo(const std::string& text, const std::string& title)
{
    return ShowMessageBox(Front(home_), QString::fromStdString(title), QString::fromStdString(text), Buttons::YesNo) ==
           Answer::Yes;
}

void QtQuestions::Tell(const std::string& text, const std::string& title)
{
    ShowMessageBox(Front(home_), QString::fromStdString(title), QString::fromStdString(text), Buttons::OkExclamation);
}

std::optional<std::string> QtPdfFiles::ChooseSaveFile(std::string_view suggestedName)
{
    QFileDialog dialog(Front(home_), QStringLiteral("Save the order as PDF"));
    dialog.setObjectName(QStringLiteral("SavePdfDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!lastFolder_.isEmpty() && QDir(lastFolder_).exists())
        dialog.setDirectory(lastFolder_);
    else
        dialog.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    dialog.selectFile(QString::fromUtf8(suggestedName.data(), static_cast<qsizetype>(suggestedName.size())));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

SaveOutcome QtPdfFiles::SavePdf(const OrderPage& page, const std::string& path)
{
    const QString file = QString::fromStdString(path);
    SaveOutcome saved = WritePagePdf(page, file);
    if (saved.fault == SaveFault::None)
        lastFolder_ = QFileInfo(file).absolutePath();
    return saved;
}

std::string SystemClock::Today()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

} // namespace corvane
