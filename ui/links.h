// The two web pages the window opens. Reserved example addresses stand here until the real pages
// exist; this is the one place to change them.
#pragma once

namespace quorvane::ui {

inline constexpr const char* kProductPageUrl = "https://www.example.com/quorvane/";
inline constexpr const char* kGameChannelUrl = "https://games.example.org/";

}  // namespace quorvane::ui
