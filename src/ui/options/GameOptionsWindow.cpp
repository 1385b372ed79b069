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

TfmGameOptions::TfmGameOptions(const std::string& appDir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), appDir_(appDir) {
    setUpWindow(this, "fmGameOptions", "Game Options");

    lbExePath = new QLabel("Quake III Path", this);
    edExePath = new QLineEdit("C:\\Games\\Quake III Arena\\", this);
    edExePath->setObjectName("edExePath");
    edExePath->setMinimumWidth(320);
    lbExePath->setBuddy(edExePath);
    butChooseExePath = new QPushButton("...", this);
    butChooseExePath->setObjectName("butChooseExePath");
    butGOOK = namedButton("OK", "butGOOK", this, true);
    butGOOK->setDefault(true);
    lbMod = new QLabel("Mod", this);
    cbMod = new QComboBox(this);
    cbMod->setObjectName("cbMod");
    lbMod->setBuddy(cbMod);
    butFindMods = namedButton("Find Mods...", "butFindMods", this, true);
    butEditMod = new QPushButton("Edit Mod...", this);
    butEditMod->setObjectName("butEditMod");
    butEditMod->setEnabled(false);
    butRemoveMod = new QPushButton("Remove Mod...", this);
    butRemoveMod->setObjectName("butRemoveMod");
    butRemoveMod->setEnabled(false);
    lbModParameters = new QListWidget(this);
    lbModParameters->setObjectName("lbModParameters");
    lbModParameters->hide();
    lbCommandLine = new QLabel("Command Line", this);
    edCommandLine = new QLineEdit(this);
    edCommandLine->setObjectName("edCommandLine");
    initialPaths_ = paths();
    lbCommandLine->setBuddy(edCommandLine);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lbExePath, 0, 0);
    grid->addWidget(edExePath, 0, 1, 1, 3);
    grid->addWidget(butChooseExePath, 0, 4);
    grid->addWidget(lbMod, 1, 0);
    grid->addWidget(cbMod, 1, 1, 1, 4);
    auto* modButtons = new QHBoxLayout;
    modButtons->addWidget(butFindMods);
    modButtons->addWidget(butEditMod);
    modButtons->addWidget(butRemoveMod);
    grid->addLayout(modButtons, 2, 1, 1, 4);
    grid->addWidget(lbCommandLine, 3, 0);
    grid->addWidget(edCommandLine, 3, 1, 1, 4);
    grid->addWidget(butGOOK, 4, 4);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    edExePath->installEventFilter(this);
    connectGuarded(butChooseExePath, &QPushButton::clicked, this,
                   [this] { butChooseExePathClick(); });
    connectGuarded(butGOOK, &QPushButton::clicked, this, [this] { butGOOKClick(); });
    connectGuarded(butFindMods, &QPushButton::clicked, this, [this] { butFindModsClick(); });
    connectGuarded(butEditMod, &QPushButton::clicked, this, [this] { butEditModClick(); });
    connectGuarded(butRemoveMod, &QPushButton::clicked, this, [this] { butRemoveModClick(); });
    connectGuarded(cbMod, &QComboBox::currentIndexChanged, this, [this] { cbModChange(); });

    // A mods.txt that cannot be read is reported and the fresh list used, so the program
    // still starts.
    runGuarded([this] { mods_ = ReadModsFile(modsFile()); });
    showModList(0);
    centreOnScreen(this);
}

GamePaths TfmGameOptions::paths() const {
    return {bytes(edExePath->text()), bytes(edCommandLine->text())};
}

void TfmGameOptions::setPaths(const GamePaths& paths) {
    edExePath->setText(local(paths.gameFolder));
    edCommandLine->setText(local(paths.commandLine));
}

bool TfmGameOptions::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the field for another control validates; switching to another window or opening
    // the field's menu does not.
    if (watched == edExePath && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            runGuarded([this] { edExePathChange(); });
    }
    return QDialog::eventFilter(watched, event);
}

void TfmGameOptions::edExePathChange() {
    std::string folder = bytes(edExePath->text());
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
        edExePath->setText(local(folder));
    }
    if (folder.empty() || !findGameExecutable(folder))
        dialogs().showMessage("Quake 3 Executable not found!");
}

void TfmGameOptions::butChooseExePathClick() {
    forms().fmChooseExePath->show();
    forms().fmChooseExePath->raise();
}

void TfmGameOptions::butGOOKClick() {
    accept();
}

void TfmGameOptions::done(int result) {
    QDialog::done(result);
    const std::string pathFile = appDir_ + "path.txt";
    const GamePaths entered = paths();
    if (!fileExists(pathFile) && entered.gameFolder == initialPaths_.gameFolder &&
        entered.commandLine == initialPaths_.commandLine)
        return;
    runGuarded([&] { writePathFile(pathFile, entered); });
}

void TfmGameOptions::showModList(int index) {
    {
        const QSignalBlocker blockSelection(cbMod);
        cbMod->clear();
        lbModParameters->clear();
        for (const Mod& mod : mods_) {
            cbMod->addItem(local(mod.name));
            lbModParameters->addItem(local(mod.parameters));
        }
        cbMod->setMaxVisibleItems(std::max<int>(1, static_cast<int>(mods_.size())));
        cbMod->setCurrentIndex(index < static_cast<int>(mods_.size()) ? index : -1);
    }
    cbModChange();
}

void TfmGameOptions::writeModList() const {
    WriteModsFile(modsFile(), mods_);
}

void TfmGameOptions::butFindModsClick() {
    const int selected = cbMod->currentIndex();
    const std::string gameFolder = bytes(edExePath->text());
    try {
        // An empty field names no folder; it must not turn into the file system's root.
        if (!gameFolder.empty())
            FindMods(gameFolder, mods_);
    } catch (...) {
        // The mods found before the failure stay listed, as they stay in memory.
        showModList(selected);
        throw;
    }
    showModList(selected);
    writeModList();
}

void TfmGameOptions::butEditModClick() {
    const int index = cbMod->currentIndex();
    if (!CanEditOrRemoveMod(mods_, index))
        return;
    const Mod& mod = mods_[static_cast<std::size_t>(index)];
    TfmModEdit& editor = *forms().fmModEdit;
    editor.edEditModName->setText(local(mod.name));
    editor.edEditModParameters->setText(local(mod.parameters));
    editor.setResult(QDialog::Rejected); // a window closed by other means than OK changes nothing
    dialogs().runModal(editor);
    if (editor.accepted())
        EditMod(
            mods_, index,
            Mod{bytes(editor.edEditModName->text()), bytes(editor.edEditModParameters->text())});
    showModList(index);
    writeModList();
}

void TfmGameOptions::butRemoveModClick() {
    if (!RemoveMod(mods_, cbMod->currentIndex()))
        return;
    showModList(0);
    writeModList();
}

void TfmGameOptions::cbModChange() {
    const bool editable = CanEditOrRemoveMod(mods_, cbMod->currentIndex());
    butEditMod->setEnabled(editable);
    butRemoveMod->setEnabled(editable);
}

int TfmGameOptions::selectedModIndex() const {
    return cbMod->currentIndex();
}

std::string TfmGameOptions::selectedModParameters() const {
    return ModParameters(mods_, selectedModIndex());
}

std::string TfmGameOptions::selectedModName() const {
    const int index = selectedModIndex();
    return index >= 0 && index < static_cast<int>(mods_.size())
               ? mods_[static_cast<std::size_t>(index)].name
               : "";
}

void TfmGameOptions::selectModByName(const std::string& name) {
    cbMod->setCurrentIndex(ModIndexForName(mods_, name));
}

} // namespace velkarn
