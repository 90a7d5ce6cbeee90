// Print's time, from the click's call to its return, on the default printer
// of the print service (PRINTER or LPDEST choose another queue): the order
// page of a filled order, sent `runs` times. tools/print_bench.sh runs it on a
// ready and on a holding queue. With a file name after `runs`, the page is
// also written there as a PDF, for it to be compared between platforms. A
// benchmark: no test runs it.
#include "order/order_page.h"
#include "ui/qt/appearance.h"
#include "ui/qt/page_pdf.h"
#include "ui/qt/page_printer.h"
#include "ui/qt/qt_order_output.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    corvane::LoadCarriedFonts();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
    corvane::OrderRecord order;
    order.orderPatName = "Bench Patient";
    order.orderBC = {7.7, 7.1};
    order.orderPower = {{-2.5}, {0.5}};
    corvane::QtOrderOutput output;
    const corvane::OrderPage page = corvane::MakeOrderPage(order, output.Today(), corvane::NumberFormat{'.'});
    if (argc > 2)
        corvane::WritePagePdf(page, QString::fromLocal8Bit(argv[2]));
    const auto printer = corvane::MakeDefaultPrinter();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        const corvane::PrintOutcome outcome = printer->Print(page, nullptr);
        std::printf("Print %d: %lld ms (%s)\n", i + 1, static_cast<long long>(clock.elapsed()),
                    outcome.fault == corvane::PrintFault::None ? "taken"
                                                               : corvane::PrintFailureMessage(outcome).c_str());
    }
    return 0;
}
