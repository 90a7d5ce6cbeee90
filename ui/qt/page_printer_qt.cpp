#include "lens/words.h"
#include "ui/qt/page_painter.h"
#include "ui/qt/page_pdf.h"
#include "ui/qt/page_printer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

// The printer for systems without CUPS (Windows): Qt's printing on the
// default printer. It checks what the system says of the printer before it
// sends the page. Qt hands the page to the spooler synchronously, which
// takes seconds on a busy system, so the page is drawn for the printer on
// a thread of its own, from a copy (the order window may be gone before the
// printer has drawn it): Print waits for it a second at most,
// with the windows repainting, and a job that fails later is told then.
namespace corvane {
namespace {

constexpr int kWatchMs = 1000;
constexpr int kPollMs = 20;
constexpr int kFollowMs = 250;

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
// thread and lets them go when its own threads end.
class PrintJob {
public:
    PrintJob(const QPrinterInfo& info, const std::shared_ptr<const OrderPage>& page)
        : thread_(QThread::create([this, info, page] { outcome_ = PrintOn(info, *page); }))
    {
        thread_->start();
    }
    ~PrintJob() { thread_->wait(); }
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    bool Done() const { return thread_->isFinished(); }
    // Once Done().
    const PrintOutcome& Outcome() const { return outcome_; }

private:
    PrintOutcome outcome_;
    std::unique_ptr<QThread> thread_;
};

class QtPrinter : public PageOutput {
public:
    QtPrinter()
    {
        QObject::connect(&follow_, &QTimer::timeout, &follow_, [this] { FollowJobs(); });
    }
    // A page being handed over is finished before the program ends.
    ~QtPrinter() override = default;

    PrintOutcome Print(const OrderPage& page, PrintLostHandler whenLost) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return {PrintFault::NoPrinter, "", ""};
        if (info.state() == QPrinter::Error || info.state() == QPrinter::Aborted)
            return {PrintFault::PrinterStopped, info.printerName().toStdString(), ""};
        auto job = std::make_unique<PrintJob>(info, std::make_shared<const OrderPage>(page));
        WaitAMoment(*job);
        if (job->Done())
            return job->Outcome();
        // Still with the spooler: taken, and followed.
        jobs_.push_back({std::move(job), std::move(whenLost)});
        follow_.start(kFollowMs);
        return {};
    }

private:
    struct Job {
        std::unique_ptr<PrintJob> job;
        PrintLostHandler whenLost;
    };

    // Up to a second, with the windows repainting; clicks and keys wait.
    static void WaitAMoment(const PrintJob& job)
    {
        QElapsedTimer clock;
        clock.start();
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (job.Done() || clock.elapsed() + kPollMs > kWatchMs)
                loop.quit();
        });
        poll.start(kPollMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    // A lost job is told over the main window, once no other window is
    // open, one at a time.
    void FollowJobs()
    {
        if (telling_)
            return;
        std::erase_if(jobs_, [](const Job& j) { return j.job->Done() && j.job->Outcome().fault == PrintFault::None; });
        const auto lost = std::find_if(jobs_.begin(), jobs_.end(), [](const Job& j) { return j.job->Done(); });
        if (lost != jobs_.end() && QApplication::activeModalWidget() == nullptr) {
            const Job job = std::move(*lost);
            jobs_.erase(lost);
            telling_ = true;
            if (job.whenLost)
                job.whenLost(job.job->Outcome());
            telling_ = false;
        }
        if (jobs_.empty())
            follow_.stop();
    }

    std::vector<Job> jobs_;
    QTimer follow_;
    bool telling_ = false;
};

} // namespace

std::unique_ptr<PageOutput> MakeDefaultPrinter() { return std::make_unique<QtPrinter>(); }

} // namespace corvane
