#pragma once

#include "core/session/Session.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <string>
#include <vector>

namespace velkarn {

class BotsGroup;
class MapsGroup;

// The Complex page: the map rotation with each map's bots, a look at its script, and Play. The
// entry whose bots are shown is the one last shown or added; its map, picture, title, game type
// and limits are the ones on show, whatever happened before (a search, a setup read, a random
// series built).
class ComplexPage : public QWidget {
    Q_OBJECT
public:
    explicit ComplexPage(Session& session, QWidget* parent = nullptr);

    // Marks the entries whose maps have no bot navigation in these archives.
    void useNavigationFrom(std::vector<std::string> gameArchives);

signals:
    void playRequested();
    void scriptRequested();
    void backRequested();
    void findMapsRequested();

private:
    void connectGroups();
    // The entry whose roster is shown, or nullptr when it is no longer in the rotation.
    RotationEntry* workedEntry() const;
    void showEntry(int row);
    void offerRandomBotCount();
    void addRandomBotsToSelected();
    // Says before Play what the game will not play of the rotation (see tournamentStopNote).
    void showRotationNote();

    Session& session_;
    MapsGroup* mapsGroup_;
    BotsGroup* botsGroup_;
    QLabel* rotationNoteLabel_;
    QPushButton* scriptButton_;
    QPushButton* playButton_;
    QPushButton* backButton_;
    RotationEntry* workedEntry_ = nullptr;
};

} // namespace velkarn
