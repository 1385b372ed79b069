#include "ui/network/ServerCells.h"

#include "ui/widgets/ColoredTextDelegate.h"
#include "ui/widgets/LocalText.h"

#include <QHeaderView>

namespace velkarn {

namespace {

// Orders by the number behind a cell (players, ping) instead of its text ("10/16" < "9/16").
class SortedItem : public QTableWidgetItem {
public:
    SortedItem(const QString& text, int sortKey) : QTableWidgetItem(text), sortKey_(sortKey) {}
    bool operator<(const QTableWidgetItem& other) const override {
        const auto* sorted = dynamic_cast<const SortedItem*>(&other);
        return sorted ? sortKey_ < sorted->sortKey_ : QTableWidgetItem::operator<(other);
    }

private:
    int sortKey_;
};

// Silent servers sort after every answering one.
constexpr int SilentPing = 1 << 30;

} // namespace

QTableWidgetItem* coloredNameItem(const std::string& codedName) {
    auto* item = new QTableWidgetItem(local(plainName(codedName)));
    item->setData(CodedTextRole, QByteArray::fromStdString(codedName));
    return item;
}

QTableWidgetItem* sortedItem(const QString& text, int sortKey) {
    return new SortedItem(text, sortKey);
}

void showStatusCells(QTableWidget& table, int row, int first, const ServerStatus& status) {
    table.setItem(row, first, coloredNameItem(status.hostName()));
    table.setItem(row, first + 1, new QTableWidgetItem(local(status.map())));
    table.setItem(row, first + 2, new QTableWidgetItem(local(status.gameType())));
    table.setItem(row, first + 3, sortedItem(local(status.playersText()), status.playerCount()));
    table.setItem(row, first + 4, sortedItem(QString::number(status.pingMs), status.pingMs));
}

void showSilentCells(QTableWidget& table, int row, int first) {
    for (int column = first; column < first + 4; ++column)
        table.setItem(row, column, new QTableWidgetItem);
    table.setItem(row, first + 4, sortedItem("no answer", SilentPing));
}

QTableWidget* serverTable(const QStringList& captions, const char* name, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(captions.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(captions);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setItemDelegate(new ColoredTextDelegate(table));
    return table;
}

} // namespace velkarn
