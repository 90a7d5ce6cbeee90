#include "app/calculator_app.h"

#include "ui/qt/form_view.h"
#include "ui/qt/order_window.h"

namespace corvane {

CalculatorApp::CalculatorApp(NumberFormat fmt, std::unique_ptr<PageOutput> printer)
    : output_(std::move(printer)), form1_(toolkit_, order_, fmt)
{
    form1_.onOrder = [this, fmt] { OpenOrder(view_, order_, fmt, output_); };
    if (form1_.GetForm().onLoad)
        form1_.GetForm().onLoad();
    view_ = toolkit_.ShowMain(form1_.GetForm());
    output_.SetHome(view_);
}

// The window goes before the form whose controls it shows.
CalculatorApp::~CalculatorApp() { toolkit_.CloseMain(); }

} // namespace corvane
