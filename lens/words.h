#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Marks a text of the catalogue for the translators' tools, which read it as
// QT_TRANSLATE_NOOP; in the program it is the English text itself.
#define CORVANE_TRANSLATE_NOOP(context, text) text

// What the program says, as identifiers: the engine and the presenters name
// a text and its values, and whoever shows it renders it, the windows in
// the practitioner's language, everything else in English.
namespace corvane {

// The translation context of every text of the catalogue.
inline constexpr const char* kWordsContext = "corvane";

// One identifier per text of the catalogue.
enum class Say {
    // Run-time errors, and how an error box shows one.
    ErrorNumbered,
    ErrorUnnumbered,
    Overflow,
    DivisionByZero,
    TypeMismatch,
    // The checks of the prescription entries.
    FirstKeraNeeded,
    FirstKeraNotNumeric,
    KeraZero,
    SecondKeraNeeded,
    SecondKeraNotNumeric,
    PowerNeeded,
    PowerNotNumeric,
    CylinderNotNumeric,
    CylinderNeeded,
    AxisNotNumeric,
    AxisOutOfRange,
    AxisNeeded,
    VertexNeeded,
    VertexNotNumeric,
    VertexOutOfRange,
    AddNeeded,
    AddNotNumeric,
    // The tolerance warnings of the keratometry design.
    LowerKeraTooFlat,
    LowerKeraTooSteep,
    ToricityOutside,
    CylinderOutside,
    // The checks of the current lens entries and the over-refraction.
    CurBCNeeded,
    CurBCNotNumeric,
    CurPowerNeeded,
    CurPowerNotNumeric,
    CurDiamNeeded,
    CurDiamNotNumeric,
    CurAddNeeded,
    CurAddNotNumeric,
    RefractionNotNumber,
    // The main window's help line, questions and titles.
    EntriesChanged,
    ClickForBaseCurve,
    ClickForPower,
    BaseCurveQuestion,
    BaseCurveTitle,
    PowerQuestion,
    PowerTitle,
    ProgramTitle,
    // The order window.
    OtherOnRequest,
    NoteTitle,
    SpecialOrderTooLong,
    SpecialOrderTitle,
    CloseUnprinted,
    CloseTitle,
    OrderFormTitle,
    // The order leaving for the printer or a PDF file.
    NotPrinted,
    NotPrintedOfferPdf,
    NoPrintService,
    NoDefaultPrinter,
    PrinterStopped,
    PrinterStoppedSaid,
    PrinterNotAccepting,
    PrinterNotAcceptingSaid,
    JobFailed,
    JobFailedSaid,
    JobFailedOn,
    JobFailedOnSaid,
    LostFor,
    LostForNumbered,
    LostOfAccount,
    LostAnonymous,
    LostOfferPdf,
    NotSaved,
    SaveIsFolder,
    SaveNoPermission,
    SaveDiskFull,
    SaveNotWritten,
    SaveNotWrittenSaid,
    OrderFile,
    OrderFileUnnamed,
    SavePdfTitle,
    PdfFilter,
    // The order as a document: its print job and its PDF, in English.
    OrderDocument,
    DocumentCreator,
    // Not a text: how many there are.
    Count
};

struct Words;
// What fills a %1, %2 ... of a text: a value shown as it stands (an error
// number, an add, a printer's name) or words of the catalogue themselves.
using Arg = std::variant<std::string, Words>;

// A text of the catalogue with its values; a text without values is
// written as its identifier alone.
struct Words {
    Words() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): an identifier is words.
    Words(Say say, std::vector<Arg> values = {}) : id(say), args(std::move(values)) {}
    Say id = Say::Count;
    std::vector<Arg> args;
    bool operator==(const Words&) const = default;
};

// A row of the catalogue: an identifier and its English text.
struct Saying {
    Say id;
    const char* source;
};
std::span<const Saying> Catalogue();

// The English text of an identifier, its %1, %2 ... unfilled; empty for
// one the catalogue lacks.
std::string_view Source(Say id);

// `text` with each %1 to %9 replaced by that argument, in one pass: a value
// that itself holds "%2" stays as it is. A %n without its argument stays.
std::string Filled(std::string_view text, const std::vector<std::string>& args);

// The words in English.
std::string English(const Words& words);

} // namespace corvane
