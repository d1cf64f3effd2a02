#include "core/startup/DatabaseStartup.h"

#include "support/FakeMessageBoxes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

// A damaged file's message and a good file's silent open are in BadFilesTest.
TEST(OpenDB, AMissingFileShowsTheBilingualNotFoundMessageAndIsNotMade) {
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

} // namespace
} // namespace lexel
