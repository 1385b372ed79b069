#pragma once

#include "core/session/Session.h"

#include <QStringListModel>
#include <string>

namespace velkarn {

// The catalogue's player models for a drop-down, sorted ignoring case; refreshed whenever the
// catalogue changes. It keeps the names, so a view never reads a catalogue being searched.
class PlayerModelListModel : public QStringListModel {
    Q_OBJECT
public:
    explicit PlayerModelListModel(const Session& session, QObject* parent = nullptr);

    // The row of the model named exactly `name` (case matters); -1 for none.
    int rowOf(const std::string& name) const;

private:
    void showCatalogue();

    const Session& session_;
};

} // namespace velkarn
