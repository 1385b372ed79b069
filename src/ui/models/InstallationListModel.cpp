#include "ui/models/InstallationListModel.h"

#include "ui/widgets/LocalText.h"

namespace velkarn {

InstallationListModel::InstallationListModel(const GameOptions& game, QObject* parent)
    : QAbstractListModel(parent), game_(game) {
    followPaths();
    connect(&game, &GameOptions::pathsChanged, this, [this] { followPaths(); });
}

int InstallationListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : foundCount() + (folderRowShown_ ? 1 : 0);
}

QVariant InstallationListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Installation* installation = installationAt(index.row());
    if (role == Qt::DisplayRole)
        return installation ? local(installation->label) : QString("Game folder");
    if (role == Qt::ToolTipRole)
        return local(installation ? installation->baseFolder : game_.paths().gameFolder);
    return {};
}

int InstallationListModel::chosenRow() const {
    const int found = foundRowOfGame();
    if (found >= 0)
        return found;
    return folderRowShown_ ? foundCount() : -1;
}

const Installation* InstallationListModel::installationAt(int row) const {
    if (row < 0 || row >= foundCount())
        return nullptr;
    return &game_.installations()[static_cast<std::size_t>(row)];
}

int InstallationListModel::foundRowOfGame() const {
    const std::string& chosen = game_.paths().installation;
    const auto& found = game_.installations();
    for (std::size_t i = 0; i < found.size(); ++i)
        if (!chosen.empty() && found[i].id() == chosen)
            return static_cast<int>(i);
    return -1;
}

void InstallationListModel::followPaths() {
    const bool wanted = foundRowOfGame() < 0 && !game_.paths().gameFolder.empty();
    if (wanted == folderRowShown_)
        return;
    const int row = foundCount();
    if (wanted) {
        beginInsertRows({}, row, row);
        folderRowShown_ = true;
        endInsertRows();
    } else {
        beginRemoveRows({}, row, row);
        folderRowShown_ = false;
        endRemoveRows();
    }
}

} // namespace velkarn
