#include "calculator_app.h"

#include "form_view.h"

namespace corvane {

CalculatorApp::CalculatorApp(NumberFormat fmt) : form1_(toolkit_, module_, fmt)
{
    if (form1_.GetForm().onLoad)
        form1_.GetForm().onLoad();
    view_ = toolkit_.ShowMain(form1_.GetForm());
}

// The window goes before the form whose controls it shows.
CalculatorApp::~CalculatorApp() { toolkit_.CloseMain(); }

} // namespace corvane
