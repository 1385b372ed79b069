#include "ui/widgets/NumberSpin.h"

#include <QApplication>
#include <QLineEdit>
#include <algorithm>

namespace velkarn {

NumberSpin::NumberSpin(int minimum, int maximum, int step, int initial, QWidget* parent)
    : QSpinBox(parent) {
    setRange(minimum, maximum);
    setSingleStep(step);
    setValue(initial);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setKeyboardTracking(false); // a change is taken when typing ends, not at every keystroke
}

void NumberSpin::setArrowsOnly() {
    lineEdit()->setReadOnly(true);
}

int NumberSpin::valueForText(const QString& text) const {
    bool ok = false;
    const long long typed = text.trimmed().toLongLong(&ok);
    if (!ok)
        return minimum();
    return static_cast<int>(std::clamp<long long>(typed, minimum(), maximum()));
}

QValidator::State NumberSpin::validate(QString& text, int&) const {
    bool ok = false;
    const long long typed = text.trimmed().toLongLong(&ok);
    return ok && typed >= minimum() && typed <= maximum() ? QValidator::Acceptable
                                                          : QValidator::Intermediate;
}

void NumberSpin::fixup(QString& input) const {
    input = QString::number(valueForText(input));
}

int NumberSpin::valueFromText(const QString& text) const {
    return valueForText(text);
}

void commitTypedNumbers() {
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* field = qobject_cast<NumberSpin*>(widget))
            field->interpretText();
}

} // namespace velkarn
