// SPDX-License-Identifier: MIT
#include "ui/system/startuptrace.h"

#include <QtGlobal>
#include <chrono>
#include <cstdio>

namespace quorvane::ui {

bool tracingStartup() {
    static const bool tracing = qEnvironmentVariableIsSet("QUORVANE_TRACE_STARTUP");
    return tracing;
}

void traceStartup(const char* line) {
    if (tracingStartup()) {
        // The moment on the system's monotonic clock, so the reader need not be awake to time it.
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::fprintf(stdout, "%s at %lld ns\n", line,
                     static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
    }
}

}  // namespace quorvane::ui
