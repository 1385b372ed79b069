#pragma once

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
    explicit SimplePage(QWidget* parent = nullptr);

    // Shows the pre-defined setups (true) or the new random setup (false).
    void showPreDefined(bool preDefined);

    QGroupBox* gbPreDefined;
    QListWidget* lbSimpleConfigs;
    QPushButton* butSimplePlay;
    QLabel* lbConfigInfo;
    QPlainTextEdit* memPreDefinedInfo;
    SetupNewGroup* gbSetupNew;
    QPushButton* butSimpleBack;
};

} // namespace velkarn
