#pragma once

#include <QDialog>

namespace corvane {

// A window of the program as its form designs it: every control at its
// design place, so the window keeps its design size; the windows' typeface;
// and the focus frame drawn from the moment it opens.
class FormWindow : public QDialog {
    Q_OBJECT
public:
    explicit FormWindow(QWidget* parent = nullptr);

protected:
    // Once the form is set up: fixes the size and installs the keyboard
    // habits of its fields.
    void FormReady();
    void showEvent(QShowEvent* event) override;
};

} // namespace corvane
