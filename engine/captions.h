// SPDX-License-Identifier: MIT
// Every caption the engine writes on the window, in one place.
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

inline constexpr std::string_view kPauseCaption = "暂停";   // the pause button while time runs
inline constexpr std::string_view kResumeCaption = "开始";  // the pause button while paused
inline constexpr std::string_view kNextLevelCaption = "> 下一关";  // the link after a clear
inline constexpr std::string_view kContinueCaption = "继续游戏";   // the link after a time-out
inline constexpr std::string_view kInternalErrorText = "程序执行错误!";

// The hint button: "求助 " and the hints left.
inline std::string hintsCaption(int hintsLeft) {
    return "求助 " + std::to_string(hintsLeft);
}

}  // namespace quorvane
