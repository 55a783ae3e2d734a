#pragma once

#include "editor/Rect.h"

#include <optional>
#include <string_view>

namespace quillset {

// What the page view has to do after an editor call.
enum class EditOutcome {
    // Nothing changed on the page or in the list.
    Nothing,
    // Only the drag frame changed: repaint `oldFrame` and `newFrame` over
    // the cached page image. Nothing is rendered.
    FrameMoved,
    // The list changed: regenerate the script, render, repaint. Any drag
    // frame is gone (`oldFrame`).
    EditFinished,
    // Nothing changed in the list; `message` says why. Any drag frame is
    // gone (`oldFrame`).
    Refused,
};

struct EditResult {
    EditOutcome outcome = EditOutcome::Nothing;
    // The drag frame before and after the call, in page dots; none
    // when there was or is no frame.
    std::optional<Rect> oldFrame;
    std::optional<Rect> newFrame;
    // The document counts as modified from now on (left presses with a
    // tool mark it even when they change nothing).
    bool markModified = false;
    std::string_view message;
};

} // namespace quillset
