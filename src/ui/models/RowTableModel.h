#pragma once

#include "ui/models/ColumnCaptions.h"

#include <QAbstractTableModel>
#include <vector>

namespace velkarn {

// A table over rows the model keeps, one column for each caption: a model says only what a row
// shows in a column and role (cell), and shows new rows with setRows. What the tables of the
// windows share, so each of them is its cells and nothing else.
template <typename Row> class RowTableModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(captions_.size());
    }
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
            return {};
        return cell(rowAt(index.row()), index.column(), role);
    }
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override {
        return columnCaption(captions_, section, orientation, role);
    }

    const Row& rowAt(int row) const { return rows_.at(static_cast<std::size_t>(row)); }

protected:
    RowTableModel(QStringList captions, QObject* parent)
        : QAbstractTableModel(parent), captions_(std::move(captions)) {}

    // What `row` shows in `column` for `role`; an empty QVariant for a role it has nothing for.
    virtual QVariant cell(const Row& row, int column, int role) const = 0;

    void setRows(std::vector<Row> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }

private:
    QStringList captions_;
    std::vector<Row> rows_;
};

} // namespace velkarn
