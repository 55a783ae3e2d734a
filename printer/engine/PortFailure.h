#pragma once

#include <string>
#include <string_view>

namespace quillset {

// The serial port's messages to the user.
inline constexpr const char* kOpenFailed = "Com port could not be opened.";
inline constexpr const char* kConfigureFailed = "Com port could not be configured.";
inline constexpr const char* kTransmissionError = "Serial transmission error.";

// Under a permission error: on Linux serial devices belong to that group.
inline constexpr const char* kDialoutHint =
    "Add your user to the dialout group, then log in again.";

// The line under a port message: the device and the reason,
// "/dev/ttyUSB0: Permission denied".
std::string portFailureDetail(std::string_view device, std::string_view reason);
// The same with the system's text for an errno value; a permission error
// adds the dialout hint on a second line.
std::string portFailureDetail(std::string_view device, int errorNumber);

} // namespace quillset
