#include "ui/search/SearchingWindow.h"

#include "ui/widgets/WindowPlacement.h"

#include <QCloseEvent>

namespace velkarn {

TfmSearching::TfmSearching(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setUpWindow(this, "fmSearching", "Searching...");
    setFixedSize(250, 147);
    Label1 = new QLabel("Searching for maps, models, skins, and mods... ", this);
    Label1->setGeometry(0, 40, 250, 16);
    Label1->setAlignment(Qt::AlignHCenter);
    Label2 = new QLabel("Please wait...", this);
    Label2->setGeometry(0, 64, 250, 16);
    Label2->setAlignment(Qt::AlignHCenter);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setGeometry(48, 104, 150, 13);
    ProgressBar->setRange(0, ProgressMaximum);
    ProgressBar->setTextVisible(false);
    ProgressBar->setValue(0);
}

void TfmSearching::closeEvent(QCloseEvent* event) {
    if (busy)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TfmSearching::reject() {
    if (!busy)
        QDialog::reject();
}

void TfmSearching::StepIt() {
    int next = ProgressBar->value() + ProgressStep;
    if (next > ProgressMaximum)
        next -= ProgressMaximum;
    ProgressBar->setValue(next);
}

} // namespace velkarn
