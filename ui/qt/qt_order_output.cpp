#include "ui/qt/qt_order_output.h"

#include "print/page_pdf.h"
#include "ui/qt/message_box.h"
#include "ui/qt/qt_words.h"

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

bool QtQuestions::AskYesNo(const Words& text, const Words& title)
{
    return ShowMessageBox(Front(home_), Tr(title), Tr(text), Buttons::YesNo) == Answer::Yes;
}

void QtQuestions::Tell(const Words& text, const Words& title)
{
    ShowMessageBox(Front(home_), Tr(title), Tr(text), Buttons::OkExclamation);
}

std::optional<std::string> QtPdfFiles::ChooseSaveFile(const Words& suggestedName)
{
    QFileDialog dialog(Front(home_), Tr({Say::SavePdfTitle}));
    dialog.setObjectName(QStringLiteral("SavePdfDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(Tr({Say::PdfFilter}));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!lastFolder_.isEmpty() && QDir(lastFolder_).exists())
        dialog.setDirectory(lastFolder_);
    else
        dialog.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    dialog.selectFile(QString::fromStdString(PdfFileName(Tr(suggestedName).toStdString())));
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
