#include "ui/qt/message_box.h"

#include "lens/errors.h"
#include "ui/qt/appearance.h"
#include "ui/qt/qt_words.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QTextLayout>

#include <algorithm>

namespace corvane {
namespace {

// A Yes/No box asks a question that only Yes or No answers: Esc and the
// close box (or the window manager's close command) leave it open. Every box
// shows the focus on its button from the start, not only once the keyboard
// has moved it (showing a window clears that).
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

// A message box sizes itself to its text; a short text under a long title
// would cut the title in the title bar.
void WidenForTitle(QMessageBox& box, const QString& title)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    QFont bold = box.font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(title) + TitleBarAllowance();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

// The text wrapped at `width` (pixels) as a label wraps it, one string per
// line.
QStringList LinesAt(const QString& text, const QFont& font, int width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i)
            lines << paragraph.mid(layout.lineAt(i).textStart(), layout.lineAt(i).textLength()).trimmed();
    }
    return lines;
}

// A message keeps each of its lines whole where the screen has room; else
// it wraps into lines of even length, so that no word or sign (the "?" of a
// question) stands alone on a line. Left to itself the box wraps at a width
// of its own choosing, narrower on a scaled screen.
void KeepLinesTogether(QMessageBox& box)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label == nullptr)
        return;
    // Never wider than the box lets itself grow: on a screen up to 1024
    // wide the screen's width, else 480 less, and at most 1000.
    const QScreen* screen = box.screen();
    const int screenWidth = screen != nullptr ? screen->availableGeometry().width() : 800;
    const int boxLimit = screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000);
    const int room = std::min(screenWidth * 3 / 4, boxLimit) - TitleBarAllowance();
    const QFont font = label->font();
    const QString text = label->text();
    QStringList lines = LinesAt(text, font, QWIDGETSIZE_MAX);
    const qsizetype count = LinesAt(text, font, room).size();
    if (count > lines.size()) {
        // The narrowest width that needs no more lines than `room` does.
        int low = room / 4;
        int high = room;
        while (low < high) {
            const int mid = (low + high) / 2;
            if (LinesAt(text, font, mid).size() <= count)
                high = mid;
            else
                low = mid + 1;
        }
        lines = LinesAt(text, font, high);
        // The box wraps its text only once it is wider than this.
        auto* grid = qobject_cast<QGridLayout*>(box.layout());
        const int boxWraps = std::min(screenWidth / 2, 500) + 1;
        if (grid != nullptr)
            grid->addItem(new QSpacerItem(boxWraps, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0,
                          1, grid->columnCount());
    }
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const QMargins m = label->contentsMargins();
    label->setFixedWidth(widest + 2 + m.left() + m.right() + 2 * label->margin() + std::max(0, label->indent()));
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
    WidenForTitle(box, title);
    KeepLinesTogether(box);
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
