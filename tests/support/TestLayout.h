#pragma once

#include "core/platform/SystemLayout.h"
#include "support/TempFolder.h"

namespace velkarn::test {

// A system of the test's own below `folder`: its root (for /usr and /var), a home folder and an
// empty search path, so that no test sees the real installations or the real home folder.
inline SystemLayout testLayout(const TempFolder& folder) {
    SystemLayout layout;
    layout.root = folder.path() + "root/";
    layout.home = folder.path() + "home/";
    layout.xdgDataHome = layout.home + ".local/share/";
    return layout;
}

} // namespace velkarn::test
