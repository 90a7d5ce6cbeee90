#pragma once

#include <QLabel>

class QWidget;

// What a screen reader meets where Qt's own accessible interfaces fall
// short: values read with what they are, a "???" that is a button, the help
// line as the window's status, lists named for what they are.
namespace corvane {

// A value a window shows, read as what it is and what it shows: "From K
// Reading, power, right eye: -3.25" (its accessible name says what it is).
// While it takes the focus it is a button, activated by a click, Enter,
// Space or a screen reader's press.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // Shows the text, and tells a screen reader that the value changed.
    void Show(const QString& text);

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The help line: read by its text, as the window's status line, and told
// whenever that text changes.
class HelpLine : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// Makes Qt serve the interfaces above, the main window as the program's
// window (not a dialog) and a named list by its name. Safe to call again.
void InstallAccessibleInterfaces();

// Every control of the window that writes a hint on the help line is
// described by that hint.
void DescribeByHints(QWidget* window);

} // namespace corvane
