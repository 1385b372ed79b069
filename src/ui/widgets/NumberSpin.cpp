#include "ui/widgets/NumberSpin.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace velkarn {

NumberSpin::NumberSpin(int minimum, int maximum, int step, int initial, QWidget* parent)
    : QSpinBox(parent) {
    setRange(minimum, maximum);
    setSingleStep(step);
    setValue(initial);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    // Qt's keyboard tracking takes only texts within the range; takeTyped takes every text.
    setKeyboardTracking(false);
    connect(lineEdit(), &QLineEdit::textChanged, this, &NumberSpin::takeTyped);
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

void NumberSpin::keyPressEvent(QKeyEvent* event) {
    // An Alt+letter that is no window's mnemonic would otherwise be typed into the field and,
    // being no number, make the value the minimum.
    if (event->modifiers().testFlag(Qt::AltModifier) && !event->text().isEmpty()) {
        event->ignore();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

void NumberSpin::takeTyped(const QString& text) {
    const int typed = valueForText(text);
    if (typed == value())
        return;
    QLineEdit* edit = lineEdit();
    const int cursor = edit->cursorPosition();
    setValue(typed); // writes the value's own text, which leaving the field would show
    if (edit->text() != text) {
        edit->setText(text);
        edit->setCursorPosition(cursor);
    }
}

} // namespace velkarn
