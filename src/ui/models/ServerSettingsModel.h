#pragma once

#include "core/network/InfoString.h"
#include "ui/models/RowTableModel.h"

namespace velkarn {

// A server's settings as it sent them, sorted by key without regard to case; a value also as
// its tool tip, since a long one is cut in its column.
class ServerSettingsModel : public RowTableModel<InfoPairs::value_type> {
    Q_OBJECT
public:
    enum Column { Setting, Value, ColumnCount };

    explicit ServerSettingsModel(QObject* parent = nullptr);

    void showSettings(const InfoPairs& settings);
    void clear() { setRows({}); }

private:
    QVariant cell(const InfoPairs::value_type& setting, int column, int role) const override;
};

} // namespace velkarn
