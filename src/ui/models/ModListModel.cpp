#include "ui/models/ModListModel.h"

#include "ui/widgets/LocalText.h"

namespace velkarn {

ModListModel::ModListModel(const GameOptions& game, QObject* parent)
    : QAbstractListModel(parent), game_(game) {
    connect(&game, &GameOptions::modsChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int ModListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(game_.mods().size());
}

QVariant ModListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Mod& mod = game_.mods()[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return local(mod.name);
    if (role == Qt::ToolTipRole)
        return local(mod.parameters);
    return {};
}

} // namespace velkarn
