#pragma once

#include <QComboBox>
#include <QDialog>
#include <QFileSystemModel>
#include <QPushButton>
#include <QTreeView>

namespace velkarn {

// "Choose Quake III Arena Directory...": a storage-root selector over a folder tree.
class ChooseExePathWindow : public QDialog {
    Q_OBJECT
public:
    explicit ChooseExePathWindow(QWidget* parent = nullptr);

    QComboBox* storageRootCombo; // storage roots
    QTreeView* folderTree;       // folders of the chosen root
    QPushButton* okButton;
    QPushButton* cancelButton;

    // The folder picked in the tree (a full path), or empty.
    QString selectedFolder() const;
    void selectFolder(const QString& folder);

    void showChosenRoot();
    // Hides the chooser and tells of the picked folder, if any.
    void useChosenFolder();
    void cancelChoice();

signals:
    void folderChosen(const QString& folder);

private:
    QFileSystemModel* folders_;
};

} // namespace velkarn
