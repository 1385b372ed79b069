#pragma once

#include <QGroupBox>
#include <QPushButton>
#include <QWidget>

namespace velkarn {

// The Complex page: the map rotation with each map's bots, and Play.
class ComplexPage : public QWidget {
    Q_OBJECT
public:
    explicit ComplexPage(QWidget* parent = nullptr);

    QGroupBox* gbMaps;
    QGroupBox* gbBots;
    QPushButton* butPlay;
    QPushButton* butComplexBack;
};

} // namespace velkarn
