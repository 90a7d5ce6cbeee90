#include "ui/qt/qt_number_format.h"

#include <QLocale>

namespace corvane {

NumberFormat NumberFormatOf(const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    NumberFormat fmt;
    // Only single-byte separators can be typed the same way; any other
    // locale falls back to the point.
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        fmt.decimal = static_cast<char>(point.at(0).unicode());
    return fmt;
}

NumberFormat SystemNumberFormat() { return NumberFormatOf(QLocale::system()); }

} // namespace corvane
