// SPDX-License-Identifier: MIT
#include "assets/assets.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initQuorvaneAssetsResource() {
    Q_INIT_RESOURCE(quorvane_assets);
}

namespace quorvane {

void initAssets() {
    initQuorvaneAssetsResource();
}

}  // namespace quorvane
