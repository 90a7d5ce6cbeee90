#include "lens/words.h"
#include "print/job_follower.h"
#include "print/page_painter.h"
#include "print/page_pdf.h"
#include "print/page_printer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QThread>

#include <memory>

// The printer for systems without CUPS (Windows): Qt's printing on the
// default printer. It checks what the system says of the printer before it
// sends the page. Qt hands the page to the spooler synchronously, which
// takes seconds on a busy system, so the page is drawn for the printer on
// a thread of its own, from a copy (the order window may be gone before the
// printer has drawn it): Print's answer waits for it a second at most, and
// a job that fails later is told then.
namespace corvane {
namespace {

constexpr std::chrono::milliseconds kWatch{1000};
constexpr FollowPace kPace{.watch = std::chrono::milliseconds(20), .follow = std::chrono::milliseconds(250)};

// Draws the page on the printer and hands it to the spooler.
PrintOutcome PrintOn(const QPrinterInfo& info, const OrderPage& page)
{
    const std::string name = info.printerName().toStdString();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(English(Say::OrderDocument)));
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

// The page handed over on a Qt thread of its own: Qt keeps fonts per
// thread and lets them go when its own threads end. The spooler cannot be
// followed further than its taking the page.
class SpoolerJob : public PrintJob {
public:
    SpoolerJob(const QPrinterInfo& info, const std::shared_ptr<const OrderPage>& page)
        : thread_(QThread::create([this, info, page] { outcome_ = PrintOn(info, *page); }))
    {
        thread_->start();
    }
    // A page being handed over is finished before the program ends.
    ~SpoolerJob() override { thread_->wait(); }
    SpoolerJob(const SpoolerJob&) = delete;
    SpoolerJob& operator=(const SpoolerJob&) = delete;

    std::optional<PrintOutcome> Fate() override
    {
        if (!thread_->isFinished())
            return std::nullopt;
        return outcome_;
    }

private:
    PrintOutcome outcome_;
    std::unique_ptr<QThread> thread_;
};

class QtPrinter : public Printer {
public:
    void Print(const OrderPage& page, PrintAnswer answer, PrintLostHandler whenLost) override
    {
        const QDeadlineTimer moment(kWatch);
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            answer({PrintFault::NoPrinter, "", ""});
            return;
        }
        if (info.state() == QPrinter::Error || info.state() == QPrinter::Aborted) {
            answer({PrintFault::PrinterStopped, info.printerName().toStdString(), ""});
            return;
        }
        FollowJob(&jobs_, std::make_unique<SpoolerJob>(info, std::make_shared<const OrderPage>(page)), moment, kPace,
                  std::move(answer), std::move(whenLost));
    }

private:
    // The pages still with the spooler.
    QObject jobs_;
};

} // namespace

std::unique_ptr<Printer> MakeDefaultPrinter() { return std::make_unique<QtPrinter>(); }

} // namespace corvane
