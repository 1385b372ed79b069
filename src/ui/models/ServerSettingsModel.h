#pragma once

#include "core/network/InfoString.h"

#include <QAbstractTableModel>

namespace velkarn {

// A server's settings as it sent them, sorted by key without regard to case.
class ServerSettingsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Setting, Value, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void showSettings(const InfoPairs& settings);
    void clear();

private:
    InfoPairs settings_;
};

} // namespace velkarn
