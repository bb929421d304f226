#include "window.h"

#include <cstdlib>

namespace quorvane {

namespace {
FrmMain* attached = nullptr;
}

void attachWindow(FrmMain* window) {
    attached = window;
}

FrmMain& frmMain() {
    if (attached == nullptr) {
        std::abort();  // a programming error: the engine ran before a window was attached
    }
    return *attached;
}

}  // namespace quorvane
