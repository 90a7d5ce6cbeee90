#include "app/calculator_app.h"

#include "ui/qt/form_view.h"
#include "ui/qt/page_printer.h"

namespace corvane {

CalculatorApp::CalculatorApp(NumberFormat fmt, std::unique_ptr<PageOutput> printer)
    : toolkit_(std::move(printer)), form1_(toolkit_, order_, fmt)
{
    if (form1_.GetForm().onLoad)
        form1_.GetForm().onLoad();
    view_ = toolkit_.ShowMain(form1_.GetForm());
}

// The window goes before the form whose controls it shows.
CalculatorApp::~CalculatorApp() { toolkit_.CloseMain(); }

} // namespace corvane
