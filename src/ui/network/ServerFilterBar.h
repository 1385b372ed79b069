#pragma once

#include "core/network/ServerFilter.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace velkarn {

// The filters of a server list: a search field over host names, maps and players, has humans,
// hide empty, hide full, hide password-protected, game type, game or mod, and maximum ping. They
// are kept between runs under `settingsKey`.
class ServerFilterBar : public QWidget {
    Q_OBJECT
public:
    ServerFilterBar(QString settingsKey, QWidget* parent = nullptr);

    ServerFilter filter() const;

signals:
    void filterChanged();

private:
    void showFilter(const ServerFilter& filter);
    void keepFilter();

    QString settingsKey_;
    QLineEdit* searchEdit_;
    QCheckBox* hasHumansCheck_;
    QCheckBox* hideEmptyCheck_;
    QCheckBox* hideFullCheck_;
    QCheckBox* hidePasswordedCheck_;
    QComboBox* gameTypeCombo_;
    QLineEdit* gameEdit_;
    QLineEdit* countryEdit_;
    QSpinBox* maxPingSpin_;
};

} // namespace velkarn
