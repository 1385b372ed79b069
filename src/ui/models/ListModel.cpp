#include "ui/models/ListModel.h"

namespace velkarn {

ListModel::ListModel(Count count, Cell cell, QObject* parent)
    : QAbstractListModel(parent), count_(std::move(count)), cell_(std::move(cell)) {
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    return cell_(index.row(), role);
}

void ListModel::refresh() {
    beginResetModel();
    endResetModel();
}

} // namespace velkarn
