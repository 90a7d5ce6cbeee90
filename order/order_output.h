#pragma once

#include "lens/numbers.h"
#include "order/order_record.h"
#include "ui/base/toolkit.h"

#include <string>

namespace corvane {

// Printing and saving the order: the messages when the page does not get out
// (numbered like the program's run-time errors) and the PDF path.
std::string PrintFailureMessage(const PrintOutcome& outcome);
std::string SaveFailureMessage(const SaveOutcome& outcome, const std::string& path);
// A taken job that did not come out: which order, why, and the offer to
// save that order as a PDF.
std::string LostPrintMessage(const OrderRecord& order, const PrintOutcome& lost);
// What to do when the job of this order is lost after the order window has
// gone: say so and offer its PDF. The handler keeps its own copy of the
// order, since the record takes the next order meanwhile.
PrintLostHandler ReportLostPrint(Toolkit& toolkit, OrderRecord order, NumberFormat fmt);
// "Order <patient name or number> <date>.pdf", safe as a file name.
std::string OrderFileName(const OrderRecord& order, const std::string& date);
// Asks for a file and writes the order's page to it as a PDF; true once it
// is written. A failure has been reported to the user.
bool SaveOrderAsPdf(Toolkit& toolkit, const OrderRecord& order, const NumberFormat& fmt);

inline constexpr int kErrPrinter = 482;
inline constexpr int kErrDiskFull = 61;
inline constexpr int kErrPermissionDenied = 70;
inline constexpr int kErrFileAccess = 75;

} // namespace corvane
