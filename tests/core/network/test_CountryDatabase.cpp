#include "core/network/CountryDatabase.h"
#include "support/CountryFixture.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

// Both families are looked up, each in its own database; what they do not know, host names and
// missing or broken databases give nothing.
TEST(CountryDatabase, FindsTheLandOfEachFamilyAndNothingElse) {
    TempFolder folder;
    folder.write("flags/jp.png", "png");
    const CountryDatabase countries({writeCountryDatabase(folder, "v4.dat", false, "FR"),
                                     writeCountryDatabase(folder, "v6.dat", true, "JP"),
                                     folder.makeFolder("flags")});
    const auto france = countries.countryOf("127.0.0.1");
    ASSERT_TRUE(france);
    EXPECT_EQ(france->code, "FR");
    EXPECT_EQ(france->name, "France");
    EXPECT_EQ(countries.countryOf("::1")->code, "JP");
    EXPECT_EQ(countries.countryOf("::ffff:127.0.0.1")->code, "FR");
    EXPECT_FALSE(countries.countryOf("127.0.0.2"));
    EXPECT_FALSE(countries.countryOf("::2"));
    EXPECT_FALSE(countries.countryOf("localhost")) << "never resolved";
    EXPECT_FALSE(countries.countryOf(""));

    EXPECT_EQ(france->flagFile, "");
    EXPECT_EQ(countries.countryOf("::1")->flagFile, folder.file("flags/jp.png"));

    const CountryDatabase missing({folder.file("none.dat"), folder.write("junk.dat", "junk"), ""});
    EXPECT_FALSE(missing.countryOf("127.0.0.1"));
    EXPECT_FALSE(missing.countryOf("::1"));
}

// Answers are kept per address; more addresses than are kept start the keeping over, and every
// answer stays the database's.
TEST(CountryDatabase, KeptAnswersStayRightPastTheirBound) {
    TempFolder folder;
    const CountryDatabase countries({writeCountryDatabase(folder, "v4.dat", false, "FR"),
                                     writeCountryDatabase(folder, "v6.dat", true, "JP"), ""});
    EXPECT_EQ(countries.countryOf("127.0.0.1")->code, "FR");
    for (int i = 0; i < 10000; ++i) {
        EXPECT_FALSE(countries.countryOf("127.1." + std::to_string(i / 256) + "." +
                                         std::to_string(i % 256)));
        if (i % 3000 == 0) {
            EXPECT_EQ(countries.countryOf("127.0.0.1")->code, "FR");
            EXPECT_EQ(countries.countryOf("::1")->code, "JP");
        }
    }
    EXPECT_EQ(countries.countryOf("127.0.0.1")->name, "France");
}
