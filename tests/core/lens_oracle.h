#pragma once

#include "lens/engine.h"
#include "lens/numbers.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// What the tests and the fuzzer hold true of the main window's results:
// shared by the core tests, the bad-input test and the fuzzer.
namespace corvane::test {

// The buttons of a message box that the presenters showed.
enum class Buttons { Ok, OkExclamation, OkCancel, YesNo };

// A message box as the presenters showed it.
struct ShownBox {
    std::string text;
    Buttons buttons;
    std::string title;
};

using Lens = lens::LensTexts;
inline const Lens kNoLens{};
std::ostream& operator<<(std::ostream& os, const Lens& l);

// "-12.34": an optional minus, digits, the separator, two digits.
bool TwoDecimals(std::string_view s, char sep);
// "Error <number>" CR LF and a description.
bool IsNumberedError(std::string_view s);
bool IsToleranceMessage(std::string_view s);
bool HasNonFinite(std::string_view s);

// Each checker returns what is wrong, or "" when nothing is.

// A message box is a trapped error with its title, a tolerance warning
// titled "Error", or (where questions are asked) a Yes/No question.
std::string CheckBox(const ShownBox& box, bool questions);
// A shown lens has values in their formats: two decimals (or, once
// refined, a general number for the power), a standard diameter and a
// series; "???" only where markers may be.
std::string CheckLensShape(const Lens& l, const NumberFormat& fmt, bool markers, bool refined);
// The suggestion of eye e comes from the designs of this calculation.
std::string CheckSources(const Lens& pres, const Lens& cur, const Lens& fin, bool presDone, bool curDone);
// The suggestion merged from both designs: agreeing values shown, "???"
// where they differ, the diameter from the worn lens's diameter.
std::string CheckMerged(const Lens& pres, const Lens& cur, const Lens& fin, std::string_view worn,
                        const NumberFormat& fmt);

} // namespace corvane::test
