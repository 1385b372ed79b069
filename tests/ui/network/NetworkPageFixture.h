#pragma once

#include "support/GameFolder.h"
#include "support/RecordingDialogs.h"
#include "support/TempFolder.h"
#include "ui/main/Forms.h"
#include "ui/main/MainWindow.h"
#include "ui/main/NetworkPage.h"
#include "ui/options/GameOptionsWindow.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

namespace velkarn::test {

// The program's windows over a temporary appDir, with a game folder holding the fake game set
// in the game options, so the Network page's groups run exactly as in the program.
class NetworkPageTest : public ::testing::Test {
protected:
    TempFolder app;
    RecordingDialogs dialogs;
    GameFolder game{true};
    std::unique_ptr<FormSet> windows = std::make_unique<FormSet>(app.path(), 1);

    NetworkPageTest() {
        forms().gameOptionsWindow->gameFolderEdit->setText(QString::fromLocal8Bit(game.dir.path()));
    }
    SetupModel& model() { return forms().mainWindow->model; }
    NetworkPage& page() { return *forms().mainWindow->networkPage; }

    // Types a text into a number field and leaves it, as the user would.
    static void typeAndLeave(QAbstractSpinBox& field, const QString& text) {
        auto* editor = field.findChild<QLineEdit*>();
        editor->setText(text);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&field, &leave);
    }
};

} // namespace velkarn::test
