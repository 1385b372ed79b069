#pragma once

#include <QDialog>

class QProgressBar;

namespace velkarn {

// "Searching...": shown while the content search runs; no close box.
class SearchingWindow : public QDialog {
    Q_OBJECT
public:
    explicit SearchingWindow(QWidget* parent = nullptr);

    static constexpr int ProgressMaximum = 12192;
    static constexpr int ProgressStep = 10;

    // Advances the bar by one step, starting again from the minimum past the maximum.
    void advanceProgress();

    // Shows the window modally to the application while a search runs; it cannot be closed by
    // the user until the search ends with endSearch, which fills the bar and hides it.
    void beginSearch();
    void endSearch();
    bool busy() const { return busy_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QProgressBar* progressBar_;
    bool busy_ = false;
};

} // namespace velkarn
