#pragma once

#include <string_view>

namespace quillset::editor_message {

inline constexpr std::string_view kListFull =
    "The page holds 500 objects; no more can be added.";
inline constexpr std::string_view kAlreadyTopMost =
    "The Object you selected is already at the Top Most position";
inline constexpr std::string_view kAlreadyBottomMost =
    "The Object you selected is already at the Bottom Most position";

} // namespace quillset::editor_message
