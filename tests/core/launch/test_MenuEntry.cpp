#include "core/launch/MenuEntry.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/SystemLayout.h"
#include "support/TempFolder.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// What desktop-file-validate says of an entry: empty when it has nothing to say; nothing when
// it is not installed.
std::optional<std::string> validatorVerdict(const std::string& path) {
    const std::string validate = SystemLayout::current().findOnPath("desktop-file-validate");
    if (validate.empty())
        return std::nullopt;
    QProcess check;
    check.start(QString::fromStdString(validate), {QString::fromStdString(path)});
    if (!check.waitForFinished(30000))
        return "desktop-file-validate did not finish";
    return (check.readAllStandardOutput() + check.readAllStandardError()).toStdString();
}

} // namespace

TEST(MenuEntry, ExecArgumentsAreQuotedSoTheMenuSplitsThemBackWhole) {
    EXPECT_EQ(desktopExecArgument("/usr/bin/velkarn"), "/usr/bin/velkarn");
    EXPECT_EQ(desktopExecArgument("my duel"), "\"my duel\"");
    EXPECT_EQ(desktopExecArgument("a\"b`c$d\\e"), "\"a\\\"b\\`c\\$d\\\\e\"");
    EXPECT_EQ(desktopExecArgument("100%"), "100%%") << "no field code";
    EXPECT_EQ(desktopExecArgument("it's;x"), "\"it's;x\"");
    EXPECT_EQ(desktopExecArgument(""), "\"\"");
}

TEST(MenuEntry, EntryStartsTheSetupAndPassesTheValidatorWhateverItsName) {
    TempFolder home;
    const std::string configs = home.makeFolder("velkarn/configs");
    const std::string applications = home.file("share/applications");
    for (const std::string name : {"duel", "Tom's \"best\" $HOME 100% \\ night", "a_b", "a b"})
        home.write("velkarn/configs/" + name + ".vkn", "0\r\n");

    const std::string path =
        addMenuEntry(applications, configs, "Tom's \"best\" $HOME 100% \\ night",
                     {"/opt/my velkarn/velkarn", "--appdir", home.path()});
    const std::string text = home.read("share/applications/" + fileNamePart(path));
    EXPECT_NE(text.find("\nExec=\"/opt/my velkarn/velkarn\" --appdir " + home.path() +
                        " play \"Tom's \\\\\"best\\\\\" \\\\$HOME 100%% \\\\\\\\ night\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nName=Velkarn: Tom's \"best\" $HOME 100% \\\\ night\n"),
              std::string::npos);
    if (const auto verdict = validatorVerdict(path)) {
        EXPECT_EQ(*verdict, "");
    }

    EXPECT_NE(addMenuEntry(applications, configs, "a_b", {"velkarn"}),
              addMenuEntry(applications, configs, "a b", {"velkarn"}))
        << "two setups, two entries";
    EXPECT_TRUE(removeMenuEntry(applications, "a b"));
    EXPECT_FALSE(removeMenuEntry(applications, "a b"));
    EXPECT_TRUE(fileExists(menuEntryPath(applications, "a_b")));
}

TEST(MenuEntry, MissingSetupOrANameThatIsNoTextWritesNothing) {
    TempFolder home;
    const std::string configs = home.makeFolder("configs");
    home.write("configs/\xff.vkn", "0\r\n");
    EXPECT_THROW(addMenuEntry(home.file("apps"), configs, "gone", {"velkarn"}), UserMessage);
    EXPECT_THROW(addMenuEntry(home.file("apps"), configs, "\xff", {"velkarn"}), UserMessage);
    EXPECT_THROW(addMenuEntry(home.file("apps"), configs, "../configs/x", {"velkarn"}),
                 UserMessage);
    EXPECT_FALSE(pathExists(home.file("apps")));
}
