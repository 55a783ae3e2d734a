#pragma once

#include <cstdint>
#include <string>

namespace quillset {

// A count with a comma between thousands: "25,118".
std::string groupedCount(std::uint64_t count);

} // namespace quillset
