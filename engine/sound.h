// SPDX-License-Identifier: MIT
// The four sound cues. Each starts a wave file from the game's data folder and returns at once.
#pragma once

#include <array>
#include <string_view>

namespace quorvane {

// The cue files, as the cues name them to the host.
inline constexpr std::string_view kClickCueFile = "\\hit.wav";
inline constexpr std::string_view kMatchCueFile = "\\and.wav";
inline constexpr std::string_view kGameOverCueFile = "\\gameover.wav";
inline constexpr std::string_view kLevelWonCueFile = "\\gamewin.wav";
inline constexpr std::array<std::string_view, 4> kCueFiles = {kClickCueFile, kMatchCueFile,
                                                              kGameOverCueFile, kLevelWonCueFile};

void playClickCue();     // a tile picked, the pause button pressed
void playMatchCue();     // a pair accepted
void playGameOverCue();  // the clock ran out
void playLevelWonCue();  // the 70th pair is gone

}  // namespace quorvane
