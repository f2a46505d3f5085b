#include "core/update/version.h"

#include <gtest/gtest.h>

namespace oxlin::update {
namespace {

TEST(UpdateVersion, OnlyANewerVersionOfTheSameFormAsks) {
    const Version own = versionFromDotted("1.0.2");
    EXPECT_EQ(versionText(own), "1, 0, 2, 0");
    EXPECT_FALSE(offersNewerVersion("1, 0, 2, 0", own));   // the same
    EXPECT_FALSE(offersNewerVersion("1, 0, 2, 0\r\n", own)); // the same, a line break after it
    EXPECT_FALSE(offersNewerVersion("1, 0, 1, 9", own));   // older
    EXPECT_TRUE(offersNewerVersion("1, 0, 10, 0", own));   // newer, compared as numbers
    EXPECT_TRUE(offersNewerVersion("  2,0,0,0 \n", own));
    EXPECT_FALSE(offersNewerVersion("<html><body>Not found</body></html>", own));
    EXPECT_FALSE(offersNewerVersion("", own));
    EXPECT_FALSE(offersNewerVersion("2, 0, 0", own));
    EXPECT_FALSE(offersNewerVersion("2, 0, 0, 0, 1", own));
    EXPECT_FALSE(offersNewerVersion("2, 0, x, 0", own));
    EXPECT_FALSE(offersNewerVersion("2, 0, 99999999999, 0", own));
    // A field past 32 bits is no version, however few digits it takes; the
    // largest that fits is one.
    EXPECT_FALSE(offersNewerVersion("2, 0, 9999999999, 0", own));
    EXPECT_FALSE(offersNewerVersion("2, 4294967296, 0, 0", own));
    EXPECT_EQ(parseVersionPage("1, 0, 4294967295, 0"), (Version{1, 0, 4294967295u, 0}));
    EXPECT_EQ(parseVersionPage("0000000001, 0, 0, 0"), (Version{1, 0, 0, 0}));
}

} // namespace
} // namespace oxlin::update
