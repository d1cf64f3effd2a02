#include "core/startup/DatabaseStartup.h"

#include "support/FakeMessageBoxes.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace lexel {
namespace {

// A missing file is not made; a damaged one is left as it is.
TEST(OpenDB, AMissingOrUnusableFileShowsOneBilingualMessageWithTheReason) {
    const struct {
        bool damaged;
        const char* text;
    } cases[] = {{false, "Lexel database could not be found.\n"
                         "Lexel-Datenbank konnte nicht gefunden werden.\n"
                         "No such file or directory"},
                 {true, "Lexel database could not be opened.\n"
                        "Lexel-Datenbank konnte nicht geöffnet werden.\n"
                        "file is encrypted or is not a database"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        test::TempDir dir;
        if (c.damaged) {
            std::ofstream(dir / "Lexel.lxl") << std::string(2048, 'x');
        }
        test::FakeMessageBoxes boxes;
        EXPECT_FALSE(OpenDB(dir.path(), boxes).has_value());
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Critical);
        EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(boxes.shown[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(std::filesystem::exists(dir / "Lexel.lxl"), c.damaged);
    }
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
