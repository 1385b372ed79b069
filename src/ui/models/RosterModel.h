#pragma once

#include "core/setup/SetupRecords.h"

#include <QAbstractListModel>

namespace velkarn {

// The bot roster of one rotation entry as rows, each bot's name and skill (and team, in team
// games) for a fixed-pitch font. Which entry it shows is the page's choice; every change of the
// roster is told here, so the view never shows another entry's bots.
class RosterModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit RosterModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Shows `entry`'s roster (none for nullptr), with a team column in team games.
    void showEntry(RotationEntry* entry, bool teamColumn);
    RotationEntry* entry() const { return entry_; }
    // The roster changed behind the model's back (bots added or removed by the core's
    // operations): the rows are read again.
    void rosterChanged();

private:
    RotationEntry* entry_ = nullptr;
    bool teamColumn_ = false;
};

} // namespace velkarn
