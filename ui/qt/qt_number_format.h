#pragma once

#include "lens/numbers.h"

class QLocale;

namespace corvane {

// The number format of a locale: its decimal separator.
NumberFormat NumberFormatOf(const QLocale& locale);
// The number format of the system's locale.
NumberFormat SystemNumberFormat();

} // namespace corvane
