#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>

namespace velkarn {

// "Searching...": shown while the content search runs; no close box.
class SearchingWindow : public QDialog {
    Q_OBJECT
public:
    explicit SearchingWindow(QWidget* parent = nullptr);

    QLabel* searchingLabel;
    QLabel* pleaseWaitLabel;
    QProgressBar* progressBar;

    static constexpr int ProgressMaximum = 12192;
    static constexpr int ProgressStep = 10;

    // Advances the bar by one step, starting again from the minimum past the maximum.
    void advanceProgress();

    // True while a search runs: the window cannot be closed then.
    bool busy = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};

} // namespace velkarn
