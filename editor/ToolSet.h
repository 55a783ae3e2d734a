#pragma once

#include <cstdint>
#include <optional>

namespace quillset {

// The page editor's tools, one per toolbar button.
enum class Tool {
    WhiteFilled,
    BlackFilled,
    WhiteHollow,
    BlackHollow,
    Text,
    Barcode,
    Move,
    Resize,
    Erase,
    Symbol,
    Picture,
};

// The current tool: at most one of the eleven tool flags is 1; all twelve 0 is
// no tool, the start. `rectangleMode` is 1 exactly when one of the four
// rectangle tools is on.
class ToolSet {
public:
    virtual ~ToolSet() = default;

    std::int32_t whiteFilled = 0;
    std::int32_t blackFilled = 0;
    std::int32_t whiteHollow = 0;
    std::int32_t blackHollow = 0;
    std::int32_t text = 0;
    std::int32_t barcode = 0;
    std::int32_t rectangleMode = 0;
    std::int32_t move = 0;
    std::int32_t resize = 0;
    std::int32_t erase = 0;
    std::int32_t symbol = 0;
    std::int32_t picture = 0;

    // No tool. Returns 0.
    int clear();
    // Switches `tool` on and every other off; choosing the tool that is
    // already on switches it off. Returns `rectangleMode`.
    int select(Tool tool);

    bool isOn(Tool tool) const;
    // The tool that decides what a gesture does, none when all are off.
    std::optional<Tool> active() const;
};

bool isRectangleTool(Tool tool);

} // namespace quillset
