#pragma once

#include "ui/widgets/RadioGroup.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace velkarn {

// The start page: the user picks one of five ways to start and presses Go!.
class BeginPage : public QWidget {
    Q_OBJECT
public:
    explicit BeginPage(QWidget* parent = nullptr);

    // The positions of setupTypeGroup's items.
    enum SetupType { PreDefined, SetupSimple, SetupComplex, JoinNetwork, CreateNetwork };

    QLabel* versionLabel;
    QLabel* welcomeLabel;
    RadioGroup* setupTypeGroup;
    QPushButton* goButton;
    QPushButton* reportBugButton;
};

} // namespace velkarn
