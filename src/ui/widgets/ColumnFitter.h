#pragma once

#include <QObject>
#include <QTimer>
#include <set>

class QTableView;

namespace velkarn {

// Keeps a table's columns as wide as their contents while rows come and go, the last one
// filling what is left of the view, so nothing is cut; the user may still resize any column,
// and a column the user sized keeps its width. Refits are gathered, so a stream of changes
// (answers coming in) costs one fit. Lives as the view's child.
class ColumnFitter : public QObject {
public:
    explicit ColumnFitter(QTableView* view);

    // Fits every column not sized by the user now.
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillLastColumn();

    QTableView* view_;
    QTimer pending_;
    std::set<int> userSized_;
    bool fitting_ = false;
};

} // namespace velkarn
