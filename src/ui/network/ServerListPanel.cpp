#include "ui/network/ServerListPanel.h"

#include "ui/models/LiveServersModel.h"
#include "ui/models/ServerFilterModel.h"
#include "ui/network/ServerDetailsView.h"
#include "ui/network/ServerFilterBar.h"
#include "ui/network/ServerTableView.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/ShortcutAction.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace velkarn {

ServerListPanel::ServerListPanel(LiveServersModel& servers, const QString& filterKey,
                                 const char* tableName, QWidget* parent)
    : QWidget(parent), servers_(servers),
      filterBar_(named(new ServerFilterBar(filterKey, this), "filterBar")),
      shown_(new ServerFilterModel(servers, this)) {
    shown_->setFilter(filterBar_->filter());
    table_ = serverTableView(shown_, tableName, this, QAbstractItemView::ExtendedSelection);
    spoken(table_, "Servers", "Enter joins the chosen server");
    // The headers sort; until one is clicked the servers stay in their model's order.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    countLabel_ = named(new QLabel(this), "shownCountLabel");
    details_ =
        named(new ServerDetailsView(*shown_, *table_->selectionModel(), this), "serverDetails");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(filterBar_);
    layout->addWidget(table_, 1);
    layout->addWidget(countLabel_);

    connect(filterBar_, &ServerFilterBar::filterChanged, this,
            [this] { shown_->setFilter(filterBar_->filter()); });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(shown_, signal, this, &ServerListPanel::showCount);
    connect(shown_, &QAbstractItemModel::modelReset, this, &ServerListPanel::showCount);
    connect(shown_, &QAbstractItemModel::dataChanged, this, &ServerListPanel::showCount);
    connect(shown_, &QAbstractItemModel::layoutChanged, this, &ServerListPanel::showCount);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ServerListPanel::selectionChanged);
    connect(table_, &QTableView::clicked, this, &ServerListPanel::serverClicked);
    connect(table_, &QTableView::activated, this, &ServerListPanel::joinRequested);
    connect(details_, &ServerDetailsView::serverChosen, this, &ServerListPanel::selectServer);
    addShortcutAction(this, "copyAddressesAction", QKeySequence::Copy,
                      [this] { copySelectedAddresses(); });
    addShortcutAction(this, "refreshAction", QKeySequence(Qt::Key_F5),
                      [this] { emit refreshRequested(); });
    addShortcutAction(this, "deleteAction", QKeySequence::Delete,
                      [this] { emit deleteRequested(); });
    addShortcutAction(this, "remoteConsoleAction", QKeySequence(Qt::Key_F9), [this] {
        const std::vector<int> selected = selectedServers();
        emit remoteConsoleRequested(
            selected.empty() ? QString() : local(servers_.liveServerAt(selected.front()).address));
    });
    showCount();
}

std::vector<int> ServerListPanel::selectedServers() const {
    QModelIndexList rows = table_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    const QModelIndex current = table_->currentIndex();
    std::vector<int> selected;
    if (current.isValid() && table_->selectionModel()->isRowSelected(current.row()))
        selected.push_back(shown_->mapToSource(current).row());
    for (const QModelIndex& index : rows)
        if (index.row() != current.row())
            selected.push_back(shown_->mapToSource(index).row());
    return selected;
}

void ServerListPanel::selectServer(int sourceRow) {
    const QModelIndex shownRow = shown_->mapFromSource(shown_->sourceModel()->index(sourceRow, 0));
    if (!shownRow.isValid())
        return;
    table_->selectionModel()->setCurrentIndex(shownRow, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
    table_->scrollTo(shownRow);
    table_->setFocus();
}

void ServerListPanel::sortBy(int column, Qt::SortOrder order) {
    table_->sortByColumn(column, order);
}

void ServerListPanel::clearSelection() {
    table_->selectionModel()->clear();
}

void ServerListPanel::setCountSuffix(const QString& suffix) {
    countSuffix_ = suffix;
    showCount();
}

void ServerListPanel::showCount() {
    countLabel_->setText(
        QString("%1 shown of %2 answered").arg(shown_->rowCount()).arg(shown_->answeredCount()) +
        countSuffix_);
}

void ServerListPanel::copySelectedAddresses() {
    QStringList addresses;
    for (int row : selectedServers())
        addresses << local(servers_.liveServerAt(row).address);
    if (!addresses.isEmpty())
        QGuiApplication::clipboard()->setText(addresses.join('\n'));
}

} // namespace velkarn
