#include "ui/models/ServerSettingsModel.h"

#include "ui/widgets/LocalText.h"

#include <algorithm>
#include <cctype>

namespace velkarn {

namespace {

bool keyBefore(const std::pair<std::string, std::string>& a,
               const std::pair<std::string, std::string>& b) {
    return std::lexicographical_compare(a.first.begin(), a.first.end(), b.first.begin(),
                                        b.first.end(), [](char x, char y) {
                                            return std::tolower(static_cast<unsigned char>(x)) <
                                                   std::tolower(static_cast<unsigned char>(y));
                                        });
}

} // namespace

int ServerSettingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(settings_.size());
}

int ServerSettingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ServerSettingsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const auto& [key, value] = settings_[static_cast<std::size_t>(index.row())];
    return local(index.column() == Setting ? key : value);
}

QVariant ServerSettingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const captions[ColumnCount] = {"Setting", "Value"};
    return section >= 0 && section < ColumnCount ? QString(captions[section]) : QVariant();
}

void ServerSettingsModel::showSettings(const InfoPairs& settings) {
    beginResetModel();
    settings_ = settings;
    std::stable_sort(settings_.begin(), settings_.end(), keyBefore);
    endResetModel();
}

void ServerSettingsModel::clear() {
    showSettings({});
}

} // namespace velkarn
