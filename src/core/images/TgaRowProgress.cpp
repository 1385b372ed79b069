#include "core/images/TgaRowProgress.h"

namespace velkarn {

void TgaRowProgress::report(ProgressStage stage, int percent, bool redrawNow) const {
    if (!listener_)
        return;
    TgaProgress progress;
    progress.stage = stage;
    progress.percentDone = percent;
    progress.redrawNow = redrawNow;
    progress.message = message_;
    listener_(progress);
}

} // namespace velkarn
