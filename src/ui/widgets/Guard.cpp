#include "ui/widgets/Guard.h"

#include "ui/widgets/Dialogs.h"
#include "core/platform/Errors.h"

#include <new>

namespace velkarn {

void runGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const Error& error) {
        dialogs().showMessage(error.what());
    } catch (const std::bad_alloc&) {
        dialogs().showMessage("Out of memory");
    } catch (const std::exception& error) {
        dialogs().showMessage(error.what());
    }
}

} // namespace velkarn
