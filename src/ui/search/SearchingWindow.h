#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>

namespace velkarn {

// "Searching...": shown while the content search runs; no close box.
class TfmSearching : public QDialog {
    Q_OBJECT
public:
    explicit TfmSearching(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QProgressBar* ProgressBar;

    static constexpr int ProgressMaximum = 12192;
    static constexpr int ProgressStep = 10;

    // Advances the bar by one step, starting again from the minimum past the maximum.
    void StepIt();

    // True while a search runs: the window cannot be closed then.
    bool busy = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};

} // namespace velkarn
