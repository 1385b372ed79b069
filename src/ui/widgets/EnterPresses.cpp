#include "ui/widgets/EnterPresses.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace velkarn {

namespace {

// Sees the keys that reached the page because its controls left them.
class EnterFilter : public QObject {
public:
    EnterFilter(QWidget* page, QPushButton* button) : QObject(page), button_(button) {
        page->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || key->modifiers() & ~Qt::KeypadModifier || !button_->isVisible() ||
            !button_->isEnabled())
            return false;
        button_->click();
        return true;
    }

private:
    QPushButton* button_;
};

} // namespace

void pressOnEnter(QWidget* page, QPushButton* button) {
    button->setDefault(true);
    new EnterFilter(page, button);
}

} // namespace velkarn
