// SPDX-License-Identifier: MIT
// The hint: the first linkable pair is found and removed for the player.
#pragma once

#include "state.h"

namespace quorvane {

void useHint();

}  // namespace quorvane
