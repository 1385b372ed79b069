#include "core/images/TargaProgress.h"

namespace velkarn {

void TargaRowProgress::report(TProgressStage stage, int percent, bool redrawNow) const {
    if (!listener_)
        return;
    TTargaProgress progress;
    progress.Stage = stage;
    progress.PercentDone = percent;
    progress.RedrawNow = redrawNow;
    progress.Message = message_;
    listener_(progress);
}

} // namespace velkarn
