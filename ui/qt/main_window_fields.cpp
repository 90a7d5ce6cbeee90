#include "ui/qt/main_window_fields.h"

#include <QComboBox>
#include <QLineEdit>

namespace corvane::fields {

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
