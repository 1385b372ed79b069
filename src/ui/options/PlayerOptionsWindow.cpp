#include "ui/options/PlayerOptionsWindow.h"

#include "core/content/GameFolderSearch.h"
#include "core/content/ModelIcon.h"
#include "core/content/PlayerModels.h"
#include "core/setup/PlayerName.h"
#include "core/setup/ReadableColor.h"
#include "ui/models/TextListModel.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/NumberSpin.h"
#include "ui/widgets/ScriptValueValidator.h"
#include "ui/widgets/WindowPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace velkarn {

namespace {

QColor qColor(const Rgb& color) {
    return QColor(color.r, color.g, color.b);
}

// Selects `row` of a list without telling, as the program shows what the player holds.
void showRow(QComboBox& list, int row) {
    const QSignalBlocker quiet(list);
    list.setCurrentIndex(row);
}

// A row's text as the core holds it; empty past the end.
std::string valueAt(const TextListModel& list, int row) {
    return bytes(list.index(row).data(TextListModel::ValueRole).toString());
}

constexpr int ModelIconSide = 64;

} // namespace

PlayerOptionsWindow::PlayerOptionsWindow(Session& session, QWidget* parent)
    : QDialog(parent), session_(session), player_(session.player),
      modelList_(new TextListModel(
          [&session] { return session.setup.catalogue.sortedModelNames(); }, {}, this)),
      skinList_(new TextListModel(
          [this] {
              return skinsForModel(session_.setup.catalogue, skinsShownFor_)
                  .value_or(std::vector<std::string>{});
          },
          {}, this)) {
    setUpWindow(this, "playerOptionsWindow", "Player Options");
    createControls();
    layOut();
    connectControls();
    showPlayer();
    playerNameEdit_->setFocus();
}

void PlayerOptionsWindow::createControls() {
    colorToolBar_ = named(new QToolBar(this), "colorToolBar");
    colorToolBar_->setMovable(false);
    addColorButtons();
    playerNameEdit_ = named(new QLineEdit(this), "playerNameEdit");
    auto* nameValidator = new ScriptValueValidator("player name", playerNameEdit_);
    playerNameEdit_->setValidator(nameValidator);
    nameProblemLabel_ = named(new QLabel(this), "nameProblemLabel");
    nameProblemLabel_->setWordWrap(true);
    nameProblemLabel_->hide();
    connect(nameValidator, &ScriptValueValidator::problemChanged, this,
            [this](const QString& problem) {
                nameProblemLabel_->setText(problem);
                nameProblemLabel_->setVisible(!problem.isEmpty());
            });
    namePreview_ = named(new QTextEdit(this), "namePreview");
    namePreview_->setReadOnly(true);
    namePreview_->setFocusPolicy(Qt::NoFocus);
    namePreview_->setFixedHeight(namePreview_->fontMetrics().height() + 12);
    namePreview_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    namePreview_->setLineWrapMode(QTextEdit::NoWrap);
    spoken(namePreview_, "Name in its colors");
    modelCombo_ = named(new QComboBox(this), "modelCombo");
    modelCombo_->setModel(modelList_);
    skinCombo_ = named(new QComboBox(this), "skinCombo");
    skinCombo_->setModel(skinList_);
    modelIconLabel_ = named(new QLabel(this), "modelIconLabel");
    modelIconLabel_->setFixedSize(ModelIconSide, ModelIconSide);
    spoken(modelIconLabel_, "Model icon");
    teamCombo_ = named(new QComboBox(this), "teamCombo");
    teamCombo_->addItems({"Choose at launch", "Blue", "Red"});
    simPingSpin_ = named(new NumberSpin(0, PlayerOptions::MaxSimPing, 10, 0, this), "simPingSpin");
    recordGamesCheck_ = named(new QCheckBox("&Record my games", this), "recordGamesCheck");
    recordGamesCheck_->setToolTip("The game records each local match as a demo, to watch it "
                                  "again from Demos or the results");
}

void PlayerOptionsWindow::addColorButtons() {
    const auto& codes = colorCodes();
    for (std::size_t i = 0; i < colorButtons_.size() && i < codes.size(); ++i) {
        const ColorCode& code = codes[i];
        QPixmap swatch(16, 16);
        swatch.fill(qColor(code.color));
        auto* button = new QToolButton(colorToolBar_);
        button->setObjectName(QString(code.colorName).toLower() + "Button");
        button->setIcon(QIcon(swatch));
        button->setIconSize(QSize(16, 16));
        button->setToolTip(code.colorName);
        button->setAccessibleName(code.colorName);
        // Tab reaches the buttons; a mouse click leaves the focus, and so the selection, in
        // the name field.
        button->setFocusPolicy(Qt::TabFocus);
        colorToolBar_->addWidget(button);
        colorButtons_[i] = button;
        const char digit = code.digit;
        connectGuarded(button, &QToolButton::clicked, this,
                       [this, digit] { applyColorCode(digit); });
    }
}

void PlayerOptionsWindow::layOut() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = named(buttons->button(QDialogButtonBox::Ok), "okButton");
    makeBold(ok);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(colorToolBar_, 0, 1, 1, 2);
    grid->addWidget(namedLabel("Player &Name", "playerNameLabel", this, playerNameEdit_), 1, 0);
    grid->addWidget(playerNameEdit_, 1, 1, 1, 2);
    grid->addWidget(namePreview_, 2, 1, 1, 2);
    grid->addWidget(nameProblemLabel_, 3, 1, 1, 2);
    grid->addWidget(namedLabel("Player &Model", "modelLabel", this, modelCombo_), 4, 0);
    grid->addWidget(modelCombo_, 4, 1);
    grid->addWidget(namedLabel("Player &Skin", "skinLabel", this, skinCombo_), 5, 0);
    grid->addWidget(skinCombo_, 5, 1);
    grid->addWidget(modelIconLabel_, 4, 2, 2, 1);
    grid->addWidget(namedLabel("Player &Team", "teamLabel", this, teamCombo_), 6, 0);
    grid->addWidget(teamCombo_, 6, 1);
    grid->addWidget(namedLabel("Simulated P&ing", "simPingLabel", this, simPingSpin_), 7, 0);
    grid->addWidget(simPingSpin_, 7, 1);
    grid->addWidget(recordGamesCheck_, 8, 1, 1, 2);
    grid->addWidget(buttons, 9, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    // The name comes first, and the color buttons right after it.
    setTabOrder(playerNameEdit_, colorButtons_.front());
    for (std::size_t i = 1; i < colorButtons_.size(); ++i)
        setTabOrder(colorButtons_[i - 1], colorButtons_[i]);
    setTabOrder(colorButtons_.back(), modelCombo_);
    rememberPlacementGrowingInWidth(this, 360);
}

void PlayerOptionsWindow::connectControls() {
    playerNameEdit_->installEventFilter(this);
    connectGuarded(playerNameEdit_, &QLineEdit::textChanged, this, [this] {
        selectionAtFocusOut_.reset();
        player_.setName(bytes(playerNameEdit_->text()));
        showNamePreview();
    });
    connect(modelCombo_, &QComboBox::activated, this,
            [this](int row) { runGuarded([this, row] { chooseModel(row); }); });
    connect(skinCombo_, &QComboBox::activated, this,
            [this](int row) { runGuarded([this, row] { chooseSkin(row); }); });
    connect(teamCombo_, &QComboBox::activated, this,
            [this](int row) { runGuarded([this, row] { player_.setTeam(row); }); });
    connectGuarded(simPingSpin_, &QSpinBox::valueChanged, this,
                   [this] { player_.setSimPing(simPingSpin_->value()); });
    connectGuarded(recordGamesCheck_, &QCheckBox::toggled, this,
                   [this] { player_.setRecordGames(recordGamesCheck_->isChecked()); });
    connect(&player_, &PlayerOptions::changed, this, [this] {
        showPlayer();
        showModelIcon();
    });
    connect(&session_, &Session::catalogueChanged, this, [this] {
        archivesFolder_.reset(); // a search may have found new archives
        modelList_->refresh();
        skinList_->refresh();
        showPlayer();
        showModelIcon();
    });
    // Only marked: listing the archives of every folder typed on the way to the right one (or
    // of "/") would stall the typing; the icon follows when the window shows or the model
    // changes.
    connect(&session_.game, &GameOptions::pathsChanged, this, [this] { archivesFolder_.reset(); });
}

void PlayerOptionsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showModelIcon();
}

bool PlayerOptionsWindow::eventFilter(QObject* watched, QEvent* event) {
    // Runs before the field's own handling, which drops the selection on a keyboard leave.
    if (watched == playerNameEdit_) {
        if (event->type() == QEvent::FocusIn)
            selectionAtFocusOut_.reset();
        else if (event->type() == QEvent::FocusOut && playerNameEdit_->hasSelectedText())
            selectionAtFocusOut_ =
                Selection{playerNameEdit_->selectionStart(), playerNameEdit_->selectionLength()};
    }
    return QDialog::eventFilter(watched, event);
}

void PlayerOptionsWindow::applyColorCode(char digit) {
    const QString text = playerNameEdit_->text();
    if (text.isEmpty())
        return;
    Selection selection{0, 0};
    if (playerNameEdit_->hasSelectedText())
        selection = {playerNameEdit_->selectionStart(), playerNameEdit_->selectionLength()};
    else if (selectionAtFocusOut_)
        selection = *selectionAtFocusOut_;
    // The field counts characters, the name is counted in bytes.
    const int byteStart = static_cast<int>(bytes(text.left(selection.start)).size());
    const int byteLength =
        static_cast<int>(bytes(text.mid(selection.start, selection.length)).size());
    playerNameEdit_->setText(local(insertColorCode(bytes(text), byteStart, byteLength, digit)));
}

// Drawn as the server tables draw names: on the field's own ground, every colour readable.
void PlayerOptionsWindow::showNamePreview() {
    const ColoredText preview = previewPlayerName(bytes(playerNameEdit_->text()));
    namePreview_->setAccessibleDescription(local(describeColors(preview)));
    const QColor base = namePreview_->palette().color(QPalette::Base);
    const Rgb ground{base.red(), base.green(), base.blue()};
    namePreview_->clear();
    // Text goes in as plain runs with their colors, so nothing in a name is read as markup.
    QTextCursor cursor(namePreview_->document());
    std::size_t runStart = 0;
    for (std::size_t i = 1; i <= preview.visible.size(); ++i) {
        if (i < preview.visible.size() && preview.colors[i] == preview.colors[runStart])
            continue;
        QTextCharFormat format;
        format.setForeground(qColor(readableOn(preview.colors[runStart], ground)));
        cursor.insertText(local(preview.visible.substr(runStart, i - runStart)), format);
        runStart = i;
    }
}

void PlayerOptionsWindow::chooseModel(int row) {
    showSkinsOf(valueAt(*modelList_, row));
    player_.setModelAndSkin(skinsShownFor_, valueAt(*skinList_, 0));
}

void PlayerOptionsWindow::chooseSkin(int row) {
    player_.setModelAndSkin(skinsShownFor_, valueAt(*skinList_, row));
}

void PlayerOptionsWindow::showSkinsOf(const std::string& model) {
    skinsShownFor_ = model;
    skinList_->refresh();
}

void PlayerOptionsWindow::showPlayer() {
    const PlayerSettings& settings = player_.settings();
    if (bytes(playerNameEdit_->text()) != settings.name)
        playerNameEdit_->setText(local(settings.name));
    if (skinsShownFor_ != settings.model)
        showSkinsOf(settings.model);
    showRow(*modelCombo_, modelList_->rowOf(settings.model));
    showRow(*skinCombo_, skinList_->rowOf(settings.skin));
    showRow(*teamCombo_, settings.team);
    if (recordGamesCheck_->isChecked() != settings.recordGames) {
        const QSignalBlocker quiet(recordGamesCheck_);
        recordGamesCheck_->setChecked(settings.recordGames);
    }
    if (simPingSpin_->value() != settings.simPing) {
        const QSignalBlocker quiet(simPingSpin_);
        simPingSpin_->setValue(settings.simPing);
    }
}

void PlayerOptionsWindow::showModelIcon() {
    if (!isVisible())
        return;
    const std::string& gameFolder = session_.game.paths().gameFolder;
    if (archivesFolder_ != gameFolder) {
        archivesFolder_ = gameFolder;
        archives_ = gameArchives(session_.game.contentFolders());
        iconShownFor_.clear();
    }
    const PlayerSettings& settings = player_.settings();
    const std::string shownFor = settings.model + "/" + settings.skin;
    if (shownFor == iconShownFor_)
        return;
    iconShownFor_ = shownFor;
    const QImage icon = readModelIcon(archives_, settings.model, settings.skin);
    const QString shown = local(settings.model + " with skin " + settings.skin);
    modelIconLabel_->setAccessibleDescription(icon.isNull() ? "No icon of " + shown
                                                            : "Icon of " + shown);
    if (icon.isNull())
        modelIconLabel_->clear();
    else
        modelIconLabel_->setPixmap(QPixmap::fromImage(icon.scaled(
            ModelIconSide, ModelIconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

} // namespace velkarn
