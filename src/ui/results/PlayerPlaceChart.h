#pragma once

#include "core/results/ResultsTracker.h"

#include <QChartView>

namespace velkarn {

// The player's place on each map of the last series they played, as a line over the maps,
// first place at the top; follows the results.
class PlayerPlaceChart : public QChartView {
    Q_OBJECT
public:
    explicit PlayerPlaceChart(ResultsTracker& results, QWidget* parent = nullptr);

    // Draws the chart again from the results.
    void showLastSeries();

private:
    void replaceChart(QChart* chart);

    ResultsTracker& results_;
};

} // namespace velkarn
