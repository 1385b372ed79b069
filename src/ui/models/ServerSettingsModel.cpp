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

ServerSettingsModel::ServerSettingsModel(QObject* parent)
    : RowTableModel({"Setting", "Value"}, parent) {
}

QVariant ServerSettingsModel::cell(const InfoPairs::value_type& setting, int column,
                                   int role) const {
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return local(column == Setting ? setting.first : setting.second);
}

void ServerSettingsModel::showSettings(const InfoPairs& settings) {
    InfoPairs sorted = settings;
    std::stable_sort(sorted.begin(), sorted.end(), keyBefore);
    setRows(std::move(sorted));
}

} // namespace velkarn
