#pragma once

#include <QKeySequence>
#include <functional>

class QAction;
class QWidget;

namespace velkarn {

// An action named `name` on `owner` that runs `handler` (guarded) when `keys` are pressed while
// the focus is inside `owner`.
QAction* addShortcutAction(QWidget* owner, const char* name, const QKeySequence& keys,
                           std::function<void()> handler);

} // namespace velkarn
