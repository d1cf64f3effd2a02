#include "core/settings/Settings.h"

#include "core/settings/NumericText.h"
#include "core/store/LexelFile.h"
#include "support/SampleFileTest.h"

#include <functional>

namespace lexel {
namespace {

using SettingsStoreTest = test::SampleFileTest;

// Missing rows, NULL values and junk counters: BadFilesTest's DamagedOptions.
TEST_F(SettingsStoreTest, ReadsTrimmedValuesAndMakesNoRowForAnUnknownKey) {
    db.Execute("UPDATE Options SET Value = '  3 ' WHERE Name = 'Class'");
    EXPECT_EQ(store.ReadOption("Class"), "3");
    EXPECT_EQ(store.ReadOption("NoSuchKey"), "");
    EXPECT_EQ(test::StoredOption(db, "NoSuchKey"), "<no row>");
}

// Writes to a file that was renamed away, deleted or replaced while the game held it would be
// lost with the process; each write is refused and says why.
TEST_F(SettingsStoreTest, AFileMovedAwayWhileOpenIsNotWrittenTo) {
    const auto file = dir / "game.lxl";
    const auto away = dir / "away.lxl";
    const std::vector<std::pair<const char*, std::function<void()>>> cases{
        {"renamed", [&] { std::filesystem::rename(file, away); }},
        {"replaced", [&] { std::filesystem::copy_file(away, file); }},
        {"deleted", [&] { std::filesystem::remove(file); }},
    };
    auto game = test::OpenSampleFile(file);
    {
        SettingsStore held(game);
        held.WriteOption("Language", "D");
        for (const auto& [what, move] : cases) {
            SCOPED_TRACE(what);
            move();
            try {
                held.WriteOption("Language", "E");
                ADD_FAILURE() << "written";
            } catch (const sql::Error& e) {
                EXPECT_STREQ(e.what(),
                             "the file Lexel.lxl was moved or deleted while the game ran");
            }
        }
    }
    game.Close();
    auto moved = OpenLexelFile(away);
    EXPECT_EQ(test::StoredOption(moved, "Language"), "D");
}

// Only exactly "N" turns a switch off. A level outside 1 to 4 reads as the default level 2, as
// the options dialog shows it: it can neither overflow the score nor earn one of its own. Only
// "E" (1) and "D" (2) choose a language.
TEST_F(SettingsStoreTest, StoredSwitchesLevelsAndLanguagesReadAsTheirValues) {
    std::string switches;
    for (const char* stored : {"N", "", "y", "n", "Y"}) {
        for (const char* key : {"Only", "Cheating", "Colors", "Timer"}) {
            store.WriteOption(key, stored);
        }
        const auto read = ReadSettings(store);
        for (const bool on : {read.onlyThisLevel, read.cheating, read.autoColor, read.showTime}) {
            switches += on ? "1" : "0";
        }
        switches += ' ';
    }
    EXPECT_EQ(switches, "0000 1111 1111 1111 1111 ");
    std::string levels;
    for (const char* stored :
         {"1", "2", "3", "4", "0", "5", "-5", "junk", "", "99999999999999999999", "12"}) {
        store.WriteOption("Class", stored);
        levels += std::to_string(LevelNumber(ReadSettings(store).level));
    }
    EXPECT_EQ(levels, "12342222222");
    std::string languages;
    for (const char* stored : {"E", "D", "", "d"}) {
        store.WriteOption("Language", stored);
        languages += std::to_string(static_cast<int>(ReadSettings(store).language));
    }
    EXPECT_EQ(languages, "1200");
    std::string zooms;
    for (const char* stored : {"150", "junk", "900", ""}) {
        store.WriteOption("Zoom", stored);
        zooms += std::to_string(ReadSettings(store).zoom) + " ";
    }
    EXPECT_EQ(zooms, "150 100 300 100 ");
}

// A file from before the zoom gets its row at 100 %. Saved settings read back as saved, each
// one other than the file's own default, so that a setting left unwritten shows.
TEST_F(SettingsStoreTest, TheZoomIsAHundredUntilSavedAndEverySettingReadsAsSaved) {
    db.Execute("DELETE FROM Options WHERE Name = 'Zoom'");
    EXPECT_EQ(ReadSettings(store).zoom, 100);
    EXPECT_EQ(test::StoredOption(db, "Zoom"), "100");
    const Settings saved{.language = InterfaceLanguage::German,
                         .level = Level::Guru,
                         .onlyThisLevel = true,
                         .cheating = true,
                         .autoColor = false,
                         .showTime = false,
                         .showPossibleWords = true,
                         .markSymbols = true,
                         .zoom = 175};
    SaveSettings(store, saved);
    EXPECT_EQ(ReadSettings(store), saved);
}

TEST(NumericValue, ReadsLeadingNumbersLikeStoredText) {
    EXPECT_EQ(NumericValue("  7x") + NumericValue("-3") + NumericValue("junk"), 4);
    EXPECT_EQ(WholeValue("2.5") * 10 + WholeValue("3.5"), 24); // halves to even
    EXPECT_GT(WholeValue(std::string(400, '9')), 0);           // no overflow into negatives
}

} // namespace
} // namespace lexel
