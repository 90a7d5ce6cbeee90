#pragma once

#include <QRectF>

class QPainter;

namespace corvane {

enum class Picture { Background, Logo, CorvaneLens, VeltoLens };

// The pictures of the program, drawn in code so that they stay sharp on
// screen and on paper: the main window's background, the laboratory's logo
// and the lens-type pictures.
void PaintArtwork(QPainter& painter, Picture picture, const QRectF& rect);

} // namespace corvane
