#pragma once

#include <QObject>
#include <QString>

class QSystemTrayIcon;

namespace velkarn {

// Says something on the desktop: through the freedesktop notification service on the session
// bus, or, where there is none, as a message of the program's tray icon. Where there is neither,
// nothing is said.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifier(QObject* parent = nullptr);

    void notify(const QString& title, const QString& text);
    // The same for a program without windows (the command line): through the session bus
    // only, waiting at most a moment for it to take the notification.
    static void notifyWithoutWindows(const QString& title, const QString& text);

private:
    void notifyInTray(const QString& title, const QString& text);

    QSystemTrayIcon* tray_ = nullptr; // made the first time the bus cannot take a notification
};

} // namespace velkarn
