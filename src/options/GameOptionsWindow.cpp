#include "options/GameOptionsWindow.h"

#include "app/Forms.h"
#include "components/WindowPlacement.h"
#include "options/ChooseExePathWindow.h"
#include "platform/Dialogs.h"
#include "platform/GameExecutable.h"
#include "platform/Guard.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>

namespace velkarn {

namespace {

QString local(const std::string& text) {
    return QString::fromLocal8Bit(text);
}
std::string bytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

QPushButton* boldButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    makeBold(button);
    return button;
}

} // namespace

TfmGameOptions::TfmGameOptions(const std::string& appDir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), appDir_(appDir) {
    setObjectName("fmGameOptions");
    setWindowTitle("Game Options");
    setAttribute(Qt::WA_QuitOnClose, false);

    lbExePath = new QLabel("Quake III Path", this);
    edExePath = new QLineEdit("C:\\Games\\Quake III Arena\\", this);
    edExePath->setObjectName("edExePath");
    edExePath->setMinimumWidth(320);
    lbExePath->setBuddy(edExePath);
    butChooseExePath = new QPushButton("...", this);
    butChooseExePath->setObjectName("butChooseExePath");
    butGOOK = boldButton("OK", "butGOOK", this);
    butGOOK->setDefault(true);
    lbMod = new QLabel("Mod", this);
    cbMod = new QComboBox(this);
    cbMod->setObjectName("cbMod");
    lbMod->setBuddy(cbMod);
    butFindMods = boldButton("Find Mods...", "butFindMods", this);
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
    if (watched == edExePath && event->type() == QEvent::FocusOut)
        runGuarded([this] { edExePathChange(); });
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
    hide();
    writePathFile(appDir_ + "path.txt", paths());
}

} // namespace velkarn
