#include "ui/network/RecentServersGroup.h"

#include "core/platform/Errors.h"
#include "core/session/Session.h"
#include "core/setup/SavedServerOps.h"
#include "ui/models/RecentServersModel.h"
#include "ui/network/ServerTableView.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"

#include <QHBoxLayout>
#include <QTableView>
#include <QVBoxLayout>

namespace velkarn {

RecentServersGroup::RecentServersGroup(Session& session, QWidget* parent)
    : QGroupBox("Recently Played", parent), session_(session) {
    setObjectName("recentServersGroup");
    recent_ = new RecentServersModel(session_.results, this);
    recentList_ = serverTableView(recent_, "recentServerList", this);
    spoken(recentList_, "Recently played servers",
           "Copy to Saved adds the chosen one to the saved servers");
    saveServerButton_ = namedButton("&Copy to Saved", "saveRecentServerButton", this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveServerButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(recentList_, 1);
    layout->addLayout(buttons);
    connectGuarded(saveServerButton_, &QPushButton::clicked, this,
                   [this] { saveSelectedServer(); });
}

void RecentServersGroup::saveSelectedServer() {
    const std::vector<int> rows = selectedRows(*recentList_);
    if (rows.empty())
        throw UserMessage("You must select a server!");
    const RecentServer& server = recent_->serverAt(rows.front());
    const ServerFields fields{server.name.empty() ? server.address : server.name, server.address,
                              ""};
    requireSafeServerFields(fields);
    if (const auto problems = addServer(session_.setup.servers, fields); !problems.empty())
        throw UserMessage(problems.front());
    emit session_.serversChanged();
}

} // namespace velkarn
