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
class Session;

// "Queue to Join": waits for a public place on the chosen server, asking it every few seconds,
// and joins it the moment one is free, with a desktop notification; gives up after the minutes
// set, and stops when pressed again.
class SeatWaitBox : public QWidget {
    Q_OBJECT
public:
    // `target` gives the server to wait for, as it is joined (it throws when none is chosen).
    SeatWaitBox(Session& session, std::function<SavedServer()> target, QueryTiming timing,
                QWidget* parent = nullptr);

private:
    void startOrCancel();
    void showWaiting(bool waiting, const QString& status);
    void takePlace();
    QString serverName() const;

    Session& session_;
    std::function<SavedServer()> target_;
    QueryTiming timing_;
    SavedServer server_;
    SeatWatcher* watcher_ = nullptr;
    DesktopNotifier* notifier_;
    QPushButton* waitButton_;
    QSpinBox* giveUpSpin_;
    QLabel* statusLabel_;
};

} // namespace velkarn
