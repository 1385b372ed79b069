#include "ui/widgets/Dialogs.h"

#include <stdexcept>

namespace velkarn {

namespace {
Dialogs* installed = nullptr;
}

Dialogs& dialogs() {
    if (!installed)
        throw std::logic_error("no dialog implementation installed");
    return *installed;
}

void installDialogs(Dialogs* implementation) {
    installed = implementation;
}

} // namespace velkarn
