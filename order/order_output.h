#pragma once

#include "lens/numbers.h"
#include "lens/words.h"
#include "order/order_page.h"
#include "order/order_record.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Why a page did not reach the printer.
enum class PrintFault { None, NoService, NoPrinter, PrinterStopped, NotAccepting, JobFailed };
struct PrintOutcome {
    PrintFault fault = PrintFault::None;
    // The default printer, when there is one.
    std::string printer;
    // What the print service said, when it said anything.
    std::string detail;
};

// Told when a job that the print service took fails afterwards: once, on
// the GUI thread, when no modal window is open.
using PrintLostHandler = std::function<void(const PrintOutcome& lost)>;
// Told once whether the print service took the page (no fault) or why not:
// at once when it cannot take it, else within about a second of Print,
// whatever the printer does.
using PrintAnswer = std::function<void(const PrintOutcome& outcome)>;

// Why a file could not be written.
enum class SaveFault { None, IsFolder, NoPermission, DiskFull, Failed };
struct SaveOutcome {
    SaveFault fault = SaveFault::None;
    std::string detail;
};

// The lines that a wrapped text takes on the printed page, and the lines
// that its box holds.
struct PageLines {
    int needed = 0;
    int room = 0;
};

// The system's default printer.
class Printer {
public:
    virtual ~Printer() = default;
    // Sends the page and returns at once; `answer` is told whether the
    // print service took the job. A taken job is followed after that, and
    // `whenLost` is told if it fails.
    virtual void Print(const OrderPage& page, PrintAnswer answer, PrintLostHandler whenLost) = 0;
};

// Orders saved as PDF files.
class PdfFiles {
public:
    virtual ~PdfFiles() = default;
    // Asks where to save a PDF, starting where the last one of this run was
    // written (the user's documents at first) with the suggested file name
    // (the words rendered, through PdfFileName); nullopt when the user
    // cancels.
    virtual std::optional<std::string> ChooseSaveFile(const Words& suggestedName) = 0;
    // Writes the page, as it would be printed, to a one-page PDF.
    virtual SaveOutcome SavePdf(const OrderPage& page, const std::string& path) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The current date in the system's short date form.
    virtual std::string Today() = 0;
};

class PageMeasure {
public:
    virtual ~PageMeasure() = default;
    // How the wrapped text lies on the printed page.
    virtual PageLines LinesOnPage(const PageText& text) = 0;
};

// What the practitioner is asked and told on the way out, over the window
// in front.
class Questions {
public:
    virtual ~Questions() = default;
    // True for Yes.
    virtual bool AskYesNo(const Words& text, const Words& title) = 0;
    virtual void Tell(const Words& text, const Words& title) = 0;
};

// Where the order goes when it leaves the order window. The parts live as
// long as the program; this only names them.
struct OrderOutput {
    Printer& printer;
    PdfFiles& files;
    Clock& clock;
    PageMeasure& measure;
    Questions& questions;
};

// The messages when the page does not get out, numbered like the program's
// run-time errors.
Words PrintFailureMessage(const PrintOutcome& outcome);
Words SaveFailureMessage(const SaveOutcome& outcome, const std::string& path);
// A taken job that did not come out: which order, why, and the offer to
// save that order as a PDF.
Words LostPrintMessage(const OrderRecord& order, const PrintOutcome& lost);
// What to do when the job of this order is lost after the order window has
// gone: say so and offer its PDF. The handler keeps its own copy of the
// order, since the record takes the next order meanwhile.
PrintLostHandler ReportLostPrint(const OrderOutput& output, OrderRecord order, NumberFormat fmt);
// "Order <patient name or number> <date>", to be made a file name.
Words OrderFileName(const OrderRecord& order, const std::string& date);
// A rendered name made safe as a file name, with its ".pdf": after the
// translation, which may bring characters of its own.
std::string PdfFileName(std::string rendered);
// Asks for a file and writes the order's page to it as a PDF; true once it
// is written. A failure has been told.
bool SaveOrderAsPdf(const OrderOutput& output, const OrderRecord& order, const NumberFormat& fmt);

inline constexpr int kErrPrinter = 482;
inline constexpr int kErrDiskFull = 61;
inline constexpr int kErrPermissionDenied = 70;
inline constexpr int kErrFileAccess = 75;

} // namespace corvane
