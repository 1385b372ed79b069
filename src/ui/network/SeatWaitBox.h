#pragma once

#include "core/network/QueryEngine.h"
#include "core/setup/SetupRecords.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QSpinBox;

namespace velkarn {

class DesktopNotifier;
class SeatWatcher;

// "Queue to Join": waits for a public place on the chosen server, asking it every few seconds,
// and joins it the moment one is free, with a desktop notification; gives up after the minutes
// set, and stops when pressed again.
class SeatWaitBox : public QWidget {
    Q_OBJECT
public:
    // `target` gives the server to wait for (it throws when none is chosen); `join` joins it.
    SeatWaitBox(std::function<SavedServer()> target, std::function<void(const SavedServer&)> join,
                QueryTiming timing, QWidget* parent = nullptr);

private:
    void startOrCancel();
    void showWaiting(bool waiting, const QString& status);
    void takePlace();

    std::function<SavedServer()> target_;
    std::function<void(const SavedServer&)> join_;
    QueryTiming timing_;
    SavedServer server_;
    SeatWatcher* watcher_ = nullptr;
    DesktopNotifier* notifier_;
    QPushButton* waitButton_;
    QSpinBox* giveUpSpin_;
    QLabel* statusLabel_;
};

} // namespace velkarn
