#pragma once

#include "core/session/GameOptions.h"

#include <QAbstractListModel>

namespace velkarn {

// The games to choose from in the game options: the installations found, then "Game folder" while
// the game is a folder that is none of them. Follows the game options' paths.
class InstallationListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit InstallationListModel(const GameOptions& game, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The row of the game the paths name; -1 when they name none.
    int chosenRow() const;
    // The installation a row stands for; nullptr for the folder's row.
    const Installation* installationAt(int row) const;

private:
    int foundCount() const { return static_cast<int>(game_.installations().size()); }
    int foundRowOfGame() const;
    // Adds or drops the folder's row as the paths change.
    void followPaths();

    const GameOptions& game_;
    bool folderRowShown_ = false;
};

} // namespace velkarn
