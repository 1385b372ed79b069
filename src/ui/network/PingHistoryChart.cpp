#include "ui/network/PingHistoryChart.h"

#include "ui/models/ServerStatusCells.h"

#include <QPainter>
#include <algorithm>

namespace velkarn {

namespace {

// Pings above this are drawn as tall as this, so one spike does not flatten the rest.
constexpr int TallestPing = 300;
constexpr int BarGap = 2;

} // namespace

PingHistoryChart::PingHistoryChart(QWidget* parent) : QWidget(parent) {
    setObjectName("pingHistoryChart");
    setAccessibleName("Ping history");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PingHistoryChart::showHistory(const PingHistory& history) {
    pings_ = history.pings();
    QString text;
    if (const std::optional<int> loss = history.lossPercent())
        text = "Ping over the last " + QString::number(history.rounds()) +
               " rounds: " + pingHistoryText(history) + " (loss " + QString::number(*loss) + "%)";
    setToolTip(text);
    setAccessibleDescription(text);
    update();
}

QSize PingHistoryChart::sizeHint() const {
    return {static_cast<int>(PingHistory::Rounds) * 8, 32};
}

void PingHistoryChart::paintEvent(QPaintEvent*) {
    if (pings_.empty())
        return;
    QPainter painter(this);
    const int rounds = static_cast<int>(PingHistory::Rounds);
    const int barWidth = std::max(width() / rounds - BarGap, 1);
    int tallest = 1;
    for (const std::optional<int>& ping : pings_)
        tallest = std::max(tallest, std::min(ping.value_or(0), TallestPing));
    for (std::size_t i = 0; i < pings_.size(); ++i) {
        const int x = static_cast<int>(i) * (barWidth + BarGap);
        if (!pings_[i]) {
            painter.fillRect(x, height() - 4, barWidth, 4, Qt::red);
            continue;
        }
        const int bar = std::max(std::min(*pings_[i], TallestPing) * height() / tallest, 1);
        painter.fillRect(x, height() - bar, barWidth, bar, palette().color(QPalette::Highlight));
    }
}

} // namespace velkarn
