// SPDX-License-Identifier: MIT
#include "random.h"

namespace quorvane {

// PCG-XSH-RR 32: small, fast and statistically sound for a game.
float StartupRandom::next() {
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<std::uint32_t>(old >> 59U);
    const std::uint32_t bits = (xorShifted >> rotation) | (xorShifted << ((32U - rotation) & 31U));
    // The top 24 bits fit a float's mantissa exactly, so the result stays below 1.
    return static_cast<float>(bits >> 8U) * (1.0F / 16777216.0F);
}

}  // namespace quorvane
