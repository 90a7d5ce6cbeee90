#pragma once

#include "ui/base/controls.h"
#include "ui/qt/appearance.h"
#include "ui/qt/message_box.h"

#include <QFont>
#include <QObject>

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string>

class QFocusEvent;
class QKeyEvent;

namespace corvane {

class FormView;

// Keeps one widget in step with its control: the model's writes go to the
// widget, the practitioner's edits, clicks, keys and focus go to the model.
class WidgetBinding : public QObject, public ControlObserver {
    Q_OBJECT
public:
    WidgetBinding(Control& control, QWidget* widget, FormView* view);
    ~WidgetBinding() override;

    Control& GetControl() const { return control_; }
    QWidget* Widget() const { return widget_; }

    void PropertyChanged(Control& control, Prop prop) override;
    void ApplyAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Connect();
    void ApplyText();
    void ApplyColors();
    void ApplyFont();
    void ApplySelection();
    void ApplyValue();
    void ApplyLocked();
    void ApplyItems();
    void ApplyTakesFocus();
    bool KeyPress(QEvent* event);
    bool LabelKeyPress(const QKeyEvent* key);
    bool TooLongForTyping(const QString& typed) const;
    std::string CutToMaxLength(const QString& edited);
    bool SelectsOnItsOwn(const QFocusEvent* event) const;
    bool Redeliver(QEvent* event);

    Control& control_;
    QPointer<QWidget> widget_;
    FormView* view_;
    bool applying_ = false;
    bool redelivering_ = false;
};

// Runs a handler of the form logic. A failure that no handler trapped is
// shown as a numbered message instead of ending the program.
void Guarded(QWidget* parent, const std::function<void()>& handler);

} // namespace corvane
