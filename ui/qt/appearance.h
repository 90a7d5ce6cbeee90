#pragma once

#include "ui/base/controls.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStringList>

class QWidget;

#include <string>

namespace corvane {

// The faces to draw a design typeface with, best first.
QStringList FontFamilies(const std::string& designFace);

// Makes the faces that the program carries (where the system lacks them)
// known to Qt; once is enough, later calls find them there.
void LoadCarriedFonts();

// The font that a style asks for, regular or bold.
QFont DesignFont(const Style& style, bool bold);

// The colour that a control colour stands for, resolved against the palette.
QColor ToQColor(Color c, const QPalette& palette);

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
