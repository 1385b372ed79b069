#pragma once

#include <QSpinBox>

namespace velkarn {

// A number field in a fixed range and step. Any whole number may be typed; when the field is
// left a value outside the range is brought into it, and a text that is not a number counts as
// the minimum. The value follows the text as it is typed, by that rule, so an action taken
// before the field is left (a shortcut, a menu, closing the window) uses what is on screen.
class NumberSpin : public QSpinBox {
    Q_OBJECT
public:
    NumberSpin(int minimum, int maximum, int step, int initial, QWidget* parent = nullptr);

    // Only the arrows change the value; typing is off.
    void setArrowsOnly();

    // The value a typed text stands for, by the rule above.
    int valueForText(const QString& text) const;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& input) const override;
    int valueFromText(const QString& text) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Takes the text being typed as the value, leaving the text as typed.
    void takeTyped(const QString& text);
};

} // namespace velkarn
