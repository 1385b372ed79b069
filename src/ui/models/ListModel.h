#pragma once

#include <QAbstractListModel>
#include <functional>

namespace velkarn {

// A list of rows kept elsewhere, shown by functions: `count` says how many rows there are and
// `cell` what a row shows in a role (an empty QVariant for a role it has nothing for). The rows
// are read again when refresh() is told they changed.
class ListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using Count = std::function<int()>;
    using Cell = std::function<QVariant(int row, int role)>;

    ListModel(Count count, Cell cell, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void refresh();

private:
    Count count_;
    Cell cell_;
};

} // namespace velkarn
