#include "ui/qt/message_box.h"

#include "lens/errors.h"
#include "ui/qt/appearance.h"
#include "ui/qt/qt_words.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QTextLayout>

#include <algorithm>
#include <functional>

namespace corvane {
namespace {

// The narrowest width in [low, high] for which `fits` holds, given that it
// holds at `high` and at every width wider than one where it holds.
int Narrowest(int low, int high, const std::function<bool(int)>& fits)
{
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (fits(mid))
            high = mid;
        else
            low = mid + 1;
    }
    return high;
}

// The widest line of the text, as given.
int WidestLine(const QString& text, const QFont& font)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// Whether the text, wrapped at `width` (pixels) as a label wraps it, leaves
// a word or sign (the "?" of a question) alone on a line of a paragraph.
bool LeavesWordAlone(const QString& text, const QFont& font, int width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount() && layout.lineCount() > 1; ++i) {
            const QTextLine line = layout.lineAt(i);
            if (!paragraph.mid(line.textStart(), line.textLength()).trimmed().contains(QLatin1Char(' ')))
                return true;
        }
    }
    return false;
}

// A Yes/No box asks a question that only Yes or No answers: Esc and the
// close box (or the window manager's close command) leave it open. Every box
// shows the focus on its button from the start, not only once the keyboard
// has moved it (showing a window clears that).
//
// A message box sizes itself to its text, wrapping it at a width of its own
// choosing (narrower on a scaled screen), which can leave a word or the "?"
// of a question alone on a line, and takes no account of a long title. This
// one keeps each line whole where the screen has room, else wraps at the
// narrowest width that needs no more lines than the room does: lines of even
// length, and none of them a word alone (a longer paragraph evened may leave
// one in a shorter one). The box's own height for a width tells how its
// text wraps there.
class QuestionBox : public QMessageBox {
public:
    QuestionBox(QWidget* parent, bool mustAnswer) : QMessageBox(parent), mustAnswer_(mustAnswer)
    {
        if (mustAnswer_)
            setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                           ~Qt::WindowCloseButtonHint);
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        setAttribute(Qt::WA_KeyboardFocusChange);
        FitText();
    }
    // The box sizes itself again whenever its layout asks.
    bool event(QEvent* event) override
    {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest && isVisible())
            FitText();
        return handled;
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (mustAnswer_ && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (mustAnswer_) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    void FitText()
    {
        const int width = std::max(TextWidth(), TitleWidth());
        const int height = hasHeightForWidth() ? heightForWidth(width) : this->height();
        if (size() != QSize(width, height))
            setFixedSize(width, height);
    }

    // A short text under a long title would cut the title in the title bar.
    int TitleWidth() const
    {
        QFont bold = font();
        bold.setBold(true);
        const QMargins margins = layout() != nullptr ? layout()->contentsMargins() : QMargins();
        return QFontMetrics(bold).horizontalAdvance(windowTitle()) + TitleBarAllowance() + margins.left() +
               margins.right();
    }

    // The box's width for its text.
    int TextWidth() const
    {
        // Left to itself the box wraps only a text too wide for it: one it
        // did not wrap stands whole.
        if (!hasHeightForWidth())
            return width();
        // Never wider than the box lets itself grow: on a screen up to 1024
        // wide the screen's width, else 480 less, and at most 1000.
        const QScreen* shown = screen();
        const int screenWidth = shown != nullptr ? shown->availableGeometry().width() : 800;
        const int boxLimit = screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000);
        const int room = std::min(screenWidth * 3 / 4, boxLimit) - TitleBarAllowance();
        const int widest = WidestLine(text(), font());
        // The narrowest box that wraps no line, and so what the box takes
        // besides its text.
        const int least = minimumSizeHint().width();
        const int unwrapped = heightForWidth(widest + screenWidth);
        const int whole =
            Narrowest(least, widest + screenWidth, [this, unwrapped](int w) { return heightForWidth(w) <= unwrapped; });
        if (widest <= room)
            return whole;
        const int roomWidth = room + whole - widest;
        const int fewest = heightForWidth(roomWidth);
        // The title keeps the box at least as wide as it needs.
        const int floor = std::max(least, TitleWidth());
        const int even = Narrowest(floor, roomWidth, [this, fewest](int w) { return heightForWidth(w) <= fewest; });
        // Lines of even length may still leave a word alone in a shorter
        // paragraph: then a wider box of as many lines, else the widest
        // narrower one that leaves none, with a line more, else the
        // narrowest that leaves none up to the width the box grows to.
        const int besides = whole - widest;
        const auto leavesNone = [this, besides](int w) { return !LeavesWordAlone(text(), font(), w - besides); };
        for (int w = even; w <= roomWidth; ++w)
            if (leavesNone(w) && heightForWidth(w) <= fewest)
                return w;
        for (int w = even - 1; w >= floor; --w)
            if (leavesNone(w))
                return w;
        for (int w = roomWidth + 1; w <= boxLimit - TitleBarAllowance() + besides; ++w)
            if (leavesNone(w))
                return w;
        return even;
    }

    bool mustAnswer_;
};

Answer FromStandard(int pressed, Buttons buttons)
{
    switch (pressed) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        break;
    }
    switch (buttons) {
    case Buttons::OkCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::Ok:
    case Buttons::OkExclamation:
        break;
    }
    return Answer::Ok;
}

void SetButtons(QMessageBox& box, Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkExclamation:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
}

} // namespace

int TitleBarAllowance() { return 130; }

Answer ShowMessageBox(QWidget* parent, const QString& title, const QString& text, Buttons buttons)
{
    QuestionBox box(parent, buttons == Buttons::YesNo);
    QFont font = box.font();
    font.setFamilies(FontFamilies("MS Sans Serif"));
    box.setFont(font);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    SetButtons(box, buttons);
    return FromStandard(box.exec(), buttons);
}

void Guarded(QWidget* parent, const std::function<void()>& handler)
{
    Words message;
    try {
        handler();
        return;
    } catch (const RuntimeError& err) {
        message = ErrorMessage(err);
    } catch (const std::exception& err) {
        // What the library says is shown as it said it.
        message = {Say::ErrorUnnumbered, {std::string(err.what())}};
    }
    ShowMessageBox(parent, Tr({Say::ProgramTitle}), Tr(message), Buttons::OkExclamation);
}

} // namespace corvane
