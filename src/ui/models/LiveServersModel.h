#pragma once

#include "core/network/BuddyBook.h"
#include "core/network/CountryDatabase.h"
#include "core/network/ServerAddress.h"
#include "ui/models/LiveServerSource.h"

#include <QAbstractTableModel>
#include <vector>

namespace velkarn {

// A table whose rows are servers and what each last answered, with the buddies on them marked
// and told to the buddy book; the saved servers and the servers found build on it.
class LiveServersModel : public QAbstractTableModel, public LiveServerSource {
    Q_OBJECT
public:
    int rowCount(const QModelIndex& parent = {}) const override;
    const LiveServer& liveServerAt(int row) const override;

    // Where the rows' countries are looked up; none: no country is shown.
    void setCountries(const CountryDatabase* countries) { countries_ = countries; }

signals:
    // A row's answer came, or its server stayed silent.
    void statusChanged(int row);

protected:
    LiveServersModel(BuddyBook& buddies, QObject* parent);

    // Shows a row's answer; null: its server stayed silent.
    void changeStatus(int row, const ServerStatus* status, int silentRequests = 1);
    // Where a server is asked; an address that cannot be read is asked as the empty host,
    // which never answers.
    static ServerAddress addressToAsk(const std::string& address);

    std::vector<LiveServer> live_; // by row

private:
    void findBuddies();

    BuddyBook& buddies_;
    const CountryDatabase* countries_ = nullptr;
};

} // namespace velkarn
