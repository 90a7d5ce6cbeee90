#pragma once

#include <QStringList>

#include <string>

namespace corvane {

// The faces to draw a design typeface with, best first: the windows and the
// page name the faces they were laid out in, which most systems lack.
QStringList FontFamilies(const std::string& designFace);

} // namespace corvane
