// SPDX-License-Identifier: MIT
#include "window.h"

#include <cstdlib>

namespace quorvane {

namespace {
const WindowControls* attachedControls = nullptr;
HostServices* attachedServices = nullptr;
}  // namespace

void attachWindow(const WindowControls* controls, HostServices* services) {
    attachedControls = controls;
    attachedServices = services;
}

// Reaching either before a window was attached is a programming error.
const WindowControls& frmMain() {
    if (attachedControls == nullptr) {
        std::abort();
    }
    return *attachedControls;
}

HostServices& host() {
    if (attachedServices == nullptr) {
        std::abort();
    }
    return *attachedServices;
}

}  // namespace quorvane
