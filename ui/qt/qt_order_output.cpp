#include "ui/qt/qt_order_output.h"

#include "ui/qt/message_box.h"
#include "ui/qt/page_pdf.h"
#include "ui/qt/qt_words.h"

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

std::optional<std::string> QtOrderOutput::ChooseSaveFile(const Words& suggestedName)
{
    QFileDialog dialog(Front(), Tr({Say::SavePdfTitle}));
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

bool QtOrderOutput::AskYesNo(const Words& text, const Words& title)
{
    return ShowMessageBox(Front(), Tr(title), Tr(text), Buttons::YesNo) == Answer::Yes;
}

void QtOrderOutput::Tell(const Words& text, const Words& title)
{
    ShowMessageBox(Front(), Tr(title), Tr(text), Buttons::OkExclamation);
}

} // namespace corvane
