#include "ui/network/ServerTableView.h"

#include "ui/widgets/ColoredTextDelegate.h"
#include "ui/widgets/ColumnFitter.h"
#include "ui/widgets/KeyboardTable.h"

#include <QHeaderView>
#include <QTableView>

namespace velkarn {

QTableView* serverTableView(QAbstractItemModel* model, const char* name, QWidget* parent,
                            QAbstractItemView::SelectionMode selection) {
    auto* table = new QTableView(parent);
    table->setObjectName(name);
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(selection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setItemDelegate(new ColoredTextDelegate(table));
    new ColumnFitter(table);
    useTableByKeyboard(table);
    return table;
}

} // namespace velkarn
