#pragma once

#include "core/network/QueryEngine.h"
#include "core/setup/SavedServerOps.h"
#include "ui/models/LiveServersModel.h"

#include <vector>

namespace velkarn {

// The saved servers, row for row, each with what it last answered. Every edit goes through here
// and the core's server list operations, so the records, the rows and the statuses change
// together. Asking the servers for their status runs in the background; an answer finds its row
// by the record it was asked for, so edits meanwhile never put it on another server.
class SavedServersModel : public LiveServersModel {
    Q_OBJECT
public:
    enum Column { Name, HostName, Map, GameType, Players, Ping, Loss, Buddies, ColumnCount };

    // Answers are shown with the buddies of `buddies` on them, and told to it.
    SavedServersModel(SavedServers& servers, BuddyBook& buddies, QueryTiming timing = {},
                      QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const SavedServer& serverAt(int row) const;

    // Shows the records as they are now (after they were read or changed elsewhere); what the
    // servers said before is forgotten.
    void reload();
    // Asks every saved server for its status; rows change as answers come.
    void refreshStatus();
    bool refreshing() const { return statusQuery_.running(); }

    // Appends a server and asks it at once; the messages that stop it, as serverFieldProblems gives
    // them (nothing added then). Throws UserMessage for a field that must not be stored.
    std::vector<std::string> addServer(const ServerFields& fields);
    // Stores the fields into the server of `row`, asking it at once when its address changed.
    // Throws UserMessage as addServer does.
    void updateServer(int row, const ServerFields& fields);
    void deleteServer(int row);

private:
    void takeAnswer(int id, const ServerStatus& status);
    void takeSilence(int id, int requests);
    void askServer(int row);
    int rowOfAsked(int id) const;
    void forgetAsked(int row);

    SavedServers& servers_;
    std::vector<const SavedServer*> asked_; // by query id; null once deleted
    QueryEngine statusQuery_;
};

} // namespace velkarn
