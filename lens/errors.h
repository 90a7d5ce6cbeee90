#pragma once

#include "lens/words.h"

#include <stdexcept>
#include <string>

namespace corvane {

// A numbered run-time error, as the form handlers trap and report it:
// "Error <Number>" CR LF <Description>. Its description is words of the
// catalogue, shown in the practitioner's language; what() is the English.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, Words description)
        : std::runtime_error(English(description)), Number(number), Description(std::move(description))
    {}

    int Number;
    Words Description;
};

// Run-time failures of the arithmetic and conversions.
enum : int {
    kErrOverflow = 6,
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
};

[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseTypeMismatch();

// Text shown by every error trap.
Words ErrorMessage(const RuntimeError& err);

} // namespace corvane
