#pragma once

#include "core/network/ServerStatus.h"

#include <QTableWidget>
#include <QWidget>

namespace velkarn {

// The players of one server (colored name, score, ping) beside its settings.
class ServerDetailsView : public QWidget {
    Q_OBJECT
public:
    explicit ServerDetailsView(QWidget* parent = nullptr);

    QTableWidget* playerTable;
    QTableWidget* settingsTable;

    void showStatus(const ServerStatus& status);
    void clear();
};

} // namespace velkarn
