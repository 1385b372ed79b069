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

    // The positions of the setup type group's items.
    enum SetupType { PreDefined, SetupSimple, SetupComplex, JoinNetwork, CreateNetwork };

signals:
    // Go!: the way to start chosen.
    void goRequested(SetupType chosen);
    void bugReportRequested();

private:
    QLabel* versionLabel_;
    QLabel* welcomeLabel_;
    RadioGroup* setupTypeGroup_;
    QPushButton* goButton_;
    QPushButton* reportBugButton_;
};

} // namespace velkarn
