#pragma once

#include <QComboBox>
#include <QDialog>
#include <QFileSystemModel>
#include <QPushButton>
#include <QTreeView>

namespace velkarn {

// "Choose Quake III Arena Directory...": a storage-root selector over a folder tree.
class TfmChooseExePath : public QDialog {
    Q_OBJECT
public:
    explicit TfmChooseExePath(QWidget* parent = nullptr);

    QComboBox* dcbDrive;         // storage roots
    QTreeView* dlbChooseExePath; // folders of the chosen root
    QPushButton* butExePathOK;
    QPushButton* butExePathCancel;

    // The folder picked in the tree (a full path), or empty.
    QString selectedFolder() const;
    void selectFolder(const QString& folder);

    void dcbDriveChange();
    // Hides the chooser, puts the picked folder into the game path and validates it.
    void butExePathOKClick();
    void butExePathCancelClick();

private:
    QFileSystemModel* folders_;
};

} // namespace velkarn
