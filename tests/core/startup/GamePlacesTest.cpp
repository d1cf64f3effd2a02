#include "core/startup/GamePlaces.h"

#include "core/startup/DatabaseStartup.h"
#include "support/FakeMessageBoxes.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace lexel {
namespace {

namespace fs = std::filesystem;

class GamePlacesTest : public ::testing::Test {
protected:
    test::TempDir root;
    fs::path bin = root / "prefix/bin";
    fs::path share = root / "prefix/share/lexel";
    fs::path user = root / "home/.local/share/Morvane/Lexel";

    void SetUp() override {
        fs::create_directories(bin);
        fs::create_directories(share);
    }
};

TEST_F(GamePlacesTest, ABuildTreeKeepsItsOwnDatabase) {
    test::CreateSampleFile(bin / "Lexel.lxl");
    const auto places = FindGamePlaces(bin, user);
    EXPECT_EQ(places.dataDirectory, bin);
    EXPECT_EQ(places.helpDirectory, bin);
    EXPECT_FALSE(fs::exists(user));
}

TEST_F(GamePlacesTest, AnInstalledGameCopiesTheTemplateOnceForEachUser) {
    test::CreateSampleFile(share / "Lexel.lxl");
    const auto before = test::FileBytes(share / "Lexel.lxl");
    const auto places = FindGamePlaces(bin, user);
    EXPECT_EQ(places.dataDirectory, user);
    EXPECT_EQ(places.helpDirectory, share);
    ASSERT_TRUE(fs::exists(user / "Lexel.lxl"));
    EXPECT_EQ(test::FileBytes(user / "Lexel.lxl"), before);
    EXPECT_FALSE(fs::exists(user / "Lexel.lxl.new"));
    {
        auto db = OpenLexelFile(user / "Lexel.lxl"); // the copy is a working game file
        db.Execute("UPDATE Options SET Value = '7' WHERE Name = 'GamesPlayed'");
    }
    const auto played = test::FileBytes(user / "Lexel.lxl");
    FindGamePlaces(bin, user); // the second start finds the copy and keeps it
    EXPECT_EQ(test::FileBytes(user / "Lexel.lxl"), played);
    EXPECT_EQ(test::FileBytes(share / "Lexel.lxl"), before); // nothing written there
    EXPECT_EQ(std::distance(fs::directory_iterator(bin), fs::directory_iterator()), 0);
}

TEST_F(GamePlacesTest, AMissingTemplateIsReportedAsAMissingDatabase) {
    const auto places = FindGamePlaces(bin, user);
    EXPECT_EQ(places.dataDirectory, user);
    EXPECT_TRUE(fs::is_directory(user)); // the instance lock goes there
    test::FakeMessageBoxes boxes;
    EXPECT_FALSE(OpenDB(places.dataDirectory, boxes).has_value());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(
        boxes.shown[0].text.startsWith(QStringLiteral("Lexel database could not be found.")));
    EXPECT_FALSE(fs::exists(user / "Lexel.lxl"));
}

} // namespace
} // namespace lexel
