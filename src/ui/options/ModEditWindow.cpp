#include "ui/options/ModEditWindow.h"

#include "ui/widgets/WindowPlacement.h"

#include <QGridLayout>

namespace velkarn {

TfmModEdit::TfmModEdit(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setUpWindow(this, "fmModEdit", "Edit Mod");
    lbAddModName = new QLabel("Name", this);
    edEditModName = new QLineEdit(this);
    edEditModName->setObjectName("edEditModName");
    edEditModName->setMinimumWidth(300);
    lbAddModName->setBuddy(edEditModName);
    lbAddModParameters = new QLabel("Parameters", this);
    edEditModParameters = new QLineEdit(this);
    edEditModParameters->setObjectName("edEditModParameters");
    lbAddModParameters->setBuddy(edEditModParameters);
    butOKEditMod = new QPushButton("OK", this);
    butOKEditMod->setObjectName("butOKEditMod");
    makeBold(butOKEditMod);
    butOKEditMod->setDefault(true);
    butCancelEditMod = new QPushButton("Cancel", this);
    butCancelEditMod->setObjectName("butCancelEditMod");
    connect(butOKEditMod, &QPushButton::clicked, this, &QDialog::accept);
    connect(butCancelEditMod, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lbAddModName, 0, 0);
    grid->addWidget(edEditModName, 0, 1, 1, 2);
    grid->addWidget(lbAddModParameters, 1, 0);
    grid->addWidget(edEditModParameters, 1, 1, 1, 2);
    grid->addWidget(butOKEditMod, 2, 1);
    grid->addWidget(butCancelEditMod, 2, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    centreOnScreen(this);
}

} // namespace velkarn
