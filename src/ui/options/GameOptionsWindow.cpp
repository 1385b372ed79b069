#include "ui/options/GameOptionsWindow.h"

#include "ui/widgets/Dialogs.h"
#include "core/platform/FileSystem.h"
#include "core/platform/GameExecutable.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <algorithm>

namespace velkarn {

GameOptionsWindow::GameOptionsWindow(GameOptions& game, ModEditWindow& modEditor, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), game_(game),
      modEditor_(modEditor), installations_(findInstallations(game.layout())) {
    setUpWindow(this, "gameOptionsWindow", "Game Options");
    createControls();
    layOut();
    showPaths();
    showMods();
    initialPaths_ = game.paths();

    gameFolderEdit->installEventFilter(this);
    connect(gameFolderEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { game_.setGameFolder(bytes(text)); });
    connect(commandLineEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { game_.setCommandLine(bytes(text)); });
    connect(&game, &GameOptions::pathsChanged, this, [this] { showPaths(); });
    connect(&game, &GameOptions::modsChanged, this, [this] { showMods(); });
    connectGuarded(chooseGameFolderButton, &QPushButton::clicked, this,
                   [this] { chooseGameFolder(); });
    connectGuarded(installationCombo, &QComboBox::activated, this, [this] {
        const int item = installationCombo->currentIndex();
        if (item >= 0 && item < static_cast<int>(installations_.size()))
            game_.chooseInstallation(installations_[static_cast<std::size_t>(item)]);
    });
    connectGuarded(okButton, &QPushButton::clicked, this, [this] { accept(); });
    connectGuarded(findModsButton, &QPushButton::clicked, this, [this] { searchForMods(); });
    connectGuarded(editModButton, &QPushButton::clicked, this, [this] { editSelectedMod(); });
    connectGuarded(removeModButton, &QPushButton::clicked, this, [this] { removeSelectedMod(); });
    connectGuarded(modCombo, &QComboBox::currentIndexChanged, this, [this] {
        game_.chooseMod(modCombo->currentIndex());
        updateModButtons();
    });
    centreOnScreen(this);
}

void GameOptionsWindow::createControls() {
    installationLabel = new QLabel("Game", this);
    installationCombo = named(new QComboBox(this), "installationCombo");
    installationLabel->setBuddy(installationCombo);
    startCommandLabel = named(new QLabel(this), "startCommandLabel");
    homeFolderLabel = named(new QLabel(this), "homeFolderLabel");
    for (QLabel* detail : {startCommandLabel, homeFolderLabel})
        detail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    gameFolderLabel = new QLabel("Quake III Path", this);
    gameFolderEdit = named(new QLineEdit(this), "gameFolderEdit");
    gameFolderEdit->setMinimumWidth(320);
    gameFolderLabel->setBuddy(gameFolderEdit);
    chooseGameFolderButton = named(new QPushButton("...", this), "chooseGameFolderButton");
    okButton = namedButton("OK", "okButton", this, true);
    okButton->setDefault(true);
    modLabel = new QLabel("Mod", this);
    modCombo = named(new QComboBox(this), "modCombo");
    modLabel->setBuddy(modCombo);
    findModsButton = namedButton("Find Mods...", "findModsButton", this, true);
    editModButton = named(new QPushButton("Edit Mod...", this), "editModButton");
    editModButton->setEnabled(false);
    removeModButton = named(new QPushButton("Remove Mod...", this), "removeModButton");
    removeModButton->setEnabled(false);
    modParametersList = named(new QListWidget(this), "modParametersList");
    modParametersList->hide();
    commandLineLabel = new QLabel("Command Line", this);
    commandLineEdit = named(new QLineEdit(this), "commandLineEdit");
    commandLineLabel->setBuddy(commandLineEdit);
}

void GameOptionsWindow::layOut() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(installationLabel, 0, 0);
    grid->addWidget(installationCombo, 0, 1, 1, 4);
    auto* paths = new QGridLayout;
    paths->addWidget(gameFolderLabel, 0, 0);
    paths->addWidget(gameFolderEdit, 0, 1);
    paths->addWidget(chooseGameFolderButton, 0, 2);
    paths->addWidget(startCommandLabel, 1, 1, 1, 2);
    paths->addWidget(homeFolderLabel, 2, 1, 1, 2);
    grid->addLayout(paths, 1, 0, 1, 5);
    grid->addWidget(modLabel, 2, 0);
    grid->addWidget(modCombo, 2, 1, 1, 4);
    auto* modButtons = new QHBoxLayout;
    modButtons->addWidget(findModsButton);
    modButtons->addWidget(editModButton);
    modButtons->addWidget(removeModButton);
    grid->addLayout(modButtons, 3, 1, 1, 4);
    grid->addWidget(commandLineLabel, 4, 0);
    grid->addWidget(commandLineEdit, 4, 1, 1, 4);
    grid->addWidget(okButton, 5, 4);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

// Only texts that differ are set, so typing keeps its cursor.
void GameOptionsWindow::showPaths() {
    const GamePaths& paths = game_.paths();
    if (bytes(gameFolderEdit->text()) != paths.gameFolder)
        gameFolderEdit->setText(local(paths.gameFolder));
    if (bytes(commandLineEdit->text()) != paths.commandLine)
        commandLineEdit->setText(local(paths.commandLine));
    showInstallations();
}

void GameOptionsWindow::showInstallations() {
    const std::string chosen = game_.paths().installation;
    const QSignalBlocker quiet(installationCombo);
    installationCombo->clear();
    for (const auto& installation : installations_)
        installationCombo->addItem(local(installation.label));
    int item = -1;
    for (std::size_t i = 0; i < installations_.size(); ++i)
        if (!chosen.empty() && installations_[i].id() == chosen)
            item = static_cast<int>(i);
    if (item < 0 && !game_.paths().gameFolder.empty()) {
        installationCombo->addItem("Game folder");
        item = installationCombo->count() - 1;
    }
    installationCombo->setCurrentIndex(item);
    // What will start and where the game keeps the user's files, or why nothing can start.
    try {
        const Installation installation = game_.installation();
        const std::string command = installation.commandText();
        startCommandLabel->setText(local(
            "Starts with: " + (command.empty() ? std::string("(no engine found)") : command)));
        homeFolderLabel->setText(local("Home folder: " + installation.homeFolder));
    } catch (const std::exception& error) {
        startCommandLabel->setText(local(error.what()));
        homeFolderLabel->clear();
    }
}

bool GameOptionsWindow::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the field for another control validates; switching to another window or opening
    // the field's menu does not.
    if (watched == gameFolderEdit && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            runGuarded([this] { checkGameFolder(); });
    }
    return QDialog::eventFilter(watched, event);
}

void GameOptionsWindow::checkGameFolder() {
    if (!game_.paths().installation.empty())
        return; // an installation found, not a folder typed
    std::string folder = game_.paths().gameFolder;
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
        game_.setGameFolder(folder);
    }
    if (folder.empty() || !findGameExecutable(folder))
        dialogs().showMessage("Quake 3 Executable not found!");
}

void GameOptionsWindow::chooseGameFolder() {
    const auto folder = dialogs().askFolder("Game folder", game_.paths().gameFolder);
    if (!folder)
        return;
    requireGameFolder(*folder);
    game_.setGameFolder(withTrailingSlash(*folder));
}

void GameOptionsWindow::askForGameFolder() {
    if (!installations_.empty())
        game_.chooseInstallation(installations_.front());
    initialPaths_ = game_.paths();
    findModsButton->setEnabled(false);
    dialogs().runModal(*this);
    findModsButton->setEnabled(true);
}

void GameOptionsWindow::done(int result) {
    QDialog::done(result);
    const GamePaths& entered = game_.paths();
    if (result != QDialog::Accepted && !fileExists(game_.pathFile()) &&
        entered.gameFolder == initialPaths_.gameFolder &&
        entered.commandLine == initialPaths_.commandLine &&
        entered.installation == initialPaths_.installation)
        return;
    runGuarded([this] { game_.writePaths(); });
}

void GameOptionsWindow::showMods() {
    const std::vector<Mod>& mods = game_.mods();
    {
        const QSignalBlocker blockSelection(modCombo);
        modCombo->clear();
        modParametersList->clear();
        for (const Mod& mod : mods) {
            modCombo->addItem(local(mod.name));
            modParametersList->addItem(local(mod.parameters));
        }
        modCombo->setMaxVisibleItems(std::max<int>(1, static_cast<int>(mods.size())));
        modCombo->setCurrentIndex(game_.modIndex());
    }
    updateModButtons();
}

void GameOptionsWindow::searchForMods() {
    game_.findMods();
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
    editModButton->setEnabled(editable);
    removeModButton->setEnabled(editable);
}

} // namespace velkarn
