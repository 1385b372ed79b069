#pragma once

#include "core/session/Session.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace velkarn {

class DemoFilterModel;
class DemoListModel;
struct DemoEntry;

// "Demos": every demo the game can play, newest first, with what each tells of its match;
// searched and filtered, watched in the game, and moved to the trash after asking. The window
// keeps its size and place between runs.
class DemosWindow : public QWidget {
    Q_OBJECT
public:
    explicit DemosWindow(Session& session, QWidget* parent = nullptr);

    // Lists the demos again and shows the window in front.
    void showDemos();

private:
    void createControls();
    void layOut();
    void connectControls();
    void listDemos();
    // The demo of the current row; none when no row is chosen.
    const DemoEntry* chosenDemo() const;
    void showChosenDemo();
    void watchChosenDemo();
    void deleteChosenDemo();

    Session& session_;
    DemoListModel* demoList_;
    DemoFilterModel* shownDemos_;

    QLineEdit* searchEdit_;
    QComboBox* gameTypeCombo_;
    QTableView* demosTable_;
    QLabel* statusLabel_;
    QPushButton* watchButton_;
    QPushButton* deleteButton_;
    QPushButton* refreshButton_;
    QPushButton* closeButton_;
};

} // namespace velkarn
