#pragma once

#include <QSortFilterProxyModel>
#include <optional>
#include <string>

namespace velkarn {

class DemoListModel;

// The demos a search and a game type let through, sorted by a header click (numbers as
// numbers).
class DemoFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    DemoFilterModel(DemoListModel& demos, QObject* parent = nullptr);

    // Words looked for in the demo's name, map, mod, host and players (demoMatchesSearch).
    void setSearch(const std::string& search);
    // Only demos of this g_gametype; none: every demo.
    void setGameType(std::optional<int> gameType);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    DemoListModel& demos_;
    std::string search_;
    std::optional<int> gameType_;
};

} // namespace velkarn
