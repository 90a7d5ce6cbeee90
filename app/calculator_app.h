#pragma once

#include "app/form1.h"
#include "order/order_record.h"
#include "ui/qt/page_printer.h"
#include "ui/qt/qt_number_format.h"
#include "ui/qt/qt_order_output.h"
#include "ui/qt/qt_toolkit.h"

#include <memory>

namespace corvane {

class FormView;

// The whole program on Qt: the toolkit, the run's shared state, the way
// out of the order and the main window, loaded and shown.
class CalculatorApp {
public:
    // Prints on `printer`, or on the system's default printer when none is
    // given.
    explicit CalculatorApp(NumberFormat fmt = SystemNumberFormat(), std::unique_ptr<PageOutput> printer = nullptr);
    ~CalculatorApp();
    CalculatorApp(const CalculatorApp&) = delete;
    CalculatorApp& operator=(const CalculatorApp&) = delete;

    Form1& Main() { return form1_; }
    // The order record, shared by the windows for the whole run.
    OrderRecord& Order() { return order_; }
    QtToolkit& Toolkit() { return toolkit_; }
    QtOrderOutput& Output() { return output_; }
    FormView* MainView() const { return view_; }

private:
    QtToolkit toolkit_;
    QtOrderOutput output_;
    OrderRecord order_;
    Form1 form1_;
    FormView* view_ = nullptr;
};

} // namespace corvane
