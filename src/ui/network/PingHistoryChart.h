#pragma once

#include "core/network/PingHistory.h"

#include <QWidget>

namespace velkarn {

// A small chart of a server's ping over the last rounds: a bar a round, its height the ping, a
// red mark for a round without an answer. What it shows is also its tool tip and accessible
// description, for those who do not see it.
class PingHistoryChart : public QWidget {
    Q_OBJECT
public:
    explicit PingHistoryChart(QWidget* parent = nullptr);

    // Shows these rounds; an empty history shows nothing.
    void showHistory(const PingHistory& history);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::optional<int>> pings_;
};

} // namespace velkarn
