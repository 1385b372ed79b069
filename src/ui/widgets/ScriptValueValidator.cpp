#include "ui/widgets/ScriptValueValidator.h"

#include "core/platform/Errors.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

ScriptValueValidator::ScriptValueValidator(QString field, QObject* parent)
    : QValidator(parent), field_(std::move(field)) {
}

QValidator::State ScriptValueValidator::validate(QString& input, int& /*position*/) const {
    try {
        requireSafeScriptValue(bytes(input), bytes(field_));
    } catch (const UserMessage& refusal) {
        emit problemChanged(local(refusal.what()));
        return Invalid;
    }
    emit problemChanged({});
    return Acceptable;
}

} // namespace velkarn
