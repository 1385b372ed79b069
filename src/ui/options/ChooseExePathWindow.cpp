#include "ui/options/ChooseExePathWindow.h"

#include "ui/main/Forms.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/WindowPlacement.h"

#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QStorageInfo>

namespace velkarn {

TfmChooseExePath::TfmChooseExePath(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setUpWindow(this, "fmChooseExePath", "Choose Quake III Arena Directory...");

    dcbDrive = new QComboBox(this);
    dcbDrive->setObjectName("dcbDrive");
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            dcbDrive->addItem(volume.rootPath());
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QDir::rootPath());
    dlbChooseExePath = new QTreeView(this);
    dlbChooseExePath->setObjectName("dlbChooseExePath");
    dlbChooseExePath->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column)
        dlbChooseExePath->hideColumn(column);
    dlbChooseExePath->header()->hide();
    dlbChooseExePath->setMinimumSize(360, 320);
    butExePathOK = new QPushButton("OK", this);
    butExePathOK->setObjectName("butExePathOK");
    makeBold(butExePathOK);
    butExePathOK->setDefault(true);
    butExePathCancel = new QPushButton("Cancel", this);
    butExePathCancel->setObjectName("butExePathCancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(dcbDrive, 0, 0, 1, 2);
    grid->addWidget(dlbChooseExePath, 1, 0, 1, 2);
    grid->addWidget(butExePathOK, 2, 0);
    grid->addWidget(butExePathCancel, 2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    // The tree starts in the process's current folder, under the root that holds it.
    const QString start = QDir::currentPath();
    for (int i = dcbDrive->count() - 1; i >= 0; --i)
        if (start.startsWith(dcbDrive->itemText(i))) {
            dcbDrive->setCurrentIndex(i);
            break;
        }
    dcbDriveChange();
    selectFolder(start);

    connectGuarded(dcbDrive, &QComboBox::currentIndexChanged, this, [this] { dcbDriveChange(); });
    connectGuarded(butExePathOK, &QPushButton::clicked, this, [this] { butExePathOKClick(); });
    connectGuarded(butExePathCancel, &QPushButton::clicked, this,
                   [this] { butExePathCancelClick(); });
}

QString TfmChooseExePath::selectedFolder() const {
    const QModelIndex current = dlbChooseExePath->currentIndex();
    return current.isValid() ? folders_->filePath(current) : QString();
}

void TfmChooseExePath::selectFolder(const QString& folder) {
    const QModelIndex index = folders_->index(folder);
    if (!index.isValid())
        return;
    dlbChooseExePath->setCurrentIndex(index);
    dlbChooseExePath->scrollTo(index);
}

void TfmChooseExePath::dcbDriveChange() {
    const QString root =
        dcbDrive->currentText().isEmpty() ? QDir::rootPath() : dcbDrive->currentText();
    dlbChooseExePath->setRootIndex(folders_->index(root));
}

void TfmChooseExePath::butExePathOKClick() {
    hide();
    const QString folder = selectedFolder();
    if (folder.isEmpty())
        return;
    TfmGameOptions* options = forms().fmGameOptions;
    options->edExePath->setText(folder);
    options->edExePathChange();
}

void TfmChooseExePath::butExePathCancelClick() {
    hide();
}

} // namespace velkarn
