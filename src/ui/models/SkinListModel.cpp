#include "ui/models/SkinListModel.h"

#include "core/content/PlayerModels.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

SkinListModel::SkinListModel(const Session& session, QObject* parent)
    : QStringListModel(parent), session_(session) {
    connect(&session, &Session::catalogueChanged, this, [this] { showCatalogue(); });
}

void SkinListModel::showSkinsOf(const std::string& model) {
    model_ = model;
    showCatalogue();
}

int SkinListModel::rowOf(const std::string& skin) const {
    return static_cast<int>(stringList().indexOf(local(skin)));
}

void SkinListModel::showCatalogue() {
    QStringList names;
    for (const auto& skin :
         skinsForModel(session_.setup.catalogue, model_).value_or(std::vector<std::string>{}))
        names << local(skin);
    setStringList(names);
}

} // namespace velkarn
