#include "ui/options/GameOptionsWindow.h"

#include "core/platform/Dialogs.h"
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

GameOptionsWindow::GameOptionsWindow(GameOptions& game, ChooseExePathWindow& folderChooser,
                                     ModEditWindow& modEditor, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), game_(game),
      folderChooser_(folderChooser), modEditor_(modEditor) {
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
    connect(&folderChooser, &ChooseExePathWindow::folderChosen, this,
            [this](const QString& folder) {
                game_.setGameFolder(bytes(folder));
                runGuarded([this] { checkGameFolder(); });
            });
    connectGuarded(chooseGameFolderButton, &QPushButton::clicked, this,
                   [this] { showFolderChooser(); });
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
    grid->addWidget(gameFolderLabel, 0, 0);
    grid->addWidget(gameFolderEdit, 0, 1, 1, 3);
    grid->addWidget(chooseGameFolderButton, 0, 4);
    grid->addWidget(modLabel, 1, 0);
    grid->addWidget(modCombo, 1, 1, 1, 4);
    auto* modButtons = new QHBoxLayout;
    modButtons->addWidget(findModsButton);
    modButtons->addWidget(editModButton);
    modButtons->addWidget(removeModButton);
    grid->addLayout(modButtons, 2, 1, 1, 4);
    grid->addWidget(commandLineLabel, 3, 0);
    grid->addWidget(commandLineEdit, 3, 1, 1, 4);
    grid->addWidget(okButton, 4, 4);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

// Only texts that differ are set, so typing keeps its cursor.
void GameOptionsWindow::showPaths() {
    const GamePaths& paths = game_.paths();
    if (bytes(gameFolderEdit->text()) != paths.gameFolder)
        gameFolderEdit->setText(local(paths.gameFolder));
    if (bytes(commandLineEdit->text()) != paths.commandLine)
        commandLineEdit->setText(local(paths.commandLine));
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
    std::string folder = game_.paths().gameFolder;
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
        game_.setGameFolder(folder);
    }
    if (folder.empty() || !findGameExecutable(folder))
        dialogs().showMessage("Quake 3 Executable not found!");
}

void GameOptionsWindow::showFolderChooser() {
    folderChooser_.show();
    folderChooser_.raise();
}

void GameOptionsWindow::askForGameFolder() {
    findModsButton->setEnabled(false);
    dialogs().runModal(*this);
    findModsButton->setEnabled(true);
}

void GameOptionsWindow::done(int result) {
    QDialog::done(result);
    const GamePaths& entered = game_.paths();
    if (!fileExists(game_.pathFile()) && entered.gameFolder == initialPaths_.gameFolder &&
        entered.commandLine == initialPaths_.commandLine)
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
