#include "core/platform/SignalWatcher.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace velkarn {

namespace {

// Written by the handler, which cannot reach the watcher object.
volatile std::sig_atomic_t writeEnd = -1;
// The signals to hand back to their default action at the first one, ended by 0.
std::array<volatile std::sig_atomic_t, 8> endingAtOnce{};

void onSignal(int signalNumber) {
    const int savedErrno = errno; // the interrupted code may be looking at errno
    for (const auto& watched : endingAtOnce) {
        if (watched == 0)
            break;
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigemptyset(&fallback.sa_mask);
        ::sigaction(watched, &fallback, nullptr); // safe in a handler, unlike almost anything
    }
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full pipe loses the byte, but then the event loop has many waiting already.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

SignalWatcher::SignalWatcher(const std::vector<int>& signalNumbers, Repeat repeat, QObject* parent)
    : QObject(parent) {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // no watching: the signals keep their default action and end the program
    writeEnd = pipe_[1];
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SignalWatcher::readPipe);
    std::size_t ending = 0;
    for (const int signalNumber : signalNumbers) {
        struct sigaction old {};
        ::sigaction(signalNumber, nullptr, &old);
        if (old.sa_handler == SIG_IGN)
            continue;
        if (repeat == Repeat::EndsAtOnce && ending + 1 < endingAtOnce.size())
            endingAtOnce[ending++] = signalNumber;
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(signalNumber, &action, nullptr);
        previous_.emplace_back(signalNumber, old);
    }
}

SignalWatcher::~SignalWatcher() {
    for (const auto& [signalNumber, old] : previous_)
        ::sigaction(signalNumber, &old, nullptr);
    notifier_.reset();
    writeEnd = -1;
    for (auto& watched : endingAtOnce)
        watched = 0;
    for (const int fd : pipe_)
        if (fd >= 0)
            ::close(fd);
}

void SignalWatcher::readPipe() {
    unsigned char byte = 0;
    while (::read(pipe_[0], &byte, 1) == 1)
        emit received(byte);
}

} // namespace velkarn
