#pragma once

#include "order/order_output.h"
#include "order/order_page.h"

#include <memory>

namespace corvane {

// Where a printed page goes. The program prints through the system's print
// service; tests put a recording printer in its place.
class PageOutput {
public:
    virtual ~PageOutput() = default;
    // Prints the page on the default printer and reports, within a moment
    // whatever the printer does, whether the print service took the job.
    // A taken job that fails afterwards is told to `whenLost`.
    virtual PrintOutcome Print(const OrderPage& page, PrintLostHandler whenLost) = 0;
};

// The default printer of the system's print service (CUPS).
std::unique_ptr<PageOutput> MakeDefaultPrinter();

} // namespace corvane
