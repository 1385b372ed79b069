#pragma once

#include <QAbstractItemView>

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace velkarn {

// A read-only, row-selecting table over `model` as the server lists show theirs: colored names
// drawn in their colors, columns fitted to their contents and resizable.
QTableView*
serverTableView(QAbstractItemModel* model, const char* name, QWidget* parent,
                QAbstractItemView::SelectionMode selection = QAbstractItemView::SingleSelection);

} // namespace velkarn
