#pragma once

#include "support/AppFixture.h"
#include "support/Controls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStringList>

namespace velkarn::test {

// The program's windows in a fresh list-file folder, with dialogs answered by the test.
class OptionsWindowsTest : public AppFixture {
protected:
    // Creates the windows and reads the list files written before, as a program start does,
    // saying what could not be read; then the lists show the catalogue as after a search.
    void createWindows() {
        AppFixture::createWindows();
        for (const auto& error : session->readListFiles().errors)
            dialogs.showMessage(error);
        session->catalogueRebuilt();
    }

    static QStringList items(const QComboBox& list, int role = Qt::DisplayRole) {
        QStringList texts;
        for (int i = 0; i < list.count(); ++i)
            texts << list.itemData(i, role).toString();
        return texts;
    }
    // Chooses an item as the user does, with the mouse or the arrow keys.
    static void choose(QComboBox& list, int row) {
        list.setCurrentIndex(row);
        emit list.activated(row);
    }
    // Leaves a control with Tab.
    static void leave(QWidget& control) {
        QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&control, &event);
    }
    static void pressEscape(QWidget& window) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
};

} // namespace velkarn::test
