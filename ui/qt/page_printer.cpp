#include "ui/qt/page_printer.h"

#include "ui/base/form.h"
#include "ui/qt/page_pdf.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QLibrary>
#include <QThread>

#include <cups/cups.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace corvane {
namespace {

constexpr const char* kJobTitle = "Corvane order";
// How long to watch a job that the service took: long enough to see a
// failing queue give up, short enough not to keep the window waiting for a
// slow printer to finish its page.
constexpr int kWatchMs = 4000;
constexpr int kPollMs = 100;

// libcups is opened when the first page is printed, not at start-up: it
// brings its own libraries (TLS, Kerberos, service discovery), whose loading
// would otherwise come before the window shows. The names are the library's.
struct CupsApi {
    decltype(&::cupsCancelDestJob) cupsCancelDestJob = nullptr;
    decltype(&::cupsCopyDestInfo) cupsCopyDestInfo = nullptr;
    decltype(&::cupsCreateDestJob) cupsCreateDestJob = nullptr;
    decltype(&::cupsDoRequest) cupsDoRequest = nullptr;
    decltype(&::cupsEncryption) cupsEncryption = nullptr;
    decltype(&::cupsFinishDestDocument) cupsFinishDestDocument = nullptr;
    decltype(&::cupsFreeDestInfo) cupsFreeDestInfo = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
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
    return Resolve(library, c.cupsCancelDestJob, "cupsCancelDestJob") &&
           Resolve(library, c.cupsCopyDestInfo, "cupsCopyDestInfo") &&
           Resolve(library, c.cupsCreateDestJob, "cupsCreateDestJob") &&
           Resolve(library, c.cupsDoRequest, "cupsDoRequest") && Resolve(library, c.cupsEncryption, "cupsEncryption") &&
           Resolve(library, c.cupsFinishDestDocument, "cupsFinishDestDocument") &&
           Resolve(library, c.cupsFreeDestInfo, "cupsFreeDestInfo") &&
           Resolve(library, c.cupsFreeDests, "cupsFreeDests") &&
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

QPageSize MediaOf(const CupsApi& c, http_t* http, cups_dest_t* dest, cups_dinfo_t* info)
{
    cups_size_t media{};
    if (info != nullptr && c.cupsGetDestMediaDefault(http, dest, info, 0, &media) != 0 && media.width > 0 &&
        media.length > 0)
        return QPageSize(QSizeF(media.width / 100.0, media.length / 100.0), QPageSize::Millimeter, QString(),
                         QPageSize::FuzzyMatch);
    return RegionalPageSize();
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

// Follows the job for a moment: a queue that cannot print it aborts it or
// stops itself, usually at once.
PrintOutcome Watch(const CupsApi& c, http_t* http, const std::string& printer, int jobId)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kWatchMs) {
        const JobState job = StateOfJob(c, http, jobId);
        if (job.state == IPP_JSTATE_COMPLETED)
            return {};
        if (job.state == IPP_JSTATE_ABORTED || job.state == IPP_JSTATE_CANCELED)
            return {PrintFault::JobFailed, printer, job.said};
        if (job.state == IPP_JSTATE_STOPPED)
            return {PrintFault::PrinterStopped, printer, job.said};
        Dest now(c.cupsGetNamedDest(http, printer.c_str(), nullptr), DestFree{c.cupsFreeDests});
        if (now && std::atoi(Option(c, now.get(), "printer-state").c_str()) == IPP_PSTATE_STOPPED)
            return {PrintFault::PrinterStopped, printer, StateText(c, now.get())};
        QThread::msleep(kPollMs);
    }
    // Still queued or printing: the service has it.
    return {};
}

class CupsPrinter : public PageOutput {
public:
    PrintOutcome Print(const Form& page) override
    {
        // Without the library there is no print service to talk to.
        if (!loaded_ && !Load(library_, api_))
            return {PrintFault::NoService, "", library_.errorString().toStdString()};
        loaded_ = true;
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        PrintOutcome outcome = Send(api_, page);
        QApplication::restoreOverrideCursor();
        return outcome;
    }

private:
    static PrintOutcome Send(const CupsApi& c, const Form& page)
    {
        Http http(c.httpConnect2(c.cupsServer(), c.ippPort(), nullptr, AF_UNSPEC, c.cupsEncryption(), 1, 5000, nullptr),
                  HttpCloser{c.httpClose});
        if (!http)
            return {PrintFault::NoService, "", ""};
        Dest dest(c.cupsGetNamedDest(http.get(), nullptr, nullptr), DestFree{c.cupsFreeDests});
        if (!dest)
            return {PrintFault::NoPrinter, "", ""};
        const std::string name = dest->name;
        if (std::optional<PrintOutcome> unfit = Unfit(c, dest.get()))
            return *unfit;
        Info info(c.cupsCopyDestInfo(http.get(), dest.get()), InfoFree{c.cupsFreeDestInfo});
        const QByteArray pdf = PagePdf(page, MediaOf(c, http.get(), dest.get(), info.get()));
        int jobId = 0;
        if (c.cupsCreateDestJob(http.get(), dest.get(), info.get(), &jobId, kJobTitle, 0, nullptr) >
                IPP_STATUS_OK_CONFLICTING ||
            jobId <= 0)
            return Refused(c, name);
        if (c.cupsStartDestDocument(http.get(), dest.get(), info.get(), jobId, kJobTitle, CUPS_FORMAT_PDF, 0, nullptr,
                                    1) != HTTP_STATUS_CONTINUE ||
            c.cupsWriteRequestData(http.get(), pdf.constData(), static_cast<size_t>(pdf.size())) !=
                HTTP_STATUS_CONTINUE ||
            c.cupsFinishDestDocument(http.get(), dest.get(), info.get()) > IPP_STATUS_OK_CONFLICTING) {
            PrintOutcome failed = Refused(c, name);
            c.cupsCancelDestJob(http.get(), dest.get(), jobId);
            return failed;
        }
        return Watch(c, http.get(), name, jobId);
    }

    QLibrary library_;
    CupsApi api_;
    bool loaded_ = false;
};

} // namespace

std::unique_ptr<PageOutput> MakeDefaultPrinter() { return std::make_unique<CupsPrinter>(); }

} // namespace corvane
