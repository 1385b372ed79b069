#pragma once

#include "core/session/Session.h"

#include <QStringListModel>
#include <string>

namespace velkarn {

// The skins of one player model of the catalogue, in slot order, for a drop-down; none for a
// model the catalogue does not hold. Refreshed whenever the catalogue changes, and kept as
// names, so a view never reads a catalogue being searched.
class SkinListModel : public QStringListModel {
    Q_OBJECT
public:
    explicit SkinListModel(const Session& session, QObject* parent = nullptr);

    // Lists the skins of the first model named exactly `model` (case matters).
    void showSkinsOf(const std::string& model);
    const std::string& model() const { return model_; }
    // The row of the skin named exactly `skin`; -1 for none.
    int rowOf(const std::string& skin) const;

private:
    void showCatalogue();

    const Session& session_;
    std::string model_;
};

} // namespace velkarn
