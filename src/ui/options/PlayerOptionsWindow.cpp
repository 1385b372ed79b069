#include "ui/options/PlayerOptionsWindow.h"

#include "core/content/ModelChoice.h"
#include "core/content/PlayerModels.h"
#include "core/setup/PlayerName.h"
#include "ui/main/Forms.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
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

// The catalogue the content search fills; the main window owns it.
Catalogue& catalogue() {
    return forms().fmMain->model.catalogue;
}

// Selects the item whose text equals `text` exactly, else the first item.

} // namespace

TfmPlayerOptions::TfmPlayerOptions(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setUpWindow(this, "fmPlayerOptions", "Player Options");

    ToolBar = new QToolBar(this);
    ToolBar->setObjectName("ToolBar");
    addColourButtons();
    lbPlayerName = new QLabel("Player Name", this);
    edTruePlayerName = new QLineEdit(this);
    edTruePlayerName->setObjectName("edTruePlayerName");
    lbPlayerName->setBuddy(edTruePlayerName);
    rePlayerName = new QTextEdit(this);
    rePlayerName->setObjectName("rePlayerName");
    rePlayerName->setReadOnly(true);
    rePlayerName->setFixedHeight(rePlayerName->fontMetrics().height() + 12);
    rePlayerName->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rePlayerName->setLineWrapMode(QTextEdit::NoWrap);
    rePlayerName->setStyleSheet(
        QString("QTextEdit { background: rgb(%1,%2,%3); color: rgb(%4,%5,%6); }")
            .arg(PreviewBackground.r)
            .arg(PreviewBackground.g)
            .arg(PreviewBackground.b)
            .arg(PreviewDefaultColour.r)
            .arg(PreviewDefaultColour.g)
            .arg(PreviewDefaultColour.b));
    lbPlayerModel = new QLabel("Player Model", this);
    cbPlayerModel = new QComboBox(this);
    cbPlayerModel->setObjectName("cbPlayerModel");
    lbPlayerModel->setBuddy(cbPlayerModel);
    lbPlayerSkin = new QLabel("Player Skin", this);
    cbPlayerSkin = new QComboBox(this);
    cbPlayerSkin->setObjectName("cbPlayerSkin");
    lbPlayerSkin->setBuddy(cbPlayerSkin);
    lbPlayerTeam = new QLabel("Player Team", this);
    cbPlayerTeam = new QComboBox(this);
    cbPlayerTeam->setObjectName("cbPlayerTeam");
    cbPlayerTeam->addItems({"Choose at launch", "Blue", "Red"});
    lbPlayerTeam->setBuddy(cbPlayerTeam);
    lbSimPing = new QLabel("Simulated Ping", this);
    spSimPing = new TSpinEdit(0, 500, 10, 0, this);
    spSimPing->setObjectName("spSimPing");
    lbSimPing->setBuddy(spSimPing);
    butPlayerOptionsOK = new QPushButton("OK", this);
    butPlayerOptionsOK->setObjectName("butPlayerOptionsOK");
    makeBold(butPlayerOptionsOK);
    butPlayerOptionsOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(ToolBar, 0, 0, 1, 2);
    grid->addWidget(lbPlayerName, 1, 0);
    grid->addWidget(edTruePlayerName, 1, 1);
    grid->addWidget(rePlayerName, 2, 1);
    grid->addWidget(lbPlayerModel, 3, 0);
    grid->addWidget(cbPlayerModel, 3, 1);
    grid->addWidget(lbPlayerSkin, 4, 0);
    grid->addWidget(cbPlayerSkin, 4, 1);
    grid->addWidget(lbPlayerTeam, 5, 0);
    grid->addWidget(cbPlayerTeam, 5, 1);
    grid->addWidget(lbSimPing, 6, 0);
    grid->addWidget(spSimPing, 6, 1);
    grid->addWidget(butPlayerOptionsOK, 7, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(colourButtons.back(), edTruePlayerName);

    edTruePlayerName->installEventFilter(this);
    connectGuarded(edTruePlayerName, &QLineEdit::textChanged, this, [this] {
        selectionAtFocusOut_.reset();
        edTruePlayerNameChange();
    });
    connectGuarded(cbPlayerModel, &QComboBox::currentIndexChanged, this,
                   [this] { cbPlayerModelChange(); });
    connectGuarded(butPlayerOptionsOK, &QPushButton::clicked, this,
                   [this] { butPlayerOptionsOKClick(); });

    cbPlayerTeam->setCurrentIndex(0);
    // A models.txt that cannot be read is reported; the lists then start empty.
    runGuarded([] { LoadModelsFile(forms().fmMain->AppDir + "models.txt", catalogue()); });
    refillModels(catalogue(), "", "");
    centreOnScreen(this);
}

void TfmPlayerOptions::addColourButtons() {
    const auto& codes = ColourCodes();
    for (std::size_t i = 0; i < colourButtons.size() && i < codes.size(); ++i) {
        const ColourCode& code = codes[i];
        QPixmap swatch(16, 16);
        swatch.fill(qColour(code.colour));
        auto* button = new QToolButton(ToolBar);
        button->setObjectName(code.buttonName);
        button->setIcon(QIcon(swatch));
        button->setIconSize(QSize(16, 16));
        button->setToolTip(QString(code.buttonName).mid(2)); // "tbRed" -> "Red"
        // Tab reaches the buttons; a mouse click leaves the focus, and so the selection, in
        // the name field.
        button->setFocusPolicy(Qt::TabFocus);
        ToolBar->addWidget(button);
        colourButtons[i] = button;
        const char digit = code.digit;
        connectGuarded(button, &QToolButton::clicked, this,
                       [this, digit] { tbColourClick(digit); });
    }
}

bool TfmPlayerOptions::eventFilter(QObject* watched, QEvent* event) {
    // Runs before the field's own handling, which drops the selection on a keyboard leave.
    if (watched == edTruePlayerName) {
        if (event->type() == QEvent::FocusIn)
            selectionAtFocusOut_.reset();
        else if (event->type() == QEvent::FocusOut && edTruePlayerName->hasSelectedText())
            selectionAtFocusOut_ =
                Selection{edTruePlayerName->selectionStart(), edTruePlayerName->selectionLength()};
    }
    return QDialog::eventFilter(watched, event);
}

void TfmPlayerOptions::tbColourClick(char digit) {
    const QString text = edTruePlayerName->text();
    if (text.isEmpty())
        return;
    Selection selection{0, 0};
    if (edTruePlayerName->hasSelectedText())
        selection = {edTruePlayerName->selectionStart(), edTruePlayerName->selectionLength()};
    else if (selectionAtFocusOut_)
        selection = *selectionAtFocusOut_;
    // The field counts characters, the name is counted in bytes.
    const int byteStart = static_cast<int>(bytes(text.left(selection.start)).size());
    const int byteLength =
        static_cast<int>(bytes(text.mid(selection.start, selection.length)).size());
    edTruePlayerName->setText(local(InsertColourCode(bytes(text), byteStart, byteLength, digit)));
}

void TfmPlayerOptions::edTruePlayerNameChange() {
    const ColouredText preview = PlayerNamePreview(bytes(edTruePlayerName->text()));
    rePlayerName->clear();
    // Text goes in as plain runs with their colours, so nothing in a name is read as markup.
    QTextCursor cursor(rePlayerName->document());
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

void TfmPlayerOptions::cbPlayerModelChange() {
    refillSkins(catalogue());
}

void TfmPlayerOptions::refillSkins(const Catalogue& models) {
    const auto skins = SkinsForModel(models, bytes(cbPlayerModel->currentText()));
    if (!skins)
        return;
    cbPlayerSkin->clear();
    for (const auto& skin : *skins)
        cbPlayerSkin->addItem(local(skin));
    cbPlayerSkin->setCurrentIndex(skins->empty() ? -1 : 0);
}

void TfmPlayerOptions::butPlayerOptionsOKClick() {
    hide();
}

void TfmPlayerOptions::refillModels(const Catalogue& models, const std::string& setupModel,
                                    const std::string& setupSkin) {
    {
        // The skins are refilled once, for the model finally selected.
        const QSignalBlocker blockModelChange(cbPlayerModel);
        cbPlayerModel->clear();
        for (const auto& name : models.sortedModelNames())
            cbPlayerModel->addItem(local(name));
    }
    // The same choice as the command line makes: the named model and skin, else the first.
    const auto [model, skin] = chooseModelAndSkin(models, setupModel, setupSkin);
    cbPlayerModel->setCurrentIndex(
        cbPlayerModel->findText(local(model), Qt::MatchExactly | Qt::MatchCaseSensitive));
    refillSkins(models);
    cbPlayerSkin->setCurrentIndex(
        cbPlayerSkin->findText(local(skin), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

std::string TfmPlayerOptions::playerName() const {
    return bytes(edTruePlayerName->text());
}

std::string TfmPlayerOptions::modelName() const {
    return bytes(cbPlayerModel->currentText());
}

std::string TfmPlayerOptions::skinName() const {
    return bytes(cbPlayerSkin->currentText());
}

int TfmPlayerOptions::team() const {
    return cbPlayerTeam->currentIndex();
}

int TfmPlayerOptions::simPing() const {
    return spSimPing->value();
}

void TfmPlayerOptions::setPlayerName(const std::string& codedName) {
    edTruePlayerName->setText(local(codedName));
}

void TfmPlayerOptions::setSimPing(int ping) {
    spSimPing->setValue(ping);
}

} // namespace velkarn
