#include "support/Controls.h"

namespace velkarn::test {

void choose(QComboBox& box, int item) {
    box.setCurrentIndex(item);
    emit box.activated(item);
}

void choose(QComboBox& box, const QString& text) {
    const int item = box.findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (item < 0)
        ADD_FAILURE() << "no item " << text.toStdString() << " in "
                      << box.objectName().toStdString();
    choose(box, item);
}

void selectRows(QAbstractItemView& view, const std::vector<int>& rows, int focus) {
    QItemSelectionModel& selection = *view.selectionModel();
    selection.clearSelection();
    for (const int row : rows)
        selection.select(view.model()->index(row, 0),
                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection.setCurrentIndex(view.model()->index(focus, 0), QItemSelectionModel::NoUpdate);
}

std::string rowText(const QAbstractItemView& view, int row, int column) {
    return view.model()->index(row, column).data().toString().toStdString();
}

int rowCount(const QAbstractItemView& view) {
    return view.model()->rowCount();
}

} // namespace velkarn::test
