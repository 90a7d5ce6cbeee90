#include "ui/qt/main_window_fields.h"

#include <QComboBox>
#include <QLineEdit>

namespace corvane::fields {
namespace {

using lens::Entry;

// The widgets of the engine's entries: "<name>_0" for the right eye,
// "<name>_1" for the left.
constexpr struct {
    Entry entry;
    const char* name;
} kEntryFields[] = {
    {Entry::Kera1, "txtPresKera1"},  {Entry::Kera2, "txtPresKera2"}, {Entry::Sphere, "txtPresPow"},
    {Entry::Cylinder, "txtPresCyl"}, {Entry::Axis, "txtPresAxe"},    {Entry::Vertex, "cboPresVertex"},
    {Entry::PresAdd, "cboPresAdd"},  {Entry::CurBC, "txtCurBC"},     {Entry::CurPower, "txtCurPow"},
    {Entry::CurDiam, "txtCurDiam"},  {Entry::CurAdd, "txtCurAdd"},
};

} // namespace

QString Member(const char* name, int eye) { return QString::fromLatin1(name) + u'_' + QString::number(eye); }

QString FieldName(Entry entry, int eye)
{
    for (const auto& f : kEntryFields)
        if (f.entry == entry)
            return Member(f.name, eye);
    return {};
}

Section SectionOf(Method method)
{
    if (method == Method::Prescription)
        return {"chkPres", "chkPresOS", "lblPresOS", lens::kPrescriptionEntries};
    return {"chkCur", "chkCurOS", nullptr, lens::kCurrentLensEntries};
}

QString TextOf(const QWidget* field)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(field))
        return combo->currentText();
    const auto* edit = qobject_cast<const QLineEdit*>(field);
    return edit != nullptr ? edit->text() : QString();
}

void Write(QWidget* field, const QString& text)
{
    if (TextOf(field) == text)
        return;
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        combo->setEditText(text);
        combo->lineEdit()->setCursorPosition(0);
    } else if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
}

} // namespace corvane::fields
