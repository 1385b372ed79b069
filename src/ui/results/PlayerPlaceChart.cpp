#include "ui/results/PlayerPlaceChart.h"

#include "core/results/BotAdaptation.h"
#include "ui/widgets/LocalText.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace velkarn {

namespace {

// The view and its drawing area (which takes the focus) say the same.
void describe(QChartView& view, const QString& description) {
    view.setAccessibleDescription(description);
    view.viewport()->setAccessibleDescription(description);
}

} // namespace

PlayerPlaceChart::PlayerPlaceChart(ResultsTracker& results, QWidget* parent)
    : QChartView(parent), results_(results) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(160);
    setAccessibleName("Chart of your places");
    // The drawing area takes the focus, so a screen reader meets it rather than the view.
    viewport()->setAccessibleName(accessibleName());
    connect(&results_, &ResultsTracker::resultsChanged, this, [this] { showLastSeries(); });
    showLastSeries();
}

void PlayerPlaceChart::showLastSeries() {
    auto* chart = new QChart;
    chart->legend()->hide();
    const SeriesResult* series = results_.lastSeriesWithPlayer();
    const auto places = series ? playerPlaces(*series) : std::vector<PlaceOnMap>{};
    if (places.empty()) {
        chart->setTitle("No series of yours is recorded yet.");
        describe(*this, chart->title());
        replaceChart(chart);
        return;
    }
    const QString setup =
        series->setupName.empty() ? QString() : " (" + local(series->setupName) + ")";
    chart->setTitle("Your place in the last series" + setup + ", " + local(series->startedAt));
    // What the line shows, for those who cannot see it.
    QStringList spoken;
    for (const PlaceOnMap& place : places)
        spoken
            << QString("%1: %2 of %3").arg(local(place.map)).arg(place.place).arg(place.fieldSize);
    describe(*this, chart->title() + ": " + spoken.join("; "));

    auto* line = new QLineSeries;
    auto* points = new QScatterSeries;
    points->setMarkerSize(9);
    int largestField = 2;
    for (std::size_t i = 0; i < places.size(); ++i) {
        line->append(static_cast<double>(i + 1), places[i].place);
        points->append(static_cast<double>(i + 1), places[i].place);
        largestField = std::max(largestField, places[i].fieldSize);
    }
    points->setPointLabelsVisible(true);
    points->setPointLabelsFormat("@yPoint");
    chart->addSeries(line);
    chart->addSeries(points);

    auto* maps = new QCategoryAxis;
    maps->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    maps->setRange(0.5, static_cast<double>(places.size()) + 0.5);
    for (std::size_t i = 0; i < places.size(); ++i)
        maps->append(QString("%1 %2").arg(i + 1).arg(local(places[i].map)),
                     static_cast<double>(i + 1));
    auto* place = new QValueAxis;
    place->setRange(0.5, largestField + 0.5);
    place->setReverse(true); // first place at the top
    place->setTickType(QValueAxis::TicksDynamic);
    place->setTickAnchor(1);
    place->setTickInterval(1);
    place->setLabelFormat("%d");
    place->setTitleText("Place");
    chart->addAxis(maps, Qt::AlignBottom);
    chart->addAxis(place, Qt::AlignLeft);
    for (QAbstractSeries* s :
         {static_cast<QAbstractSeries*>(line), static_cast<QAbstractSeries*>(points)}) {
        s->attachAxis(maps);
        s->attachAxis(place);
    }
    replaceChart(chart);
}

void PlayerPlaceChart::replaceChart(QChart* chart) {
    // The view takes the new chart but leaves the old one to its caller.
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

} // namespace velkarn
