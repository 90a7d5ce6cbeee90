#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace corvane {

// One focus mechanism for a window. The field that takes the focus shows it
// and the one that loses it rests again, as its form declares in dynamic
// properties: "focusColour" (its background in the focus colour),
// "focusBold" (its caption in bold), "selectOnFocus" (its whole text
// selected, to be typed over). Then `entered` tells the window, which puts
// the field's status tip in its help line.
//
// A modal box or dialog above the window does not take the focus from the
// field: coming back to it is no new focus. A selection that the program
// made is left as it is: only the one that the keyboard's focus makes of
// itself is undone.
class FocusFeedback : public QObject {
    Q_OBJECT
public:
    explicit FocusFeedback(QWidget* window);

    // The field that shows the focus.
    QWidget* Current() const { return current_; }
    // The focus was sent again to the field that has it: it shows its focus
    // afresh (a faulty entry is selected again, so that typing replaces it).
    void Refresh();

signals:
    void entered(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Changed(QWidget* old, QWidget* now);

    QWidget* window_;
    QPointer<QWidget> current_;
    // Why the last field of the window that took the focus took it.
    Qt::FocusReason reason_ = Qt::OtherFocusReason;
};

} // namespace corvane
