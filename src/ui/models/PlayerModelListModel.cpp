#include "ui/models/PlayerModelListModel.h"

#include "ui/widgets/LocalText.h"

namespace velkarn {

PlayerModelListModel::PlayerModelListModel(const Session& session, QObject* parent)
    : QStringListModel(parent), session_(session) {
    showCatalogue();
    connect(&session, &Session::catalogueChanged, this, [this] { showCatalogue(); });
}

int PlayerModelListModel::rowOf(const std::string& name) const {
    return static_cast<int>(stringList().indexOf(local(name)));
}

void PlayerModelListModel::showCatalogue() {
    QStringList names;
    for (const auto& name : session_.setup.catalogue.sortedModelNames())
        names << local(name);
    setStringList(names);
}

} // namespace velkarn
