#include "ui/search/SearchingWindow.h"

#include "ui/widgets/WindowPlacement.h"

#include <QCloseEvent>

namespace velkarn {

SearchingWindow::SearchingWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setUpWindow(this, "searchingWindow", "Searching...");
    setFixedSize(250, 147);
    searchingLabel = new QLabel("Searching for maps, models, skins, and mods... ", this);
    searchingLabel->setGeometry(0, 40, 250, 16);
    searchingLabel->setAlignment(Qt::AlignHCenter);
    pleaseWaitLabel = new QLabel("Please wait...", this);
    pleaseWaitLabel->setGeometry(0, 64, 250, 16);
    pleaseWaitLabel->setAlignment(Qt::AlignHCenter);
    progressBar = new QProgressBar(this);
    progressBar->setObjectName("progressBar");
    progressBar->setGeometry(48, 104, 150, 13);
    progressBar->setRange(0, ProgressMaximum);
    progressBar->setTextVisible(false);
    progressBar->setValue(0);
}

void SearchingWindow::closeEvent(QCloseEvent* event) {
    if (busy_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void SearchingWindow::reject() {
    if (!busy_)
        QDialog::reject();
}

void SearchingWindow::advanceProgress() {
    int next = progressBar->value() + ProgressStep;
    if (next > ProgressMaximum)
        next -= ProgressMaximum;
    progressBar->setValue(next);
}

void SearchingWindow::beginSearch() {
    setWindowModality(Qt::ApplicationModal);
    centreOnScreen(this);
    busy_ = true;
    show();
}

void SearchingWindow::endSearch() {
    progressBar->setValue(progressBar->maximum());
    busy_ = false;
    hide();
}

} // namespace velkarn
