#pragma once

#include "core/network/QueryEngine.h"
#include "core/session/Session.h"
#include "support/GameFolder.h"
#include "support/RecordingDialogs.h"
#include "support/TempFolder.h"
#include "support/TestLayout.h"
#include "support/UdpResponder.h"
#include "ui/main/NetworkPage.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <gtest/gtest.h>
#include <memory>

namespace velkarn::test {

// A second for each answer: on a loaded machine the servers of a mix can take longer than a few
// hundred milliseconds, and a round that ends before they answer leaves rows out.
inline constexpr QueryTiming Quick{1000, 1, 32, 5};

// A table's cell as shown, or its data for `role`.
inline QVariant cell(const QTableView& table, int row, int column, int role = Qt::DisplayRole) {
    return table.model()->index(row, column).data(role);
}

// The texts of a column, top to bottom.
inline QStringList column(const QTableView& table, int column) {
    QStringList texts;
    for (int row = 0; row < table.model()->rowCount(); ++row)
        texts << cell(table, row, column).toString();
    return texts;
}

inline void pressEnter(QTableView& table, int row) {
    table.setCurrentIndex(table.model()->index(row, 0));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&table, &enter);
}

// A reply for a server that never answers.
inline std::vector<QByteArray> noAnswer(const QByteArray&) {
    return {};
}

// A server named "Full" with both of its 2 places taken by people, until a test frees one.
struct FullServer {
    std::shared_ptr<std::vector<std::string>> players = std::make_shared<std::vector<std::string>>(
        std::vector<std::string>{"1 30 \"Ace\"", "2 40 \"Bee\""});
    std::unique_ptr<UdpResponder> responder =
        changingServer("\\sv_hostname\\Full\\sv_maxclients\\2", players);

    void freePlace() { players->pop_back(); }
};

// The Network page over a session in a temporary list-file folder, with a game folder holding
// the fake game set in the game options, so the page's groups run exactly as in the program.
class NetworkPageTest : public ::testing::Test {
protected:
    // Every test starts with no filter kept by the one before.
    struct ForgottenFilters {
        ForgottenFilters() {
            QSettings settings;
            settings.remove("savedServerFilter");
            settings.remove("foundServerFilter");
        }
    } forgottenFilters;
    TempFolder app;
    RecordingDialogs dialogs;
    GameFolder game{true};
    Session session{app.path(), 1, testLayout(app)};
    NetworkPage networkPage{session};

    NetworkPageTest() { session.game.setGameFolder(game.dir.path()); }
    SetupModel& model() { return session.setup; }
    NetworkPage& page() { return networkPage; }

    // Types a text into a number field and leaves it, as the user would.
    static void typeAndLeave(QAbstractSpinBox& field, const QString& text) {
        auto* editor = field.findChild<QLineEdit*>();
        editor->setText(text);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&field, &leave);
    }
};

} // namespace velkarn::test
