// SPDX-License-Identifier: MIT
// Option groups: the option buttons on one container, of which one at a time is on. The group
// lives in the container's window properties "qm_OptCount" and "1qm_Obj", "2qm_Obj", ... so
// that it survives any one of its buttons.
#include <algorithm>
#include <vector>

#include "widgets/modqmtimer.h"
#include "widgets/xpbutton_p.h"

namespace qm {

namespace {

QByteArray ObjKey(int index) {
    return QByteArray::number(index) + "qm_Obj";
}

}  // namespace

XPButtonPrivate::Group XPButtonPrivate::ReadGroup(bool leaving) const {
    Group g;
    g.host = leaving || groupHost_ != nullptr ? groupHost_.data() : Container();
    if (g.host == nullptr) {
        g.host = Container();
    }
    if (g.host == nullptr) {
        return g;
    }
    g.count = static_cast<int>(modQmTimer::GetProp(g.host, "qm_OptCount"));
    // The members as the window properties name them; an entry that names no live button (or
    // is missing) is skipped rather than trusted.
    g.members.reserve(static_cast<std::size_t>(std::max(g.count, 0)));
    for (int k = 1; k <= g.count; ++k) {
        g.members.push_back(XPButton::FromAddress(modQmTimer::GetProp(g.host, ObjKey(k))));
    }
    return g;
}

void XPButtonPrivate::DeselectOthers(const Group& group) {
    for (XPButton* other : group.members) {
        // Re-checked per call: a handler of the previous change may have destroyed it.
        if (other != nullptr && other != q &&
            XPButton::FromAddress(reinterpret_cast<quintptr>(other))) {
            other->setValue(false);
        }
    }
}

void XPButtonPrivate::JoinGroup() {
    const Group g = ReadGroup(false);
    if (g.host == nullptr) {
        return;
    }
    if (value_) {
        DeselectOthers(g);
    }
    if (std::find(g.members.begin(), g.members.end(), q) == g.members.end()) {
        modQmTimer::SetProp(g.host, ObjKey(g.count + 1), reinterpret_cast<quintptr>(q));
        modQmTimer::SetProp(g.host, "qm_OptCount", static_cast<quintptr>(g.count + 1));
    }
    groupHost_ = g.host;
}

void XPButtonPrivate::LeaveGroup() {
    const Group g = ReadGroup(true);
    if (g.host == nullptr) {
        return;
    }
    if (g.count > 0 && value_) {
        DeselectOthers(g);
    }
    // Renumber from a complete new list in one pass, so the count and the entries always agree,
    // whatever the old entries held.
    std::vector<XPButton*> kept;
    for (XPButton* m : g.members) {
        if (m != nullptr && m != q) {
            kept.push_back(m);
        }
    }
    for (std::size_t i = 0; i < kept.size(); ++i) {
        modQmTimer::SetProp(g.host, ObjKey(static_cast<int>(i) + 1),
                            reinterpret_cast<quintptr>(kept[i]));
    }
    for (int k = static_cast<int>(kept.size()) + 1; k <= g.count; ++k) {
        modQmTimer::RemoveProp(g.host, ObjKey(k));
    }
    if (kept.empty()) {
        modQmTimer::RemoveProp(g.host, "qm_OptCount");
    } else {
        modQmTimer::SetProp(g.host, "qm_OptCount", kept.size());
    }
    groupHost_ = nullptr;
}

void XPButtonPrivate::SelectInGroup() {
    const Group g = ReadGroup(false);
    if (g.host != nullptr && g.count > 0 && value_) {
        DeselectOthers(g);
    }
}

bool XPButtonPrivate::AnyInGroupSelected() const {
    const Group g = ReadGroup(false);
    return std::any_of(g.members.begin(), g.members.end(),
                       [](const XPButton* m) { return m != nullptr && m->value(); });
}

}  // namespace qm
