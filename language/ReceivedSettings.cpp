#include "language/ReceivedSettings.h"

#include <cmath>

namespace quillset {

std::string ReceivedSettings::text() const {
    std::string joined;
    for (const std::string* part : {&darkness, &speed, &media}) {
        if (part->empty())
            continue;
        if (!joined.empty())
            joined += ", ";
        joined += *part;
    }
    return joined;
}

std::string millimetres(double mm) {
    const long long tenths = std::llround(mm * 10);
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0)
        text.append(".").append(std::to_string(tenths % 10));
    return text;
}

} // namespace quillset
