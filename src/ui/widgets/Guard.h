#pragma once

#include <QObject>
#include <functional>

namespace velkarn {

// The application's general error handler: runs a window handler and shows any error it
// throws in a message box through the dialog seam, so one failed operation never ends the
// program. Every handler connected to a control goes through it.
void runGuarded(const std::function<void()>& handler);

// Connects a Qt signal to a handler that runs guarded. The handler takes no arguments: it reads
// what it needs from the controls at the moment of use.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
void connectGuarded(Sender* sender, Signal signal, Receiver* context, Handler handler) {
    QObject::connect(sender, signal, context, [handler](auto&&...) { runGuarded(handler); });
}

} // namespace velkarn
