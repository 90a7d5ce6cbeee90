#pragma once

#include "ui/base/toolkit.h"

#include <QRectF>

class QPaintDevice;
class QPainter;

namespace corvane {

class Control;
class Form;

// Paints a page form: its labels as text, its frames, its pictures. The same
// routine draws the window and the printed page.
void PaintPage(QPainter& painter, const Form& page, double pixelsPerTwip);

// The lines that a wrapped label's text takes on the device, as painted, and
// the lines that its box holds.
PageLines WrappedLines(const Control& label, QPaintDevice* device, double pixelsPerTwip);

// The part of the page that is drawn on, in twips from its top left: what
// must land inside a printer's printable area.
QRectF DrawnArea(const Form& page);

} // namespace corvane
