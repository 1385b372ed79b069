#pragma once

#include <QDialog>
#include <QTimer>

namespace velkarn {

// The borderless start-up picture. Its timer runs from creation; the first tick closes it.
class TfmSplash : public QDialog {
    Q_OBJECT
public:
    explicit TfmSplash(QWidget* parent = nullptr);

    QTimer* Timer1;
    static constexpr int IntervalMs = 2000;

    void Timer1Timer();
};

} // namespace velkarn
