#include "ui/widgets/ColumnFitter.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace velkarn {

namespace {

// Rows measured when fitting: enough for any column's widest texts to show, few enough that a
// table of thousands of servers fits at once.
constexpr int MeasuredRows = 400;
constexpr int GatherMs = 100;

} // namespace

ColumnFitter::ColumnFitter(QTableView* view) : QObject(view), view_(view) {
    QHeaderView* header = view->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setResizeContentsPrecision(MeasuredRows);
    pending_.setSingleShot(true);
    pending_.setInterval(GatherMs);
    connect(&pending_, &QTimer::timeout, this, &ColumnFitter::fit);
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int) {
        if (!fitting_)
            userSized_.insert(column);
    });
    QAbstractItemModel* model = view->model();
    const auto later = [this] { pending_.start(); };
    connect(model, &QAbstractItemModel::modelReset, this, [this] { fit(); });
    connect(model, &QAbstractItemModel::rowsInserted, this, later);
    connect(model, &QAbstractItemModel::rowsRemoved, this, later);
    connect(model, &QAbstractItemModel::dataChanged, this, later);
    connect(model, &QAbstractItemModel::layoutChanged, this, later);
    view->viewport()->installEventFilter(this);
    fit();
}

void ColumnFitter::fit() {
    pending_.stop();
    fitting_ = true;
    const int columns = view_->model()->columnCount();
    for (int column = 0; column + 1 < columns; ++column)
        if (!userSized_.contains(column) && !view_->isColumnHidden(column))
            view_->resizeColumnToContents(column);
    fillLastColumn();
    fitting_ = false;
}

void ColumnFitter::fillLastColumn() {
    QHeaderView* header = view_->horizontalHeader();
    const int last = header->logicalIndex(header->count() - 1);
    if (last < 0 || userSized_.contains(last))
        return;
    view_->resizeColumnToContents(last);
    const int room = view_->viewport()->width() - (header->length() - header->sectionSize(last));
    if (room > header->sectionSize(last))
        header->resizeSection(last, room);
}

bool ColumnFitter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport() && event->type() == QEvent::Resize) {
        fitting_ = true;
        fillLastColumn();
        fitting_ = false;
    }
    return false;
}

} // namespace velkarn
