#include "ui/options/GameOptionsWindow.h"

#include "core/platform/Dialogs.h"
#include "core/platform/FileSystem.h"
#include "core/platform/GameExecutable.h"
#include "ui/main/Forms.h"
#include "ui/options/ChooseExePathWindow.h"
#include "ui/options/ModEditWindow.h"
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

GameOptionsWindow::GameOptionsWindow(const std::string& appDir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), appDir_(appDir) {
    setUpWindow(this, "gameOptionsWindow", "Game Options");

    gameFolderLabel = new QLabel("Quake III Path", this);
    gameFolderEdit = new QLineEdit("C:\\Games\\Quake III Arena\\", this);
    gameFolderEdit->setObjectName("gameFolderEdit");
    gameFolderEdit->setMinimumWidth(320);
    gameFolderLabel->setBuddy(gameFolderEdit);
    chooseGameFolderButton = new QPushButton("...", this);
    chooseGameFolderButton->setObjectName("chooseGameFolderButton");
    okButton = namedButton("OK", "okButton", this, true);
    okButton->setDefault(true);
    modLabel = new QLabel("Mod", this);
    modCombo = new QComboBox(this);
    modCombo->setObjectName("modCombo");
    modLabel->setBuddy(modCombo);
    findModsButton = namedButton("Find Mods...", "findModsButton", this, true);
    editModButton = new QPushButton("Edit Mod...", this);
    editModButton->setObjectName("editModButton");
    editModButton->setEnabled(false);
    removeModButton = new QPushButton("Remove Mod...", this);
    removeModButton->setObjectName("removeModButton");
    removeModButton->setEnabled(false);
    modParametersList = new QListWidget(this);
    modParametersList->setObjectName("modParametersList");
    modParametersList->hide();
    commandLineLabel = new QLabel("Command Line", this);
    commandLineEdit = new QLineEdit(this);
    commandLineEdit->setObjectName("commandLineEdit");
    initialPaths_ = paths();
    commandLineLabel->setBuddy(commandLineEdit);

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

    gameFolderEdit->installEventFilter(this);
    connectGuarded(chooseGameFolderButton, &QPushButton::clicked, this,
                   [this] { showFolderChooser(); });
    connectGuarded(okButton, &QPushButton::clicked, this, [this] { savePathsAndClose(); });
    connectGuarded(findModsButton, &QPushButton::clicked, this, [this] { searchForMods(); });
    connectGuarded(editModButton, &QPushButton::clicked, this, [this] { editSelectedMod(); });
    connectGuarded(removeModButton, &QPushButton::clicked, this, [this] { removeSelectedMod(); });
    connectGuarded(modCombo, &QComboBox::currentIndexChanged, this, [this] { updateModButtons(); });

    // A mods.txt that cannot be read is reported and the fresh list used, so the program
    // still starts.
    runGuarded([this] { mods_ = readModsFile(modsFile()); });
    showModList(0);
    centreOnScreen(this);
}

GamePaths GameOptionsWindow::paths() const {
    return {bytes(gameFolderEdit->text()), bytes(commandLineEdit->text())};
}

void GameOptionsWindow::setPaths(const GamePaths& paths) {
    gameFolderEdit->setText(local(paths.gameFolder));
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
    std::string folder = bytes(gameFolderEdit->text());
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
        gameFolderEdit->setText(local(folder));
    }
    if (folder.empty() || !findGameExecutable(folder))
        dialogs().showMessage("Quake 3 Executable not found!");
}

void GameOptionsWindow::showFolderChooser() {
    forms().chooseExePathWindow->show();
    forms().chooseExePathWindow->raise();
}

void GameOptionsWindow::savePathsAndClose() {
    accept();
}

void GameOptionsWindow::done(int result) {
    QDialog::done(result);
    const std::string pathFile = appDir_ + "path.txt";
    const GamePaths entered = paths();
    if (!fileExists(pathFile) && entered.gameFolder == initialPaths_.gameFolder &&
        entered.commandLine == initialPaths_.commandLine)
        return;
    runGuarded([&] { writePathFile(pathFile, entered); });
}

void GameOptionsWindow::showModList(int index) {
    {
        const QSignalBlocker blockSelection(modCombo);
        modCombo->clear();
        modParametersList->clear();
        for (const Mod& mod : mods_) {
            modCombo->addItem(local(mod.name));
            modParametersList->addItem(local(mod.parameters));
        }
        modCombo->setMaxVisibleItems(std::max<int>(1, static_cast<int>(mods_.size())));
        modCombo->setCurrentIndex(index < static_cast<int>(mods_.size()) ? index : -1);
    }
    updateModButtons();
}

void GameOptionsWindow::writeModList() const {
    writeModsFile(modsFile(), mods_);
}

void GameOptionsWindow::searchForMods() {
    const int selected = modCombo->currentIndex();
    const std::string gameFolder = bytes(gameFolderEdit->text());
    try {
        // An empty field names no folder; it must not turn into the file system's root.
        if (!gameFolder.empty())
            appendModFolders(gameFolder, mods_);
    } catch (...) {
        // The mods found before the failure stay listed, as they stay in memory.
        showModList(selected);
        throw;
    }
    showModList(selected);
    writeModList();
}

void GameOptionsWindow::editSelectedMod() {
    const int index = modCombo->currentIndex();
    if (!canEditOrRemoveMod(mods_, index))
        return;
    const Mod& mod = mods_[static_cast<std::size_t>(index)];
    ModEditWindow& editor = *forms().modEditWindow;
    editor.modNameEdit->setText(local(mod.name));
    editor.modParametersEdit->setText(local(mod.parameters));
    editor.setResult(QDialog::Rejected); // a window closed by other means than OK changes nothing
    dialogs().runModal(editor);
    if (editor.accepted())
        replaceModAt(
            mods_, index,
            Mod{bytes(editor.modNameEdit->text()), bytes(editor.modParametersEdit->text())});
    showModList(index);
    writeModList();
}

void GameOptionsWindow::removeSelectedMod() {
    if (!removeModAt(mods_, modCombo->currentIndex()))
        return;
    showModList(0);
    writeModList();
}

void GameOptionsWindow::updateModButtons() {
    const bool editable = canEditOrRemoveMod(mods_, modCombo->currentIndex());
    editModButton->setEnabled(editable);
    removeModButton->setEnabled(editable);
}

int GameOptionsWindow::selectedModIndex() const {
    return modCombo->currentIndex();
}

std::string GameOptionsWindow::selectedModParameters() const {
    return modStartParameters(mods_, selectedModIndex());
}

std::string GameOptionsWindow::selectedModName() const {
    const int index = selectedModIndex();
    return index >= 0 && index < static_cast<int>(mods_.size())
               ? mods_[static_cast<std::size_t>(index)].name
               : "";
}

void GameOptionsWindow::selectModByName(const std::string& name) {
    modCombo->setCurrentIndex(modIndexForName(mods_, name));
}

} // namespace velkarn
