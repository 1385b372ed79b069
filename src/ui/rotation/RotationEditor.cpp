#include "ui/rotation/RotationEditor.h"

#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

#include <QCompleter>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

namespace velkarn {

namespace {

// A map box in which a map among thousands is found by typing any part of its name.
void makeSearchable(QComboBox& box, QAbstractItemModel* maps) {
    box.setModel(maps);
    box.setEditable(true);
    // The typing field is a control of its own to a screen reader.
    box.lineEdit()->setAccessibleName(box.accessibleName().isEmpty() ? QStringLiteral("Map")
                                                                     : box.accessibleName());
    box.lineEdit()->setAccessibleDescription("Type any part of a map's name");
    box.setInsertPolicy(QComboBox::NoInsert);
    box.setMaxVisibleItems(20);
    QCompleter* completer = box.completer();
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    // What was typed and matches no map goes back to the map chosen.
    QObject::connect(box.lineEdit(), &QLineEdit::editingFinished, &box, [&box] {
        if (box.findText(box.currentText(), Qt::MatchFixedString) < 0)
            box.setEditText(box.itemText(box.currentIndex()));
    });
}

} // namespace

RotationEditor::RotationEditor(std::unique_ptr<RotationAccess> rotation, const MapFiles& catalogue,
                               RotationControls controls, QObject* parent)
    : QObject(parent), rotation_(std::move(rotation)), catalogue_(catalogue), controls_(controls),
      model_(new RotationModel(*rotation_, catalogue, this)),
      maps_(newMapListModel(catalogue, this)), sortedMaps_(new SortedMapsModel(*maps_, this)) {
    makeSearchable(*controls_.mapCombo, sortedMaps_);
    controls_.list->setModel(model_);
    controls_.list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    controls_.list->setUniformItemSizes(true);
    connectControls();
    catalogueChanged();
    enableEntryControls();
}

void RotationEditor::connectControls() {
    connectGuarded(controls_.mapCombo, &QComboBox::activated, this, [this] { showChosenMap(); });
    connectGuarded(controls_.list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                   [this] { showFocusedEntry(); });
    connectGuarded(controls_.list->selectionModel(), &QItemSelectionModel::currentChanged, this,
                   [this] { showFocusedEntry(); });
    connectGuarded(controls_.gameTypeCombo, &QComboBox::activated, this,
                   [this] { applyGameType(); });
    connectGuarded(controls_.fragLimitSpin, &QSpinBox::valueChanged, this, [this] {
        model_->setFragLimit(selectedEntries(), controls_.fragLimitSpin->value());
    });
    connectGuarded(controls_.timeLimitSpin, &QSpinBox::valueChanged, this, [this] {
        model_->setTimeLimit(selectedEntries(), controls_.timeLimitSpin->value());
    });
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] { enableEntryControls(); });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { enableEntryControls(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { enableEntryControls(); });
}

std::optional<int> RotationEditor::chosenMap() const {
    const int map = sortedMaps_->mapAt(controls_.mapCombo->currentIndex());
    if (map < 0)
        return std::nullopt;
    return map;
}

void RotationEditor::showChosenMap() {
    {
        const QSignalBlocker quiet(controls_.list->selectionModel());
        controls_.list->clearSelection();
    }
    const auto chosen = chosenMap();
    if (chosen)
        showGameTypes(gameTypeChoicesForMap(*catalogue_[static_cast<std::size_t>(*chosen)]));
    emit mapShown(chosen.value_or(-1));
}

void RotationEditor::addOrRemove() {
    const std::vector<int> selected = selectedEntries();
    if (!selected.empty()) {
        model_->removeEntries(selected);
        emit entriesRemoved();
        showChosenMap();
        return;
    }
    const auto chosen = chosenMap();
    if (!chosen)
        return; // no map chosen: nothing to add
    const int row = model_->appendEntry(*chosen);
    // The new entry is the one worked on, without a selection that later edits would change.
    const QSignalBlocker quiet(controls_.list->selectionModel());
    controls_.list->selectionModel()->setCurrentIndex(model_->index(row),
                                                      QItemSelectionModel::NoUpdate);
    emit entryAdded(row);
}

void RotationEditor::selectEntry(int row) {
    if (row < 0 || row >= model_->rowCount())
        return;
    controls_.list->selectionModel()->setCurrentIndex(model_->index(row),
                                                      QItemSelectionModel::ClearAndSelect);
    controls_.list->scrollTo(model_->index(row));
}

std::vector<int> RotationEditor::selectedEntries() const {
    return selectedRows(*controls_.list);
}

std::optional<int> RotationEditor::focusedEntry() const {
    const QModelIndex current = controls_.list->currentIndex();
    if (!current.isValid() || !controls_.list->selectionModel()->isSelected(current))
        return std::nullopt;
    return current.row();
}

void RotationEditor::showFocusedEntry() {
    const auto row = focusedEntry();
    if (!row)
        return;
    const RotationAccess& rotation = model_->rotation();
    {
        // Showing an entry must not store its limits into the other selected entries.
        const QSignalBlocker quietFrag(controls_.fragLimitSpin);
        const QSignalBlocker quietTime(controls_.timeLimitSpin);
        controls_.fragLimitSpin->setValue(rotation.fragLimit(*row));
        controls_.timeLimitSpin->setValue(rotation.timeLimit(*row));
    }
    showGameTypes(gameTypeChoicesForEntry(rotation.gameType(*row)));
    const int map = rotation.mapFileIndex(*row);
    showMapInBox(map);
    emit mapShown(model_->mapOf(*row) ? map : -1);
    emit entryShown(*row);
}

void RotationEditor::showMapInBox(int catalogueIndex) {
    const int row = sortedMaps_->rowOfMap(catalogueIndex);
    if (row >= 0)
        controls_.mapCombo->setCurrentIndex(row);
}

void RotationEditor::applyGameType() {
    shownChoices_.selected = std::max(0, controls_.gameTypeCombo->currentIndex());
    const std::vector<int> selected = selectedEntries();
    if (!selected.empty())
        model_->setGameType(selected, shownChoices_.selectedGameType());
    controls_.fragLimitLabel->setText(withMnemonic(local(shownChoices_.limitCaption()), "Limit"));
    emit gameTypeApplied();
}

void RotationEditor::catalogueChanged() {
    const auto before = chosenMap();
    const std::string chosenName =
        before ? catalogue_[static_cast<std::size_t>(*before)]->fileName : std::string();
    maps_->refresh();
    model_->catalogueChanged();
    int again = 0;
    for (std::size_t i = 0; i < catalogue_.size(); ++i)
        if (catalogue_[i]->fileName == chosenName)
            again = sortedMaps_->rowOfMap(static_cast<int>(i));
    controls_.mapCombo->setCurrentIndex(catalogue_.empty() ? -1 : again);
    if (focusedEntry())
        showFocusedEntry();
    else
        showChosenMap();
}

void RotationEditor::rotationReplaced() {
    model_->rotationReplaced();
    if (model_->rowCount() > 0)
        selectEntry(0);
    else
        showChosenMap();
}

void RotationEditor::showGameTypes(const GameTypeChoices& choices) {
    shownChoices_ = choices;
    const QSignalBlocker quiet(controls_.gameTypeCombo);
    controls_.gameTypeCombo->clear();
    for (const auto& text : choices.texts())
        controls_.gameTypeCombo->addItem(local(text));
    controls_.gameTypeCombo->setCurrentIndex(choices.selected);
    controls_.fragLimitLabel->setText(withMnemonic(local(choices.limitCaption()), "Limit"));
}

void RotationEditor::enableEntryControls() {
    const bool on = model_->rowCount() > 0;
    for (QWidget* control : std::initializer_list<QWidget*>{
             controls_.gameTypeCombo, controls_.fragLimitLabel, controls_.fragLimitSpin,
             controls_.timeLimitLabel, controls_.timeLimitSpin})
        control->setEnabled(on);
}

} // namespace velkarn
