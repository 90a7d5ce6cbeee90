#include "ui/qt/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace corvane {
namespace {

bool Activates(const QKeyEvent* key)
{
    const int k = key->key();
    return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !key->isAutoRepeat() &&
           (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space);
}

bool TakesFocus(const QWidget* widget) { return widget->focusPolicy() != Qt::NoFocus; }

class ValueAccessible : public QAccessibleWidget {
public:
    explicit ValueAccessible(ValueLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        return TakesFocus(widget()) ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        const QString what = widget()->accessibleName();
        const QString shown = Label()->text();
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (what.isEmpty() || shown.isEmpty())
            return what.isEmpty() ? shown : what;
        return ValueLabel::tr("%1: %2").arg(what, shown);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (TakesFocus(widget()))
            names.prepend(pressAction());
        return names;
    }

    // Later, from the event loop: what it opens may wait for an answer, and
    // the screen reader must not wait with it.
    void doAction(const QString& action) override
    {
        if (action == pressAction() && TakesFocus(widget()))
            QMetaObject::invokeMethod(Label(), &ValueLabel::activated, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ValueLabel* Label() const { return static_cast<ValueLabel*>(widget()); }
};

class HelpAccessible : public QAccessibleWidget {
public:
    explicit HelpAccessible(HelpLine* line) : QAccessibleWidget(line, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// Qt names a list on Linux by what it shows; a list the form names is read
// by that name, what it shows being its value. (Decided when asked: a form
// fills a list before it names it.)
class NamedListAccessible : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const bool named = !widget()->accessibleName().isEmpty();
        if (t == QAccessible::Value || (t == QAccessible::Name && !named))
            return Box()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The drop-down list, then the text field of a list one may type in.
    int childCount() const override { return Box()->lineEdit() != nullptr ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(Box()->view());
        if (index == 1 && Box()->lineEdit() != nullptr)
            return QAccessible::queryAccessibleInterface(Box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) != nullptr && this->child(i)->object() == child->object())
                return i;
        return -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = Box()->view()->isVisible();
        s.editable = Box()->isEditable();
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (Box()->view()->isVisible())
            Box()->hidePopup();
        else
            Box()->showPopup();
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Interface(const QString& key, QObject* object)
{
    if (auto* value = qobject_cast<ValueLabel*>(object); value != nullptr && key == "corvane::ValueLabel")
        return new ValueAccessible(value);
    if (auto* help = qobject_cast<HelpLine*>(object); help != nullptr && key == "corvane::HelpLine")
        return new HelpAccessible(help);
    // The calculator's window is the program's window, announced as such.
    if (key == "corvane::MainWindow")
        return new QAccessibleWidget(qobject_cast<QWidget*>(object), QAccessible::Window);
    if (auto* box = qobject_cast<QComboBox*>(object); box != nullptr && key == "QComboBox")
        return new NamedListAccessible(box);
    return nullptr;
}

} // namespace

void ValueLabel::Show(const QString& text)
{
    if (text == this->text())
        return;
    setText(text);
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void ValueLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint()))
        emit activated();
}

void ValueLabel::keyPressEvent(QKeyEvent* event)
{
    if (!TakesFocus(this) || !Activates(event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    emit activated();
}

void InstallAccessibleInterfaces() { QAccessible::installFactory(&Interface); }

void DescribeByHints(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>())
        if (!control->statusTip().isEmpty())
            control->setAccessibleDescription(control->statusTip());
}

} // namespace corvane
