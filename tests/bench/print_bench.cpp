// Print's time, from the click's call to the printer's answer, on the
// default printer of the print service (PRINTER or LPDEST choose another
// queue): the order page of a filled order, sent `runs` times, one after the
// other's answer. tools/print_bench.sh runs it on a ready and on a holding
// queue. With a file name after `runs`, the page is also written there as a
// PDF, for it to be compared between platforms. A benchmark: no test runs
// it.
#include "order/order_page.h"
#include "print/page_pdf.h"
#include "print/page_printer.h"
#include "ui/qt/appearance.h"
#include "ui/qt/qt_order_output.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// Prints the page `runs` times on the event loop, each once the previous
// one was answered, and ends the loop after the last.
void PrintInTurn(corvane::Printer& printer, const corvane::OrderPage& page, int run, int runs)
{
    if (run > runs) {
        QCoreApplication::quit();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    printer.Print(
        page,
        [&printer, &page, run, runs, clock](const corvane::PrintOutcome& outcome) {
            std::printf("Print %d: %lld ms (%s)\n", run, static_cast<long long>(clock.elapsed()),
                        outcome.fault == corvane::PrintFault::None
                            ? "taken"
                            : corvane::English(corvane::PrintFailureMessage(outcome)).c_str());
            QTimer::singleShot(0, [&printer, &page, run, runs] { PrintInTurn(printer, page, run + 1, runs); });
        },
        nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    corvane::LoadCarriedFonts();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
    corvane::OrderRecord order;
    order.orderPatName = "Bench Patient";
    order.orderBC = {7.7, 7.1};
    order.orderPower = {{-2.5}, {0.5}};
    const corvane::OrderPage page =
        corvane::MakeOrderPage(order, corvane::SystemClock().Today(), corvane::NumberFormat{'.'});
    if (argc > 2)
        corvane::WritePagePdf(page, QString::fromLocal8Bit(argv[2]));
    if (runs <= 0)
        return 0;
    const auto printer = corvane::MakeDefaultPrinter();
    QTimer::singleShot(0, [&printer, &page, runs] { PrintInTurn(*printer, page, 1, runs); });
    return QApplication::exec();
}
