#pragma once

#include <optional>
#include <string>

namespace corvane {

class Form;

// Prints a page form on the default printer; the reason when it cannot.
std::optional<std::string> PrintPageOnDefaultPrinter(const Form& page);

} // namespace corvane
