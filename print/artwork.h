#pragma once

#include "order/order_page.h"

#include <QRectF>

class QPainter;

namespace corvane {

// The pictures of the program, drawn in code so that they stay sharp on
// screen and on paper: the main window's backdrop, and the page's pictures
// (the laboratory's logo and the lens-type pictures).
void PaintBackdrop(QPainter& painter, const QRectF& rect);
void PaintPicture(QPainter& painter, PagePicture picture, const QRectF& rect);

} // namespace corvane
