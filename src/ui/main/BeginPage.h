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

    // The positions of rgConfigType's items.
    enum ConfigType { PreDefined, SetupSimple, SetupComplex, JoinNetwork, CreateNetwork };

    QLabel* lbSmallVersion;
    QLabel* lbSimpleHelp;
    TRadioGroup* rgConfigType;
    QPushButton* butGo;
    QPushButton* butSmallTestReport;
};

} // namespace velkarn
