#include "ui/rotation/RotationEditor.h"

#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/LocalText.h"

#include <QSignalBlocker>
#include <algorithm>

namespace velkarn {

RotationEditor::RotationEditor(RotationAccess& rotation, const MapFiles& catalogue,
                               RotationControls controls)
    : rotation_(rotation), catalogue_(catalogue), controls_(controls) {
}

void RotationEditor::showMaps() {
    const QSignalBlocker quiet(controls_.mapCombo);
    controls_.mapCombo->clear();
    for (const auto& map : catalogue_)
        controls_.mapCombo->addItem(local(mapBaseName(map->fileName)));
    controls_.mapCombo->setCurrentIndex(controls_.mapCombo->count() > 0 ? 0 : -1);
}

void RotationEditor::showRotation() {
    controls_.list->clear();
    for (int position = 0; position < rotation_.size(); ++position)
        controls_.list->addItem(local(rotation_.entryText(position)));
    markMapsWithoutNavigation();
    enableEntryControls(rotation_.size() > 0);
}

void RotationEditor::useNavigationFrom(std::vector<std::string> gameArchives) {
    navigation_ = NavigationIndex(std::move(gameArchives));
    markMapsWithoutNavigation();
}

void RotationEditor::markMapsWithoutNavigation() {
    for (int row = 0; row < controls_.list->count() && row < rotation_.size(); ++row) {
        const auto index = static_cast<std::size_t>(rotation_.mapFileIndex(row));
        markNavigation(*controls_.list->item(row), index < catalogue_.size()
                                                       ? navigation_.navigation(*catalogue_[index])
                                                       : Navigation::Unknown);
    }
}

std::optional<int> RotationEditor::chosenMap() const {
    const int chosen = controls_.mapCombo->currentIndex();
    if (chosen < 0 || chosen >= static_cast<int>(catalogue_.size()))
        return std::nullopt;
    return chosen;
}

bool RotationEditor::showChosenMap() {
    {
        const QSignalBlocker quiet(controls_.list);
        controls_.list->clearSelection();
    }
    const auto chosen = chosenMap();
    if (!chosen)
        return false;
    showGameTypes(gameTypeChoicesForMap(*catalogue_[static_cast<std::size_t>(*chosen)]));
    return true;
}

std::optional<int> RotationEditor::addChosenMap() {
    const auto chosen = chosenMap();
    if (!chosen)
        return std::nullopt;
    const int position = rotation_.add(catalogue_, *chosen);
    controls_.list->addItem(local(rotation_.entryText(position)));
    markMapsWithoutNavigation();
    enableEntryControls(true);
    return position;
}

void RotationEditor::removeSelected() {
    const std::vector<int> rows = selectedEntries();
    rotation_.remove(rows);
    {
        const QSignalBlocker quiet(controls_.list);
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            delete controls_.list->takeItem(*row);
    }
    showChosenMap();
    if (rotation_.size() == 0)
        enableEntryControls(false);
}

std::optional<int> RotationEditor::showFocusedEntry() {
    const int focused = controls_.list->currentRow();
    if (selectedEntries().empty() || focused < 0 || focused >= rotation_.size())
        return std::nullopt;
    {
        // Showing an entry must not store its limits into the other selected entries.
        const QSignalBlocker quietFrag(controls_.fragLimitSpin);
        const QSignalBlocker quietTime(controls_.timeLimitSpin);
        controls_.fragLimitSpin->setValue(rotation_.fragLimit(focused));
        controls_.timeLimitSpin->setValue(rotation_.timeLimit(focused));
    }
    showGameTypes(gameTypeChoicesForEntry(rotation_.gameType(focused)));
    return focused;
}

void RotationEditor::applyGameType() {
    shownChoices_.selected = std::max(0, controls_.gameTypeCombo->currentIndex());
    const std::vector<int> selected = selectedEntries();
    if (!selected.empty())
        replaceLines(rotation_.setGameType(selected, shownChoices_.selectedGameType()));
    controls_.fragLimitLabel->setText(local(shownChoices_.limitCaption()));
}

void RotationEditor::applyFragLimit() {
    replaceLines(rotation_.setFragLimit(selectedEntries(), controls_.fragLimitSpin->value()));
}

void RotationEditor::applyTimeLimit() {
    replaceLines(rotation_.setTimeLimit(selectedEntries(), controls_.timeLimitSpin->value()));
}

void RotationEditor::enableEntryControls(bool on) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             controls_.gameTypeCombo, controls_.fragLimitLabel, controls_.fragLimitSpin,
             controls_.timeLimitLabel, controls_.timeLimitSpin})
        control->setEnabled(on);
}

std::vector<int> RotationEditor::selectedEntries() const {
    return selectedRows(*controls_.list);
}

void RotationEditor::showGameTypes(const GameTypeChoices& choices) {
    shownChoices_ = choices;
    const QSignalBlocker quiet(controls_.gameTypeCombo);
    controls_.gameTypeCombo->clear();
    for (const auto& text : choices.texts())
        controls_.gameTypeCombo->addItem(local(text));
    controls_.gameTypeCombo->setCurrentIndex(choices.selected);
    controls_.fragLimitLabel->setText(local(choices.limitCaption()));
}

void RotationEditor::replaceLines(const std::vector<int>& positions) {
    for (const int position : positions)
        controls_.list->item(position)->setText(local(rotation_.entryText(position)));
}

} // namespace velkarn
