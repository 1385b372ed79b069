#include "core/launch/GameLaunch.h"
#include "support/AppFixture.h"
#include "support/Controls.h"
#include "support/GameFolder.h"
#include "ui/demos/DemosWindow.h"
#include "ui/main/AboutWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ScriptPreviewWindow.h"
#include "ui/main/SplashWindow.h"
#include "ui/network/BuddiesWindow.h"
#include "ui/network/FindServersWindow.h"
#include "ui/network/RemoteConsoleWindow.h"
#include "ui/network/ServeCommandWindow.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/ModEditWindow.h"
#include "ui/options/PlayerOptionsWindow.h"
#include "ui/options/TestReportWindow.h"
#include "ui/results/ResultsWindow.h"
#include "ui/rotation/SetupInfoWindow.h"
#include "ui/search/SearchingWindow.h"
#include "ui/widgets/RadioGroup.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using namespace velkarn;
using namespace velkarn::test;

namespace {

std::string describe(QAccessibleInterface& item) {
    QObject* object = item.object();
    // Inner parts of a control have no name of their own: their parent says where they are.
    const QObject* parent = object ? object->parent() : nullptr;
    return (object ? object->objectName().toStdString() + " " + object->metaObject()->className()
                   : std::string("(item)")) +
           (parent ? " in " + parent->objectName().toStdString() : std::string()) + " role " +
           std::to_string(static_cast<int>(item.role()));
}

// Every control a screen reader can land on (focusable, or a picture) that it would announce
// without a name, hidden ones included: a page not shown now is shown later.
void collectUnnamed(QAccessibleInterface& item, const QWidget& window,
                    std::vector<std::string>& unnamed) {
    // Only the window's own controls: a combo box's list, say, is a window of its own.
    const auto* control = qobject_cast<const QWidget*>(item.object());
    const bool widget = control && control->window() == &window;
    const bool reachable = item.state().focusable || item.role() == QAccessible::Graphic;
    if (widget && reachable && item.text(QAccessible::Name).trimmed().isEmpty())
        unnamed.push_back(describe(item));
    for (int i = 0; i < item.childCount(); ++i)
        if (QAccessibleInterface* child = item.child(i))
            collectUnnamed(*child, window, unnamed);
}

std::vector<std::string> unnamedControls(QWidget& window) {
    std::vector<std::string> unnamed;
    if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window))
        collectUnnamed(*root, window, unnamed);
    return unnamed;
}

// The key of a caption's mnemonic ("&Play" gives 'p'), or 0.
QChar mnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == '&') {
            if (caption[i + 1] != '&')
                return caption[i + 1].toLower();
            ++i;
        }
    return {};
}

struct Caption {
    std::string control;
    QString text;
    bool mustHaveMnemonic; // buttons and the labels of controls
};

// The captions the user can reach with Alt in the window as it is shown now.
std::vector<Caption> shownCaptions(QWidget& window) {
    std::vector<Caption> captions;
    const auto add = [&](const QObject& control, const QString& text, bool must) {
        captions.push_back({control.objectName().toStdString(), text, must});
    };
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || control->window() != &window)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            // The standard buttons of a button box answer Enter and Escape.
            add(*button, button->text(),
                !qobject_cast<QToolButton*>(button) &&
                    !qobject_cast<QDialogButtonBox*>(button->parentWidget()));
        else if (auto* label = qobject_cast<QLabel*>(control); label && label->buddy())
            add(*label, label->text(), true);
        else if (auto* group = qobject_cast<QGroupBox*>(control); group && group->isCheckable())
            add(*group, group->title(), true);
        else if (auto* tabs = qobject_cast<QTabBar*>(control))
            for (int i = 0; i < tabs->count(); ++i)
                add(*tabs, tabs->tabText(i), false);
        else if (auto* menus = qobject_cast<QMenuBar*>(control))
            for (const QAction* menu : menus->actions())
                add(*menus, menu->text(), true);
    }
    return captions;
}

// Mnemonics two shown controls share (Alt then only moves between them), and buttons and
// labels without one.
std::vector<std::string> mnemonicFaults(QWidget& window) {
    std::vector<std::string> faults;
    std::map<QChar, std::string> owners;
    for (const Caption& caption : shownCaptions(window)) {
        const QChar key = mnemonicOf(caption.text);
        const std::string shown = caption.control + " \"" + caption.text.toStdString() + "\"";
        if (key.isNull()) {
            if (caption.mustHaveMnemonic && !caption.text.isEmpty() && caption.text != "...")
                faults.push_back("no mnemonic: " + shown);
            continue;
        }
        if (auto [owner, added] = owners.try_emplace(key, shown); !added)
            faults.push_back("shared mnemonic: " + owner->second + " and " + shown);
    }
    return faults;
}

class AccessibilityTest : public AppFixture {
protected:
    GameFolder game{true};

    void SetUp() override {
        app.write("path.txt", game.path() + "\r\n\r\n");
        start();
    }
    template <typename... Windows, typename Check> void forEach(Check& check) {
        (check(window<Windows>()), ...);
    }
    // Every window of a run, the modal ones made here as their openers make them.
    template <typename Check> void forEveryWindow(Check check) {
        forEach<MainWindow, SplashWindow, SearchingWindow, SetupInfoWindow, TestReportWindow,
                AboutWindow, ModEditWindow, GameOptionsWindow, PlayerOptionsWindow,
                FindServersWindow, RemoteConsoleWindow, ResultsWindow, DemosWindow>(check);
        BuddiesWindow buddies(session->buddies);
        check(buddies);
        ServeCommandWindow serve(*session, ServerOptions{});
        check(serve);
        ScriptPreviewWindow script(LaunchPreview{"openarena +exec velkarn", "velkarn.cfg", {}});
        check(script);
    }
    // The main window on each of its pages, as Go! shows them.
    template <typename Check> void forEveryPage(Check check) {
        check();
        auto& types = child<RadioGroup>(mainWindow(), "setupTypeGroup");
        for (int type = 0; type < types.count(); ++type) {
            types.setItemIndex(type);
            child<QPushButton>(mainWindow(), "goButton").click();
            check();
            child<QTabWidget>(mainWindow(), "pageTabs").setCurrentIndex(0);
        }
    }
};

} // namespace

TEST_F(AccessibilityTest, EveryFocusableControlAndPictureHasAName) {
    forEveryWindow([](QWidget& window) {
        EXPECT_EQ(unnamedControls(window), std::vector<std::string>{})
            << "in " << window.objectName().toStdString();
    });
}

TEST_F(AccessibilityTest, MnemonicsAreUniqueWithinWhatIsShownAndOnEveryButtonAndLabel) {
    forEveryWindow([](QWidget& window) {
        window.show();
        EXPECT_EQ(mnemonicFaults(window), std::vector<std::string>{})
            << "in " << window.objectName().toStdString();
        window.hide();
    });
    mainWindow().show();
    forEveryPage([this] {
        const QWidget* page = child<QTabWidget>(mainWindow(), "pageTabs").currentWidget();
        EXPECT_EQ(mnemonicFaults(mainWindow()), std::vector<std::string>{})
            << "on " << page->objectName().toStdString();
    });
}
