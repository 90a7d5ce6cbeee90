#include "lens/errors.h"

namespace corvane {

void RaiseOverflow() { throw RuntimeError(kErrOverflow, "Overflow"); }

void RaiseDivisionByZero() { throw RuntimeError(kErrDivisionByZero, "Division by zero"); }

void RaiseTypeMismatch() { throw RuntimeError(kErrTypeMismatch, "Type mismatch"); }

std::string ErrorMessage(const RuntimeError& err)
{
    return "Error " + std::to_string(err.Number) + "\r\n" + err.Description;
}

} // namespace corvane
