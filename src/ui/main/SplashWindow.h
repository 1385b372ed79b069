#pragma once

#include <QDialog>
#include <QTimer>

namespace velkarn {

// The borderless start-up picture. Its timer runs from creation; the first tick closes it.
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    QTimer* closeTimer;
    static constexpr int IntervalMs = 2000;

    void closeSplash();
};

} // namespace velkarn
