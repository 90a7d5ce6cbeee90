#pragma once

#include <stdexcept>
#include <string>

namespace corvane {

// A numbered run-time error, as the form handlers trap and report it:
// "Error <Number>" CR LF <Description>.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, std::string description)
        : std::runtime_error(description), Number(number), Description(std::move(description))
    {}

    int Number;
    std::string Description;
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
std::string ErrorMessage(const RuntimeError& err);

} // namespace corvane
