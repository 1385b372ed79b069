#include "ui/widgets/RadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace velkarn {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent) {
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_.addButton(button, i);
        layout->addWidget(button);
    }
    connect(&buttons_, &QButtonGroup::idClicked, this, [this](int index) {
        setFocusProxy(buttons_.button(index));
        emit itemIndexChanged(index);
    });
}

// Focus given to the group goes to its chosen item, as arrow keys then move the choice.
void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = buttons_.button(index)) {
        button->setChecked(true);
        setFocusProxy(button);
    }
}

} // namespace velkarn
