// Times the windows over a collection of 3,000 maps (make_corpus.cpp, made once in the temporary
// folder), each beside its baseline in the same run:
//   (a) typing a map's name into the Complex page's map box, a key at a time: the box's
//       completer finding the maps whose names hold what was typed; baseline: the same search
//       as a plain loop over the 3,000 names. Goal: far below the 50 ms between keys of a fast
//       typist.
//   (b) the start, from creating the windows to the main window shown, with the list files
//       read and the game folder searched while the splash shows; baseline: the splash's own
//       two seconds. Goal: at most 0.1 s beyond them.
//
// Usage: window_bench [folder]   (default: velkarn-map-collection in the temporary folder)

#include "core/content/GameFolderSearch.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/session/Session.h"
#include "make_corpus.h"
#include "ui/main/AppWindows.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SplashWindow.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace velkarn;

// What a player types to find a map: a few letters of a name, a key at a time.
const std::vector<std::string> Typed = {"m", "ma", "map", "map1", "map12", "map123", "e", "er"};
constexpr int Rounds = 20;

double millisecondsOf(QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The catalogue of the collection in a list-file folder of its own, searched once.
std::string preparedAppDir(const std::string& root, const std::string& game) {
    const std::string app = root + "/window-bench-app/";
    createFolder(app);
    writeTextFile(app + "path.txt", {game, ""});
    Session session(app, 1);
    session.readListFiles();
    struct Quiet : SearchObserver {
    } quiet;
    rebuildCatalogue(session.game.installation().contentFolders(), app, session.setup.catalogue,
                     quiet);
    return app;
}

// Per key typed: the loop over the names, and the completer over the map box's model.
void benchTyping(MainWindow& window) {
    auto* box = window.findChild<QComboBox*>("mapCombo");
    QCompleter* completer = box->completer();
    std::vector<std::string> names;
    for (int row = 0; row < box->count(); ++row)
        names.push_back(box->itemText(row).toLower().toStdString());
    std::printf("maps in the box: %zu\n", names.size());

    QElapsedTimer timer;
    std::size_t found = 0;
    timer.start();
    for (int round = 0; round < Rounds; ++round)
        for (const std::string& text : Typed)
            found += static_cast<std::size_t>(
                std::count_if(names.begin(), names.end(), [&](const std::string& name) {
                    return name.find(text) != std::string::npos;
                }));
    const double loop = millisecondsOf(timer) / Rounds / static_cast<double>(Typed.size());

    std::size_t completed = 0;
    timer.restart();
    for (int round = 0; round < Rounds; ++round)
        for (const std::string& text : Typed) {
            completer->setCompletionPrefix(QString::fromStdString(text));
            completed += static_cast<std::size_t>(completer->completionCount());
        }
    const double box_ = millisecondsOf(timer) / Rounds / static_cast<double>(Typed.size());
    std::printf("(a) a key typed: plain loop %.3f ms, map box %.3f ms = %.1f x (%zu = %zu found)\n",
                loop, box_, box_ / loop, found, completed);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string root =
        argc > 1 ? argv[1] : QDir::tempPath().toStdString() + "/velkarn-map-collection";
    const std::string game = bench::ensureMapCollection(root);
    const std::string app = preparedAppDir(root, game);

    QApplication application(argc, argv);
    QtDialogs dialogs;
    installDialogs(&dialogs);
    QElapsedTimer timer;
    timer.start();
    Session session(app, 1);
    AppWindows windows(session);
    windows.mainWindow().startUp();
    const double start = millisecondsOf(timer);
    std::printf("(b) start to the main window: %.0f ms, splash %d ms, %.0f ms beyond it (goal: "
                "at most 100)\n",
                start, SplashWindow::IntervalMs, start - SplashWindow::IntervalMs);
    benchTyping(windows.mainWindow());
    installDialogs(nullptr);
    return 0;
}
