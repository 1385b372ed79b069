#include "ui/results/ResultsWindow.h"

#include "core/demos/DemoListing.h"
#include "core/demos/MatchDemo.h"
#include "core/launch/DemoLaunch.h"
#include "core/network/ServerStatus.h"
#include "core/platform/PrintableText.h"
#include "ui/models/ParticipantsModel.h"
#include "ui/models/SeriesModel.h"
#include "ui/models/StandingsModel.h"
#include "ui/results/PlayerPlaceChart.h"
#include "ui/widgets/ColumnFitter.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/KeyboardTable.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

namespace velkarn {

namespace {

QTableView* tableView(const char* name, QAbstractItemModel* model, QWidget* parent) {
    auto* view = named(new QTableView(parent), name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->setAlternatingRowColors(true);
    // Names are never cut short to give the last column room it does not need.
    new ColumnFitter(view);
    useTableByKeyboard(view);
    return view;
}

// A view sorted by clicking its headers, numbers as numbers.
QSortFilterProxyModel* sortedModel(QAbstractItemModel* model, QObject* parent) {
    auto* proxy = new QSortFilterProxyModel(parent);
    proxy->setSourceModel(model);
    proxy->setSortRole(Qt::EditRole);
    proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    return proxy;
}

} // namespace

ResultsWindow::ResultsWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), results_(session.results) {
    setUpWindow(this, "resultsWindow", "Results");
    createControls();
    layOut();
    connect(seriesTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { showChosenMap(); });
    connect(&results_, &ResultsTracker::resultsChanged, this, [this] {
        // A match just ended may have left its demo; a hidden window lists them when shown.
        if (isVisible())
            listDemos();
        showNewest();
        showProblem();
    });
    connect(&results_, &ResultsTracker::problemChanged, this, [this] { showProblem(); });
    connectGuarded(readLogButton_, &QPushButton::clicked, this, [this] {
        results_.update();
        showProblem();
    });
    connectGuarded(watchReplayButton_, &QPushButton::clicked, this,
                   [this] { watchChosenReplay(); });
    connectGuarded(closeButton_, &QPushButton::clicked, this, [this] { close(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { close(); });

    rememberPlacement(this, QSize(820, 560));
    showNewest();
    showProblem();
}

void ResultsWindow::createControls() {
    seriesModel_ = new SeriesModel(results_, this);
    participantsModel_ = new ParticipantsModel(this);
    botsModel_ = StandingsModel::bots(results_, this);
    mapsModel_ = StandingsModel::playerMaps(results_, this);

    tabs_ = spoken(named(new QTabWidget(this), "resultsTabs"), "Results views");
    tabs_->tabBar()->setAccessibleName("Results views");
    seriesTree_ = named(new QTreeView(this), "seriesTree");
    seriesTree_->setModel(seriesModel_);
    spoken(seriesTree_, "Series", "The series played, newest first, each with its maps");
    seriesTree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    seriesTree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    seriesTree_->setAlternatingRowColors(true);
    seriesTree_->setUniformRowHeights(true);
    seriesTree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    seriesTree_->header()->setStretchLastSection(true);

    seriesNoteLabel_ = named(new QLabel(this), "seriesNoteLabel");
    participantsTable_ = tableView("participantsTable", participantsModel_, this);
    mapLabel_ = namedLabel("&Players of the chosen map:", "mapLabel", this, participantsTable_);
    replayLabel_ = named(new QLabel(this), "replayLabel");
    replayLabel_->setAccessibleName("Replay demo");
    replayLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    replayLabel_->setTextFormat(Qt::PlainText); // a file name, never markup
    watchReplayButton_ = namedButton("&Watch Replay", "watchReplayButton", this);

    botsTable_ = tableView("botsTable", sortedModel(botsModel_, this), this);
    spoken(botsTable_, "Bots", "How each bot placed against you");
    botsTable_->setSortingEnabled(true);
    botsTable_->sortByColumn(StandingsModel::NameColumn, Qt::AscendingOrder);

    mapsTable_ = tableView("mapsTable", sortedModel(mapsModel_, this), this);
    spoken(mapsTable_, "My maps", "How you placed on each map");
    mapsTable_->setSortingEnabled(true);
    mapsTable_->sortByColumn(StandingsModel::NameColumn, Qt::AscendingOrder);

    placeChart_ = named(new PlayerPlaceChart(results_, this), "placeChart");
    statusLabel_ = named(new QLabel(this), "resultsStatusLabel");
    statusLabel_->setTextFormat(Qt::PlainText);
    statusLabel_->setWordWrap(true);
    statusLabel_->setAccessibleName("Log status");
    statusLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readLogButton_ = namedButton("&Read Log Now", "readLogButton", this);
    closeButton_ = namedButton("C&lose", "closeButton", this);
}

void ResultsWindow::layOut() {
    auto* seriesPage = new QWidget(this);
    auto* splitter = new QSplitter(Qt::Vertical, seriesPage);
    splitter->addWidget(seriesTree_);
    auto* players = new QWidget(splitter);
    auto* playersLayout = new QVBoxLayout(players);
    playersLayout->setContentsMargins(0, 0, 0, 0);
    auto* mapLine = new QHBoxLayout;
    mapLine->addWidget(mapLabel_, 1);
    mapLine->addWidget(replayLabel_);
    mapLine->addWidget(watchReplayButton_);
    playersLayout->addLayout(mapLine);
    playersLayout->addWidget(participantsTable_);
    splitter->addWidget(players);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* seriesLayout = new QVBoxLayout(seriesPage);
    seriesLayout->addWidget(seriesNoteLabel_);
    seriesLayout->addWidget(splitter);

    tabs_->addTab(seriesPage, "&Series");
    tabs_->addTab(botsTable_, "&Bots");
    tabs_->addTab(mapsTable_, "&My Maps");
    tabs_->addTab(placeChart_, "&Chart");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(statusLabel_, 1);
    buttons->addWidget(readLogButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    setTabOrder(seriesTree_, watchReplayButton_);
    setTabOrder(watchReplayButton_, participantsTable_);
}

void ResultsWindow::showResults() {
    runGuarded([this] { listDemos(); });
    results_.update();
    showProblem();
    show();
    raise();
    activateWindow();
    seriesTree_->setFocus();
}

void ResultsWindow::showChosenMap() {
    const MatchResult* match = seriesModel_->matchAt(seriesTree_->currentIndex());
    participantsModel_->showMatch(match);
    if (!match)
        mapLabel_->setText("&Players of the chosen map:");
    else
        mapLabel_->setText(
            QString("&Players of %1 (%2, %3):")
                .arg(local(match->map), local(gameTypeName(std::to_string(match->gameType))),
                     match->finished ? local(match->endReason) : QString("unfinished"))
                .replace("&", "&&")
                .replace(0, 2, "&")); // only the mnemonic is one
    participantsTable_->setAccessibleName(spokenCaption(mapLabel_->text()));
    showChosenReplay();
}

// After the results changed the tree starts again from the newest series, opened at its
// latest map.
void ResultsWindow::showNewest() {
    showSeriesNote();
    if (seriesModel_->rowCount() == 0) {
        showChosenMap();
        return;
    }
    const QModelIndex newest = seriesModel_->index(0, 0);
    seriesTree_->expand(newest);
    const int maps = seriesModel_->rowCount(newest);
    const QModelIndex latest = maps > 0 ? seriesModel_->index(maps - 1, 0, newest) : newest;
    seriesTree_->setCurrentIndex(latest);
    seriesTree_->scrollTo(latest);
    showChosenMap();
}

// The tree holds only the newest series; the other tabs count them all.
void ResultsWindow::showSeriesNote() {
    const std::size_t listed = results_.series().size();
    const std::size_t all = results_.totals().series;
    seriesNoteLabel_->setVisible(all > listed);
    seriesNoteLabel_->setText(QString("Showing the newest %L1 of %L2 series; the Bots and My Maps "
                                      "tabs count them all.")
                                  .arg(listed)
                                  .arg(all));
}

void ResultsWindow::showProblem() {
    if (!results_.problem().empty())
        statusLabel_->setText(local(results_.problem()));
    else if (!results_.logPath().empty())
        statusLabel_->setText("Reading the game's log " + local(results_.logPath()));
    else
        statusLabel_->clear();
}

// The demos are listed again only when the window is shown or the results change: with their
// cache that costs milliseconds, not a reading of every demo.
void ResultsWindow::listDemos() {
    demos_.clear();
    demosProblem_.clear();
    if (session_.game.paths().gameFolder.empty()) {
        demosProblem_ = "No game is set; choose one in Options, Game.";
    } else {
        try {
            demos_ = velkarn::listDemos(session_.game.installation(),
                                        DemoCache::filePath(session_.appDir()));
        } catch (const std::exception& error) {
            demosProblem_ = error.what();
        }
    }
    showChosenReplay();
}

const DemoEntry* ResultsWindow::chosenReplay(QString& reason) const {
    const MatchResult* match = seriesModel_->matchAt(seriesTree_->currentIndex());
    const DemoEntry* demo = match ? demoOfMatch(demos_, match->map, match->playedAt) : nullptr;
    if (demo)
        reason = "Watch " + local(printableText(demo->name)) + ", the game's recording of this map";
    else if (!match)
        reason = "Choose a map to watch its replay.";
    else if (!demosProblem_.empty())
        reason = local(printableText(demosProblem_));
    else
        reason = "The game's folders hold no demo of this map. With Record my games (Options, "
                 "Player) the game records every local match.";
    return demo;
}

void ResultsWindow::showChosenReplay() {
    QString reason;
    const DemoEntry* demo = chosenReplay(reason);
    replayLabel_->setText(demo ? local(printableText(demo->name)) : QString());
    watchReplayButton_->setEnabled(demo != nullptr);
    watchReplayButton_->setToolTip(reason);
    watchReplayButton_->setAccessibleDescription(reason);
}

void ResultsWindow::watchChosenReplay() {
    QString reason;
    if (const DemoEntry* demo = chosenReplay(reason))
        requireGameStarted(watchDemo(session_.game.installation(), demo->mod, demo->name));
}

} // namespace velkarn
