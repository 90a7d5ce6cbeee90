#include "page_printer.h"

#include "page_painter.h"
#include "ui/form.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace corvane {

std::optional<std::string> PrintPageOnDefaultPrinter(const Form& page)
{
    // Qt quietly falls back to a file or to another printer, and reports
    // success for jobs that a stopped printer never prints: check first.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::string("no default printer is set up.");
    if (info.state() == QPrinter::Error)
        return "the printer " + info.printerName().toStdString() + " is stopped or in error.";
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Corvane order"));
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        return "the printer " + info.printerName().toStdString() + " cannot be used.";
    QPainter painter;
    if (!painter.begin(&printer))
        return "the printer " + info.printerName().toStdString() + " could not be opened.";
    PaintPage(painter, page, printer.resolution() / 1440.0);
    if (!painter.end())
        return std::string("the print job failed.");
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return std::string("the print job failed.");
    return std::nullopt;
}

} // namespace corvane
