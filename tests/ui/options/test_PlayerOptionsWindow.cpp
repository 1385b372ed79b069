#include "OptionsWindowsTest.h"
#include "support/JpegFixture.h"
#include "support/ZipFixtures.h"
#include "ui/main/MainWindow.h"
#include "ui/options/PlayerOptionsWindow.h"

#include <QColor>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// A stretch of the preview in one colour.
struct Stretch {
    QString text;
    QColor colour;
    friend bool operator==(const Stretch&, const Stretch&) = default;
};

const QColor White(255, 255, 255);
const QColor Red(254, 0, 0);
const QColor Green(0, 254, 0);
const QColor Blue(0, 0, 254);

class PlayerOptionsWindowTest : public OptionsWindowsTest {
protected:
    PlayerOptionsWindow& player() { return *windows->playerOptionsWindow; }
    QLineEdit& name() { return *player().playerNameEdit; }
    // A search that ends with the catalogue as it is, after a setup named this model and skin.
    void chooseAfterSearch(const std::string& model, const std::string& skin) {
        session->setup.modelNameFromSetup = model;
        session->setup.skinNameFromSetup = skin;
        session->catalogueRebuilt();
    }

    void click(const char* buttonName) {
        auto* button = player().colourToolBar->findChild<QToolButton*>(buttonName);
        ASSERT_NE(button, nullptr) << buttonName;
        button->click();
    }

    // The preview as the user sees it: its text in runs of one colour.
    std::vector<Stretch> preview() {
        std::vector<Stretch> runs;
        const QTextDocument* document = player().namePreview->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const QColor colour = fragment.charFormat().foreground().color();
                if (!runs.empty() && runs.back().colour == colour)
                    runs.back().text += fragment.text();
                else
                    runs.push_back({fragment.text(), colour});
            }
        return runs;
    }

    static QStringList items(const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
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

TEST_F(PlayerOptionsWindowTest, ColourButtonsShowTheirSwatchesInToolBarOrder) {
    createWindows();
    const std::vector<std::pair<QString, QColor>> expected{{"blackButton", QColor(0, 0, 0)},
                                                           {"redButton", Red},
                                                           {"greenButton", Green},
                                                           {"yellowButton", QColor(254, 254, 0)},
                                                           {"blueButton", Blue},
                                                           {"aquaButton", QColor(0, 254, 254)},
                                                           {"pinkButton", QColor(254, 0, 254)},
                                                           {"whiteButton", QColor(254, 254, 254)}};
    ASSERT_EQ(player().colourButtons.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QToolButton* button = player().colourButtons[i];
        EXPECT_EQ(button->objectName(), expected[i].first);
        const QImage swatch = button->icon().pixmap(16, 16).toImage();
        EXPECT_EQ(swatch.size(), QSize(16, 16));
        EXPECT_EQ(swatch.pixelColor(8, 8), expected[i].second) << i;
        EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
    }
    EXPECT_TRUE(player().okButton->isDefault());
}

TEST_F(PlayerOptionsWindowTest, ColourButtonsCodeTheWholeNameWhenNothingIsSelected) {
    createWindows();
    click("redButton");
    EXPECT_EQ(name().text(), "");

    name().setText("abc");
    click("redButton");
    EXPECT_EQ(name().text(), "^1abc");
    click("greenButton");
    EXPECT_EQ(name().text(), "^2abc");
    EXPECT_EQ(preview(), (std::vector<Stretch>{{"abc", Green}}));
}

// A name the game would cut or run is refused as it is typed, and the window says why.
TEST_F(PlayerOptionsWindowTest, TypedNameTheGameWouldCutIsRefusedAsItIsTyped) {
    createWindows();
    auto* problem = player().findChild<QLabel*>("nameProblemLabel");
    ASSERT_NE(problem, nullptr);
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

TEST_F(PlayerOptionsWindowTest, ColourButtonsCodeTheSelectionCountedInCharacters) {
    createWindows();
    name().setText("^1abc");
    name().setSelection(2, 3);
    click("greenButton");
    EXPECT_EQ(name().text(), "^1^2abc");
    EXPECT_EQ(preview(), (std::vector<Stretch>{{"^2abc", Red}}));

    // Characters of more than one byte: the code still lands in front of the selection.
    name().setText(QString::fromUtf8("\xc3\xa4\xc3\xb6xy"));
    name().setSelection(2, 1);
    click("blueButton");
    EXPECT_EQ(name().text(), QString::fromUtf8("\xc3\xa4\xc3\xb6^4xy"));
    EXPECT_EQ(preview(),
              (std::vector<Stretch>{{QString::fromUtf8("\xc3\xa4\xc3\xb6"), White}, {"xy", Blue}}));
}

TEST_F(PlayerOptionsWindowTest, PreviewHidesCodesAndColoursWhatFollows) {
    createWindows();
    const std::vector<std::pair<QString, std::vector<Stretch>>> cases{
        {"^1Big^4Gun", {{"Big", Red}, {"Gun", Blue}}},
        {"^xab^1c", {{"ab", White}, {"c", Red}}},
        {"^", {}},
        {"^1", {}},
        {"<b>bold</b> &amp;", {{"<b>bold</b> &amp;", White}}},
    };
    for (const auto& [coded, shown] : cases) {
        session->player.setName(coded.toStdString());
        EXPECT_EQ(preview(), shown) << coded.toStdString();
    }
    EXPECT_EQ(session->player.settings().name, "<b>bold</b> &amp;");
}

TEST_F(PlayerOptionsWindowTest, ModelsFileFillsTheSortedListAndSkinsFollowTheExactModelName) {
    startWithModels();
    EXPECT_EQ(items(player().modelCombo), (QStringList{"anarki", "Sarge", "sarge"}));
    EXPECT_EQ(session->player.settings().model, "anarki");
    EXPECT_EQ(items(player().skinCombo), (QStringList{"default"}));
    EXPECT_EQ(session->player.settings().team, 0);

    player().modelCombo->setCurrentIndex(2);
    EXPECT_EQ(items(player().skinCombo), (QStringList{"blue"}));
    player().modelCombo->setCurrentIndex(1);
    EXPECT_EQ(items(player().skinCombo), (QStringList{"default", "red"}));
    EXPECT_EQ(session->player.settings().skin, "default");
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
    EXPECT_EQ(items(player().modelCombo), (QStringList{"anarki", "Grunt", "Sarge", "sarge"}));
    EXPECT_EQ(session->player.settings().model, "Grunt");
    EXPECT_EQ(items(player().skinCombo), (QStringList{"red", "stripe"}));
    EXPECT_EQ(session->player.settings().skin, "stripe");

    chooseAfterSearch("Sarge", "RED");
    EXPECT_EQ(session->player.settings().model, "Sarge");
    EXPECT_EQ(session->player.settings().skin, "default");

    chooseAfterSearch("SARGE", "");
    EXPECT_EQ(session->player.settings().model, "anarki");
    EXPECT_EQ(session->player.settings().skin, "default");
    EXPECT_EQ(player().modelCombo->count(), 4);
}

TEST_F(PlayerOptionsWindowTest, ColourButtonReachedByKeyboardStillCodesTheSelection) {
    createWindows();
    name().setText("abcd");
    name().setSelection(1, 2);
    // Tabbing away makes the field drop its selection.
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&name(), &leave);
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
    EXPECT_EQ(player().modelCombo->count(), 0);
    EXPECT_EQ(player().skinCombo->count(), 0);
    EXPECT_EQ(session->player.settings().model, "");
}

TEST_F(PlayerOptionsWindowTest, ShowsTheIconOfTheChosenSkinOrNothing) {
    TempFolder game;
    game.makeFolder("baseq3");
    writeZip(game.file("baseq3/pak0.pk3"),
             {{"models/players/sarge/icon_red.jpg", encodeJpeg(32, 32)}});
    startWithModels();
    session->game.setGameFolder(game.path());
    player().modelCombo->setCurrentIndex(player().modelCombo->findText("Sarge"));
    player().skinCombo->setCurrentIndex(player().skinCombo->findText("red"));
    ASSERT_FALSE(player().modelIconLabel->pixmap().isNull());
    EXPECT_EQ(player().modelIconLabel->pixmap().size(), QSize(64, 64));
    player().skinCombo->setCurrentIndex(player().skinCombo->findText("default"));
    EXPECT_TRUE(player().modelIconLabel->pixmap().isNull());
    EXPECT_TRUE(dialogs.messages.empty());
}
