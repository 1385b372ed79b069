#include "ui/models/DemoFilterModel.h"

#include "core/demos/DemoLookup.h"
#include "ui/models/DemoListModel.h"

namespace velkarn {

DemoFilterModel::DemoFilterModel(DemoListModel& demos, QObject* parent)
    : QSortFilterProxyModel(parent), demos_(demos) {
    setSourceModel(&demos);
    setSortRole(Qt::EditRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void DemoFilterModel::setSearch(const std::string& search) {
    search_ = search;
    invalidateFilter();
}

void DemoFilterModel::setGameType(std::optional<int> gameType) {
    gameType_ = gameType;
    invalidateFilter();
}

bool DemoFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const DemoEntry& demo = demos_.demo(sourceRow);
    if (gameType_ &&
        (demo.read.status != DemoReadStatus::Ok || demo.read.facts.gameType != *gameType_))
        return false;
    return demoMatchesSearch(demo, search_);
}

} // namespace velkarn
