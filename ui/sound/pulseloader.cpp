// SPDX-License-Identifier: MIT
#include "ui/sound/pulseloader.h"

#include <dlfcn.h>

#include <map>
#include <memory>
#include <mutex>

namespace quorvane::ui {

namespace {

std::unique_ptr<PulseLibrary> load(const std::string& fileName) {
    // Local, so its symbols stand in for no other library's. Never closed, see the header.
    void* handle = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return nullptr;
    }
    auto library = std::make_unique<PulseLibrary>();
    bool complete = true;
#define QUORVANE_PULSE_FIND(name)                                                          \
    library->name = reinterpret_cast<decltype(library->name)>(dlsym(handle, "pa_" #name)); \
    complete = complete && library->name != nullptr;
    QUORVANE_PULSE_FUNCTIONS(QUORVANE_PULSE_FIND)
#undef QUORVANE_PULSE_FIND
    if (!complete) {
        return nullptr;
    }
    return library;
}

}  // namespace

const PulseLibrary* loadPulseLibrary(const std::string& fileName) {
    static std::mutex mutex;
    // Never destroyed: an output closing during the destruction of static objects still calls
    // through its table.
    static auto* loaded = new std::map<std::string, std::unique_ptr<PulseLibrary>>;
    const std::lock_guard lock(mutex);
    auto found = loaded->find(fileName);
    if (found == loaded->end()) {
        found = loaded->emplace(fileName, load(fileName)).first;
    }
    return found->second.get();
}

}  // namespace quorvane::ui
