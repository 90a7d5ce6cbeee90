#include "fit_check.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <functional>

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

int Difference(const QColor& a, const QColor& b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

// The rectangle whose edges a widget draws as its border, in its own pixels.
QRect BorderRect(QWidget* w)
{
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxFrame;
        return group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, group);
    }
    return w->rect();
}

bool Framed(QWidget* w)
{
    if (qobject_cast<QGroupBox*>(w) != nullptr || qobject_cast<QTextEdit*>(w) != nullptr)
        return true;
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->frameShape() != QFrame::NoFrame;
    return qobject_cast<QLineEdit*>(w) != nullptr && qobject_cast<QComboBox*>(w->parentWidget()) == nullptr;
}

// Along an edge (`along` runs over it, `across` steps inward from it, both
// in device pixels), the share of places where no pixel near the edge
// stands out from both the inside and the outside: the border is missing.
double MissingBorder(const std::function<QColor(int along, int across)>& at, int from, int to, double dpr)
{
    const int band = static_cast<int>(std::ceil(3 * dpr));
    int missing = 0;
    for (int a = from; a < to; ++a) {
        const QColor inside = at(a, band + 1);
        const QColor outside = at(a, -static_cast<int>(std::ceil(dpr)));
        bool border = false;
        for (int d = 1; d <= band && !border; ++d)
            border = Difference(at(a, d), inside) >= 12 && Difference(at(a, d), outside) >= 12;
        missing += border ? 0 : 1;
    }
    return to > from ? double(missing) / (to - from) : 0.0;
}

} // namespace

QStringList Untranslated(QWidget* window)
{
    // The pseudo-translation lengthens every text that has letters with "~".
    static const QRegularExpression kLetter(QStringLiteral("[A-Za-z]"));
    auto plain = [](const QString& text) { return text.contains(kLetter) && !text.contains(QLatin1Char('~')); };
    QStringList out;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) && w != window)
            continue;
        const bool qtButton = qobject_cast<QMessageBox*>(window) != nullptr &&
                              qobject_cast<QDialogButtonBox*>(w->parentWidget()) != nullptr;
        QStringList texts = {w->toolTip(), w->statusTip(), w->accessibleName(), w->accessibleDescription()};
        if (w == window)
            texts << w->windowTitle();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w); button != nullptr && !qtButton)
            texts << button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            texts << group->title();
        for (const QString& text : texts)
            if (plain(text))
                out << QStringLiteral("%1: \"%2\" is not translated").arg(Name(w), text);
    }
    return out;
}

QList<QStringList> LinesShown(const QLabel* label)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    const int width = label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
    QList<QStringList> paragraphs;
    for (const QString& paragraph : label->text().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, label->font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        QStringList lines;
        for (int i = 0; i < layout.lineCount(); ++i)
            lines << paragraph.mid(layout.lineAt(i).textStart(), layout.lineAt(i).textLength()).trimmed();
        paragraphs << lines;
    }
    return paragraphs;
}

QStringList LoneWords(QWidget* window)
{
    QStringList out;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || !label->wordWrap())
            continue;
        for (const QStringList& lines : LinesShown(label))
            for (const QString& words : lines)
                if (lines.size() > 1 && !words.contains(QLatin1Char(' ')))
                    out << QStringLiteral("%1: \"%2\" alone on a line").arg(Name(label), words);
    }
    return out;
}

QStringList CutBorders(QWidget* window)
{
    QStringList out;
    const QImage image = window->grab().toImage();
    const double dpr = image.devicePixelRatio();
    auto pixel = [&image](int x, int y) {
        return image.pixelColor(std::clamp(x, 0, image.width() - 1), std::clamp(y, 0, image.height() - 1));
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !Framed(w))
            continue;
        const QRect r(w->mapTo(window, BorderRect(w).topLeft()), BorderRect(w).size());
        // Device pixels just inside the bottom and the right edge.
        const int bottom = static_cast<int>(std::ceil((r.bottom() + 1) * dpr)) - 1;
        const int right = static_cast<int>(std::ceil((r.right() + 1) * dpr)) - 1;
        const int left = static_cast<int>((r.left() + 6) * dpr);
        // A frame's top edge may stand below its title: the lower part of
        // the right edge is checked.
        const int top = static_cast<int>((r.top() + r.height() / 3.0) * dpr);
        const double missingBottom = MissingBorder([&](int x, int d) { return pixel(x, bottom + 1 - d); }, left,
                                                   right - static_cast<int>(6 * dpr), dpr);
        const double missingRight = MissingBorder([&](int y, int d) { return pixel(right + 1 - d, y); }, top,
                                                  bottom - static_cast<int>(6 * dpr), dpr);
        if (missingBottom > 0.1)
            out << Name(w) + QStringLiteral(": bottom border cut");
        if (missingRight > 0.1)
            out << Name(w) + QStringLiteral(": right border cut");
    }
    return out;
}

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
