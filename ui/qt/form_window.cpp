#include "ui/qt/form_window.h"

#include "ui/qt/accessibility.h"
#include "ui/qt/appearance.h"
#include "ui/qt/keyboard.h"

namespace corvane {

FormWindow::FormWindow(QWidget* parent) : QDialog(parent), feedback_(new FocusFeedback(this))
{
    // Controls are born with the windows' face, not the system's: no font is
    // loaded only to be replaced. Where the system lacks the face, the
    // program carries it.
    LoadCarriedFonts();
    InstallAccessibleInterfaces();
    setFont(WindowFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setAutoFillBackground(true);
}

void FormWindow::FormReady()
{
    setFixedSize(size());
    InstallKeyboardHabits(this);
    DescribeByHints(this);
}

void FormWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A keyboard user sees where the focus is from the moment the window
    // opens: the style draws its focus frame at once, not only after a Tab.
    // (Showing a window clears this.)
    setAttribute(Qt::WA_KeyboardFocusChange);
}

} // namespace corvane
