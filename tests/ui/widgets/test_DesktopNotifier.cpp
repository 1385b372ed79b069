#include "support/UdpResponder.h"
#include "ui/widgets/DesktopNotifier.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// The desktop's notification service as freedesktop.org defines it, on a bus of
// the test's own: it records what it is asked to show.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList shown; // "app: summary / body"

public slots:
    uint Notify(const QString& app, uint, const QString&, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap&, int) {
        shown << app + ": " + summary + " / " + body;
        return static_cast<uint>(shown.size());
    }
};

} // namespace

TEST(DesktopNotifier, SaysItThroughTheNotificationServiceOnTheSessionBus) {
    QProcess bus;
    bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(bus.waitForReadyRead(5000)) << "dbus-daemon did not start";
    const QByteArray address = bus.readLine().trimmed();
    // The notifier uses the session bus, which Qt connects to at its first use, here.
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    QDBusConnection service = QDBusConnection::connectToBus(QString(address), "service");
    NotificationService notifications;
    ASSERT_TRUE(service.registerObject("/org/freedesktop/Notifications", &notifications,
                                       QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service.registerService("org.freedesktop.Notifications"));

    DesktopNotifier notifier;
    notifier.notify("Sarge is playing", "on Friends (127.0.0.1:27974)");
    EXPECT_TRUE(runEventsUntil([&] { return !notifications.shown.isEmpty(); }));
    EXPECT_EQ(notifications.shown,
              QStringList{QCoreApplication::applicationName() +
                          ": Sarge is playing / on Friends (127.0.0.1:27974)"});
    QDBusConnection::disconnectFromBus("service");
    bus.terminate();
    bus.waitForFinished();
}

#include "test_DesktopNotifier.moc"
