#include "NetworkPageFixture.h"
#include "support/Controls.h"
#include "support/CountryFixture.h"
#include "support/UdpResponder.h"
#include "ui/network/ServersGroup.h"

#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QTableView>

using namespace velkarn;
using namespace velkarn::test;

namespace {

class ServerCountryTest : public NetworkPageTest {
protected:
    std::unique_ptr<UdpResponder> good = goodServer("^1Red");
};

} // namespace

// A saved server on 127.0.0.1 stands in the land the system's database gives it: its flag
// beside the host name, the name in the tool tip and read aloud, and the country filter.
TEST_F(ServerCountryTest, ServersShowTheirCountryAndCanBeFilteredByIt) {
    const TempFolder& root = app;
    writeCountryDatabase(root, "root/usr/share/GeoIP/GeoIP.dat", false, "FR");
    root.makeFolder("root/usr/share/flags/countries/16x11");
    QImage flag(16, 11, QImage::Format_RGB32);
    flag.fill(Qt::blue);
    ASSERT_TRUE(flag.save(
        QString::fromStdString(root.file("root/usr/share/flags/countries/16x11/fr.png"))));
    Session here(app.path(), 1, testLayout(app));
    here.setup.servers.push_back(std::make_unique<SavedServer>(
        SavedServer{"Mine", formatServerAddress(good->address()), ""}));
    here.setup.servers.push_back(
        std::make_unique<SavedServer>(SavedServer{"Named", "localhost:1", ""}));
    ServersGroup group(here, nullptr, Quick);
    group.showServers();
    group.refreshStatus();
    QTableView& list = child<QTableView>(group, "savedServerTable");
    ASSERT_TRUE(runEventsUntil([&] { return cell(list, 0, 2).isValid(); }));
    EXPECT_EQ(cell(list, 0, 1, Qt::ToolTipRole), "France");
    EXPECT_EQ(cell(list, 0, 1, Qt::AccessibleTextRole), "Red (France)");
    EXPECT_FALSE(cell(list, 0, 1, Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_FALSE(cell(list, 1, 1, Qt::ToolTipRole).isValid()) << "a name is never looked up";
    QImage shown(200, 20, QImage::Format_RGB32);
    shown.fill(Qt::white);
    QPainter painter(&shown);
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.rect = shown.rect();
    option.decorationSize = flag.size();
    list.itemDelegateForIndex(list.model()->index(0, 1))
        ->paint(&painter, option, list.model()->index(0, 1));
    painter.end();
    int flagPixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            flagPixels += shown.pixelColor(x, y) == QColor(Qt::blue);
    EXPECT_EQ(flagPixels, 16 * 11) << "the name is drawn beside the flag, not over it";
    child<QLineEdit>(group, "countryEdit").setText("fr");
    EXPECT_EQ(list.model()->rowCount(), 1);
    child<QLineEdit>(group, "countryEdit").setText("de");
    EXPECT_EQ(list.model()->rowCount(), 0);
    child<QLineEdit>(group, "countryEdit").clear();
}
