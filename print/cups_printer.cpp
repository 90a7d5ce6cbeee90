#include "print/page_printer.h"

#include "lens/words.h"
#include "print/cups_api.h"
#include "print/job_follower.h"
#include "print/page_pdf.h"

#include <QApplication>
#include <QCursor>
#include <QLibrary>

#include <cstdlib>
#include <string>

namespace corvane {
namespace {

// How long Print watches a job that the service took, counted from its
// start: long enough to see a failing queue give up at once, short enough
// that the practitioner never waits on a busy printer. After that the job
// is followed in the background, as long as the program runs.
constexpr std::chrono::milliseconds kWatch{1000};
constexpr FollowPace kPace{.watch = std::chrono::milliseconds(100), .follow = std::chrono::milliseconds(1000)};
constexpr int kConnectMs = 1000;
// The service answered but knows the job no more.
constexpr int kUnknownJob = -1;

struct HttpCloser {
    decltype(&::httpClose) close;
    void operator()(http_t* http) const { close(http); }
};
using Http = std::unique_ptr<http_t, HttpCloser>;
struct DestFree {
    decltype(&::cupsFreeDests) free;
    void operator()(cups_dest_t* dest) const { free(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestFree>;
struct InfoFree {
    decltype(&::cupsFreeDestInfo) free;
    void operator()(cups_dinfo_t* info) const { free(info); }
};
using Info = std::unique_ptr<cups_dinfo_t, InfoFree>;

std::string Option(const CupsApi& c, const cups_dest_t* dest, const char* name)
{
    const char* value = c.cupsGetOption(name, dest->num_options, dest->options);
    return value == nullptr ? std::string() : std::string(value);
}

// The printer's own words about its state, when it has any.
std::string StateText(const CupsApi& c, const cups_dest_t* dest)
{
    std::string said = Option(c, dest, "printer-state-message");
    const std::string reasons = Option(c, dest, "printer-state-reasons");
    if (said.empty() && reasons != "none")
        said = reasons;
    return said;
}

// Checks what the service says of the printer before anything is sent.
std::optional<PrintOutcome> Unfit(const CupsApi& c, const cups_dest_t* dest)
{
    const std::string name = dest->name;
    if (Option(c, dest, "printer-is-accepting-jobs") == "false")
        return PrintOutcome{PrintFault::NotAccepting, name, StateText(c, dest)};
    if (std::atoi(Option(c, dest, "printer-state").c_str()) == IPP_PSTATE_STOPPED)
        return PrintOutcome{PrintFault::PrinterStopped, name, StateText(c, dest)};
    return std::nullopt;
}

PrintOutcome Refused(const CupsApi& c, const std::string& printer)
{
    switch (c.cupsLastError()) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return {PrintFault::NotAccepting, printer, ""};
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return {PrintFault::NoService, printer, ""};
    default:
        return {PrintFault::JobFailed, printer, c.cupsLastErrorString()};
    }
}

// The printer's default sheet, by its name, and the margins it cannot print
// on.
struct Paper {
    QPageSize size;
    QMarginsF margins;
    std::string media;
};

Paper PaperOf(const CupsApi& c, http_t* http, cups_dest_t* dest, cups_dinfo_t* info)
{
    cups_size_t media{};
    // The printer's own default: cupsGetDestMediaDefault takes Letter when
    // the destination names none, whatever paper the printer holds.
    ipp_attribute_t* named = info == nullptr ? nullptr : c.cupsFindDestDefault(http, dest, info, "media");
    const char* name = named == nullptr ? nullptr : c.ippGetString(named, 0, nullptr);
    const bool found =
        info != nullptr &&
        ((name != nullptr && c.cupsGetDestMediaByName(http, dest, info, name, CUPS_MEDIA_FLAGS_DEFAULT, &media) != 0) ||
         c.cupsGetDestMediaDefault(http, dest, info, 0, &media) != 0);
    if (!found || media.width <= 0 || media.length <= 0)
        return {RegionalPageSize(), QMarginsF(), ""};
    // Hundredths of a millimetre.
    constexpr double kPoints = 72.0 / 2540.0;
    return {QPageSize(QSizeF(media.width / 100.0, media.length / 100.0), QPageSize::Millimeter, QString(),
                      QPageSize::FuzzyMatch),
            QMarginsF(media.left * kPoints, media.top * kPoints, media.right * kPoints, media.bottom * kPoints),
            name != nullptr ? std::string(name) : std::string(media.media)};
}

struct JobState {
    int state = 0;
    std::string said;
};

JobState StateOfJob(const CupsApi& c, http_t* http, int jobId)
{
    ipp_t* request = c.ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    c.ippAddStringf(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, "ipp://localhost/jobs/%d", jobId);
    c.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, c.cupsUser());
    ipp_t* response = c.cupsDoRequest(http, request, "/");
    JobState job;
    if (response == nullptr)
        return job;
    job.state = kUnknownJob;
    if (ipp_attribute_t* a = c.ippFindAttribute(response, "job-state", IPP_TAG_ENUM))
        job.state = c.ippGetInteger(a, 0);
    if (ipp_attribute_t* a = c.ippFindAttribute(response, "job-printer-state-message", IPP_TAG_TEXT))
        job.said = c.ippGetString(a, 0, nullptr);
    if (job.said.empty())
        if (ipp_attribute_t* a = c.ippFindAttribute(response, "job-state-reasons", IPP_TAG_KEYWORD))
            job.said = c.ippGetString(a, 0, nullptr);
    c.ippDelete(response);
    return job;
}

// What became of a job: nothing while the service still has it in hand (or
// cannot be asked), no fault once it is printed.
std::optional<PrintOutcome> JobFate(const CupsApi& c, http_t* http, const std::string& printer, int jobId)
{
    const JobState job = StateOfJob(c, http, jobId);
    if (job.state == IPP_JSTATE_COMPLETED || job.state == kUnknownJob)
        return PrintOutcome{};
    // Someone cancelled it, at the printer or on the service.
    if (job.state == IPP_JSTATE_CANCELED)
        return PrintOutcome{PrintFault::JobFailed, printer, "the job was cancelled"};
    if (job.state == IPP_JSTATE_ABORTED)
        return PrintOutcome{PrintFault::JobFailed, printer, job.said};
    if (job.state == IPP_JSTATE_STOPPED)
        return PrintOutcome{PrintFault::PrinterStopped, printer, job.said};
    Dest now(c.cupsGetNamedDest(http, printer.c_str(), nullptr), DestFree{c.cupsFreeDests});
    if (now && std::atoi(Option(c, now.get(), "printer-state").c_str()) == IPP_PSTATE_STOPPED)
        return PrintOutcome{PrintFault::PrinterStopped, printer, StateText(c, now.get())};
    return std::nullopt;
}

Http Connect(const CupsApi& c, int timeoutMs)
{
    return Http(
        c.httpConnect2(c.cupsServer(), c.ippPort(), nullptr, AF_UNSPEC, c.cupsEncryption(), 1, timeoutMs, nullptr),
        HttpCloser{c.httpClose});
}

// A job that the service took, asked after on a connection of its own
// each time.
class CupsJob : public PrintJob {
public:
    CupsJob(const CupsApi& api, int id, std::string printer) : api_(api), id_(id), printer_(std::move(printer)) {}

    std::optional<PrintOutcome> Fate() override
    {
        if (Http http = Connect(api_, kConnectMs))
            return JobFate(api_, http.get(), printer_, id_);
        return std::nullopt;
    }

private:
    const CupsApi& api_;
    int id_;
    std::string printer_;
};

// The page handed to the service: the job when it took it, or why not.
struct Sent {
    int id = 0;
    std::string printer;
    PrintOutcome refused;
};

Sent Refusal(PrintOutcome why) { return {0, "", std::move(why)}; }

Sent Send(const CupsApi& c, const OrderPage& page)
{
    Http http = Connect(c, kConnectMs);
    if (!http)
        return Refusal({PrintFault::NoService, "", ""});
    Dest dest(c.cupsGetNamedDest(http.get(), nullptr, nullptr), DestFree{c.cupsFreeDests});
    if (!dest)
        return Refusal({PrintFault::NoPrinter, "", ""});
    const std::string name = dest->name;
    if (std::optional<PrintOutcome> unfit = Unfit(c, dest.get()))
        return Refusal(*unfit);
    Info info(c.cupsCopyDestInfo(http.get(), dest.get()), InfoFree{c.cupsFreeDestInfo});
    const Paper paper = PaperOf(c, http.get(), dest.get(), info.get());
    const QByteArray pdf = PagePdf(page, paper.size, paper.margins);
    // The page is laid out for the printer's own sheet and margins: the
    // service must neither take another sheet nor fit it once more.
    cups_option_t* options = nullptr;
    int count = c.cupsAddOption("print-scaling", "none", 0, &options);
    if (!paper.media.empty())
        count = c.cupsAddOption("media", paper.media.c_str(), count, &options);
    const std::string title = English(Say::OrderDocument);
    int jobId = 0;
    const ipp_status_t created =
        c.cupsCreateDestJob(http.get(), dest.get(), info.get(), &jobId, title.c_str(), count, options);
    c.cupsFreeOptions(count, options);
    if (created > IPP_STATUS_OK_CONFLICTING || jobId <= 0)
        return Refusal(Refused(c, name));
    if (c.cupsStartDestDocument(http.get(), dest.get(), info.get(), jobId, title.c_str(), CUPS_FORMAT_PDF, 0, nullptr,
                                1) != HTTP_STATUS_CONTINUE ||
        c.cupsWriteRequestData(http.get(), pdf.constData(), static_cast<size_t>(pdf.size())) != HTTP_STATUS_CONTINUE ||
        c.cupsFinishDestDocument(http.get(), dest.get(), info.get()) > IPP_STATUS_OK_CONFLICTING) {
        const PrintOutcome refused = Refused(c, name);
        c.cupsCancelDestJob(http.get(), dest.get(), jobId);
        return Refusal(refused);
    }
    return {jobId, name, {}};
}

class CupsPrinter : public Printer {
public:
    void Print(const OrderPage& page, PrintAnswer answer, PrintLostHandler whenLost) override
    {
        const QDeadlineTimer moment(kWatch);
        // Without the library there is no print service to talk to.
        if (!api_)
            api_ = LoadCups(library_);
        if (!api_) {
            answer({PrintFault::NoService, "", library_.errorString().toStdString()});
            return;
        }
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        Sent sent = Send(*api_, page);
        if (sent.id <= 0) {
            QApplication::restoreOverrideCursor();
            answer(sent.refused);
            return;
        }
        FollowJob(
            &jobs_, std::make_unique<CupsJob>(*api_, sent.id, std::move(sent.printer)), moment, kPace,
            [answer = std::move(answer)](const PrintOutcome& outcome) {
                QApplication::restoreOverrideCursor();
                answer(outcome);
            },
            std::move(whenLost));
    }

private:
    QLibrary library_;
    std::optional<CupsApi> api_;
    // The jobs still followed; they ask through api_.
    QObject jobs_;
};

} // namespace

std::unique_ptr<Printer> MakeDefaultPrinter() { return std::make_unique<CupsPrinter>(); }

} // namespace corvane
