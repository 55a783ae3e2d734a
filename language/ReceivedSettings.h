#pragma once

#include <string>

namespace quillset {

// The settings a label printer has been sent, each in the language's words
// ("density 8", "speed 4", "gap 3 mm"); it keeps them for the pages after,
// as a printer does until it is told otherwise. Empty where none came.
struct ReceivedSettings {
    std::string darkness;
    std::string speed;
    std::string media;

    // "density 8, speed 4, gap 3 mm"
    std::string text() const;
};

// Millimetres to a tenth, without a zero tenth: "3", "2.5".
std::string millimetres(double mm);

} // namespace quillset
