#include "core/setup/PlayerName.h"

#include <gtest/gtest.h>

using namespace velkarn;

namespace {

constexpr Rgb white = PreviewDefaultColor;
constexpr Rgb red{254, 0, 0};
constexpr Rgb blue{0, 0, 254};

std::vector<Rgb> repeat(Rgb color, std::size_t n) {
    return std::vector<Rgb>(n, color);
}

std::vector<Rgb> join(std::vector<Rgb> a, const std::vector<Rgb>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(PlayerNamePreview, CodesColorWhatFollowsThem) {
    const auto bigGun = previewPlayerName("^1Big^4Gun");
    EXPECT_EQ(bigGun.visible, "BigGun");
    EXPECT_EQ(bigGun.colors, join(repeat(red, 3), repeat(blue, 3)));

    // The character right after a code is shown even when it is a "^".
    const auto shownCaret = previewPlayerName("^1^2ab");
    EXPECT_EQ(shownCaret.visible, "^2ab");
    EXPECT_EQ(shownCaret.colors, repeat(red, 4));

    const auto plain = previewPlayerName("Plain");
    EXPECT_EQ(plain.visible, "Plain");
    EXPECT_EQ(plain.colors, repeat(white, 5));
}

TEST(PlayerNamePreview, OtherCodesHideButKeepTheColor) {
    const auto nine = previewPlayerName("^9x");
    EXPECT_EQ(nine.visible, "x");
    EXPECT_EQ(nine.colors, repeat(white, 1));

    const auto mixed = previewPlayerName("^xab^1c");
    EXPECT_EQ(mixed.visible, "abc");
    EXPECT_EQ(mixed.colors, join(repeat(white, 2), repeat(red, 1)));

    const auto keepsRed = previewPlayerName("^1a^8b");
    EXPECT_EQ(keepsRed.visible, "ab");
    EXPECT_EQ(keepsRed.colors, repeat(red, 2));
}

TEST(PlayerNamePreview, CaretAtTheEnd) {
    EXPECT_EQ(previewPlayerName("^").visible, "");
    EXPECT_EQ(previewPlayerName("^1").visible, ""); // a code with nothing after it
    const auto ab = previewPlayerName("ab^");
    EXPECT_EQ(ab.visible, "ab");
    EXPECT_EQ(ab.colors, repeat(white, 2));
    EXPECT_EQ(previewPlayerName("").visible, "");
}

TEST(InsertColorCode, WholeNameWithoutSelection) {
    EXPECT_EQ(insertColorCode("", 0, 0, '1'), "");
    const std::string red = insertColorCode("abc", 0, 0, '1');
    EXPECT_EQ(red, "^1abc");
    EXPECT_EQ(insertColorCode(red, 5, 0, '2'), "^2abc"); // the old code goes
}

TEST(InsertColorCode, SelectionOnly) {
    const std::string name = insertColorCode("^1abc", 2, 3, '2');
    EXPECT_EQ(name, "^1^2abc");
    const auto preview = previewPlayerName(name);
    EXPECT_EQ(preview.visible, "^2abc");
    EXPECT_EQ(preview.colors, repeat(red, 5));

    // Codes inside the selection are removed; the character moving into a deleted code's place
    // is not looked at, so a second code right behind the first stays.
    EXPECT_EQ(insertColorCode("ab^1cd", 1, 4, '4'), "a^4bcd");
    EXPECT_EQ(insertColorCode("^1^2ab", 0, 6, '3'), "^3^2ab");
    // The walk stops at the selection's end, which moves back with every deletion.
    EXPECT_EQ(insertColorCode("^1a^2b", 0, 3, '5'), "^5a^2b");
    // A selection reaching past the name is cut to it.
    EXPECT_EQ(insertColorCode("abc", 2, 99, '6'), "ab^6c");
}

TEST(PlayerName, CodesNeverSplitALetterOfSeveralBytes) {
    // "é" is two bytes in UTF-8: a code before it hides it whole, and shown it stays whole.
    const ColoredText preview = previewPlayerName("^\xC3\xA9x^1\xC3\xA9");
    EXPECT_EQ(preview.visible, "x\xC3\xA9");
    ASSERT_EQ(preview.colors.size(), 3u);
    EXPECT_EQ(preview.colors[1], (Rgb{254, 0, 0}));
    EXPECT_EQ(preview.colors[2], (Rgb{254, 0, 0}));
    EXPECT_EQ(insertColorCode("^\xC3\xA9"
                              "ab",
                              0, 0, '2'),
              "^2ab");
}
