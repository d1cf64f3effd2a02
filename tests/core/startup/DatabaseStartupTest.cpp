#include "core/startup/DatabaseStartup.h"

#include "support/FakeMessageBoxes.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace lexel {
namespace {

TEST(OpenDB, MissingFileShowsTheBilingualNotFoundMessage) {
    test::TempDir dir;
    test::FakeMessageBoxes boxes;
    EXPECT_FALSE(OpenDB(dir.path(), boxes).has_value());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(boxes.shown[0].text,
              QString::fromUtf8("Lexel database could not be found.\n"
                                "Lexel-Datenbank konnte nicht gefunden werden.\n"
                                "No such file or directory"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Lexel.lxl"));
}

TEST(OpenDB, UnusableFileShowsTheNotOpenedMessageWithTheEnginesReason) {
    test::TempDir dir;
    std::ofstream(dir / "Lexel.lxl") << std::string(2048, 'x');
    test::FakeMessageBoxes boxes;
    EXPECT_FALSE(OpenDB(dir.path(), boxes).has_value());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              QString::fromUtf8("Lexel database could not be opened.\n"
                                "Lexel-Datenbank konnte nicht geöffnet werden.\n"
                                "file is encrypted or is not a database"));
}

TEST(OpenDB, AGoodFileOpensWithoutAMessage) {
    test::TempDir dir;
    test::CreateSampleFile(dir / "Lexel.lxl");
    test::FakeMessageBoxes boxes;
    auto db = OpenDB(dir.path(), boxes);
    ASSERT_TRUE(db.has_value());
    EXPECT_TRUE(boxes.shown.empty());
    CloseDB(*db);
    EXPECT_FALSE(db->IsOpen());
}

} // namespace
} // namespace lexel
