#pragma once

#include "core/demos/DemoEntry.h"
#include "ui/models/RowTableModel.h"

namespace velkarn {

// The demos of an installation as a table, in the order given (newest first): date, name, map,
// length, recording player, other players, game type, mod and size. Names are shown without
// color codes; dates, lengths and sizes sort as numbers (EditRole). A damaged demo shows what
// is wrong with it in place of its map.
class DemoListModel : public RowTableModel<DemoEntry> {
    Q_OBJECT
public:
    enum Column { Date, Name, Map, Length, Recorder, Others, GameType, Mod, Size, ColumnCount };

    explicit DemoListModel(QObject* parent = nullptr);

    void setDemos(std::vector<DemoEntry> demos) { setRows(std::move(demos)); }
    const DemoEntry& demo(int row) const { return rowAt(row); }

private:
    QVariant cell(const DemoEntry& demo, int column, int role) const override;
};

} // namespace velkarn
