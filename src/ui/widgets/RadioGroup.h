#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace velkarn {

// A captioned group of radio buttons, one selected, addressed by item position.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const { return buttons_.checkedId(); }
    void setItemIndex(int index);
    int count() const { return static_cast<int>(buttons_.buttons().size()); }

signals:
    void itemIndexChanged(int index);

private:
    QButtonGroup buttons_;
};

} // namespace velkarn
