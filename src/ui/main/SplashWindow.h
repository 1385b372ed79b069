#pragma once

#include <QDialog>
#include <QTimer>

namespace velkarn {

// The borderless start-up picture. It stays two seconds from the moment it is shown, however
// long the start took before that; a click or a key closes it at once.
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 2000;

    explicit SplashWindow(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTimer closeTimer_;
};

} // namespace velkarn
