#include "ui/options/ChooseExePathWindow.h"

#include "ui/widgets/Guard.h"
#include "ui/widgets/WindowPlacement.h"

#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QStorageInfo>

namespace velkarn {

ChooseExePathWindow::ChooseExePathWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setUpWindow(this, "chooseExePathWindow", "Choose Quake III Arena Directory...");

    storageRootCombo = new QComboBox(this);
    storageRootCombo->setObjectName("storageRootCombo");
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            storageRootCombo->addItem(volume.rootPath());
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QDir::rootPath());
    folderTree = new QTreeView(this);
    folderTree->setObjectName("folderTree");
    folderTree->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column)
        folderTree->hideColumn(column);
    folderTree->header()->hide();
    folderTree->setMinimumSize(360, 320);
    okButton = new QPushButton("OK", this);
    okButton->setObjectName("okButton");
    makeBold(okButton);
    okButton->setDefault(true);
    cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName("cancelButton");

    auto* grid = new QGridLayout(this);
    grid->addWidget(storageRootCombo, 0, 0, 1, 2);
    grid->addWidget(folderTree, 1, 0, 1, 2);
    grid->addWidget(okButton, 2, 0);
    grid->addWidget(cancelButton, 2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    // The tree starts in the process's current folder, under the root that holds it.
    const QString start = QDir::currentPath();
    for (int i = storageRootCombo->count() - 1; i >= 0; --i)
        if (start.startsWith(storageRootCombo->itemText(i))) {
            storageRootCombo->setCurrentIndex(i);
            break;
        }
    showChosenRoot();
    selectFolder(start);

    connectGuarded(storageRootCombo, &QComboBox::currentIndexChanged, this,
                   [this] { showChosenRoot(); });
    connectGuarded(okButton, &QPushButton::clicked, this, [this] { useChosenFolder(); });
    connectGuarded(cancelButton, &QPushButton::clicked, this, [this] { cancelChoice(); });
}

QString ChooseExePathWindow::selectedFolder() const {
    const QModelIndex current = folderTree->currentIndex();
    return current.isValid() ? folders_->filePath(current) : QString();
}

void ChooseExePathWindow::selectFolder(const QString& folder) {
    const QModelIndex index = folders_->index(folder);
    if (!index.isValid())
        return;
    folderTree->setCurrentIndex(index);
    folderTree->scrollTo(index);
}

void ChooseExePathWindow::showChosenRoot() {
    const QString root = storageRootCombo->currentText().isEmpty()
                             ? QDir::rootPath()
                             : storageRootCombo->currentText();
    folderTree->setRootIndex(folders_->index(root));
}

void ChooseExePathWindow::useChosenFolder() {
    hide();
    const QString folder = selectedFolder();
    if (folder.isEmpty())
        return;
    emit folderChosen(folder);
}

void ChooseExePathWindow::cancelChoice() {
    hide();
}

} // namespace velkarn
