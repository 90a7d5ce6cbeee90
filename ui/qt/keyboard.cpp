#include "ui/qt/keyboard.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include <algorithm>

namespace corvane {
namespace {

// A validator that never refuses a text, only cuts what the practitioner
// inserts to the room left. A text that the program writes is no edit of
// the practitioner's (the line is not modified while it is validated) and
// stays whole. The validator sees the text after the edit, so it keeps the
// length before it: deleting from a longer text is no insertion.
class TypedLength final : public QValidator {
public:
    TypedLength(QLineEdit* edit, int maxLength)
        : QValidator(edit), edit_(edit), max_(maxLength), before_(edit->text().size())
    {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text.size(); });
    }

    State validate(QString& input, int& pos) const override
    {
        const qsizetype excess = input.size() - std::max<qsizetype>(max_, before_);
        if (excess > 0 && edit_->isModified()) {
            // The insertion ends at the cursor: its last characters go.
            const qsizetype cut = std::min<qsizetype>(excess, pos);
            input.remove(pos - cut, cut);
            pos -= static_cast<int>(cut);
        }
        return Acceptable;
    }

private:
    QLineEdit* edit_;
    int max_;
    qsizetype before_;
};

bool IsEnter(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

class EnterKeys final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !IsEnter(static_cast<QKeyEvent*>(event)))
            return false;
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            if (button->isDefault())
                return false;
            button->click();
            return true;
        }
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(watched, &tab);
        return true;
    }
};

// Up and Down in an editable list move from the item its box shows, typed
// or written there, when that is one of the list's: the list's own current
// item may be an older one.
class ListKeys final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down)
            return false;
        auto* combo = qobject_cast<QComboBox*>(watched);
        if (combo == nullptr)
            combo = qobject_cast<QComboBox*>(static_cast<QWidget*>(watched)->parentWidget());
        if (combo == nullptr)
            return false;
        const int shown = combo->findText(combo->currentText(), Qt::MatchExactly);
        if (shown >= 0 && shown != combo->currentIndex())
            combo->setCurrentIndex(shown);
        return false;
    }
};

} // namespace

void InstallKeyboardHabits(QWidget* form)
{
    auto* enter = new EnterKeys(form);
    auto* listKeys = new ListKeys(form);
    for (auto* combo : form->findChildren<QComboBox*>())
        if (combo->lineEdit() != nullptr) {
            combo->installEventFilter(listKeys);
            combo->lineEdit()->installEventFilter(listKeys);
        }
    for (auto* edit : form->findChildren<QLineEdit*>()) {
        const int length = edit->property("typedLength").toInt();
        if (length > 0)
            edit->setValidator(new TypedLength(edit, length));
    }
    for (auto* button : form->findChildren<QPushButton*>())
        button->installEventFilter(enter);
    for (auto* field : form->findChildren<QWidget*>())
        if (field->property("enterMovesOn").toBool()) {
            field->installEventFilter(enter);
            // An editable list box's edit takes the keys while it has the focus.
            if (auto* combo = qobject_cast<QComboBox*>(field); combo != nullptr && combo->lineEdit() != nullptr)
                combo->lineEdit()->installEventFilter(enter);
        }
}

} // namespace corvane
