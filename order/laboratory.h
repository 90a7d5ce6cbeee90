#pragma once

namespace corvane {

// The laboratory's numbers (fictitious).
inline constexpr const char* kLabPhone = "(555) 014-2270";
inline constexpr const char* kLabFax = "(555) 014-2271";

} // namespace corvane
