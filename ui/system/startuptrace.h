// SPDX-License-Identifier: MIT
// What the start-up measurement (bench/ui/measure.py) reads on standard output: the moments of the
// first frame and the time the first press on the board took to show. Printed only when the
// environment has QUORVANE_TRACE_STARTUP; otherwise the game prints nothing.
#pragma once

namespace quorvane::ui {

bool tracingStartup();

// The line, " at ", the time on the monotonic clock in nanoseconds (the clock Python's
// time.monotonic() reads) and a line end, at once, when tracing.
void traceStartup(const char* line);

}  // namespace quorvane::ui
