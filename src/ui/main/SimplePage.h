#pragma once

#include "core/results/ResultsTracker.h"
#include "ui/network/SetupNewGroup.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace velkarn {

// The Simple page: the pre-defined setups, and the one-sentence random setup.
class SimplePage : public QWidget {
    Q_OBJECT
public:
    SimplePage(SetupModel& setup, Random& random, ResultsTracker& results,
               QWidget* parent = nullptr);

    // Shows the pre-defined setups (true) or the new random setup (false).
    void showPreDefined(bool preDefined);

    QGroupBox* preDefinedGroup;
    QListWidget* preDefinedSetupList;
    QPushButton* setupScriptButton; // shows what Play would write and start
    QPushButton* playSetupButton;
    QLabel* setupInfoLabel;
    QPlainTextEdit* setupInfoText;
    SetupNewGroup* newSetupGroup;
    QWidget* adaptiveBotsBox; // "Bots adapt to my results", with the new random setup
    QPushButton* backButton;
};

} // namespace velkarn
