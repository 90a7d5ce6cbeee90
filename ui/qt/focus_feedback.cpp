#include "ui/qt/focus_feedback.h"

#include "ui/qt/appearance.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

namespace corvane {
namespace {

const QColor kFocusColour(0xFF, 0xFF, 0xC0);
const QColor kRestColour(Qt::white);

bool Declares(const QWidget* field, const char* property) { return field->property(property).toBool(); }

void Embolden(QWidget* field, bool bold)
{
    QFont font = field->font();
    font.setBold(bold);
    field->setFont(font);
}

QLineEdit* EditOf(QWidget* field)
{
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(field);
}

// Qt selects a line's whole text when the keyboard brings the focus to it.
bool SelectedByQt(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

void Show(QWidget* field, Qt::FocusReason reason)
{
    if (Declares(field, "focusColour"))
        PaintBackground(field, kFocusColour);
    if (Declares(field, "focusBold"))
        Embolden(field, true);
    // The keyboard's focus selects a line's text of itself: only a field
    // that asks for it keeps that selection.
    if (QLineEdit* edit = EditOf(field)) {
        if (Declares(field, "selectOnFocus"))
            edit->selectAll();
        else if (SelectedByQt(reason))
            edit->deselect();
    }
}

void Rest(QWidget* field)
{
    if (Declares(field, "focusColour"))
        PaintBackground(field, kRestColour);
    if (Declares(field, "focusBold"))
        Embolden(field, false);
}

} // namespace

FocusFeedback::FocusFeedback(QWidget* window) : QObject(window), window_(window)
{
    connect(qApp, &QApplication::focusChanged, this, &FocusFeedback::Changed);
    // The focus event, which comes before the change is told, says why.
    qApp->installEventFilter(this);
}

bool FocusFeedback::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window_)
        reason_ = static_cast<QFocusEvent*>(event)->reason();
    return false;
}

void FocusFeedback::Changed(QWidget* /*old*/, QWidget* now)
{
    if (now == nullptr || now->window() != window_)
        return;
    // The edit of an editable list box stands for the box.
    QWidget* field = qobject_cast<QComboBox*>(now->parentWidget()) != nullptr ? now->parentWidget() : now;
    if (field == current_)
        return;
    if (current_ != nullptr)
        Rest(current_);
    current_ = field;
    Refresh();
}

void FocusFeedback::Refresh()
{
    if (current_ == nullptr)
        return;
    Show(current_, reason_);
    emit entered(current_);
}

} // namespace corvane
