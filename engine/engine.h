// SPDX-License-Identifier: MIT
// Everything the main window calls, in one include.
#pragma once

#include "captions.h"
#include "clock.h"
#include "deadboard.h"
#include "dealing.h"
#include "findlink.h"
#include "game.h"
#include "hints.h"
#include "linkcheck.h"
#include "linkdisplay.h"
#include "painting.h"
#include "random.h"
#include "removal.h"
#include "search.h"
#include "selection.h"
#include "sound.h"
#include "state.h"
#include "window.h"
