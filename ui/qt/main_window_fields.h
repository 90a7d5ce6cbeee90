#pragma once

#include "lens/engine.h"
#include "views/main_view.h"

#include <QObject>
#include <QString>

#include <span>
#include <string>

class QWidget;

// The main window's widgets as its form names them, and what they show.
namespace corvane::fields {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// "<name>_0" for the right eye, "<name>_1" for the left.
QString Member(const char* name, int eye);
// The widget of an entry of the engine's.
QString FieldName(lens::Entry entry, int eye);

// A method's section: the boxes that tick it, the left eye's separator (if
// any) and its entries.
struct Section {
    const char* box;
    const char* leftBox;
    const char* separator;
    std::span<const lens::Entry> entries;
};
Section SectionOf(Method method);

// The suggested lens's open values, each a marker in its value label.
struct MarkerField {
    lens::LensValue value;
    const char* label;
    const char* spoken;
    bool OpenValues::*open;
};
inline constexpr MarkerField kMarkers[] = {
    {lens::LensValue::BaseCurve, "lblResFinalBC", "Base Curve", &OpenValues::bc},
    {lens::LensValue::Power, "lblResFinalPow", "Power", &OpenValues::power},
    {lens::LensValue::Series, "lblResFinalSerie", "Series", &OpenValues::series}};

// A part of the window is built once it holds its widgets.
inline bool IsBuilt(const QObject* part) { return !part->children().isEmpty(); }

// An entry's text, as typed or chosen.
QString TextOf(const QWidget* field);
// The box shows the start of a text too long for it.
void Write(QWidget* field, const QString& text);

} // namespace corvane::fields
