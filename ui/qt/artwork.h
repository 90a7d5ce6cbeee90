#pragma once

#include "ui/base/controls.h"

#include <QRectF>

class QPainter;

namespace corvane {

// The pictures of the program, drawn in code so that they stay sharp on
// screen and on paper: the main window's background, the laboratory's logo
// and the lens-type pictures. Picture::None draws nothing.
void PaintArtwork(QPainter& painter, Picture picture, const QRectF& rect);

} // namespace corvane
