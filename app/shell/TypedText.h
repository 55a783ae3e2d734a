#pragma once

#include <QString>

#include <optional>

namespace quillset {

// What the user typed into the script pane and the script does not hold
// yet. The document takes it before every operation.
class TypedText {
public:
    // The text typed since the pane last showed the script or handed it
    // over, handed over now; nothing when nothing was typed.
    virtual std::optional<QString> takeTypedText() = 0;
    // Whether anything was typed that takeTypedText() would hand over.
    virtual bool hasTypedText() const = 0;

protected:
    ~TypedText() = default;
};

} // namespace quillset
