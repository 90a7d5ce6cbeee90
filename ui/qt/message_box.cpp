#include "ui/qt/message_box.h"

#include "ui/qt/widget_binding.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSpacerItem>

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
    return FromStandard(box.exec(), buttons);
}

} // namespace corvane
