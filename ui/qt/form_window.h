#pragma once

#include "ui/qt/focus_feedback.h"

#include <QDialog>

namespace corvane {

// A window of the program as its form designs it: every control at its
// design place, so the window keeps its design size; the windows' typeface;
// the focus shown as its fields declare; and the focus frame drawn from the
// moment it opens.
class FormWindow : public QDialog {
    Q_OBJECT
public:
    explicit FormWindow(QWidget* parent = nullptr);

protected:
    // Once the form is set up: fixes the size and installs the keyboard
    // habits of its fields.
    void FormReady();
    void showEvent(QShowEvent* event) override;

    FocusFeedback* feedback_;
};

} // namespace corvane
