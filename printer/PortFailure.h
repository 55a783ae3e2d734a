#pragma once

#include <string>
#include <string_view>

namespace quillset {

// The serial port's messages to the user.
inline constexpr const char* kOpenFailed = "Com port could not be opened.";
inline constexpr const char* kConfigureFailed = "Com port could not be configured.";
inline constexpr const char* kTransmissionError = "Serial transmission error.";
// Every other connection's: the target and the reason follow under it.
inline constexpr const char* kPrintFailed = "The page could not be sent to the printer.";

// Under a permission error: on Linux serial devices belong to that group.
inline constexpr const char* kDialoutHint =
    "Add your user to the dialout group, then log in again.";

// Under the other connections' failures, the fix where there is one.
inline constexpr const char* kLpGroupHint = "Add your user to the lp group, then log in again.";
inline constexpr const char* kMissingDeviceHint =
    "Check the path, and that the printer is plugged in and switched on.";
inline constexpr const char* kNoReaderHint = "Nothing is reading from it.";
inline constexpr const char* kRefusedHint = "Is the printer on and at this address?";
inline constexpr const char* kUnknownHostHint = "Is the printer's name right?";
inline constexpr const char* kUnknownQueueHint = "Is the queue's name right?";
inline constexpr const char* kNoSchedulerHint = "Is the CUPS scheduler running?";

// The line under a port message: the device and the reason,
// "/dev/ttyUSB0: Permission denied".
std::string portFailureDetail(std::string_view device, std::string_view reason);
// The same with the system's text for an errno value; a permission error
// adds the dialout hint on a second line.
std::string portFailureDetail(std::string_view device, int errorNumber);

} // namespace quillset
