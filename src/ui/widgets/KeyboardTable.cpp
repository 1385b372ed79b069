#include "ui/widgets/KeyboardTable.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QItemSelectionModel>

namespace velkarn {

namespace {

class ChooseCurrentOnFocus : public QObject {
public:
    explicit ChooseCurrentOnFocus(QAbstractItemView* view) : QObject(view), view_(view) {
        view->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::FocusIn)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
            return false;
        QItemSelectionModel* selection = view_->selectionModel();
        if (!selection || selection->hasSelection() || view_->model()->rowCount() == 0)
            return false;
        const QModelIndex current = view_->currentIndex();
        selection->setCurrentIndex(current.isValid() ? current : view_->model()->index(0, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return false;
    }

private:
    QAbstractItemView* view_;
};

} // namespace

void useTableByKeyboard(QAbstractItemView* view) {
    view->setTabKeyNavigation(false);
    new ChooseCurrentOnFocus(view);
}

} // namespace velkarn
