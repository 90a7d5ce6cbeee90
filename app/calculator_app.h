#pragma once

#include "calc/calculation.h"
#include "calc/refinement.h"
#include "order/order_output.h"
#include "order/order_record.h"
#include "print/page_pdf.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_number_format.h"
#include "ui/qt/qt_order_output.h"

#include <memory>

namespace corvane {

// The whole program on Qt: the main window and its presenters, the run's
// order record, the order window with its presenter, and the order's way
// out on the given printer (the system's default printer when none is
// given).
class CalculatorApp {
public:
    explicit CalculatorApp(NumberFormat fmt = SystemNumberFormat(), std::unique_ptr<Printer> printer = nullptr);
    ~CalculatorApp();
    CalculatorApp(const CalculatorApp&) = delete;
    CalculatorApp& operator=(const CalculatorApp&) = delete;

    MainWindow* Window() const { return window_.get(); }
    // The order record, shared by the windows for the whole run.
    OrderRecord& Order() { return order_; }
    // The date that the order's page carries.
    std::string Today() { return clock_.Today(); }

private:
    void OpenOrder();
    OrderOutput Output() { return {*printer_, files_, clock_, measure_, questions_}; }

    NumberFormat fmt_;
    OrderRecord order_;
    std::unique_ptr<MainWindow> window_;
    Calculation calc_;
    Refinement refine_;
    SystemClock clock_;
    PdfPageMeasure measure_;
    QtQuestions questions_;
    QtPdfFiles files_;
    // Goes first: the jobs it still follows tell a lost one through the
    // parts above.
    std::unique_ptr<Printer> printer_;
};

} // namespace corvane
