#pragma once

class QPainter;

namespace corvane {

class Form;

// Paints a page form: its labels as text, its frames, its pictures. The same
// routine draws the window and the printed page.
void PaintPage(QPainter& painter, const Form& page, double pixelsPerTwip);

} // namespace corvane
