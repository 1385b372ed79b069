#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace velkarn::test {

// The control named `name` below `parent`, as the windows name their controls; the test fails
// when there is none of that kind.
template <typename Control> Control& child(const QObject& parent, const char* name) {
    auto* found = parent.findChild<Control*>(QString::fromLatin1(name));
    if (!found) {
        ADD_FAILURE() << "no control named " << name << " below "
                      << parent.objectName().toStdString();
        throw std::runtime_error(std::string("missing control ") + name);
    }
    return *found;
}

} // namespace velkarn::test
