#include "printer/PortFailure.h"

#include <cerrno>
#include <system_error>

namespace quillset {

std::string portFailureDetail(std::string_view device, std::string_view reason) {
    std::string detail(device);
    detail.append(": ").append(reason);
    return detail;
}

std::string portFailureDetail(std::string_view device, int errorNumber) {
    std::string detail =
        portFailureDetail(device, std::generic_category().message(errorNumber));
    if (errorNumber == EACCES || errorNumber == EPERM)
        detail.append("\n").append(kDialoutHint);
    return detail;
}

} // namespace quillset
