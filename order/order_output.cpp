#include "order/order_output.h"

#include "lens/errors.h"

namespace corvane {
namespace {

std::string PrintFaultText(const PrintOutcome& o)
{
    const std::string said = o.detail.empty() ? "" : " (" + o.detail + ")";
    switch (o.fault) {
    case PrintFault::NoService:
        return "the print service is not running.";
    case PrintFault::NoPrinter:
        return "no default printer is set up.";
    case PrintFault::PrinterStopped:
        return "the printer " + o.printer + " is stopped" + said + ".";
    case PrintFault::NotAccepting:
        return "the printer " + o.printer + " is not accepting jobs" + said + ".";
    case PrintFault::JobFailed:
    case PrintFault::None:
        break;
    }
    return "the print job failed" + (o.printer.empty() ? "" : " on the printer " + o.printer) + said + ".";
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

std::string PrintFailureMessage(const PrintOutcome& outcome)
{
    return ErrorMessage(RuntimeError(kErrPrinter, "The order could not be printed: " + PrintFaultText(outcome))) +
           "\r\n\r\nSave the order as a PDF instead?";
}

std::string LostPrintMessage(const OrderRecord& order, const PrintOutcome& lost)
{
    const std::string name = Trimmed(order.orderPatName);
    const std::string number = Trimmed(order.orderPatNum);
    const std::string account = Trimmed(order.orderAccName);
    std::string which = name.empty() ? number : number.empty() ? name : name + " (" + number + ")";
    if (!which.empty())
        which = "for " + which;
    else if (!account.empty())
        which = "of the account " + account;
    else
        which = "without patient or account";
    return ErrorMessage(
               RuntimeError(kErrPrinter, "The order " + which + " did not come out: " + PrintFaultText(lost))) +
           "\r\n\r\nSave that order as a PDF?";
}

PrintLostHandler ReportLostPrint(const OrderOutput& output, OrderRecord order, NumberFormat fmt)
{
    return [output, order = std::move(order), fmt](const PrintOutcome& lost) {
        if (output.questions.AskYesNo(LostPrintMessage(order, lost), "Order Form"))
            SaveOrderAsPdf(output, order, fmt);
    };
}

std::string SaveFailureMessage(const SaveOutcome& outcome, const std::string& path)
{
    int number = kErrFileAccess;
    std::string why;
    switch (outcome.fault) {
    case SaveFault::IsFolder:
        why = path + " is a folder.";
        break;
    case SaveFault::NoPermission:
        number = kErrPermissionDenied;
        why = "there is no permission to write " + path + ".";
        break;
    case SaveFault::DiskFull:
        number = kErrDiskFull;
        why = "the disk is full; " + path + " was not written.";
        break;
    case SaveFault::Failed:
    case SaveFault::None:
        why = path + " could not be written" + (outcome.detail.empty() ? "" : " (" + outcome.detail + ")") + ".";
        break;
    }
    return ErrorMessage(RuntimeError(number, "The order could not be saved as a PDF: " + why));
}

std::string OrderFileName(const OrderRecord& order, const std::string& date)
{
    std::string who = Trimmed(order.orderPatName);
    if (who.empty())
        who = Trimmed(order.orderPatNum);
    std::string name = "Order " + (who.empty() ? "" : who + " ") + date;
    for (char& c : name)
        if (Unsafe(c))
            c = '-';
    // A name ending in blanks or dots is not kept as typed by every system.
    while (!name.empty() && (name.back() == ' ' || name.back() == '.'))
        name.pop_back();
    return name + ".pdf";
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
    output.questions.Tell(SaveFailureMessage(saved, *path), "Order Form");
    return false;
}

} // namespace corvane
