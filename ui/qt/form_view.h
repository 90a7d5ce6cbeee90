#pragma once

#include "ui/base/form.h"

#include <QDialog>

#include <map>
#include <memory>
#include <vector>

class QCompleter;

namespace corvane {

class WidgetBinding;

// A window built from a form: one standard widget per control, named after
// it and placed at its design position.
// With `buildHiddenLater`, the widget of a control hidden when the window
// opens is built when the control is first shown (or asked for), in the
// place, stacking and tab order it would have had.
class FormView : public QDialog, private ControlObserver {
    Q_OBJECT
public:
    FormView(Form& form, QWidget* parent, bool buildHiddenLater = false);
    ~FormView() override;

    Form& GetForm() const { return form_; }
    // The control's widget; nullptr while it is left to be built.
    QWidget* WidgetOf(const Control& control) const;
    // The control's widget, built now if it was left for later.
    QWidget* Realize(Control& control);
    // Pixels per twip on this screen.
    double Scale() const { return scale_; }

    // Moves the focus as the form logic asks: LostFocus of the control that
    // had it, then GotFocus of the new one.
    void MoveFocus(Control& control);
    // The focus came to a control by the keyboard or the mouse.
    void NoteFocusIn(Control& control);
    // The Tab keystroke: next control in tab order that can take the focus.
    void TabFromFocus();
    Control* LogicalFocus() const { return focus_; }

    // Closes the window for the form logic.
    void Unload();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Build(bool buildHiddenLater);
    QWidget* Create(Control& control, QWidget* parent);
    QWidget* MultiLine(const Style& style, QWidget* parent) const;
    QWidget* BuildWidget(Control& control);
    void StackInFormOrder(const Control& control, QWidget* widget) const;
    void ConnectBuddies(const Control& control, QWidget* widget) const;
    void ChainTabOrder() const;
    // A control left to be built tells its first showing here.
    void PropertyChanged(Control& control, Prop prop) override;
    void ChangeFocus(Control* next);

    Form& form_;
    double scale_;
    std::vector<WidgetBinding*> bindings_;
    std::map<const Control*, WidgetBinding*> byControl_;
    std::vector<Control*> later_;
    Control* focus_ = nullptr;
    bool closing_ = false;
    // Lent to each editable combo box while it is built; see Create.
    QCompleter* standIn_ = nullptr;
};

} // namespace corvane
