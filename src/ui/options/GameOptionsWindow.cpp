#include "ui/options/GameOptionsWindow.h"

#include "core/platform/FileSystem.h"
#include "core/session/FirstStart.h"
#include "ui/models/InstallationListModel.h"
#include "ui/models/ListModel.h"
#include "ui/options/ModEditWindow.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

namespace velkarn {

namespace {

// A mod of the drop-down: its display name, with its start parameters as the hint.
QVariant modCell(const Mod& mod, int role) {
    if (role == Qt::DisplayRole)
        return local(mod.name);
    if (role == Qt::ToolTipRole)
        return local(mod.parameters);
    return {};
}

} // namespace

GameOptionsWindow::GameOptionsWindow(GameOptions& game, ModEditWindow& modEditor, QWidget* parent)
    : QDialog(parent), game_(game), modEditor_(modEditor),
      installationModel_(new InstallationListModel(game, this)),
      modModel_(new ListModel([&game] { return static_cast<int>(game.mods().size()); },
                              [&game](int row, int role) {
                                  return modCell(game.mods()[static_cast<std::size_t>(row)], role);
                              },
                              this)) {
    // Before the window follows the mods, so that it shows them from the list as it now is.
    connect(&game_, &GameOptions::modsChanged, modModel_, &ListModel::refresh);
    setUpWindow(this, "gameOptionsWindow", "Game Options");
    createControls();
    layOut();
    connectControls();
    showPaths();
    showChosenMod();
    installationCombo_->setFocus();
}

void GameOptionsWindow::createControls() {
    installationCombo_ = named(new QComboBox(this), "installationCombo");
    installationCombo_->setModel(installationModel_);
    startCommandLabel_ = named(new QLabel(this), "startCommandLabel");
    homeFolderLabel_ = named(new QLabel(this), "homeFolderLabel");
    for (QLabel* detail : {startCommandLabel_, homeFolderLabel_})
        detail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    gameFolderEdit_ = named(new QLineEdit(this), "gameFolderEdit");
    gameFolderEdit_->setMinimumWidth(320);
    chooseGameFolderButton_ = namedButton("...", "chooseGameFolderButton", this);
    chooseGameFolderButton_->setToolTip("Choose the game folder");
    chooseGameFolderButton_->setAccessibleName("Choose the game folder");
    modCombo_ =
        spoken(named(new QComboBox(this), "modCombo"), "Mod", "The mod the game starts with");
    modCombo_->setModel(modModel_);
    findModsButton_ = namedButton("&Find Mods...", "findModsButton", this, true);
    editModButton_ = namedButton("&Edit Mod...", "editModButton", this);
    removeModButton_ = namedButton("&Remove Mod...", "removeModButton", this);
    commandLineEdit_ = named(new QLineEdit(this), "commandLineEdit");
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = named(buttons_->button(QDialogButtonBox::Ok), "okButton");
    makeBold(ok);
    ok->setDefault(true);
}

void GameOptionsWindow::layOut() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(namedLabel("&Game", "installationLabel", this, installationCombo_), 0, 0);
    grid->addWidget(installationCombo_, 0, 1, 1, 2);
    grid->addWidget(namedLabel("Game fol&der", "gameFolderLabel", this, gameFolderEdit_), 1, 0);
    grid->addWidget(gameFolderEdit_, 1, 1);
    grid->addWidget(chooseGameFolderButton_, 1, 2);
    grid->addWidget(startCommandLabel_, 2, 1, 1, 2);
    grid->addWidget(homeFolderLabel_, 3, 1, 1, 2);
    grid->addWidget(namedLabel("&Mod", "modLabel", this, modCombo_), 4, 0);
    grid->addWidget(modCombo_, 4, 1, 1, 2);
    auto* modButtons = new QHBoxLayout;
    modButtons->addWidget(findModsButton_);
    modButtons->addWidget(editModButton_);
    modButtons->addWidget(removeModButton_);
    modButtons->addStretch();
    grid->addLayout(modButtons, 5, 1, 1, 2);
    grid->addWidget(namedLabel("&Command Line", "commandLineLabel", this, commandLineEdit_), 6, 0);
    grid->addWidget(commandLineEdit_, 6, 1, 1, 2);
    grid->addWidget(buttons_, 7, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    rememberPlacementGrowingInWidth(this, 560);
}

void GameOptionsWindow::connectControls() {
    gameFolderEdit_->installEventFilter(this);
    connect(gameFolderEdit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { game_.setGameFolder(bytes(text)); });
    connect(commandLineEdit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { game_.setCommandLine(bytes(text)); });
    connect(&game_, &GameOptions::pathsChanged, this, [this] { showPaths(); });
    connect(&game_, &GameOptions::modsChanged, this, [this] { showChosenMod(); });
    connect(&game_, &GameOptions::modChosen, this, [this] { showChosenMod(); });
    connectGuarded(chooseGameFolderButton_, &QPushButton::clicked, this,
                   [this] { chooseGameFolder(); });
    connect(installationCombo_, &QComboBox::activated, this,
            [this](int row) { runGuarded([this, row] { chooseInstallation(row); }); });
    connect(modCombo_, &QComboBox::activated, this,
            [this](int row) { runGuarded([this, row] { game_.chooseMod(row); }); });
    connectGuarded(findModsButton_, &QPushButton::clicked, this, [this] { game_.findMods(); });
    connectGuarded(editModButton_, &QPushButton::clicked, this, [this] { editSelectedMod(); });
    connectGuarded(removeModButton_, &QPushButton::clicked, this, [this] { removeSelectedMod(); });
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

bool GameOptionsWindow::useInstallationFound() {
    if (!chooseFirstStartInstallation(game_))
        return false;
    runGuarded([this] { game_.writePaths(); });
    return true;
}

void GameOptionsWindow::askForGameFolder() {
    dialogs().showMessage("Please set Quake III Arena executable path...");
    findModsButton_->setEnabled(false);
    dialogs().runModal(*this);
    findModsButton_->setEnabled(true);
}

void GameOptionsWindow::done(int result) {
    QDialog::done(result);
    runGuarded([this, result] { game_.writePathsOnLeaving(result == QDialog::Accepted); });
}

// Only texts that differ are set, so typing keeps its cursor.
void GameOptionsWindow::showPaths() {
    const GamePaths& paths = game_.paths();
    if (bytes(gameFolderEdit_->text()) != paths.gameFolder)
        gameFolderEdit_->setText(local(paths.gameFolder));
    if (bytes(commandLineEdit_->text()) != paths.commandLine)
        commandLineEdit_->setText(local(paths.commandLine));
    installationCombo_->setCurrentIndex(installationModel_->chosenRow());
    showInstallationDetails();
}

// What will start and where the game keeps the user's files, or why nothing can start.
void GameOptionsWindow::showInstallationDetails() {
    try {
        const Installation installation = game_.installation();
        const std::string command = installation.commandText();
        startCommandLabel_->setText(local(
            "Starts with: " + (command.empty() ? std::string("(no engine found)") : command)));
        homeFolderLabel_->setText(installation.homeFolder.empty()
                                      ? QString()
                                      : local("Home folder: " + installation.homeFolder));
    } catch (const std::exception& error) {
        startCommandLabel_->setText(local(error.what()));
        homeFolderLabel_->clear();
    }
}

void GameOptionsWindow::showChosenMod() {
    modCombo_->setMaxVisibleItems(std::max(1, modModel_->rowCount()));
    modCombo_->setCurrentIndex(game_.modIndex());
    updateModButtons();
}

bool GameOptionsWindow::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the field for another control checks it; switching to another window, opening the
    // field's menu or leaving the window does not.
    if (watched == gameFolderEdit_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            runGuarded([this] { checkTypedGameFolder(); });
    }
    return QDialog::eventFilter(watched, event);
}

void GameOptionsWindow::checkTypedGameFolder() {
    if (!game_.paths().installation.empty())
        return; // an installation found, not a folder typed
    const std::string& typed = game_.paths().gameFolder;
    if (!typed.empty())
        game_.setGameFolder(withTrailingSlash(typed));
    warnWithoutEngine(requireGameFolder(game_.paths().gameFolder, game_.layout()));
}

void GameOptionsWindow::chooseGameFolder() {
    const auto folder = dialogs().askFolder("Game folder", game_.paths().gameFolder);
    if (!folder)
        return;
    const Installation chosen = requireGameFolder(*folder, game_.layout());
    game_.setGameFolder(chosen.baseFolder);
    warnWithoutEngine(chosen);
}

void GameOptionsWindow::chooseInstallation(int row) {
    if (const Installation* installation = installationModel_->installationAt(row))
        game_.chooseInstallation(*installation);
    else
        showPaths(); // the folder's row: the folder stays the game
}

void GameOptionsWindow::warnWithoutEngine(const Installation& folder) {
    if (folder.startCommand.empty())
        dialogs().showMessage("Quake 3 Executable not found!");
}

void GameOptionsWindow::editSelectedMod() {
    const int index = game_.modIndex();
    if (!canEditOrRemoveMod(game_.mods(), index))
        return;
    // mods.txt is rewritten either way.
    if (const auto edited = modEditor_.edit(game_.mods()[static_cast<std::size_t>(index)]))
        game_.editMod(index, *edited);
    else
        game_.writeMods();
}

void GameOptionsWindow::removeSelectedMod() {
    game_.removeMod(game_.modIndex());
}

void GameOptionsWindow::updateModButtons() {
    const bool editable = canEditOrRemoveMod(game_.mods(), game_.modIndex());
    editModButton_->setEnabled(editable);
    removeModButton_->setEnabled(editable);
}

} // namespace velkarn
