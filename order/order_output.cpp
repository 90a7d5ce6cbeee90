#include "order/order_output.h"

#include "lens/errors.h"

namespace corvane {
namespace {

// Each fault with and without what the print service said: a whole
// sentence for each, so that a translation can word each one.
Words PrintFaultText(const PrintOutcome& o)
{
    const bool said = !o.detail.empty();
    switch (o.fault) {
    case PrintFault::NoService:
        return {Say::NoPrintService};
    case PrintFault::NoPrinter:
        return {Say::NoDefaultPrinter};
    case PrintFault::PrinterStopped:
        return said ? Words{Say::PrinterStoppedSaid, {o.printer, o.detail}} : Words{Say::PrinterStopped, {o.printer}};
    case PrintFault::NotAccepting:
        return said ? Words{Say::PrinterNotAcceptingSaid, {o.printer, o.detail}}
                    : Words{Say::PrinterNotAccepting, {o.printer}};
    case PrintFault::JobFailed:
    case PrintFault::None:
        break;
    }
    if (o.printer.empty())
        return said ? Words{Say::JobFailedSaid, {o.detail}} : Words{Say::JobFailed};
    return said ? Words{Say::JobFailedOnSaid, {o.printer, o.detail}} : Words{Say::JobFailedOn, {o.printer}};
}

// Characters that no file system of a desk computer takes in a name.
bool Unsafe(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
}

std::string Trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

Words PrintFailureMessage(const PrintOutcome& outcome)
{
    const RuntimeError error(kErrPrinter, {Say::NotPrinted, {PrintFaultText(outcome)}});
    return {Say::NotPrintedOfferPdf, {ErrorMessage(error)}};
}

// Which order did not come out: by its patient, else its account.
Words LostPrintMessage(const OrderRecord& order, const PrintOutcome& lost)
{
    const std::string name = Trimmed(order.orderPatName);
    const std::string number = Trimmed(order.orderPatNum);
    const std::string account = Trimmed(order.orderAccName);
    const Words why = PrintFaultText(lost);
    Words which{Say::LostAnonymous, {why}};
    if (!name.empty() && !number.empty())
        which = {Say::LostForNumbered, {name, number, why}};
    else if (!name.empty() || !number.empty())
        which = {Say::LostFor, {name.empty() ? number : name, why}};
    else if (!account.empty())
        which = {Say::LostOfAccount, {account, why}};
    return {Say::LostOfferPdf, {ErrorMessage(RuntimeError(kErrPrinter, which))}};
}

PrintLostHandler ReportLostPrint(const OrderOutput& output, OrderRecord order, NumberFormat fmt)
{
    return [output, order = std::move(order), fmt](const PrintOutcome& lost) {
        if (output.questions.AskYesNo(LostPrintMessage(order, lost), {Say::OrderFormTitle}))
            SaveOrderAsPdf(output, order, fmt);
    };
}

Words SaveFailureMessage(const SaveOutcome& outcome, const std::string& path)
{
    int number = kErrFileAccess;
    Words why;
    switch (outcome.fault) {
    case SaveFault::IsFolder:
        why = {Say::SaveIsFolder, {path}};
        break;
    case SaveFault::NoPermission:
        number = kErrPermissionDenied;
        why = {Say::SaveNoPermission, {path}};
        break;
    case SaveFault::DiskFull:
        number = kErrDiskFull;
        why = {Say::SaveDiskFull, {path}};
        break;
    case SaveFault::Failed:
    case SaveFault::None:
        why = outcome.detail.empty() ? Words{Say::SaveNotWritten, {path}}
                                     : Words{Say::SaveNotWrittenSaid, {path, outcome.detail}};
        break;
    }
    return ErrorMessage(RuntimeError(number, {Say::NotSaved, {why}}));
}

Words OrderFileName(const OrderRecord& order, const std::string& date)
{
    std::string who = Trimmed(order.orderPatName);
    if (who.empty())
        who = Trimmed(order.orderPatNum);
    return who.empty() ? Words{Say::OrderFileUnnamed, {date}} : Words{Say::OrderFile, {who, date}};
}

std::string PdfFileName(std::string rendered)
{
    for (char& c : rendered)
        if (Unsafe(c))
            c = '-';
    // A name ending in blanks or dots is not kept as typed by every system.
    while (!rendered.empty() && (rendered.back() == ' ' || rendered.back() == '.'))
        rendered.pop_back();
    return rendered + ".pdf";
}

bool SaveOrderAsPdf(const OrderOutput& output, const OrderRecord& order, const NumberFormat& fmt)
{
    const std::string today = output.clock.Today();
    const std::optional<std::string> path = output.files.ChooseSaveFile(OrderFileName(order, today));
    if (!path)
        return false;
    const SaveOutcome saved = output.files.SavePdf(MakeOrderPage(order, today, fmt), *path);
    if (saved.fault == SaveFault::None)
        return true;
    output.questions.Tell(SaveFailureMessage(saved, *path), {Say::OrderFormTitle});
    return false;
}

} // namespace corvane
