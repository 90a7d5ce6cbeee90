#pragma once

#include "order/order_output.h"
#include "order/order_page.h"

#include <QRectF>

class QPaintDevice;
class QPainter;

namespace corvane {

// Paints the order page: its texts, its frames, its pictures. The same
// routine draws the page on the screen, the PDF and the printer.
void PaintPage(QPainter& painter, const OrderPage& page, double pixelsPerTwip);

// The lines that a wrapped text takes on the device, as painted, and the
// lines that its box holds.
PageLines WrappedLines(const PageText& text, QPaintDevice* device, double pixelsPerTwip);

// The part of the page that is drawn on, in twips from its top left: what
// must land inside a printer's printable area.
QRectF DrawnArea(const OrderPage& page);

} // namespace corvane
