#include "ui/options/PlayerOptionsWindow.h"

#include "core/content/GameFolderSearch.h"
#include "core/content/ModelIcon.h"
#include "core/content/PlayerModels.h"
#include "core/setup/PlayerName.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/ScriptValueValidator.h"
#include "ui/widgets/WindowPlacement.h"

#include <QEvent>
#include <QGridLayout>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QTextCursor>

namespace velkarn {

namespace {

QColor qColour(const Rgb& colour) {
    return QColor(colour.r, colour.g, colour.b);
}

// Selects the item whose text equals `text` exactly (nothing when none does) without telling.
void selectExactly(QComboBox& list, const std::string& text) {
    const QSignalBlocker quiet(list);
    list.setCurrentIndex(list.findText(local(text), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

constexpr int ModelIconSide = 64;

} // namespace

PlayerOptionsWindow::PlayerOptionsWindow(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      session_(session), player_(session.player) {
    setUpWindow(this, "playerOptionsWindow", "Player Options");

    colourToolBar = new QToolBar(this);
    colourToolBar->setObjectName("colourToolBar");
    addColourButtons();
    playerNameLabel = new QLabel("Player Name", this);
    playerNameEdit = new QLineEdit(this);
    playerNameEdit->setObjectName("playerNameEdit");
    playerNameLabel->setBuddy(playerNameEdit);
    auto* nameValidator = new ScriptValueValidator("player name", playerNameEdit);
    playerNameEdit->setValidator(nameValidator);
    nameProblemLabel = new QLabel(this);
    nameProblemLabel->setObjectName("nameProblemLabel");
    nameProblemLabel->setWordWrap(true);
    nameProblemLabel->hide();
    connect(nameValidator, &ScriptValueValidator::problemChanged, this,
            [this](const QString& problem) {
                nameProblemLabel->setText(problem);
                nameProblemLabel->setVisible(!problem.isEmpty());
            });
    namePreview = new QTextEdit(this);
    namePreview->setObjectName("namePreview");
    namePreview->setReadOnly(true);
    namePreview->setFixedHeight(namePreview->fontMetrics().height() + 12);
    namePreview->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    namePreview->setLineWrapMode(QTextEdit::NoWrap);
    namePreview->setStyleSheet(
        QString("QTextEdit { background: rgb(%1,%2,%3); color: rgb(%4,%5,%6); }")
            .arg(PreviewBackground.r)
            .arg(PreviewBackground.g)
            .arg(PreviewBackground.b)
            .arg(PreviewDefaultColour.r)
            .arg(PreviewDefaultColour.g)
            .arg(PreviewDefaultColour.b));
    modelLabel = new QLabel("Player Model", this);
    modelCombo = new QComboBox(this);
    modelCombo->setObjectName("modelCombo");
    modelLabel->setBuddy(modelCombo);
    skinLabel = new QLabel("Player Skin", this);
    skinCombo = new QComboBox(this);
    skinCombo->setObjectName("skinCombo");
    skinLabel->setBuddy(skinCombo);
    modelIconLabel = new QLabel(this);
    modelIconLabel->setObjectName("modelIconLabel");
    modelIconLabel->setFixedSize(ModelIconSide, ModelIconSide);
    teamLabel = new QLabel("Player Team", this);
    teamCombo = new QComboBox(this);
    teamCombo->setObjectName("teamCombo");
    teamCombo->addItems({"Choose at launch", "Blue", "Red"});
    teamLabel->setBuddy(teamCombo);
    simPingLabel = new QLabel("Simulated Ping", this);
    simPingSpin = new NumberSpin(0, PlayerOptions::MaxSimPing, 10, 0, this);
    simPingSpin->setObjectName("simPingSpin");
    simPingLabel->setBuddy(simPingSpin);
    okButton = new QPushButton("OK", this);
    okButton->setObjectName("okButton");
    makeBold(okButton);
    okButton->setDefault(true);
    layOut();
    connectControls();
    showModels();
    showPlayer();
    showModelIcon();
    centreOnScreen(this);
}

void PlayerOptionsWindow::layOut() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(colourToolBar, 0, 0, 1, 2);
    grid->addWidget(playerNameLabel, 1, 0);
    grid->addWidget(playerNameEdit, 1, 1);
    grid->addWidget(namePreview, 2, 1);
    grid->addWidget(nameProblemLabel, 8, 0, 1, 3);
    grid->addWidget(modelLabel, 3, 0);
    grid->addWidget(modelCombo, 3, 1);
    grid->addWidget(skinLabel, 4, 0);
    grid->addWidget(skinCombo, 4, 1);
    grid->addWidget(modelIconLabel, 3, 2, 2, 1);
    grid->addWidget(teamLabel, 5, 0);
    grid->addWidget(teamCombo, 5, 1);
    grid->addWidget(simPingLabel, 6, 0);
    grid->addWidget(simPingSpin, 6, 1);
    grid->addWidget(okButton, 7, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(colourButtons.back(), playerNameEdit);
}

void PlayerOptionsWindow::connectControls() {
    playerNameEdit->installEventFilter(this);
    connectGuarded(playerNameEdit, &QLineEdit::textChanged, this, [this] {
        selectionAtFocusOut_.reset();
        player_.setName(bytes(playerNameEdit->text()));
        showNamePreview();
    });
    connectGuarded(modelCombo, &QComboBox::currentIndexChanged, this, [this] { showModelSkins(); });
    connectGuarded(skinCombo, &QComboBox::currentIndexChanged, this, [this] {
        player_.setModelAndSkin(bytes(modelCombo->currentText()), bytes(skinCombo->currentText()));
    });
    connectGuarded(teamCombo, &QComboBox::currentIndexChanged, this,
                   [this] { player_.setTeam(teamCombo->currentIndex()); });
    connectGuarded(simPingSpin, &QSpinBox::valueChanged, this,
                   [this] { player_.setSimPing(simPingSpin->value()); });
    connectGuarded(okButton, &QPushButton::clicked, this, [this] { closeOptions(); });
    connect(&player_, &PlayerOptions::changed, this, [this] {
        showPlayer();
        showModelIcon();
    });
    connect(&session_, &Session::catalogueChanged, this, [this] {
        archivesFolder_.reset(); // a search may have found new archives
        showModels();
        showModelIcon();
    });
    connect(&session_.game, &GameOptions::pathsChanged, this, [this] { showModelIcon(); });
}

void PlayerOptionsWindow::addColourButtons() {
    const auto& codes = colourCodes();
    for (std::size_t i = 0; i < colourButtons.size() && i < codes.size(); ++i) {
        const ColourCode& code = codes[i];
        QPixmap swatch(16, 16);
        swatch.fill(qColour(code.colour));
        auto* button = new QToolButton(colourToolBar);
        button->setObjectName(QString(code.colourName).toLower() + "Button");
        button->setIcon(QIcon(swatch));
        button->setIconSize(QSize(16, 16));
        button->setToolTip(code.colourName);
        // Tab reaches the buttons; a mouse click leaves the focus, and so the selection, in
        // the name field.
        button->setFocusPolicy(Qt::TabFocus);
        colourToolBar->addWidget(button);
        colourButtons[i] = button;
        const char digit = code.digit;
        connectGuarded(button, &QToolButton::clicked, this,
                       [this, digit] { applyColourCode(digit); });
    }
}

bool PlayerOptionsWindow::eventFilter(QObject* watched, QEvent* event) {
    // Runs before the field's own handling, which drops the selection on a keyboard leave.
    if (watched == playerNameEdit) {
        if (event->type() == QEvent::FocusIn)
            selectionAtFocusOut_.reset();
        else if (event->type() == QEvent::FocusOut && playerNameEdit->hasSelectedText())
            selectionAtFocusOut_ =
                Selection{playerNameEdit->selectionStart(), playerNameEdit->selectionLength()};
    }
    return QDialog::eventFilter(watched, event);
}

void PlayerOptionsWindow::applyColourCode(char digit) {
    const QString text = playerNameEdit->text();
    if (text.isEmpty())
        return;
    Selection selection{0, 0};
    if (playerNameEdit->hasSelectedText())
        selection = {playerNameEdit->selectionStart(), playerNameEdit->selectionLength()};
    else if (selectionAtFocusOut_)
        selection = *selectionAtFocusOut_;
    // The field counts characters, the name is counted in bytes.
    const int byteStart = static_cast<int>(bytes(text.left(selection.start)).size());
    const int byteLength =
        static_cast<int>(bytes(text.mid(selection.start, selection.length)).size());
    playerNameEdit->setText(local(insertColourCode(bytes(text), byteStart, byteLength, digit)));
}

void PlayerOptionsWindow::showNamePreview() {
    const ColouredText preview = previewPlayerName(bytes(playerNameEdit->text()));
    namePreview->clear();
    // Text goes in as plain runs with their colours, so nothing in a name is read as markup.
    QTextCursor cursor(namePreview->document());
    std::size_t runStart = 0;
    for (std::size_t i = 1; i <= preview.visible.size(); ++i) {
        if (i < preview.visible.size() && preview.colours[i] == preview.colours[runStart])
            continue;
        QTextCharFormat format;
        format.setForeground(qColour(preview.colours[runStart]));
        cursor.insertText(local(preview.visible.substr(runStart, i - runStart)), format);
        runStart = i;
    }
}

void PlayerOptionsWindow::showModelSkins() {
    refillSkins();
    player_.setModelAndSkin(bytes(modelCombo->currentText()), bytes(skinCombo->currentText()));
}

void PlayerOptionsWindow::refillSkins() {
    const auto skins = skinsForModel(session_.setup.catalogue, bytes(modelCombo->currentText()));
    if (!skins)
        return;
    const QSignalBlocker quiet(skinCombo);
    skinCombo->clear();
    for (const auto& skin : *skins)
        skinCombo->addItem(local(skin));
    skinCombo->setCurrentIndex(skins->empty() ? -1 : 0);
}

void PlayerOptionsWindow::showModelIcon() {
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
    if (icon.isNull())
        modelIconLabel->clear();
    else
        modelIconLabel->setPixmap(QPixmap::fromImage(icon.scaled(
            ModelIconSide, ModelIconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void PlayerOptionsWindow::closeOptions() {
    hide();
}

void PlayerOptionsWindow::showModels() {
    {
        const QSignalBlocker quiet(modelCombo);
        modelCombo->clear();
        for (const auto& name : session_.setup.catalogue.sortedModelNames())
            modelCombo->addItem(local(name));
    }
    chooseModelInList();
}

void PlayerOptionsWindow::chooseModelInList() {
    const PlayerSettings& settings = player_.settings();
    selectExactly(*modelCombo, settings.model);
    refillSkins();
    selectExactly(*skinCombo, settings.skin);
}

void PlayerOptionsWindow::showPlayer() {
    const PlayerSettings& settings = player_.settings();
    if (bytes(playerNameEdit->text()) != settings.name)
        playerNameEdit->setText(local(settings.name));
    if (bytes(modelCombo->currentText()) != settings.model ||
        bytes(skinCombo->currentText()) != settings.skin)
        chooseModelInList();
    if (teamCombo->currentIndex() != settings.team) {
        const QSignalBlocker quiet(teamCombo);
        teamCombo->setCurrentIndex(settings.team);
    }
    if (simPingSpin->value() != settings.simPing) {
        const QSignalBlocker quiet(simPingSpin);
        simPingSpin->setValue(settings.simPing);
    }
}

} // namespace velkarn
