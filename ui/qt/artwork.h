#pragma once

#include <QRectF>

#include <string_view>

class QPainter;

namespace corvane {

// The pictures of the program, drawn in code so that they stay sharp on
// screen and on paper: the main window's background ("background"), the
// laboratory's logo ("Image1") and the two lens-type pictures ("imgCOR",
// "imgVelto"). Unknown names draw nothing.
void PaintArtwork(QPainter& painter, std::string_view name, const QRectF& rect);

} // namespace corvane
