#include "ui/search/SearchingWindow.h"

#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/WindowPlacement.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace velkarn {

SearchingWindow::SearchingWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setUpWindow(this, "searchingWindow", "Searching...");
    auto* searching = new QLabel("Searching for maps, models, skins, and mods... ", this);
    auto* pleaseWait = new QLabel("Please wait...", this);
    progressBar_ = named(new QProgressBar(this), "progressBar");
    progressBar_->setRange(0, ProgressMaximum);
    progressBar_->setTextVisible(false);
    progressBar_->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 32, 24, 28);
    layout->setSpacing(8);
    layout->addWidget(searching, 0, Qt::AlignHCenter);
    layout->addWidget(pleaseWait, 0, Qt::AlignHCenter);
    layout->addSpacing(16);
    layout->addWidget(progressBar_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
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
    int next = progressBar_->value() + ProgressStep;
    if (next > ProgressMaximum)
        next -= ProgressMaximum;
    progressBar_->setValue(next);
}

void SearchingWindow::beginSearch() {
    setWindowModality(Qt::ApplicationModal);
    centreOnScreen(this);
    busy_ = true;
    show();
}

void SearchingWindow::endSearch() {
    progressBar_->setValue(progressBar_->maximum());
    busy_ = false;
    hide();
}

} // namespace velkarn
