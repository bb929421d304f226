// SPDX-License-Identifier: MIT
// The uniform random source behind dealing and reshuffling.
#pragma once

#include <cstdint>

namespace quorvane {

// Single-precision values in [0, 1). Every run starts the same sequence and it is never reseeded;
// the variety between games comes from the clock's second that the callers add.
class StartupRandom {
  public:
    float next();

  private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};

}  // namespace quorvane
