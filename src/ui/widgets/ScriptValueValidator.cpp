#include "ui/widgets/ScriptValueValidator.h"

#include "ui/widgets/LocalText.h"

namespace velkarn {

ScriptValueValidator::ScriptValueValidator(QString field, QObject* parent)
    : QValidator(parent), field_(std::move(field)) {
}

QValidator::State ScriptValueValidator::validate(QString& input, int& /*position*/) const {
    const std::string value = bytes(input);
    const std::string refusal = scriptValueRefusal(value, bytes(field_));
    emit problemChanged(local(refusal));
    if (refusal.empty())
        return Acceptable;
    // A blank typed at the end comes before the next word: it may stand while typing.
    return onlyBlanksRefused(value) ? Intermediate : Invalid;
}

} // namespace velkarn
