#pragma once

#include "core/session/Session.h"

#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <string>
#include <vector>

namespace velkarn {

class AdaptiveBotsBox;
class RandomSeriesGroup;
class TextListModel;

// The Simple page: the pre-defined setups with the info lines of the one read, or the
// one-sentence random series with its adapting bots.
class SimplePage : public QWidget {
    Q_OBJECT
public:
    explicit SimplePage(Session& session, QWidget* parent = nullptr);

    // Shows the pre-defined setups (true) or the new random series (false).
    void showPreDefined(bool preDefined);
    // The setups in the configs folder changed (one was saved).
    void setupsChanged();
    // The info lines of the setup just read.
    void showSetupInfo(const std::vector<std::string>& lines);

signals:
    // A pre-defined setup was chosen: its file name in the configs folder.
    void setupChosen(const std::string& fileName);
    void playRequested();
    void scriptRequested();
    // A random series was built and is to be played.
    void randomSeriesBuilt();
    void backRequested();

protected:
    // Enter on the setups reads the current one, and goes on to the page (Play).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls(Session& session);
    void chooseSetup(const QModelIndex& index);
    void layOut();

    TextListModel* setups_;
    QGroupBox* preDefinedGroup_;
    QListView* preDefinedSetupList_;
    QLabel* noSetupsHintLabel_;
    QPushButton* setupScriptButton_;
    QPushButton* playSetupButton_;
    QLabel* setupInfoLabel_;
    QPlainTextEdit* setupInfoText_;
    RandomSeriesGroup* newSetupGroup_;
    AdaptiveBotsBox* adaptiveBotsBox_;
    QPushButton* backButton_;
};

} // namespace velkarn
