#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <csignal>
#include <memory>
#include <vector>

namespace velkarn {

// Turns termination signals into a Qt signal of the event loop. A signal handler may do next to
// nothing, so it only writes the signal's number into a pipe whose reading end the event loop
// watches. A signal the program was started with ignored (SIGINT of a command started in the
// background by a shell) stays ignored. One watcher at a time; the old handling comes back when
// it is destroyed.
class SignalWatcher : public QObject {
    Q_OBJECT
public:
    // What a signal after the first does.
    enum class Repeat {
        Reported,   // it is reported as the first was
        EndsAtOnce, // it takes its default action: a program stuck on the way out still ends
    };

    explicit SignalWatcher(const std::vector<int>& signalNumbers = {SIGTERM, SIGINT},
                           Repeat repeat = Repeat::Reported, QObject* parent = nullptr);
    ~SignalWatcher() override;

    SignalWatcher(const SignalWatcher&) = delete;
    SignalWatcher& operator=(const SignalWatcher&) = delete;

signals:
    void received(int signalNumber);

private:
    void readPipe();

    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<std::pair<int, struct sigaction>> previous_;
};

} // namespace velkarn
