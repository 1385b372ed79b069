#include "ui/widgets/LinkLabel.h"

#include <gtest/gtest.h>

using namespace velkarn;

TEST(LinkLabel, ClickOpensWebOrMailAddress) {
    LinkLabel label("Get new version!");
    std::vector<std::string> opened;
    label.opener = [&](const std::string& address) {
        opened.push_back(address);
        return true;
    };
    label.address = "https://example.org/new";
    label.activate();
    label.address = "";
    label.activate(); // a web link without address starts an empty e-mail
    label.addressType = LinkLabel::Mail;
    label.address = "someone@example.org";
    label.activate();
    EXPECT_EQ(opened, (std::vector<std::string>{"https://example.org/new",
                                                "mailto:", "mailto:someone@example.org"}));
}

TEST(LinkLabel, HoverLooksActiveAndLeavingRestoresTheColor) {
    LinkLabel label("link");
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, QColor(10, 20, 30));
    label.setPalette(p);
    label.hoverColor = QColor(0, 128, 0);
    int entered = 0, left = 0;
    QObject::connect(&label, &LinkLabel::hoverStarted, [&] { ++entered; });
    QObject::connect(&label, &LinkLabel::hoverEnded, [&] { ++left; });

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
