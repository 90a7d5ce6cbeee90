// The catalogue of the program's words: each identifier's English text, as
// the practitioner reads it, and how values fill a text.
#include "lens/errors.h"
#include "lens/words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace corvane {
namespace {

struct Row {
    const char* name;
    Say id;
    const char* english;
};

// Misspellings and blanks included: they are the program's own.
const Row kEnglish[] = {
    {"numbered error", Say::ErrorNumbered, "Error %1\r\n%2"},
    {"unnumbered error", Say::ErrorUnnumbered, "Error\r\n%1"},
    {"overflow", Say::Overflow, "Overflow"},
    {"division by zero", Say::DivisionByZero, "Division by zero"},
    {"type mismatch", Say::TypeMismatch, "Type mismatch"},
    {"601", Say::FirstKeraNeeded, "The first keratometry is needed"},
    {"602", Say::FirstKeraNotNumeric, "The first keratometry is not numeric"},
    {"603 and 606", Say::KeraZero, "The keratometry can't be 0"},
    {"604", Say::SecondKeraNeeded, "The second keratometry is needed"},
    {"605", Say::SecondKeraNotNumeric, "The second keratometry is not numeric"},
    {"607", Say::PowerNeeded, "The power is needed"},
    {"608", Say::PowerNotNumeric, "The power is not numeric"},
    {"610", Say::CylinderNotNumeric, "The cylinder is not numeric"},
    {"609", Say::CylinderNeeded, "The cylinder is needed"},
    {"612 not numeric", Say::AxisNotNumeric, "The axis is not numeric"},
    {"612 range", Say::AxisOutOfRange, "The axis must range between 1 and 180"},
    {"611", Say::AxisNeeded, "The axis is needed"},
    {"613", Say::VertexNeeded, "The vetex is needed"},
    {"614", Say::VertexNotNumeric, "The vertex is not numeric"},
    {"615", Say::VertexOutOfRange, "The vertex must be between 0 and 99"},
    {"616", Say::AddNeeded, "The add is needed"},
    {"617", Say::AddNotNumeric, "The add is not numeric"},
    {"lower reading below 39", Say::LowerKeraTooFlat,
     "The Lower keratometry is outside of the recommended tolerances. Please consult"},
    {"lower reading above 48", Say::LowerKeraTooSteep,
     "The lower keratometry is outside of the recommended tolerances. Please consult"},
    {"toricity", Say::ToricityOutside, "The keratometry is outside of the recommended tolerances. Please consult"},
    {"cylinder band", Say::CylinderOutside, "The cylinder is outside of the recommended tolerances. Please consult"},
    {"618", Say::CurBCNeeded, "The current lens base curve is needed"},
    {"619", Say::CurBCNotNumeric, "The current lens base curve is not numeric"},
    {"620", Say::CurPowerNeeded, "The current lens power is needed"},
    {"621", Say::CurPowerNotNumeric, "The current lens power is not numeric"},
    {"622", Say::CurDiamNeeded, "The current lens diameter is needed"},
    {"623", Say::CurDiamNotNumeric, "The current lens diameter is not numeric"},
    {"624", Say::CurAddNeeded, "Please enter the current patient's add"},
    {"625", Say::CurAddNotNumeric, "The client's add is not numeric"},
    {"699", Say::RefractionNotNumber, "The Refraction is not a number"},
    {"entries changed", Say::EntriesChanged, "The entries have changed: press Calculate again to order"},
    {"click for the base curve", Say::ClickForBaseCurve, "Click on the ??? to choose the Base Curve"},
    {"click for the power", Say::ClickForPower, "Click on the ??? to choose the Power"},
    {"base curve question", Say::BaseCurveQuestion,
     "Does the current spherical base curve provide an alignment fitting ?"},
    {"base curve title", Say::BaseCurveTitle, "Base Curve"},
    {"power question", Say::PowerQuestion, "Does the current lens' power Provide best distance vision accuity ?"},
    {"power title", Say::PowerTitle, "Power"},
    {"program title", Say::ProgramTitle, "Corvane"},
    {"availability note", Say::OtherOnRequest, "Other Material and/or colors available on request. "},
    {"note title", Say::NoteTitle, "Note"},
    {"special order too long", Say::SpecialOrderTooLong,
     "The special order does not fit on the order form: it takes %1 lines where the form has room for %2. "
     "Please shorten it."},
    {"special order title", Say::SpecialOrderTitle, "Special order"},
    {"close unprinted", Say::CloseUnprinted, "This order has not been printed. Close it and lose what was typed?"},
    {"close title", Say::CloseTitle, "Close the order"},
    {"order form title", Say::OrderFormTitle, "Order Form"},
    {"not printed", Say::NotPrinted, "The order could not be printed: %1"},
    {"not printed, offer PDF", Say::NotPrintedOfferPdf, "%1\r\n\r\nSave the order as a PDF instead?"},
    {"no print service", Say::NoPrintService, "the print service is not running."},
    {"no default printer", Say::NoDefaultPrinter, "no default printer is set up."},
    {"printer stopped", Say::PrinterStopped, "the printer %1 is stopped."},
    {"printer stopped, said", Say::PrinterStoppedSaid, "the printer %1 is stopped (%2)."},
    {"not accepting", Say::PrinterNotAccepting, "the printer %1 is not accepting jobs."},
    {"not accepting, said", Say::PrinterNotAcceptingSaid, "the printer %1 is not accepting jobs (%2)."},
    {"job failed", Say::JobFailed, "the print job failed."},
    {"job failed, said", Say::JobFailedSaid, "the print job failed (%1)."},
    {"job failed on", Say::JobFailedOn, "the print job failed on the printer %1."},
    {"job failed on, said", Say::JobFailedOnSaid, "the print job failed on the printer %1 (%2)."},
    {"lost for", Say::LostFor, "The order for %1 did not come out: %2"},
    {"lost for, numbered", Say::LostForNumbered, "The order for %1 (%2) did not come out: %3"},
    {"lost of the account", Say::LostOfAccount, "The order of the account %1 did not come out: %2"},
    {"lost anonymous", Say::LostAnonymous, "The order without patient or account did not come out: %1"},
    {"lost, offer PDF", Say::LostOfferPdf, "%1\r\n\r\nSave that order as a PDF?"},
    {"not saved", Say::NotSaved, "The order could not be saved as a PDF: %1"},
    {"is a folder", Say::SaveIsFolder, "%1 is a folder."},
    {"no permission", Say::SaveNoPermission, "there is no permission to write %1."},
    {"disk full", Say::SaveDiskFull, "the disk is full; %1 was not written."},
    {"not written", Say::SaveNotWritten, "%1 could not be written."},
    {"not written, said", Say::SaveNotWrittenSaid, "%1 could not be written (%2)."},
    {"file name", Say::OrderFile, "Order %1 %2"},
    {"file name, no patient", Say::OrderFileUnnamed, "Order %1"},
    {"save dialog title", Say::SavePdfTitle, "Save the order as PDF"},
    {"PDF filter", Say::PdfFilter, "PDF files (*.pdf)"},
    {"document", Say::OrderDocument, "Corvane order"},
    {"document creator", Say::DocumentCreator, "Corvane calculator"},
};

// A trapped error as its box reads, through every layer of the words.
TEST(Words, ATrappedErrorReadsAsItsBox)
{
    EXPECT_EQ(English(ErrorMessage(RuntimeError(699, Say::RefractionNotNumber))),
              "Error 699\r\nThe Refraction is not a number");
    EXPECT_EQ(English({Say::NotPrintedOfferPdf,
                       {ErrorMessage(RuntimeError(482, {Say::NotPrinted, {Words{Say::NoDefaultPrinter}}}))}}),
              "Error 482\r\nThe order could not be printed: no default printer is set up.\r\n\r\n"
              "Save the order as a PDF instead?");
}

TEST(Words, EachIdentifierSaysItsEnglishText)
{
    for (const Row& row : kEnglish)
        EXPECT_EQ(Source(row.id), row.english) << row.name;
}

// A new identifier needs its row here, and its row in the catalogue.
TEST(Words, EveryIdentifierHasExactlyOneRow)
{
    const auto count = static_cast<int>(Say::Count);
    ASSERT_EQ(Catalogue().size(), static_cast<std::size_t>(count));
    std::set<Say> pinned;
    for (const Row& row : kEnglish)
        EXPECT_TRUE(pinned.insert(row.id).second) << row.name << " is pinned twice";
    for (int i = 0; i < count; ++i) {
        const auto id = static_cast<Say>(i);
        EXPECT_EQ(std::ranges::count(Catalogue(), id, &Saying::id), 1) << "identifier " << i;
        EXPECT_TRUE(pinned.contains(id)) << "identifier " << i << " has no English text pinned";
    }
}

TEST(Words, ValuesFillTheirPlacesInOnePass)
{
    const struct {
        const char* name;
        const char* text;
        std::vector<std::string> args;
        const char* filled;
    } rows[] = {
        {"in order", "%1 and %2", {"a", "b"}, "a and b"},
        {"reordered by a translation", "%2 before %1", {"a", "b"}, "b before a"},
        {"a value holding a place",
         "The order for %1 did not come out: %2",
         {"50%2", "jam"},
         "The order for 50%2 did not come out: jam"},
        {"a place without its value", "%1 of %3", {"a"}, "a of %3"},
        {"a per cent sign alone", "100% and %", {"x"}, "100% and %"},
        {"a place used twice", "%1, %1", {"x"}, "x, x"},
        {"no places", "Overflow", {"x"}, "Overflow"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Filled(row.text, row.args), row.filled) << row.name;
}

// Words within words are rendered before they fill their place.
TEST(Words, WordsAsValuesAreRenderedInEnglish)
{
    const Words lost{Say::LostForNumbered, {"Ann", "P-1", Words{Say::PrinterStopped, {"PDF"}}}};
    EXPECT_EQ(English(lost), "The order for Ann (P-1) did not come out: the printer PDF is stopped.");
    EXPECT_EQ(English(Say::Overflow), "Overflow");
}

} // namespace
} // namespace corvane
