#pragma once

#include "core/setup/ScriptValues.h"

#include <QString>
#include <QValidator>
#include <functional>

namespace velkarn {

// Refuses, as it is typed, a text the game script could not carry as it stands (see
// ScriptValues.h): the keystroke or paste does not go in, and `problemChanged` hears why, so
// that the field never holds a value the game would cut, change or run. Blanks the game would
// drop (at the end, two in a row) may stand while typing, said as a problem all the same.
class ScriptValueValidator : public QValidator {
    Q_OBJECT
public:
    ScriptValueValidator(QString field, QObject* parent);

    State validate(QString& input, int& position) const override;

signals:
    // Why the last change was refused ("The player name ... must not contain ..."), or an empty
    // text once a change is accepted again.
    void problemChanged(const QString& problem) const;

private:
    QString field_;
};

} // namespace velkarn
