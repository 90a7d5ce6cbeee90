#pragma once

#include "order/order_output.h"

#include <memory>

namespace corvane {

// The system's default printer: on its print service (CUPS), or through
// Qt's printing where there is none (Windows). Tests put a recording
// printer in its place.
std::unique_ptr<Printer> MakeDefaultPrinter();

} // namespace corvane
