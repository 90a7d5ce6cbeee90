#pragma once

#include "print/typefaces.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStringList>

#include <string>

class QWidget;

namespace corvane {

// Makes the faces that the program carries (where the system lacks them)
// known to Qt; once is enough, later calls find them there.
void LoadCarriedFonts();

// The windows' font: 9.75-point "MS Sans Serif", drawn by its stand-in.
QFont WindowFont();

// Paints a field's background: an entry's editing area, any other field
// whole.
void PaintBackground(QWidget* field, const QColor& colour);

// The background that a form's widget declares in the dynamic property
// "fill", painted on each widget of the form that declares one: a colour
// role of the palette ("Base", "Button", "Light") or a colour ("White").
void PaintDeclaredFills(QWidget* form);

// Contrast ratio of two colours by their relative luminance, from 1 (none)
// to 21 (black on white). A focus indication wants 3 or more.
double Contrast(const QColor& a, const QColor& b);

} // namespace corvane
