#include "ui/qt/page_printer.h"

#include "ui/base/form.h"
#include "ui/qt/page_pdf.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
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

struct HttpCloser {
    void operator()(http_t* http) const { httpClose(http); }
};
using Http = std::unique_ptr<http_t, HttpCloser>;
struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestFree>;
struct InfoFree {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using Info = std::unique_ptr<cups_dinfo_t, InfoFree>;

std::string Option(const cups_dest_t* dest, const char* name)
{
    const char* value = cupsGetOption(name, dest->num_options, dest->options);
    return value == nullptr ? std::string() : std::string(value);
}

// The printer's own words about its state, when it has any.
std::string StateText(const cups_dest_t* dest)
{
    std::string said = Option(dest, "printer-state-message");
    const std::string reasons = Option(dest, "printer-state-reasons");
    if (said.empty() && reasons != "none")
        said = reasons;
    return said;
}

// Checks what the service says of the printer before anything is sent.
std::optional<PrintOutcome> Unfit(const cups_dest_t* dest)
{
    const std::string name = dest->name;
    if (Option(dest, "printer-is-accepting-jobs") == "false")
        return PrintOutcome{PrintFault::NotAccepting, name, StateText(dest)};
    if (std::atoi(Option(dest, "printer-state").c_str()) == IPP_PSTATE_STOPPED)
        return PrintOutcome{PrintFault::PrinterStopped, name, StateText(dest)};
    return std::nullopt;
}

PrintOutcome Refused(const std::string& printer)
{
    switch (cupsLastError()) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return {PrintFault::NotAccepting, printer, ""};
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return {PrintFault::NoService, printer, ""};
    default:
        return {PrintFault::JobFailed, printer, cupsLastErrorString()};
    }
}

QPageSize MediaOf(http_t* http, cups_dest_t* dest, cups_dinfo_t* info)
{
    cups_size_t media{};
    if (info != nullptr && cupsGetDestMediaDefault(http, dest, info, 0, &media) != 0 && media.width > 0 &&
        media.length > 0)
        return QPageSize(QSizeF(media.width / 100.0, media.length / 100.0), QPageSize::Millimeter, QString(),
                         QPageSize::FuzzyMatch);
    return RegionalPageSize();
}

struct JobState {
    int state = 0;
    std::string said;
};

JobState StateOfJob(http_t* http, int jobId)
{
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddStringf(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, "ipp://localhost/jobs/%d", jobId);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ipp_t* response = cupsDoRequest(http, request, "/");
    JobState job;
    if (response == nullptr)
        return job;
    if (ipp_attribute_t* a = ippFindAttribute(response, "job-state", IPP_TAG_ENUM))
        job.state = ippGetInteger(a, 0);
    if (ipp_attribute_t* a = ippFindAttribute(response, "job-printer-state-message", IPP_TAG_TEXT))
        job.said = ippGetString(a, 0, nullptr);
    if (job.said.empty())
        if (ipp_attribute_t* a = ippFindAttribute(response, "job-state-reasons", IPP_TAG_KEYWORD))
            job.said = ippGetString(a, 0, nullptr);
    ippDelete(response);
    return job;
}

// Follows the job for a moment: a queue that cannot print it aborts it or
// stops itself, usually at once.
PrintOutcome Watch(http_t* http, const std::string& printer, int jobId)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kWatchMs) {
        const JobState job = StateOfJob(http, jobId);
        if (job.state == IPP_JSTATE_COMPLETED)
            return {};
        if (job.state == IPP_JSTATE_ABORTED || job.state == IPP_JSTATE_CANCELED)
            return {PrintFault::JobFailed, printer, job.said};
        if (job.state == IPP_JSTATE_STOPPED)
            return {PrintFault::PrinterStopped, printer, job.said};
        Dest now(cupsGetNamedDest(http, printer.c_str(), nullptr));
        if (now && std::atoi(Option(now.get(), "printer-state").c_str()) == IPP_PSTATE_STOPPED)
            return {PrintFault::PrinterStopped, printer, StateText(now.get())};
        QThread::msleep(kPollMs);
    }
    // Still queued or printing: the service has it.
    return {};
}

class CupsPrinter : public PageOutput {
public:
    PrintOutcome Print(const Form& page) override
    {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        PrintOutcome outcome = Send(page);
        QApplication::restoreOverrideCursor();
        return outcome;
    }

private:
    static PrintOutcome Send(const Form& page)
    {
        Http http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr));
        if (!http)
            return {PrintFault::NoService, "", ""};
        Dest dest(cupsGetNamedDest(http.get(), nullptr, nullptr));
        if (!dest)
            return {PrintFault::NoPrinter, "", ""};
        const std::string name = dest->name;
        if (std::optional<PrintOutcome> unfit = Unfit(dest.get()))
            return *unfit;
        Info info(cupsCopyDestInfo(http.get(), dest.get()));
        const QByteArray pdf = PagePdf(page, MediaOf(http.get(), dest.get(), info.get()));
        int jobId = 0;
        if (cupsCreateDestJob(http.get(), dest.get(), info.get(), &jobId, kJobTitle, 0, nullptr) >
                IPP_STATUS_OK_CONFLICTING ||
            jobId <= 0)
            return Refused(name);
        if (cupsStartDestDocument(http.get(), dest.get(), info.get(), jobId, kJobTitle, CUPS_FORMAT_PDF, 0, nullptr,
                                  1) != HTTP_STATUS_CONTINUE ||
            cupsWriteRequestData(http.get(), pdf.constData(), static_cast<size_t>(pdf.size())) !=
                HTTP_STATUS_CONTINUE ||
            cupsFinishDestDocument(http.get(), dest.get(), info.get()) > IPP_STATUS_OK_CONFLICTING) {
            PrintOutcome failed = Refused(name);
            cupsCancelDestJob(http.get(), dest.get(), jobId);
            return failed;
        }
        return Watch(http.get(), name, jobId);
    }
};

} // namespace

std::unique_ptr<PageOutput> MakeDefaultPrinter() { return std::make_unique<CupsPrinter>(); }

} // namespace corvane
