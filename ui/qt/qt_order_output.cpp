#include "ui/qt/qt_order_output.h"

#include "ui/qt/message_box.h"
#include "ui/qt/page_pdf.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace corvane {

QtOrderOutput::QtOrderOutput(std::unique_ptr<PageOutput> printer)
    : printer_(printer ? std::move(printer) : MakeDefaultPrinter())
{}

QWidget* QtOrderOutput::Front() const
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : home_.data();
}

PrintOutcome QtOrderOutput::Print(const OrderPage& page, PrintLostHandler whenLost)
{
    return printer_->Print(page, std::move(whenLost));
}

std::optional<std::string> QtOrderOutput::ChooseSaveFile(std::string_view suggestedName)
{
    QFileDialog dialog(Front(), QStringLiteral("Save the order as PDF"));
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

SaveOutcome QtOrderOutput::SavePdf(const OrderPage& page, const std::string& path)
{
    const QString file = QString::fromStdString(path);
    SaveOutcome saved = WritePagePdf(page, file);
    if (saved.fault == SaveFault::None)
        lastFolder_ = QFileInfo(file).absolutePath();
    return saved;
}

// Printing sends the PDF page: that page decides.
PageLines QtOrderOutput::LinesOnPage(const PageText& text) { return LinesOnPdfPage(text); }

std::string QtOrderOutput::Today()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

bool QtOrderOutput::AskYesNo(const std::string& text, const std::string& title)
{
    return ShowMessageBox(Front(), QString::fromStdString(title), QString::fromStdString(text), Buttons::YesNo) ==
           Answer::Yes;
}

void QtOrderOutput::Tell(const std::string& text, const std::string& title)
{
    ShowMessageBox(Front(), QString::fromStdString(title), QString::fromStdString(text), Buttons::OkExclamation);
}

} // namespace corvane
