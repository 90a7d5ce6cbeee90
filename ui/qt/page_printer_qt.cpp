#include "ui/base/form.h"
#include "ui/qt/page_painter.h"
#include "ui/qt/page_printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

// The printer for systems without CUPS (Windows): Qt's printing on the
// default printer. It cannot follow the job once the spooler has it, so it
// checks what the system says of the printer before it sends the page.
namespace corvane {
namespace {

constexpr double kTopTwips = 720.0;

class QtPrinter : public PageOutput {
public:
    PrintOutcome Print(const Form& page) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return {PrintFault::NoPrinter, "", ""};
        const std::string name = info.printerName().toStdString();
        if (info.state() == QPrinter::Error || info.state() == QPrinter::Aborted)
            return {PrintFault::PrinterStopped, name, ""};
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(QStringLiteral("Corvane order"));
        printer.setFullPage(true);
        // Qt falls back to a PDF file without a name when the printer is
        // unusable: that is not a print.
        if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
            return {PrintFault::JobFailed, name, ""};
        QPainter painter;
        if (!painter.begin(&printer))
            return {PrintFault::JobFailed, name, ""};
        const double s = printer.resolution() / 1440.0;
        const double sheet = printer.pageRect(QPrinter::Inch).width() * 1440.0;
        painter.translate(std::max(0.0, (sheet - page.Width()) / 2) * s, kTopTwips * s);
        PaintPage(painter, page, s);
        if (!painter.end() || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
            return {PrintFault::JobFailed, name, ""};
        return {};
    }
};

} // namespace

std::unique_ptr<PageOutput> MakeDefaultPrinter() { return std::make_unique<QtPrinter>(); }

} // namespace corvane
