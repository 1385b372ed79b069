#include "ui/widgets/NumberSpin.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace velkarn;

// An action taken while the field still has the focus (a shortcut, a menu) reads value().
TEST(NumberSpin, TheValueFollowsWhatIsTypedAndTheTextStaysAsTyped) {
    NumberSpin spin(2, 64, 1, 8);
    int changes = 0;
    QObject::connect(&spin, &QSpinBox::valueChanged, [&changes] { ++changes; });
    QLineEdit& edit = *spin.findChild<QLineEdit*>();
    for (const auto& [typed, value] : std::vector<std::pair<QString, int>>{
             {"16", 16}, {"100", 64}, {"", 2}, {"x", 2}, {"040", 40}}) {
        edit.setText(typed);
        EXPECT_EQ(spin.value(), value) << typed.toStdString();
        EXPECT_EQ(edit.text(), typed);
    }
    EXPECT_EQ(changes, 4); // "x" changed nothing
    spin.interpretText();  // as leaving the field does
    EXPECT_EQ(edit.text(), "40");
    EXPECT_EQ(spin.value(), 40);
    spin.setValue(9);
    EXPECT_EQ(edit.text(), "9");
}

// Alt with a letter no control answers must leave the number alone.
TEST(NumberSpin, AnUnansweredAltLetterTypesNothing) {
    NumberSpin spin(1, 99, 1, 4);
    QKeyEvent altB(QEvent::KeyPress, Qt::Key_B, Qt::AltModifier, "b");
    QApplication::sendEvent(&spin, &altB);
    EXPECT_EQ(spin.findChild<QLineEdit*>()->text(), "4");
    EXPECT_EQ(spin.value(), 4);
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7");
    QApplication::sendEvent(&spin, &digit);
    EXPECT_TRUE(spin.findChild<QLineEdit*>()->text().contains('7')) << "plain keys still type";
}
