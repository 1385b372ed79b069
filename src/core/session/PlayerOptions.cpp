#include "core/session/PlayerOptions.h"

#include "core/content/ModelChoice.h"
#include "core/platform/Errors.h"

#include <QSettings>
#include <algorithm>

namespace velkarn {

namespace {

constexpr auto RecordGamesKey = "Player/RecordGames";

} // namespace

PlayerOptions::PlayerOptions(std::string optionsFile) : optionsFile_(std::move(optionsFile)) {
    if (!optionsFile_.empty())
        settings_.recordGames =
            QSettings(QString::fromLocal8Bit(optionsFile_.c_str()), QSettings::IniFormat)
                .value(RecordGamesKey, false)
                .toBool();
}

void PlayerOptions::setName(const std::string& codedName) {
    PlayerSettings next = settings_;
    next.name = codedName;
    update(next);
}

void PlayerOptions::setModelAndSkin(const std::string& model, const std::string& skin) {
    PlayerSettings next = settings_;
    next.model = model;
    next.skin = skin;
    update(next);
}

void PlayerOptions::setTeam(int team) {
    PlayerSettings next = settings_;
    next.team = team;
    update(next);
}

void PlayerOptions::setSimPing(int ping) {
    PlayerSettings next = settings_;
    next.simPing = std::clamp(ping, 0, MaxSimPing);
    update(next);
}

void PlayerOptions::setRecordGames(bool on) {
    PlayerSettings next = settings_;
    next.recordGames = on;
    update(next);
    if (optionsFile_.empty())
        return;
    QSettings options(QString::fromLocal8Bit(optionsFile_.c_str()), QSettings::IniFormat);
    options.setValue(RecordGamesKey, on);
    options.sync();
    if (options.status() != QSettings::NoError)
        throw FileCreateError(optionsFile_);
}

void PlayerOptions::chooseModel(const Catalogue& catalogue, const std::string& setupModel,
                                const std::string& setupSkin) {
    const auto [model, skin] = chooseModelAndSkin(catalogue, setupModel, setupSkin);
    setModelAndSkin(model, skin);
}

void PlayerOptions::update(PlayerSettings settings) {
    if (settings.name == settings_.name && settings.model == settings_.model &&
        settings.skin == settings_.skin && settings.team == settings_.team &&
        settings.simPing == settings_.simPing && settings.recordGames == settings_.recordGames)
        return;
    settings_ = std::move(settings);
    emit changed();
}

} // namespace velkarn
