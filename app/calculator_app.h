#pragma once

#include "calc/calculation.h"
#include "calc/refinement.h"
#include "order/order_record.h"
#include "ui/qt/main_window.h"
#include "ui/qt/page_printer.h"
#include "ui/qt/qt_number_format.h"
#include "ui/qt/qt_order_output.h"

#include <memory>

namespace corvane {

// The whole program on Qt: the main window and its presenters, the run's
// order record, and the order's way out on the given printer (the system's
// default printer when none is given).
class CalculatorApp {
public:
    explicit CalculatorApp(NumberFormat fmt = SystemNumberFormat(), std::unique_ptr<PageOutput> printer = nullptr);
    ~CalculatorApp();
    CalculatorApp(const CalculatorApp&) = delete;
    CalculatorApp& operator=(const CalculatorApp&) = delete;

    MainWindow* Window() const { return window_.get(); }
    // The order record, shared by the windows for the whole run.
    OrderRecord& Order() { return order_; }
    QtOrderOutput& Output() { return output_; }

private:
    void OpenOrder();

    NumberFormat fmt_;
    QtOrderOutput output_;
    OrderRecord order_;
    std::unique_ptr<MainWindow> window_;
    Calculation calc_;
    Refinement refine_;
};

} // namespace corvane
