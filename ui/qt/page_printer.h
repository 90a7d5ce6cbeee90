#pragma once

#include "ui/base/toolkit.h"

#include <memory>

namespace corvane {

class Form;

// Where a printed page goes. The program prints through the system's print
// service; tests put a recording printer in its place.
class PageOutput {
public:
    virtual ~PageOutput() = default;
    // Prints the page on the default printer and reports whether the print
    // service took the job.
    virtual PrintOutcome Print(const Form& page) = 0;
};

// The default printer of the system's print service (CUPS).
std::unique_ptr<PageOutput> MakeDefaultPrinter();

} // namespace corvane
