#include "ui/widgets/ShortcutAction.h"

#include "ui/widgets/Guard.h"

#include <QAction>
#include <QWidget>

namespace velkarn {

QAction* addShortcutAction(QWidget* owner, const char* name, const QKeySequence& keys,
                           std::function<void()> handler) {
    auto* action = new QAction(owner);
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    owner->addAction(action);
    QObject::connect(action, &QAction::triggered, owner,
                     [handler = std::move(handler)] { runGuarded(handler); });
    return action;
}

} // namespace velkarn
