#pragma once

#include <QSpinBox>

namespace velkarn {

// A number field in a fixed range and step. Any whole number may be typed; when the field is
// left a value outside the range is brought into it, and a text that is not a number counts as
// the minimum.
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
};

// Takes the text typed into every number field of the program as its value, as leaving the
// field would. Saving, closing and playing call it first, so what is on screen is what is used.
void commitTypedNumbers();

} // namespace velkarn
