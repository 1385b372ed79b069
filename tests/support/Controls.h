#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QObject>
#include <QString>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

// Finding the windows' controls by their object names and using them as a user would.
namespace velkarn::test {

// The control named `name` below `parent`; the test fails when there is none of that kind.
template <typename Control> Control& child(const QObject& parent, const char* name) {
    auto* found = parent.findChild<Control*>(QString::fromLatin1(name));
    if (!found) {
        ADD_FAILURE() << "no control named " << name << " below "
                      << parent.objectName().toStdString();
        throw std::runtime_error(std::string("missing control ") + name);
    }
    return *found;
}

// Picks the item showing `text` as a user would, telling the box's listeners.
void choose(QComboBox& box, const QString& text);
void choose(QComboBox& box, int item);

// Selects exactly these rows of a view, with the cursor on `focus`.
void selectRows(QAbstractItemView& view, const std::vector<int>& rows, int focus);
// The text a view shows in a row (and column).
std::string rowText(const QAbstractItemView& view, int row, int column = 0);
int rowCount(const QAbstractItemView& view);

} // namespace velkarn::test
