#pragma once

#include "core/network/ServerStatus.h"

#include <QWidget>

class QTableView;

namespace velkarn {

class PlayersModel;
class ServerSettingsModel;

// The players of one server (colored name, score, ping), best score first, beside its settings
// sorted by key.
class ServerDetailsView : public QWidget {
    Q_OBJECT
public:
    explicit ServerDetailsView(QWidget* parent = nullptr);

public slots:
    void showStatus(const velkarn::ServerStatus& status);
    void clear();

private:
    PlayersModel* players_;
    ServerSettingsModel* settings_;
    QTableView* playerTable_;
    QTableView* settingsTable_;
};

} // namespace velkarn
