#include "fit_check.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace corvane::test {
namespace {

// Room a title bar takes besides the title: icon, three buttons, padding.
constexpr int kTitleBarRoom = 80;
// The box promises this many lines of special order.
constexpr int kSpecialLines = 6;

QString Name(const QWidget* w) { return w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName(); }

int Width(const QFont& font, const QString& text, bool mnemonic)
{
    return QFontMetrics(font).size(mnemonic ? Qt::TextShowMnemonic : Qt::TextSingleLine, text).width();
}

void Report(QStringList& out, const QWidget* w, const QString& text, int needed, int room)
{
    if (needed > room)
        out << QStringLiteral("%1 \"%2\": needs %3 px, has %4").arg(Name(w), text).arg(needed).arg(room);
}

void CheckLabel(const QLabel* label, QStringList& out)
{
    if (label->text().isEmpty() || !label->pixmap().isNull())
        return;
    const QRect room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const bool mnemonic = label->buddy() != nullptr;
    if (label->wordWrap()) {
        Report(out, label, label->text(), label->heightForWidth(label->width()), label->height());
        for (const QString& word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
            Report(out, label, word, Width(label->font(), word, mnemonic), room.width());
        return;
    }
    Report(out, label, label->text(), Width(label->font(), label->text(), mnemonic), room.width());
    Report(out, label, label->text() + QStringLiteral(" (height)"), QFontMetrics(label->font()).height(),
           room.height());
}

void CheckButton(const QAbstractButton* button, QStringList& out)
{
    if (button->text().isEmpty())
        return;
    if (qobject_cast<const QPushButton*>(button) != nullptr) {
        const int margin = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        Report(out, button, button->text(), Width(button->font(), button->text(), true) + margin, button->width());
        Report(out, button, button->text() + QStringLiteral(" (height)"), QFontMetrics(button->font()).height(),
               button->height());
        return;
    }
    Report(out, button, button->text(), button->sizeHint().width(), button->width());
    Report(out, button, button->text() + QStringLiteral(" (height)"), QFontMetrics(button->font()).height(),
           button->height());
}

void CheckCombo(const QComboBox* combo, QStringList& out)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    // The line edit keeps a small margin on either side of its text.
    const int room = field.width() - 4;
    for (int i = 0; i < combo->count(); ++i)
        Report(out, combo, combo->itemText(i), Width(combo->font(), combo->itemText(i), false), room);
    Report(out, combo, QStringLiteral("(height)"), QFontMetrics(combo->font()).height(), field.height());
}

void CheckEntry(const QLineEdit* edit, QStringList& out)
{
    const QRect room = edit->contentsRect();
    Report(out, edit, QStringLiteral("(height)"), QFontMetrics(edit->font()).height(), room.height());
    // A locked box shows a value the program chose: it must be read whole.
    if (edit->isReadOnly())
        Report(out, edit, edit->text(), Width(edit->font(), edit->text(), false) + 4, room.width());
}

void CheckLines(const QTextEdit* text, QStringList& out)
{
    const int needed = kSpecialLines * QFontMetrics(text->font()).lineSpacing() +
                       2 * static_cast<int>(text->document()->documentMargin()) + 2 * text->frameWidth();
    Report(out, text, QStringLiteral("%1 lines").arg(kSpecialLines), needed, text->height());
}

void CheckGroup(const QGroupBox* group, QStringList& out)
{
    Report(out, group, group->title(), Width(group->font(), group->title(), true) + 16, group->width());
}

} // namespace

QStringList TextsThatDoNotFit(QWidget* window)
{
    QStringList out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        if (QWidget* parent = w->parentWidget(); parent != nullptr && !parent->rect().contains(w->geometry()))
            out << Name(w) + QStringLiteral(" reaches outside ") + Name(parent);
        if (auto* label = qobject_cast<QLabel*>(w))
            CheckLabel(label, out);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            CheckButton(button, out);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            CheckCombo(combo, out);
        else if (auto* edit = qobject_cast<QLineEdit*>(w);
                 edit != nullptr && !qobject_cast<QComboBox*>(w->parentWidget()))
            CheckEntry(edit, out);
        else if (auto* text = qobject_cast<QTextEdit*>(w))
            CheckLines(text, out);
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            CheckGroup(group, out);
    }
    return out;
}

QStringList TitleThatDoesNotFit(QWidget* window)
{
    QStringList out;
    QFont bold = QApplication::font();
    bold.setBold(true);
    Report(out, window, window->windowTitle() + QStringLiteral(" (title)"),
           Width(bold, window->windowTitle(), false) + kTitleBarRoom, window->width());
    return out;
}

} // namespace corvane::test
