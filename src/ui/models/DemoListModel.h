#pragma once

#include "core/demos/DemoEntry.h"

#include <QAbstractTableModel>
#include <vector>

namespace velkarn {

// The demos of an installation as a table, in the order given (newest first): date, name, map,
// length, recording player, other players, game type, mod and size. Names are shown without
// color codes; dates, lengths and sizes sort as numbers (EditRole). A damaged demo shows what
// is wrong with it in place of its map.
class DemoListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Date, Name, Map, Length, Recorder, Others, GameType, Mod, Size, ColumnCount };

    explicit DemoListModel(QObject* parent = nullptr);

    void setDemos(std::vector<DemoEntry> demos);
    const DemoEntry& demo(int row) const { return demos_.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString text(const DemoEntry& demo, int column) const;
    std::vector<DemoEntry> demos_;
};

} // namespace velkarn
