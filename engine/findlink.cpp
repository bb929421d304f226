// SPDX-License-Identifier: MIT
#include "findlink.h"

#include "deadboard.h"
#include "linkcheck.h"
#include "search.h"

namespace quorvane {

void findLink(int16 row, int16 col, int16 dir, int16 /*bends*/) {
    checkDeadBoard();
    const bool fromThePick = row == pickRow && col == pickCol && dir == kRight;
    if (fromThePick && !canLink(pickRow, pickCol, prevPickRow, prevPickCol)) {
        resetSearch();  // the search would try every path and end where it started
        return;
    }
    probeLink(row, col, dir);
    if (!searchIdle()) {
        resetSearch();  // the search ran dry without a link
    }
}

}  // namespace quorvane
