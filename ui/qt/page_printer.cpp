#include "ui/qt/page_printer.h"

#include "lens/words.h"
#include "ui/qt/page_pdf.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLibrary>
#include <QTimer>

#include <cups/cups.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace corvane {
namespace {

// How long Print watches a job that the service took, counted from its
// start: long enough to see a failing queue give up at once, short enough
// that the practitioner never waits on a busy printer. After that the job
// is followed in the background, as long as the program runs.
constexpr int kWatchMs = 1000;
constexpr int kPollMs = 100;
constexpr int kFollowMs = 1000;
constexpr int kConnectMs = 1000;
// The service answered but knows the job no more.
constexpr int kUnknownJob = -1;

// libcups is opened when the first page is printed, not at start-up: it
// brings its own libraries (TLS, Kerberos, service discovery), whose loading
// would otherwise come before the window shows. The names are the library's.
struct CupsApi {
    decltype(&::cupsAddOption) cupsAddOption = nullptr;
    decltype(&::cupsCancelDestJob) cupsCancelDestJob = nullptr;
    decltype(&::cupsCopyDestInfo) cupsCopyDestInfo = nullptr;
    decltype(&::cupsCreateDestJob) cupsCreateDestJob = nullptr;
    decltype(&::cupsDoRequest) cupsDoRequest = nullptr;
    decltype(&::cupsEncryption) cupsEncryption = nullptr;
    decltype(&::cupsFinishDestDocument) cupsFinishDestDocument = nullptr;
    decltype(&::cupsFindDestDefault) cupsFindDestDefault = nullptr;
    decltype(&::cupsFreeDestInfo) cupsFreeDestInfo = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsFreeOptions) cupsFreeOptions = nullptr;
    decltype(&::cupsGetDestMediaByName) cupsGetDestMediaByName = nullptr;
    decltype(&::cupsGetDestMediaDefault) cupsGetDestMediaDefault = nullptr;
    decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
    decltype(&::cupsGetOption) cupsGetOption = nullptr;
    decltype(&::cupsLastError) cupsLastError = nullptr;
    decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;
    decltype(&::cupsServer) cupsServer = nullptr;
    decltype(&::cupsStartDestDocument) cupsStartDestDocument = nullptr;
    decltype(&::cupsUser) cupsUser = nullptr;
    decltype(&::cupsWriteRequestData) cupsWriteRequestData = nullptr;
    decltype(&::httpClose) httpClose = nullptr;
    decltype(&::httpConnect2) httpConnect2 = nullptr;
    decltype(&::ippAddString) ippAddString = nullptr;
    decltype(&::ippAddStringf) ippAddStringf = nullptr;
    decltype(&::ippDelete) ippDelete = nullptr;
    decltype(&::ippFindAttribute) ippFindAttribute = nullptr;
    decltype(&::ippGetInteger) ippGetInteger = nullptr;
    decltype(&::ippGetString) ippGetString = nullptr;
    decltype(&::ippNewRequest) ippNewRequest = nullptr;
    decltype(&::ippPort) ippPort = nullptr;
};

template <class F>
bool Resolve(QLibrary& library, F& function, const char* name)
{
    function = reinterpret_cast<F>(library.resolve(name));
    return function != nullptr;
}

// Opens libcups and finds every function; false when it cannot.
bool Load(QLibrary& library, CupsApi& c)
{
    library.setFileNameAndVersion(QStringLiteral("cups"), 2);
    if (!library.load())
        return false;
    return Resolve(library, c.cupsAddOption, "cupsAddOption") &&
           Resolve(library, c.cupsCancelDestJob, "cupsCancelDestJob") &&
           Resolve(library, c.cupsCopyDestInfo, "cupsCopyDestInfo") &&
           Resolve(library, c.cupsCreateDestJob, "cupsCreateDestJob") &&
           Resolve(library, c.cupsDoRequest, "cupsDoRequest") && Resolve(library, c.cupsEncryption, "cupsEncryption") &&
           Resolve(library, c.cupsFinishDestDocument, "cupsFinishDestDocument") &&
           Resolve(library, c.cupsFindDestDefault, "cupsFindDestDefault") &&
           Resolve(library, c.cupsFreeDestInfo, "cupsFreeDestInfo") &&
           Resolve(library, c.cupsFreeDests, "cupsFreeDests") &&
           Resolve(library, c.cupsFreeOptions, "cupsFreeOptions") &&
           Resolve(library, c.cupsGetDestMediaByName, "cupsGetDestMediaByName") &&
           Resolve(library, c.cupsGetDestMediaDefault, "cupsGetDestMediaDefault") &&
           Resolve(library, c.cupsGetNamedDest, "cupsGetNamedDest") &&
           Resolve(library, c.cupsGetOption, "cupsGetOption") && Resolve(library, c.cupsLastError, "cupsLastError") &&
           Resolve(library, c.cupsLastErrorString, "cupsLastErrorString") &&
           Resolve(library, c.cupsServer, "cupsServer") &&
           Resolve(library, c.cupsStartDestDocument, "cupsStartDestDocument") &&
           Resolve(library, c.cupsUser, "cupsUser") &&
           Resolve(library, c.cupsWriteRequestData, "cupsWriteRequestData") &&
           Resolve(library, c.httpClose, "httpClose") && Resolve(library, c.httpConnect2, "httpConnect2") &&
           Resolve(library, c.ippAddString, "ippAddString") && Resolve(library, c.ippAddStringf, "ippAddStringf") &&
           Resolve(library, c.ippDelete, "ippDelete") && Resolve(library, c.ippFindAttribute, "ippFindAttribute") &&
           Resolve(library, c.ippGetInteger, "ippGetInteger") && Resolve(library, c.ippGetString, "ippGetString") &&
           Resolve(library, c.ippNewRequest, "ippNewRequest") && Resolve(library, c.ippPort, "ippPort");
}

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
std::optional<PrintOutcome> Fate(const CupsApi& c, http_t* http, const std::string& printer, int jobId)
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

// A job that the service took and that is still followed.
struct FollowedJob {
    int id = 0;
    std::string printer;
    PrintLostHandler whenLost;
    std::optional<PrintOutcome> fate;
};

class CupsPrinter : public PageOutput {
public:
    CupsPrinter()
    {
        QObject::connect(&follow_, &QTimer::timeout, &follow_, [this] { FollowJobs(); });
    }

    PrintOutcome Print(const OrderPage& page, PrintLostHandler whenLost) override
    {
        // Without the library there is no print service to talk to.
        if (!loaded_ && !Load(library_, api_))
            return {PrintFault::NoService, "", library_.errorString().toStdString()};
        loaded_ = true;
        QElapsedTimer clock;
        clock.start();
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        PrintOutcome outcome;
        FollowedJob job = Send(api_, page, outcome);
        if (job.id > 0) {
            if (std::optional<PrintOutcome> fate = WaitBriefly(job, clock))
                outcome = *fate;
            else
                Follow(std::move(job), std::move(whenLost));
        }
        QApplication::restoreOverrideCursor();
        return outcome;
    }

private:
    // Sends the page; the job, when the service took it, or why not.
    static FollowedJob Send(const CupsApi& c, const OrderPage& page, PrintOutcome& refused)
    {
        Http http = Connect(c, kConnectMs);
        if (!http) {
            refused = {PrintFault::NoService, "", ""};
            return {};
        }
        Dest dest(c.cupsGetNamedDest(http.get(), nullptr, nullptr), DestFree{c.cupsFreeDests});
        if (!dest) {
            refused = {PrintFault::NoPrinter, "", ""};
            return {};
        }
        const std::string name = dest->name;
        if (std::optional<PrintOutcome> unfit = Unfit(c, dest.get())) {
            refused = *unfit;
            return {};
        }
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
        if (created > IPP_STATUS_OK_CONFLICTING || jobId <= 0) {
            refused = Refused(c, name);
            return {};
        }
        if (c.cupsStartDestDocument(http.get(), dest.get(), info.get(), jobId, title.c_str(), CUPS_FORMAT_PDF, 0,
                                    nullptr, 1) != HTTP_STATUS_CONTINUE ||
            c.cupsWriteRequestData(http.get(), pdf.constData(), static_cast<size_t>(pdf.size())) !=
                HTTP_STATUS_CONTINUE ||
            c.cupsFinishDestDocument(http.get(), dest.get(), info.get()) > IPP_STATUS_OK_CONFLICTING) {
            refused = Refused(c, name);
            c.cupsCancelDestJob(http.get(), dest.get(), jobId);
            return {};
        }
        return {jobId, name, nullptr, std::nullopt};
    }

    // Watches the job until Print has taken its moment: a queue that cannot
    // print it usually aborts it or stops at once, and is told to the order
    // window. The windows repaint meanwhile; clicks and keys wait.
    std::optional<PrintOutcome> WaitBriefly(const FollowedJob& job, const QElapsedTimer& clock) const
    {
        std::optional<PrintOutcome> fate;
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (Http http = Connect(api_, kConnectMs))
                fate = Fate(api_, http.get(), job.printer, job.id);
            if (fate || clock.elapsed() + kPollMs > kWatchMs)
                loop.quit();
        });
        poll.start(kPollMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        return fate;
    }

    void Follow(FollowedJob job, PrintLostHandler whenLost)
    {
        job.whenLost = std::move(whenLost);
        jobs_.push_back(std::move(job));
        if (!follow_.isActive())
            follow_.start(kFollowMs);
    }

    // Asks after every followed job; tells the first lost one once no
    // modal window is open (the practitioner is back at the main window).
    void FollowJobs()
    {
        if (telling_)
            return;
        if (Http http = Connect(api_, kConnectMs))
            for (FollowedJob& job : jobs_)
                if (!job.fate)
                    job.fate = Fate(api_, http.get(), job.printer, job.id);
        std::erase_if(jobs_, [](const FollowedJob& j) { return j.fate && j.fate->fault == PrintFault::None; });
        const auto lost = std::find_if(jobs_.begin(), jobs_.end(), [](const FollowedJob& j) { return j.fate; });
        if (lost != jobs_.end() && QApplication::activeModalWidget() == nullptr) {
            const FollowedJob job = std::move(*lost);
            jobs_.erase(lost);
            telling_ = true;
            if (job.whenLost)
                job.whenLost(*job.fate);
            telling_ = false;
        }
        if (jobs_.empty())
            follow_.stop();
    }

    QLibrary library_;
    CupsApi api_;
    bool loaded_ = false;
    std::vector<FollowedJob> jobs_;
    QTimer follow_;
    bool telling_ = false;
};

} // namespace

std::unique_ptr<PageOutput> MakeDefaultPrinter() { return std::make_unique<CupsPrinter>(); }

} // namespace corvane
