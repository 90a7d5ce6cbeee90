#include "ui/base/form.h"
#include "ui/qt/page_painter.h"
#include "ui/qt/page_pdf.h"
#include "ui/qt/page_printer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

// The printer for systems without CUPS (Windows): Qt's printing on the
// default printer. It cannot follow the job once the spooler has it, so it
// checks what the system says of the printer before it sends the page.
namespace corvane {
namespace {

class QtPrinter : public PageOutput {
public:
    // Qt cannot follow the job once the spooler has it: nothing is lost later
    // that it could tell.
    PrintOutcome Print(const Form& page, PrintLostHandler /*whenLost*/) override
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
        QPageLayout layout = printer.pageLayout();
        layout.setUnits(QPageLayout::Point);
        const QPointF place = PagePlace(page, layout.fullRect().size(), layout.minimumMargins());
        painter.translate(place * 20.0 * s);
        PaintPage(painter, page, s);
        if (!painter.end() || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
            return {PrintFault::JobFailed, name, ""};
        return {};
    }
};

} // namespace

std::unique_ptr<PageOutput> MakeDefaultPrinter() { return std::make_unique<QtPrinter>(); }

} // namespace corvane
