#include "ui/models/TextListModel.h"

#include "ui/widgets/LocalText.h"

#include <algorithm>

namespace velkarn {

TextListModel::TextListModel(Source source, Text shown, QObject* parent)
    : QAbstractListModel(parent), source_(std::move(source)), shown_(std::move(shown)) {
    refresh();
}

int TextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(values_.size());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const std::string& value = values_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return local(shown_ ? shown_(value) : value);
    if (role == ValueRole)
        return local(value);
    return {};
}

void TextListModel::refresh() {
    beginResetModel();
    values_ = source_();
    endResetModel();
}

int TextListModel::rowOf(const std::string& value) const {
    const auto found = std::find(values_.begin(), values_.end(), value);
    return found == values_.end() ? -1 : static_cast<int>(found - values_.begin());
}

} // namespace velkarn
