#pragma once

#include "core/session/GameOptions.h"

#include <QAbstractListModel>

namespace velkarn {

// The mod list of the game options for a drop-down: each mod's display name, with its start
// parameters as the hint. Reset whenever the list changes; the choice is the view's to show.
class ModListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ModListModel(const GameOptions& game, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const GameOptions& game_;
};

} // namespace velkarn
