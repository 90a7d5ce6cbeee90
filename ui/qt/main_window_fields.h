#pragma once

#include "lens/engine.h"
#include "views/main_view.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstddef>
#include <span>
#include <string>

class QLabel;
class QWidget;

namespace corvane {
class ValueLabel;
}

// What the main window's widgets show, and how its per-eye widgets are
// arranged once its forms are set up.
namespace corvane::fields {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// An eye's entries by the engine's Entry, Kera1 first.
using EyeFields = std::array<QWidget*, 11>;
inline std::size_t Index(lens::Entry entry) { return static_cast<std::size_t>(entry) - 1; }

// One result group: each eye's four values (base curve, power, diameter,
// series), its five row captions and the left column's header.
struct ResultGroup {
    std::array<std::array<ValueLabel*, 4>, 2> values{};
    std::array<QLabel*, 5> rows{};
    QLabel* leftHeader = nullptr;
};
// The texts of a lens in the order of a group's values.
inline std::array<const std::string*, 4> InOrder(const lens::LensTexts& t)
{
    return {&t.bc, &t.pow, &t.diam, &t.serie};
}

// The entries of a method's section, in the window's order.
inline std::span<const lens::Entry> EntriesOf(Method method)
{
    if (method == Method::Prescription)
        return lens::kPrescriptionEntries;
    return lens::kCurrentLensEntries;
}

// The suggested lens's open values, each a marker in its value label, with
// what a screen reader says of it while it is open (MainWindow's to
// translate: a whole sentence each).
struct MarkerField {
    lens::LensValue value;
    std::size_t index; // among the group's values
    const char* description;
    bool OpenValues::*open;
};
inline constexpr MarkerField kMarkers[] = {
    {lens::LensValue::BaseCurve, 0,
     QT_TRANSLATE_NOOP("corvane::MainWindow", "Not chosen yet: Enter or Space chooses the Base Curve"),
     &OpenValues::bc},
    {lens::LensValue::Power, 1,
     QT_TRANSLATE_NOOP("corvane::MainWindow", "Not chosen yet: Enter or Space chooses the Power"), &OpenValues::power},
    {lens::LensValue::Series, 3,
     QT_TRANSLATE_NOOP("corvane::MainWindow", "Not chosen yet: Enter or Space chooses the Series"),
     &OpenValues::series}};

// An entry's text, as typed or chosen.
QString TextOf(const QWidget* field);
// The box shows the start of a text too long for it.
void Write(QWidget* field, const QString& text);

} // namespace corvane::fields
