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
// it and placed at its design position; or, for a page, the page painted.
class FormView : public QDialog {
    Q_OBJECT
public:
    FormView(Form& form, QWidget* parent);
    ~FormView() override;

    Form& GetForm() const { return form_; }
    QWidget* WidgetOf(const Control& control) const;
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
    void Build();
    QWidget* Create(Control& control, QWidget* parent);
    void ChangeFocus(Control* next);

    Form& form_;
    double scale_;
    std::vector<WidgetBinding*> bindings_;
    std::map<const Control*, WidgetBinding*> byControl_;
    Control* focus_ = nullptr;
    bool closing_ = false;
    // Lent to each editable combo box while it is built; see Create.
    QCompleter* standIn_ = nullptr;
};

} // namespace corvane
