#pragma once

#include "core/images/TgaTypes.h"

#include <string>

namespace velkarn {

// Reports the progress of a row-by-row load or save: the starting stage at 0 percent, one
// running report per row with the share of rows done, and the ending stage at 100 percent with
// the redraw-now flag. Without a listener it costs nothing per row.
class TgaRowProgress {
public:
    TgaRowProgress(const TgaProgressListener& listener, std::string message)
        : listener_(listener), message_(std::move(message)) {}

    void start() const { report(ProgressStage::Starting, 0, false); }
    void row(int row, int rowCount) const {
        if (listener_)
            report(ProgressStage::Running, rowCount > 1 ? row * 100 / (rowCount - 1) : 100, false);
    }
    void end() const { report(ProgressStage::Ending, 100, true); }

private:
    void report(ProgressStage stage, int percent, bool redrawNow) const;

    const TgaProgressListener& listener_;
    std::string message_;
};

} // namespace velkarn
