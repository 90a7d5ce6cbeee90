#include "lens/words.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace corvane {
namespace {

// Every text the engine and the presenters say, in English, as the
// translations take them (translations/corvane_en.ts is made from here).
constexpr std::array<Saying, static_cast<std::size_t>(Say::Count)> kCatalogue = {{
    {Say::ErrorNumbered, CORVANE_TRANSLATE_NOOP("corvane", "Error %1\r\n%2")},
    {Say::ErrorUnnumbered, CORVANE_TRANSLATE_NOOP("corvane", "Error\r\n%1")},
    {Say::Overflow, CORVANE_TRANSLATE_NOOP("corvane", "Overflow")},
    {Say::DivisionByZero, CORVANE_TRANSLATE_NOOP("corvane", "Division by zero")},
    {Say::TypeMismatch, CORVANE_TRANSLATE_NOOP("corvane", "Type mismatch")},

    {Say::FirstKeraNeeded, CORVANE_TRANSLATE_NOOP("corvane", "The first keratometry is needed")},
    {Say::FirstKeraNotNumeric, CORVANE_TRANSLATE_NOOP("corvane", "The first keratometry is not numeric")},
    {Say::KeraZero, CORVANE_TRANSLATE_NOOP("corvane", "The keratometry can't be 0")},
    {Say::SecondKeraNeeded, CORVANE_TRANSLATE_NOOP("corvane", "The second keratometry is needed")},
    {Say::SecondKeraNotNumeric, CORVANE_TRANSLATE_NOOP("corvane", "The second keratometry is not numeric")},
    {Say::PowerNeeded, CORVANE_TRANSLATE_NOOP("corvane", "The power is needed")},
    {Say::PowerNotNumeric, CORVANE_TRANSLATE_NOOP("corvane", "The power is not numeric")},
    {Say::CylinderNotNumeric, CORVANE_TRANSLATE_NOOP("corvane", "The cylinder is not numeric")},
    {Say::CylinderNeeded, CORVANE_TRANSLATE_NOOP("corvane", "The cylinder is needed")},
    {Say::AxisNotNumeric, CORVANE_TRANSLATE_NOOP("corvane", "The axis is not numeric")},
    {Say::AxisOutOfRange, CORVANE_TRANSLATE_NOOP("corvane", "The axis must range between 1 and 180")},
    {Say::AxisNeeded, CORVANE_TRANSLATE_NOOP("corvane", "The axis is needed")},
    {Say::VertexNeeded, CORVANE_TRANSLATE_NOOP("corvane", "The vetex is needed")},
    {Say::VertexNotNumeric, CORVANE_TRANSLATE_NOOP("corvane", "The vertex is not numeric")},
    {Say::VertexOutOfRange, CORVANE_TRANSLATE_NOOP("corvane", "The vertex must be between 0 and 99")},
    {Say::AddNeeded, CORVANE_TRANSLATE_NOOP("corvane", "The add is needed")},
    {Say::AddNotNumeric, CORVANE_TRANSLATE_NOOP("corvane", "The add is not numeric")},

    {Say::LowerKeraTooFlat,
     CORVANE_TRANSLATE_NOOP("corvane",
                            "The Lower keratometry is outside of the recommended tolerances. Please consult")},
    {Say::LowerKeraTooSteep,
     CORVANE_TRANSLATE_NOOP("corvane",
                            "The lower keratometry is outside of the recommended tolerances. Please consult")},
    {Say::ToricityOutside,
     CORVANE_TRANSLATE_NOOP("corvane", "The keratometry is outside of the recommended tolerances. Please consult")},
    {Say::CylinderOutside,
     CORVANE_TRANSLATE_NOOP("corvane", "The cylinder is outside of the recommended tolerances. Please consult")},

    {Say::CurBCNeeded, CORVANE_TRANSLATE_NOOP("corvane", "The current lens base curve is needed")},
    {Say::CurBCNotNumeric, CORVANE_TRANSLATE_NOOP("corvane", "The current lens base curve is not numeric")},
    {Say::CurPowerNeeded, CORVANE_TRANSLATE_NOOP("corvane", "The current lens power is needed")},
    {Say::CurPowerNotNumeric, CORVANE_TRANSLATE_NOOP("corvane", "The current lens power is not numeric")},
    {Say::CurDiamNeeded, CORVANE_TRANSLATE_NOOP("corvane", "The current lens diameter is needed")},
    {Say::CurDiamNotNumeric, CORVANE_TRANSLATE_NOOP("corvane", "The current lens diameter is not numeric")},
    {Say::CurAddNeeded, CORVANE_TRANSLATE_NOOP("corvane", "Please enter the current patient's add")},
    {Say::CurAddNotNumeric, CORVANE_TRANSLATE_NOOP("corvane", "The client's add is not numeric")},
    {Say::RefractionNotNumber, CORVANE_TRANSLATE_NOOP("corvane", "The Refraction is not a number")},

    {Say::EntriesChanged,
     CORVANE_TRANSLATE_NOOP("corvane", "The entries have changed: press Calculate again to order")},
    {Say::ClickForBaseCurve, CORVANE_TRANSLATE_NOOP("corvane", "Click on the ??? to choose the Base Curve")},
    {Say::ClickForPower, CORVANE_TRANSLATE_NOOP("corvane", "Click on the ??? to choose the Power")},
    {Say::BaseCurveQuestion,
     CORVANE_TRANSLATE_NOOP("corvane", "Does the current spherical base curve provide an alignment fitting ?")},
    {Say::BaseCurveTitle, CORVANE_TRANSLATE_NOOP("corvane", "Base Curve")},
    {Say::PowerQuestion,
     CORVANE_TRANSLATE_NOOP("corvane", "Does the current lens' power Provide best distance vision accuity ?")},
    {Say::PowerTitle, CORVANE_TRANSLATE_NOOP("corvane", "Power")},
    {Say::ProgramTitle, CORVANE_TRANSLATE_NOOP("corvane", "Corvane")},

    {Say::OtherOnRequest, CORVANE_TRANSLATE_NOOP("corvane", "Other Material and/or colors available on request. ")},
    {Say::NoteTitle, CORVANE_TRANSLATE_NOOP("corvane", "Note")},
    {Say::SpecialOrderTooLong,
     CORVANE_TRANSLATE_NOOP("corvane", "The special order does not fit on the order form: it takes %1 lines where "
                                       "the form has room for %2. Please shorten it.")},
    {Say::SpecialOrderTitle, CORVANE_TRANSLATE_NOOP("corvane", "Special order")},
    {Say::CloseUnprinted,
     CORVANE_TRANSLATE_NOOP("corvane", "This order has not been printed. Close it and lose what was typed?")},
    {Say::CloseTitle, CORVANE_TRANSLATE_NOOP("corvane", "Close the order")},
    {Say::OrderFormTitle, CORVANE_TRANSLATE_NOOP("corvane", "Order Form")},

    {Say::NotPrinted, CORVANE_TRANSLATE_NOOP("corvane", "The order could not be printed: %1")},
    {Say::NotPrintedOfferPdf, CORVANE_TRANSLATE_NOOP("corvane", "%1\r\n\r\nSave the order as a PDF instead?")},
    {Say::NoPrintService, CORVANE_TRANSLATE_NOOP("corvane", "the print service is not running.")},
    {Say::NoDefaultPrinter, CORVANE_TRANSLATE_NOOP("corvane", "no default printer is set up.")},
    {Say::PrinterStopped, CORVANE_TRANSLATE_NOOP("corvane", "the printer %1 is stopped.")},
    {Say::PrinterStoppedSaid, CORVANE_TRANSLATE_NOOP("corvane", "the printer %1 is stopped (%2).")},
    {Say::PrinterNotAccepting, CORVANE_TRANSLATE_NOOP("corvane", "the printer %1 is not accepting jobs.")},
    {Say::PrinterNotAcceptingSaid, CORVANE_TRANSLATE_NOOP("corvane", "the printer %1 is not accepting jobs (%2).")},
    {Say::JobFailed, CORVANE_TRANSLATE_NOOP("corvane", "the print job failed.")},
    {Say::JobFailedSaid, CORVANE_TRANSLATE_NOOP("corvane", "the print job failed (%1).")},
    {Say::JobFailedOn, CORVANE_TRANSLATE_NOOP("corvane", "the print job failed on the printer %1.")},
    {Say::JobFailedOnSaid, CORVANE_TRANSLATE_NOOP("corvane", "the print job failed on the printer %1 (%2).")},
    {Say::LostFor, CORVANE_TRANSLATE_NOOP("corvane", "The order for %1 did not come out: %2")},
    {Say::LostForNumbered, CORVANE_TRANSLATE_NOOP("corvane", "The order for %1 (%2) did not come out: %3")},
    {Say::LostOfAccount, CORVANE_TRANSLATE_NOOP("corvane", "The order of the account %1 did not come out: %2")},
    {Say::LostAnonymous,
     CORVANE_TRANSLATE_NOOP("corvane", "The order without patient or account did not come out: %1")},
    {Say::LostOfferPdf, CORVANE_TRANSLATE_NOOP("corvane", "%1\r\n\r\nSave that order as a PDF?")},
    {Say::NotSaved, CORVANE_TRANSLATE_NOOP("corvane", "The order could not be saved as a PDF: %1")},
    {Say::SaveIsFolder, CORVANE_TRANSLATE_NOOP("corvane", "%1 is a folder.")},
    {Say::SaveNoPermission, CORVANE_TRANSLATE_NOOP("corvane", "there is no permission to write %1.")},
    {Say::SaveDiskFull, CORVANE_TRANSLATE_NOOP("corvane", "the disk is full; %1 was not written.")},
    {Say::SaveNotWritten, CORVANE_TRANSLATE_NOOP("corvane", "%1 could not be written.")},
    {Say::SaveNotWrittenSaid, CORVANE_TRANSLATE_NOOP("corvane", "%1 could not be written (%2).")},
    {Say::OrderFile, CORVANE_TRANSLATE_NOOP("corvane", "Order %1 %2")},
    {Say::OrderFileUnnamed, CORVANE_TRANSLATE_NOOP("corvane", "Order %1")},
    {Say::SavePdfTitle, CORVANE_TRANSLATE_NOOP("corvane", "Save the order as PDF")},
    {Say::PdfFilter, CORVANE_TRANSLATE_NOOP("corvane", "PDF files (*.pdf)")},
    {Say::OrderDocument, CORVANE_TRANSLATE_NOOP("corvane", "Corvane order")},
    {Say::DocumentCreator, CORVANE_TRANSLATE_NOOP("corvane", "Corvane calculator")},
}};

} // namespace

std::span<const Saying> Catalogue() { return kCatalogue; }

std::string_view Source(Say id)
{
    const auto* row = std::ranges::find(kCatalogue, id, &Saying::id);
    return row == kCatalogue.end() ? std::string_view() : std::string_view(row->source);
}

std::string Filled(std::string_view text, const std::vector<std::string>& args)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool marker = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const std::size_t n = marker ? static_cast<std::size_t>(text[i + 1] - '1') : args.size();
        if (n < args.size()) {
            out += args[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string English(const Words& words)
{
    std::vector<std::string> args;
    args.reserve(words.args.size());
    for (const Arg& arg : words.args)
        args.push_back(std::holds_alternative<Words>(arg) ? English(std::get<Words>(arg)) : std::get<std::string>(arg));
    return Filled(Source(words.id), args);
}

} // namespace corvane
