#include "OptionsWindowsTest.h"
#include "core/setup/ReadableColor.h"
#include "support/JpegFixture.h"
#include "support/ZipFixtures.h"
#include "ui/main/MainWindow.h"
#include "ui/options/PlayerOptionsWindow.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <QToolBar>
#include <QToolButton>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// A stretch of the preview in one color.
struct Stretch {
    QString text;
    QColor color;
    friend bool operator==(const Stretch&, const Stretch&) = default;
};

const QColor White(255, 255, 255);
const QColor Red(254, 0, 0);
const QColor Green(0, 254, 0);
const QColor Blue(0, 0, 254);

class PlayerOptionsWindowTest : public OptionsWindowsTest {
protected:
    PlayerOptionsWindow& player() { return window<PlayerOptionsWindow>(); }
    QLineEdit& name() { return child<QLineEdit>(player(), "playerNameEdit"); }
    QComboBox& models() { return child<QComboBox>(player(), "modelCombo"); }
    QComboBox& skins() { return child<QComboBox>(player(), "skinCombo"); }
    QLabel& icon() { return child<QLabel>(player(), "modelIconLabel"); }
    // A search that ends with the catalogue as it is, after a setup named this model and skin.
    void chooseAfterSearch(const std::string& model, const std::string& skin) {
        session->setup.modelNameFromSetup = model;
        session->setup.skinNameFromSetup = skin;
        session->catalogueRebuilt();
    }

    void click(const char* buttonName) { child<QToolButton>(player(), buttonName).click(); }

    // A game colour as the preview draws it: readable on the preview's ground.
    QColor readable(const QColor& game) {
        const QColor base =
            child<QTextEdit>(player(), "namePreview").palette().color(QPalette::Base);
        const Rgb shown = readableOn({game.red(), game.green(), game.blue()},
                                     {base.red(), base.green(), base.blue()});
        return {shown.r, shown.g, shown.b};
    }

    // The preview as the user sees it: its text in runs of one color.
    std::vector<Stretch> preview() {
        std::vector<Stretch> runs;
        const QTextDocument* document = child<QTextEdit>(player(), "namePreview").document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const QColor color = fragment.charFormat().foreground().color();
                if (!runs.empty() && runs.back().color == color)
                    runs.back().text += fragment.text();
                else
                    runs.push_back({fragment.text(), color});
            }
        return runs;
    }

    // Three models, two of them differing only in case, in file order.
    void startWithModels() {
        app.write("models.txt", "Sarge\r\n default\r\n red\r\nEND\r\n"
                                "sarge\r\n blue\r\nEND\r\n"
                                "anarki\r\n default\r\nEND\r\n");
        createWindows();
    }
};

} // namespace

TEST_F(PlayerOptionsWindowTest, ColorButtonsShowTheirSwatchesInToolBarOrder) {
    createWindows();
    const std::vector<std::pair<QString, QColor>> expected{{"blackButton", QColor(0, 0, 0)},
                                                           {"redButton", Red},
                                                           {"greenButton", Green},
                                                           {"yellowButton", QColor(254, 254, 0)},
                                                           {"blueButton", Blue},
                                                           {"aquaButton", QColor(0, 254, 254)},
                                                           {"pinkButton", QColor(254, 0, 254)},
                                                           {"whiteButton", QColor(254, 254, 254)}};
    const QToolBar& toolBar = child<QToolBar>(player(), "colorToolBar");
    const auto actions = toolBar.actions();
    ASSERT_EQ(static_cast<std::size_t>(actions.size()), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto* button = qobject_cast<const QToolButton*>(
            toolBar.widgetForAction(actions[static_cast<qsizetype>(i)]));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->objectName(), expected[i].first);
        const QImage swatch = button->icon().pixmap(16, 16).toImage();
        EXPECT_EQ(swatch.size(), QSize(16, 16));
        EXPECT_EQ(swatch.pixelColor(8, 8), expected[i].second) << i;
        EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
    }
    EXPECT_TRUE(child<QPushButton>(player(), "okButton").isDefault());
}

TEST_F(PlayerOptionsWindowTest, ColorButtonsCodeTheWholeNameWhenNothingIsSelected) {
    createWindows();
    click("redButton");
    EXPECT_EQ(name().text(), "");

    name().setText("abc");
    click("redButton");
    EXPECT_EQ(name().text(), "^1abc");
    click("greenButton");
    EXPECT_EQ(name().text(), "^2abc");
    EXPECT_EQ(preview(), (std::vector<Stretch>{{"abc", readable(Green)}}));
}

// A name the game would cut or run is refused as it is typed, and the window says why.
TEST_F(PlayerOptionsWindowTest, TypedNameTheGameWouldCutIsRefusedAsItIsTyped) {
    createWindows();
    auto* problem = &child<QLabel>(player(), "nameProblemLabel");
    name().insert("AC/");
    name().insert("/DC");
    EXPECT_EQ(name().text(), "AC/");
    EXPECT_EQ(session->player.settings().name, "AC/");
    EXPECT_FALSE(problem->isHidden());
    EXPECT_TRUE(problem->text().endsWith("which starts a comment in the game's console!"));
    name().insert("DC");
    EXPECT_EQ(name().text(), "AC/DC");
    EXPECT_TRUE(problem->isHidden());
}

TEST_F(PlayerOptionsWindowTest, ColorButtonsCodeTheSelectionCountedInCharacters) {
    createWindows();
    name().setText("^1abc");
    name().setSelection(2, 3);
    click("greenButton");
    EXPECT_EQ(name().text(), "^1^2abc");
    EXPECT_EQ(preview(), (std::vector<Stretch>{{"^2abc", readable(Red)}}));

    // Characters of more than one byte: the code still lands in front of the selection.
    name().setText(QString::fromUtf8("\xc3\xa4\xc3\xb6xy"));
    name().setSelection(2, 1);
    click("blueButton");
    EXPECT_EQ(name().text(), QString::fromUtf8("\xc3\xa4\xc3\xb6^4xy"));
    EXPECT_EQ(preview(),
              (std::vector<Stretch>{{QString::fromUtf8("\xc3\xa4\xc3\xb6"), readable(White)},
                                    {"xy", readable(Blue)}}));
}

TEST_F(PlayerOptionsWindowTest, PreviewHidesCodesAndColorsWhatFollowsReadablyAndInWords) {
    createWindows();
    auto& field = child<QTextEdit>(player(), "namePreview");
    const QColor base = field.palette().color(QPalette::Base);
    const Rgb ground{base.red(), base.green(), base.blue()};
    // As the field shows a game colour: the same hue, as readable as text must be.
    const auto shown = [&](const QColor& game) {
        const Rgb readable = readableOn({game.red(), game.green(), game.blue()}, ground);
        EXPECT_GE(contrastRatio(readable, ground), ReadableContrast);
        return QColor(readable.r, readable.g, readable.b);
    };
    const std::vector<std::pair<QString, std::vector<Stretch>>> cases{
        {"^1Big^4Gun", {{"Big", shown(Red)}, {"Gun", shown(Blue)}}},
        {"^xab^1c", {{"ab", shown(White)}, {"c", shown(Red)}}},
        {"^", {}},
        {"^1", {}},
        {"<b>bold</b> &amp;", {{"<b>bold</b> &amp;", shown(White)}}},
    };
    for (const auto& [coded, runs] : cases) {
        session->player.setName(coded.toStdString());
        EXPECT_EQ(preview(), runs) << coded.toStdString();
    }
    EXPECT_EQ(session->player.settings().name, "<b>bold</b> &amp;");
    session->player.setName("^1Big^4Gun");
    EXPECT_EQ(field.accessibleDescription(), "Big in red, Gun in blue");
}

TEST_F(PlayerOptionsWindowTest, ModelsFileFillsTheSortedListAndSkinsFollowTheExactModelName) {
    startWithModels();
    EXPECT_EQ(items(models()), (QStringList{"anarki", "Sarge", "sarge"}));
    EXPECT_EQ(models().currentText(), "anarki");
    EXPECT_EQ(session->player.settings().model, "anarki");
    EXPECT_EQ(items(skins()), (QStringList{"default"}));
    EXPECT_EQ(session->player.settings().team, 0);

    choose(models(), 2);
    EXPECT_EQ(items(skins()), (QStringList{"blue"}));
    EXPECT_EQ(session->player.settings().model, "sarge");
    choose(models(), 1);
    EXPECT_EQ(items(skins()), (QStringList{"default", "red"}));
    EXPECT_EQ(session->player.settings().skin, "default");
    choose(skins(), 1);
    EXPECT_EQ(session->player.settings().model, "Sarge");
    EXPECT_EQ(session->player.settings().skin, "red");
    choose(child<QComboBox>(player(), "teamCombo"), 2);
    EXPECT_EQ(session->player.settings().team, 2);
    EXPECT_EQ(session->setup.catalogue.playerModels.size(), 3u);
}

TEST_F(PlayerOptionsWindowTest, RefillSelectsTheNamedModelAndSkinExactlyElseTheFirst) {
    startWithModels();
    Catalogue& catalogue = session->setup.catalogue;
    auto grunt = std::make_unique<PlayerModel>();
    grunt->name = "Grunt";
    grunt->skins[0] = "red";
    grunt->skins[1] = "stripe";
    grunt->skinCount = 2;
    catalogue.playerModels.push_back(std::move(grunt));

    chooseAfterSearch("Grunt", "stripe");
    EXPECT_EQ(items(models()), (QStringList{"anarki", "Grunt", "Sarge", "sarge"}));
    EXPECT_EQ(session->player.settings().model, "Grunt");
    EXPECT_EQ(items(skins()), (QStringList{"red", "stripe"}));
    EXPECT_EQ(skins().currentText(), "stripe");
    EXPECT_EQ(session->player.settings().skin, "stripe");

    chooseAfterSearch("Sarge", "RED");
    EXPECT_EQ(session->player.settings().model, "Sarge");
    EXPECT_EQ(session->player.settings().skin, "default");

    chooseAfterSearch("SARGE", "");
    EXPECT_EQ(session->player.settings().model, "anarki");
    EXPECT_EQ(session->player.settings().skin, "default");
    EXPECT_EQ(models().currentText(), "anarki");
    EXPECT_EQ(models().count(), 4);
}

TEST_F(PlayerOptionsWindowTest, ColorButtonReachedByKeyboardStillCodesTheSelection) {
    createWindows();
    name().setText("abcd");
    name().setSelection(1, 2);
    // Tabbing away makes the field drop its selection.
    leave(name());
    EXPECT_FALSE(name().hasSelectedText());
    click("redButton");
    EXPECT_EQ(name().text(), "a^1bcd");
    // Once the name has changed, the old selection no longer applies.
    click("blueButton");
    EXPECT_EQ(name().text(), "^4abcd");
}

TEST_F(PlayerOptionsWindowTest, UnreadableModelsFileIsReportedAndTheListsStayEmpty) {
    app.makeFolder("models.txt");
    createWindows();
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Cannot open file " + app.file("models.txt") +
                                        ": it is not a regular file"}));
    EXPECT_EQ(models().count(), 0);
    EXPECT_EQ(skins().count(), 0);
    EXPECT_EQ(session->player.settings().model, "");
}

TEST_F(PlayerOptionsWindowTest, ShowsTheIconOfTheChosenSkinOrNothing) {
    TempFolder game;
    game.makeFolder("baseq3");
    writeZip(game.file("baseq3/pak0.pk3"),
             {{"models/players/sarge/icon_red.jpg", encodeJpeg(32, 32)}});
    startWithModels();
    player().show();
    session->game.setGameFolder(game.path());
    EXPECT_TRUE(icon().pixmap().isNull()) << "no icon for anarki";
    choose(models(), models().findText("Sarge"));
    choose(skins(), skins().findText("red"));
    ASSERT_FALSE(icon().pixmap().isNull());
    EXPECT_EQ(icon().pixmap().size(), QSize(64, 64));
    EXPECT_EQ(icon().accessibleDescription(), "Icon of Sarge with skin red");
    choose(skins(), skins().findText("default"));
    EXPECT_TRUE(icon().pixmap().isNull());
    EXPECT_EQ(icon().accessibleDescription(), "No icon of Sarge with skin default");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PlayerOptionsWindowTest, NameHasTheFirstFocusAndOkOrEscapeHideTheWindow) {
    createWindows();
    player().show();
    EXPECT_EQ(player().focusWidget(), &name());
    EXPECT_EQ(child<QLabel>(player(), "simPingLabel").buddy(),
              &child<QSpinBox>(player(), "simPingSpin"));
    name().setText("^1Ace");
    pressEscape(player());
    EXPECT_FALSE(player().isVisible());
    player().show();
    child<QPushButton>(player(), "okButton").click();
    EXPECT_FALSE(player().isVisible());
    EXPECT_EQ(session->player.settings().name, "^1Ace");
}
