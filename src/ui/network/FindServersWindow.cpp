#include "ui/network/FindServersWindow.h"

#include "core/network/MasterList.h"
#include "core/network/ServerAddress.h"
#include "core/platform/Errors.h"
#include "core/session/Session.h"
#include "core/setup/PlayerName.h"
#include "core/setup/SavedServerOps.h"
#include "ui/models/FoundServersModel.h"
#include "ui/network/BuddiesWindow.h"
#include "ui/network/SeatWaitBox.h"
#include "ui/network/ServerDetailsView.h"
#include "ui/network/ServerListPanel.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QVBoxLayout>

namespace velkarn {

namespace {

std::string plainHostName(const LiveServer& server) {
    return server.status ? plainName(server.status->hostName()) : std::string();
}

} // namespace

FindServersWindow::FindServersWindow(Session& session, QueryTiming timing, QWidget* parent)
    : QDialog(parent), session_(session),
      found_(new FoundServersModel(session.buddies, timing, this)) {
    setUpWindow(this, "findServersWindow", "Find Servers");
    found_->setCountries(&session.countries);
    serverList_ = new ServerListPanel(*found_, "foundServerFilter", "foundServerTable", this);
    serverList_->sortBy(FoundServersModel::Ping, Qt::AscendingOrder);
    masterProblemsLabel_ = named(new QLabel(this), "masterProblemsLabel");
    masterProblemsLabel_->setWordWrap(true);
    masterProblemsLabel_->hide();
    seatWait_ = new SeatWaitBox(
        session_, [this] { return joinTarget(); }, timing, this);
    findButton_ = namedButton("&Find", "findButton", this);
    stopButton_ = namedButton("St&op", "stopButton", this);
    buddiesButton_ = namedButton("&Buddies...", "buddiesButton", this);
    addToSavedButton_ = namedButton("&Add to saved servers", "addToSavedButton", this);
    joinButton_ = namedButton("&Join", "joinButton", this, true);
    // Enter on a server joins it through the table; a default button would join a second time.
    for (QPushButton* button :
         {findButton_, stopButton_, buddiesButton_, addToSavedButton_, joinButton_})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(findButton_);
    buttons->addWidget(stopButton_);
    buttons->addWidget(buddiesButton_);
    buttons->addStretch();
    buttons->addWidget(addToSavedButton_);
    buttons->addWidget(joinButton_);
    auto* split = named(new QSplitter(Qt::Vertical, this), "findServersSplitter");
    split->addWidget(serverList_);
    split->addWidget(serverList_->details());
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(masterProblemsLabel_);
    layout->addWidget(split, 1);
    layout->addWidget(seatWait_);
    layout->addLayout(buttons);
    rememberPlacement(this, QSize(900, 640));

    connectGuarded(findButton_, &QPushButton::clicked, this, [this] { findServers(); });
    connectGuarded(stopButton_, &QPushButton::clicked, this, [this] { stopSearch(); });
    connectGuarded(buddiesButton_, &QPushButton::clicked, this,
                   [this] { editBuddies(session_.buddies); });
    connectGuarded(addToSavedButton_, &QPushButton::clicked, this,
                   [this] { addSelectedToSaved(); });
    connectGuarded(joinButton_, &QPushButton::clicked, this, [this] { joinSelected(); });
    connectGuarded(serverList_, &ServerListPanel::joinRequested, this, [this] { joinSelected(); });
    connectGuarded(serverList_, &ServerListPanel::refreshRequested, this,
                   [this] { findServers(); });
    connect(serverList_, &ServerListPanel::remoteConsoleRequested, this,
            &FindServersWindow::remoteConsoleRequested);
    connect(found_, &FoundServersModel::progressChanged, this, &FindServersWindow::showProgress);
    // Without this a search that reached no master would end saying only "0 listed".
    connect(found_, &FoundServersModel::masterSilent, this, [this](const ServerAddress& master) {
        showMasterProblem("No answer from " + formatServerAddress(master) + ".");
    });
    connect(&reaskTimer_, &QTimer::timeout, found_, &FoundServersModel::askAgain);
    reaskTimer_.start(timing.reaskMs);
    showProgress();
}

void FindServersWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !found_->searching())
        runGuarded([this] { findServers(); });
}

void FindServersWindow::findServers() {
    std::string problems;
    const MasterListRead masters = readMasterList(session_.appDir());
    for (const std::string& problem : masters.problems)
        problems += (problems.empty() ? "" : "\n") + problem;
    masterProblemsLabel_->clear();
    masterProblemsLabel_->hide();
    if (!problems.empty())
        showMasterProblem(problems);
    found_->findServers(masters.masters);
}

void FindServersWindow::showMasterProblem(const std::string& problem) {
    const QString shown = masterProblemsLabel_->text();
    masterProblemsLabel_->setText((shown.isEmpty() ? "" : shown + "\n") + local(problem));
    masterProblemsLabel_->show();
}

void FindServersWindow::stopSearch() {
    found_->stopSearch();
}

void FindServersWindow::showProgress() {
    QString text = QString(", %1 listed").arg(found_->listedCount());
    if (found_->searching())
        text += ", searching...";
    else if (found_->stopped())
        text += ", stopped";
    stopButton_->setEnabled(found_->searching());
    serverList_->setCountSuffix(text);
}

const LiveServer& FindServersWindow::selectedServer() const {
    const std::vector<int> selected = serverList_->selectedServers();
    if (selected.empty())
        throw UserMessage("You must select a server!");
    return found_->liveServerAt(selected.front());
}

void FindServersWindow::addSelectedToSaved() {
    const LiveServer& server = selectedServer();
    std::string name = plainHostName(server);
    if (name.empty())
        name = server.address;
    const ServerFields fields{name, server.address, ""};
    requireSafeServerFields(fields);
    addServer(session_.setup.servers, fields);
    emit session_.serversChanged();
}

SavedServer FindServersWindow::joinTarget() const {
    const LiveServer& server = selectedServer();
    SavedServer target{plainHostName(server), server.address, ""};
    requireSafeServerFields({target.name, target.address, target.password});
    return target;
}

void FindServersWindow::joinSelected() {
    session_.join(joinTarget());
}

} // namespace velkarn
