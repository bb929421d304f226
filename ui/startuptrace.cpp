#include "startuptrace.h"

#include <QtGlobal>
#include <cstdio>

namespace quorvane::ui {

bool tracingStartup() {
    static const bool tracing = qEnvironmentVariableIsSet("QUORVANE_TRACE_STARTUP");
    return tracing;
}

void traceStartup(const char* line) {
    if (tracingStartup()) {
        std::fputs(line, stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
}

}  // namespace quorvane::ui
