#include "ui/qt/qt_toolkit.h"

#include "ui/base/form.h"
#include "ui/qt/form_view.h"
#include "ui/qt/message_box.h"
#include "ui/qt/widget_binding.h"

#include <QTimer>

#include <algorithm>

namespace corvane {

QtToolkit::QtToolkit() { LoadCarriedFonts(); }

QtToolkit::~QtToolkit() = default;

FormView* QtToolkit::ShowMain(Form& form)
{
    // The main window's hidden controls get their widgets when first shown.
    main_ = std::make_unique<FormView>(form, nullptr, true);
    stack_.push_back(main_.get());
    main_->show();
    return main_.get();
}

void QtToolkit::CloseMain()
{
    stack_.erase(std::remove(stack_.begin(), stack_.end(), main_.get()), stack_.end());
    main_.reset();
}

FormView* QtToolkit::ViewOf(const Form& form) const
{
    for (FormView* v : stack_)
        if (&v->GetForm() == &form)
            return v;
    return nullptr;
}

FormView* QtToolkit::TopView() const { return stack_.empty() ? nullptr : stack_.back(); }

Answer QtToolkit::MsgBox(std::string_view text, Buttons buttons, std::string_view title)
{
    return ShowMessageBox(TopView(), QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), buttons);
}

void QtToolkit::SetFocus(Control& control)
{
    if (FormView* view = ViewOf(*control.Owner()))
        view->MoveFocus(control);
}

void QtToolkit::SendTab()
{
    // Queued like a keystroke: it acts once the current handler is done.
    if (FormView* view = TopView()) {
        QPointer<FormView> target(view);
        QTimer::singleShot(0, view, [target] {
            if (target)
                Guarded(target, [&target] { target->TabFromFocus(); });
        });
    }
}

void QtToolkit::ShowModal(Form& form)
{
    FormView view(form, TopView());
    view.setModal(true);
    stack_.push_back(&view);
    if (form.onActivate) {
        QTimer::singleShot(0, &view, [&form, &view] {
            if (!form.Unloaded())
                Guarded(&view, form.onActivate);
        });
    }
    if (!form.Unloaded())
        view.exec();
    form.SetUnloaded(true);
    stack_.erase(std::remove(stack_.begin(), stack_.end(), &view), stack_.end());
    // The window below takes the keyboard back, its focus where it was. Left
    // to the window manager, two windows closing at once (the printed form,
    // then the order window) can leave no window active at all.
    if (FormView* below = TopView(); below != nullptr && below->isVisible())
        below->activateWindow();
}

void QtToolkit::Unload(Form& form)
{
    form.SetUnloaded(true);
    FormView* view = ViewOf(form);
    if (view == nullptr)
        return;
    view->Unload();
    // With the main window gone the program ends (no other window can be
    // open: they are all modal above it).
    if (view == main_.get() && onMainUnloaded)
        onMainUnloaded();
}

} // namespace corvane
