#pragma once

#include "core/network/QueryEngine.h"
#include "ui/models/LiveServersModel.h"

#include <unordered_map>
#include <vector>

namespace velkarn {

// The servers a search found: the masters are asked for their lists, every server listed is
// asked for its status, and each one that answers becomes a row, in the order the answers came.
// The servers found can be asked again without the masters; rows then change in place.
class FoundServersModel : public LiveServersModel {
    Q_OBJECT
public:
    enum Column { HostName, Map, GameType, Players, Ping, Loss, Address, Buddies, ColumnCount };

    // Answers are shown with the buddies of `buddies` on them, and told to it.
    explicit FoundServersModel(BuddyBook& buddies, QueryTiming timing = {},
                               QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Forgets the servers found and starts a new search.
    void findServers(const std::vector<MasterServer>& masters);
    // Asks the servers found again, unless a search is running; one that stays silent shows
    // "no answer" and keeps its row.
    void askAgain();
    // Ends the search; the servers found so far stay.
    void stopSearch();

    bool searching() const { return query_.running(); }
    bool stopped() const { return stopped_; }
    int listedCount() const { return static_cast<int>(listed_.size()); }

signals:
    // Servers were listed or answered, or the search ended.
    void progressChanged();
    // A master server gave no list, or its name could not be looked up.
    void masterSilent(const ServerAddress& master);

private:
    void takeAnswer(int id, const ServerStatus& status);
    void takeSilence(int id, int requests);
    QueryEngine query_;
    bool askingRows_ = false;                  // ids are rows, not listed servers
    std::vector<ServerAddress> listed_;        // by id
    std::unordered_map<int, int> rowOfListed_; // id -> row, for those that answered
    bool stopped_ = false;
};

} // namespace velkarn
