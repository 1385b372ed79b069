#include "ui/demos/DemosWindow.h"

#include "core/demos/DemoListing.h"
#include "core/launch/DemoLaunch.h"
#include "core/network/ServerStatus.h"
#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"
#include "core/platform/Trash.h"
#include "ui/models/DemoFilterModel.h"
#include "ui/models/DemoListModel.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>

namespace velkarn {

namespace {

// The game types a demo may be filtered by, as g_gametype numbers.
constexpr int FilteredGameTypes[] = {0, 1, 2, 3, 4};

} // namespace

DemosWindow::DemosWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setUpWindow(this, "demosWindow", "Demos");
    createControls();
    layOut();
    connectControls();
    rememberPlacement(this, QSize(900, 520));
    showChosenDemo();
}

void DemosWindow::createControls() {
    demoList_ = new DemoListModel(this);
    shownDemos_ = new DemoFilterModel(*demoList_, this);

    searchEdit_ = named(new QLineEdit(this), "demoSearchEdit");
    searchEdit_->setPlaceholderText("Name, map or player");
    searchEdit_->setClearButtonEnabled(true);
    gameTypeCombo_ = named(new QComboBox(this), "demoGameTypeCombo");
    gameTypeCombo_->addItem("Every game type", -1);
    for (int type : FilteredGameTypes)
        gameTypeCombo_->addItem(local(gameTypeName(std::to_string(type))), type);

    demosTable_ = named(new QTableView(this), "demosTable");
    demosTable_->setModel(shownDemos_);
    demosTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    demosTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    demosTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    demosTable_->setAlternatingRowColors(true);
    demosTable_->setSortingEnabled(true);
    demosTable_->sortByColumn(DemoListModel::Date, Qt::DescendingOrder);
    demosTable_->verticalHeader()->hide();
    demosTable_->horizontalHeader()->setStretchLastSection(true);
    demosTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    statusLabel_ = named(new QLabel(this), "demosStatusLabel");
    statusLabel_->setTextFormat(Qt::PlainText); // it shows file names, never markup
    statusLabel_->setWordWrap(true);
    statusLabel_->setAccessibleName("Demo status");
    statusLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    watchButton_ = namedButton("&Watch", "watchButton", this, true);
    watchButton_->setDefault(true);
    deleteButton_ = namedButton("&Delete...", "deleteDemoButton", this);
    refreshButton_ = namedButton("Re&fresh", "refreshDemosButton", this);
    closeButton_ = namedButton("C&lose", "closeButton", this);
}

void DemosWindow::layOut() {
    auto* filters = new QHBoxLayout;
    filters->addWidget(namedLabel("&Search:", "demoSearchLabel", this, searchEdit_));
    filters->addWidget(searchEdit_, 1);
    filters->addWidget(namedLabel("Game &type:", "demoGameTypeLabel", this, gameTypeCombo_));
    filters->addWidget(gameTypeCombo_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(statusLabel_, 1);
    for (QPushButton* button : {watchButton_, deleteButton_, refreshButton_, closeButton_})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(namedLabel("De&mos:", "demosLabel", this, demosTable_));
    layout->addWidget(demosTable_, 1);
    layout->addLayout(buttons);
}

void DemosWindow::connectControls() {
    connectGuarded(searchEdit_, &QLineEdit::textChanged, this,
                   [this] { shownDemos_->setSearch(bytes(searchEdit_->text())); });
    connectGuarded(gameTypeCombo_, &QComboBox::currentIndexChanged, this, [this] {
        const int type = gameTypeCombo_->currentData().toInt();
        shownDemos_->setGameType(type < 0 ? std::nullopt : std::optional<int>(type));
    });
    connect(demosTable_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { showChosenDemo(); });
    connect(shownDemos_, &QAbstractItemModel::modelReset, this, [this] { showChosenDemo(); });
    connect(shownDemos_, &QAbstractItemModel::layoutChanged, this, [this] { showChosenDemo(); });
    connectGuarded(demosTable_, &QTableView::activated, this, [this] { watchChosenDemo(); });
    connectGuarded(watchButton_, &QPushButton::clicked, this, [this] { watchChosenDemo(); });
    connectGuarded(deleteButton_, &QPushButton::clicked, this, [this] { deleteChosenDemo(); });
    connectGuarded(refreshButton_, &QPushButton::clicked, this, [this] { listDemos(); });
    connectGuarded(closeButton_, &QPushButton::clicked, this, [this] { close(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { close(); });
    auto* remove = new QShortcut(QKeySequence::Delete, demosTable_);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this,
            [this] { runGuarded([this] { deleteChosenDemo(); }); });
}

void DemosWindow::showDemos() {
    runGuarded([this] { listDemos(); });
    show();
    raise();
    activateWindow();
    demosTable_->setFocus();
}

void DemosWindow::listDemos() {
    demoList_->setDemos({});
    if (session_.game.paths().gameFolder.empty()) {
        statusLabel_->setText("No game is set; choose one in Options, Game.");
        return;
    }
    demoList_->setDemos(
        velkarn::listDemos(session_.game.installation(), DemoCache::filePath(session_.appDir())));
    if (shownDemos_->rowCount() > 0)
        demosTable_->setCurrentIndex(shownDemos_->index(0, 0));
    demosTable_->resizeColumnsToContents();
    showChosenDemo();
}

const DemoEntry* DemosWindow::chosenDemo() const {
    const QModelIndex current = demosTable_->currentIndex();
    if (!current.isValid())
        return nullptr;
    return &demoList_->demo(shownDemos_->mapToSource(current).row());
}

void DemosWindow::showChosenDemo() {
    const DemoEntry* demo = chosenDemo();
    watchButton_->setEnabled(demo != nullptr);
    deleteButton_->setEnabled(demo && demo->entry.empty());
    if (!demo) {
        statusLabel_->setText(QString("%L1 of %L2 demos shown")
                                  .arg(shownDemos_->rowCount())
                                  .arg(demoList_->rowCount()));
        return;
    }
    const std::string problem = demoNameProblem(demo->name);
    const std::string protocol = demoProtocolProblem(session_.game.installation(), demo->name);
    if (!problem.empty())
        statusLabel_->setText("The game cannot play this demo as its name is: rename the file.");
    else if (!protocol.empty())
        statusLabel_->setText("The game cannot play this demo: " + local(protocol) + ".");
    else if (demo->read.status != DemoReadStatus::Ok)
        statusLabel_->setText(local(printableText(demo->read.problem)));
    else
        statusLabel_->setText(local(printableText(demo->where())));
}

void DemosWindow::watchChosenDemo() {
    const DemoEntry* demo = chosenDemo();
    if (!demo)
        return;
    requireGameStarted(watchDemo(session_.game.installation(), demo->mod, demo->name));
}

void DemosWindow::deleteChosenDemo() {
    const DemoEntry* demo = chosenDemo();
    if (!demo || !demo->entry.empty())
        return;
    const std::string path = demo->path;
    if (!dialogs().askYesNo("Move the demo " + printableText(demo->name) + " to the trash?"))
        return;
    if (!moveToTrash(path))
        throw UserMessage("Cannot move " + printableText(path) + " to the trash.");
    listDemos();
}

} // namespace velkarn
