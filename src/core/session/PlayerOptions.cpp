#include "core/session/PlayerOptions.h"

#include "core/content/ModelChoice.h"

#include <algorithm>

namespace velkarn {

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

void PlayerOptions::chooseModel(const Catalogue& catalogue, const std::string& setupModel,
                                const std::string& setupSkin) {
    const auto [model, skin] = chooseModelAndSkin(catalogue, setupModel, setupSkin);
    setModelAndSkin(model, skin);
}

void PlayerOptions::update(PlayerSettings settings) {
    if (settings.name == settings_.name && settings.model == settings_.model &&
        settings.skin == settings_.skin && settings.team == settings_.team &&
        settings.simPing == settings_.simPing)
        return;
    settings_ = std::move(settings);
    emit changed();
}

} // namespace velkarn
