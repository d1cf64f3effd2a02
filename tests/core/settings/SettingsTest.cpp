#include "core/settings/Settings.h"

#include "core/settings/NumericText.h"
#include "core/settings/SettingsStore.h"
#include "core/store/LexelFile.h"
#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>

namespace lexel {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    test::TempDir dir;
    sql::Database db = test::OpenSampleFile(dir / "Lexel.lxl");
    SettingsStore store{db};

    std::string Stored(const std::string& key) { return test::StoredOption(db, key); }
};

TEST_F(SettingsStoreTest, ReadsTrimmedValuesAndNullAsEmpty) {
    db.Execute("UPDATE Options SET Value = '  3 ' WHERE Name = 'Class';"
               "UPDATE Options SET Value = NULL WHERE Name = 'Timer'");
    EXPECT_EQ(store.ReadOption("Class"), "3");
    EXPECT_EQ(store.ReadOption("Timer"), "");
    EXPECT_EQ(store.ReadOption("Cheating"), "N");
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

TEST_F(SettingsStoreTest, AMissingRowComesBackWithItsDefault) {
    db.Execute("DELETE FROM Options WHERE Name IN ('Class', 'GamesWon', 'HighScore4')");
    EXPECT_EQ(store.ReadOption("Class"), "2");
    EXPECT_EQ(Stored("Class"), "2");
    store.IncrementCounter("GamesWon");
    EXPECT_EQ(Stored("GamesWon"), "1");
    store.WriteOption("HighScore4", "PLANET100");
    EXPECT_EQ(Stored("HighScore4"), "PLANET100");
    EXPECT_EQ(store.ReadOption("NoSuchKey"), "");
    EXPECT_EQ(Stored("NoSuchKey"), "<no row>");
}

TEST_F(SettingsStoreTest, CountersCountJunkAsZero) {
    store.IncrementCounter("GamesPlayed");
    store.IncrementCounter("GamesPlayed");
    EXPECT_EQ(Stored("GamesPlayed"), "2");
    store.WriteOption("GamesWon", "lots");
    store.IncrementCounter("GamesWon");
    EXPECT_EQ(Stored("GamesWon"), "1");
}

TEST_F(SettingsStoreTest, TheSettingsRecordReadsOnlyExactlyNAsOff) {
    db.Execute("UPDATE Options SET Value = '' WHERE Name = 'Only';"
               "UPDATE Options SET Value = 'y' WHERE Name = 'Cheating';"
               "UPDATE Options SET Value = 'n' WHERE Name = 'Colors';"
               "UPDATE Options SET Value = 'N' WHERE Name = 'Timer'");
    const auto settings = ReadSettings(store);
    EXPECT_TRUE(settings.Only);
    EXPECT_TRUE(settings.Cheating);
    EXPECT_TRUE(settings.Colors);
    EXPECT_FALSE(settings.Timer);
    EXPECT_EQ(settings.Language, InterfaceLanguage::Unchosen);
    EXPECT_EQ(settings.Class, Level::Advanced);
}

// A level outside 1 to 4 reads as the default level, as the options dialog shows it: it can
// neither overflow the score nor earn one of its own.
TEST_F(SettingsStoreTest, StoredLevelsAndLanguagesReadAsTheirValues) {
    const std::vector<std::pair<const char*, Level>> levels{
        {"1", Level::Beginner}, {"2", Level::Advanced},
        {"3", Level::Expert},   {"4", Level::Guru},
        {"0", DefaultLevel},    {"5", DefaultLevel},
        {"-5", DefaultLevel},   {"junk", DefaultLevel},
        {"", DefaultLevel},     {"99999999999999999999", DefaultLevel}};
    for (const auto& [stored, level] : levels) {
        store.WriteOption("Class", stored);
        EXPECT_EQ(ReadSettings(store).Class, level) << stored;
    }
    const std::vector<std::pair<const char*, InterfaceLanguage>> languages{
        {"E", InterfaceLanguage::English},
        {"D", InterfaceLanguage::German},
        {"", InterfaceLanguage::Unchosen},
        {"d", InterfaceLanguage::Unchosen}};
    for (const auto& [stored, language] : languages) {
        store.WriteOption("Language", stored);
        EXPECT_EQ(ReadSettings(store).Language, language) << stored;
    }
}

TEST_F(SettingsStoreTest, SaveWritesAllSixRows) {
    db.Execute("DELETE FROM Options WHERE Name = 'Timer'");
    Settings chosen{InterfaceLanguage::German, Level::Guru, true, false, false, true};
    SaveSettings(store, chosen);
    EXPECT_EQ(Stored("Language"), "D");
    EXPECT_EQ(Stored("Class"), "4");
    EXPECT_EQ(Stored("Only"), "Y");
    EXPECT_EQ(Stored("Cheating"), "N");
    EXPECT_EQ(Stored("Colors"), "N");
    EXPECT_EQ(Stored("Timer"), "Y");
    EXPECT_EQ(ReadSettings(store), chosen);
}

TEST(NumericValue, ReadsLeadingNumbersLikeStoredText) {
    EXPECT_EQ(NumericValue("12"), 12);
    EXPECT_EQ(NumericValue("  7x"), 7);
    EXPECT_EQ(NumericValue("-3"), -3);
    EXPECT_EQ(NumericValue("junk"), 0);
    EXPECT_EQ(NumericValue(""), 0);
    EXPECT_EQ(WholeValue("2.5"), 2);
    EXPECT_EQ(WholeValue("3.5"), 4);
    EXPECT_GT(WholeValue(std::string(400, '9')), 0); // no overflow into negatives
}

} // namespace
} // namespace lexel
