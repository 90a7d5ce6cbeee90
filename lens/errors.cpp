#include "lens/errors.h"

namespace corvane {

void RaiseOverflow() { throw RuntimeError(kErrOverflow, {Say::Overflow}); }

void RaiseDivisionByZero() { throw RuntimeError(kErrDivisionByZero, {Say::DivisionByZero}); }

void RaiseTypeMismatch() { throw RuntimeError(kErrTypeMismatch, {Say::TypeMismatch}); }

Words ErrorMessage(const RuntimeError& err)
{
    return {Say::ErrorNumbered, {std::to_string(err.Number), err.Description}};
}

} // namespace corvane
