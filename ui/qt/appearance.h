#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStringList>

#include <string>

class QWidget;

namespace corvane {

// The faces to draw a design typeface with, best first.
QStringList FontFamilies(const std::string& designFace);

// Makes the faces that the program carries (where the system lacks them)
// known to Qt; once is enough, later calls find them there.
void LoadCarriedFonts();

// The windows' font: 9.75-point "MS Sans Serif", drawn by its stand-in.
QFont WindowFont();

// Paints a field's background: an entry's editing area, any other field
// whole.
void PaintBackground(QWidget* field, const QColor& colour);

// The system colour that a form's widget declares as its background in the
// dynamic property "fill" ("Base", "Button", "Light" or "White"), painted on
// each widget of the form that declares one.
void PaintDeclaredFills(QWidget* form);

// Contrast ratio of two colours by their relative luminance, from 1 (none)
// to 21 (black on white). A focus indication wants 3 or more.
double Contrast(const QColor& a, const QColor& b);

} // namespace corvane
