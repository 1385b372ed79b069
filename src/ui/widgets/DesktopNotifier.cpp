#include "ui/widgets/DesktopNotifier.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QSystemTrayIcon>

namespace velkarn {

namespace {

const QString Service = "org.freedesktop.Notifications";
const QString Path = "/org/freedesktop/Notifications";
// How long the desktop shows a notification: -1 leaves it to the desktop.
constexpr int DesktopsChoice = -1;
constexpr int BusWaitMs = 2000;

QDBusMessage notificationCall(const QString& title, const QString& text) {
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, "Notify");
    call << QCoreApplication::applicationName() // app_name
         << 0u                                  // replaces_id: a notification of its own
         << QString("velkarn")                  // app_icon
         << title << text << QStringList()      // summary, body, actions
         << QVariantMap() << DesktopsChoice;    // hints, expire_timeout
    return call;
}

} // namespace

DesktopNotifier::DesktopNotifier(QObject* parent) : QObject(parent) {
}

void DesktopNotifier::notify(const QString& title, const QString& text) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        notifyInTray(title, text);
        return;
    }
    QDBusMessage call = notificationCall(title, text);
    // Not waited for: a slow notification service never holds up the windows. Where there is
    // none, the call fails and the tray says it instead.
    auto* reply = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this, reply, title, text] {
        if (reply->isError())
            notifyInTray(title, text);
        reply->deleteLater();
    });
}

void DesktopNotifier::notifyWithoutWindows(const QString& title, const QString& text) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        bus.call(notificationCall(title, text), QDBus::Block, BusWaitMs);
}

void DesktopNotifier::notifyInTray(const QString& title, const QString& text) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (!tray_) {
        tray_ = new QSystemTrayIcon(QApplication::windowIcon(), this);
        tray_->setToolTip(QApplication::applicationDisplayName());
        tray_->show();
    }
    tray_->showMessage(title, text);
}

} // namespace velkarn
