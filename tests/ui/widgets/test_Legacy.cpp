#include "ui/widgets/Legacy.h"

#include <gtest/gtest.h>

using namespace velkarn;

TEST(Legacy, ClickOpensWebOrMailAddress) {
    TLegacy label("Get new version!");
    std::vector<std::string> opened;
    label.opener = [&](const std::string& address) {
        opened.push_back(address);
        return true;
    };
    label.Adress = "https://example.org/new";
    label.activate();
    label.Adress = "";
    label.activate(); // a web link without address starts an empty e-mail
    label.AdressType = TLegacy::atMail;
    label.Adress = "someone@example.org";
    label.activate();
    EXPECT_EQ(opened, (std::vector<std::string>{"https://example.org/new",
                                                "mailto:", "mailto:someone@example.org"}));
}

TEST(Legacy, HoverLooksActiveAndLeavingRestoresTheColour) {
    TLegacy label("link");
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, QColor(10, 20, 30));
    label.setPalette(p);
    label.ActiveColor = QColor(0, 128, 0);
    int entered = 0, left = 0;
    QObject::connect(&label, &TLegacy::OnMouseEnter, [&] { ++entered; });
    QObject::connect(&label, &TLegacy::OnMouseExit, [&] { ++left; });

    label.mouseEntered();
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    label.mouseLeft();
    EXPECT_FALSE(label.font().underline());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(10, 20, 30));
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
}
