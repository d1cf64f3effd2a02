#include "Schema.h"

#include <array>
#include <string_view>

namespace lexel {
namespace {

// "Except" is a keyword of SQL, so that table's name is always quoted.
constexpr std::string_view Tables = R"sql(
CREATE TABLE IF NOT EXISTS w3 (Word INTEGER PRIMARY KEY);
CREATE TABLE IF NOT EXISTS w4 (Word INTEGER PRIMARY KEY);
CREATE TABLE IF NOT EXISTS w5 (Word INTEGER PRIMARY KEY);
CREATE TABLE IF NOT EXISTS w6 (Word INTEGER PRIMARY KEY, Alpha INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS w6_Alpha ON w6 (Alpha);
CREATE TABLE IF NOT EXISTS w6s (Key INTEGER PRIMARY KEY CHECK (Key BETWEEN 1 AND 32767),
                                Word INTEGER NOT NULL, Class TEXT);
CREATE TABLE IF NOT EXISTS raw3 (Word TEXT);
CREATE TABLE IF NOT EXISTS raw4 (Word TEXT);
CREATE TABLE IF NOT EXISTS raw5 (Word TEXT);
CREATE TABLE IF NOT EXISTS raw6 (Word TEXT, Alpha TEXT, CountOfAlpha INTEGER, Class TEXT);
CREATE TABLE IF NOT EXISTS Options (Name TEXT PRIMARY KEY, Value TEXT);
CREATE TABLE IF NOT EXISTS "Except" (Word TEXT PRIMARY KEY);
CREATE TABLE IF NOT EXISTS Quotes (Title TEXT, Source TEXT, Quote TEXT);
)sql";

// A row per game counted as played, in the order they were counted: written as given up when
// the game is counted and replaced by its ending. Line is the line a won or lost game ended
// on, or the lines a game given up had used. DailyDate is the puzzle's date of a game of the
// day ("YYYY-MM-DD"), which may be a day before FinishedAt; files from before it hold NULL.
constexpr std::string_view HistoryTable = R"sql(
CREATE TABLE IF NOT EXISTS GameHistory (
    Id INTEGER PRIMARY KEY,
    FinishedAt TEXT NOT NULL,
    Level INTEGER NOT NULL CHECK (Level BETWEEN 1 AND 4),
    Word TEXT NOT NULL,
    Line INTEGER NOT NULL CHECK (Line BETWEEN 0 AND 9),
    Outcome TEXT NOT NULL CHECK (Outcome IN ('won', 'lost', 'given up')),
    Seconds INTEGER NOT NULL,
    Score INTEGER NOT NULL,
    Hints INTEGER NOT NULL,
    SuggestionUnits INTEGER NOT NULL,
    Daily INTEGER NOT NULL DEFAULT 0 CHECK (Daily IN (0, 1)),
    DailyDate TEXT);
)sql";

constexpr std::string_view DailyDateColumn = "ALTER TABLE GameHistory ADD COLUMN DailyDate TEXT";

// The first counted attempt at each game of the day, what Copy Result shares: kept through a
// reset of the statistics, so a day is attempted once. Dots holds a row of symbols per line.
constexpr std::string_view DailyTable = R"sql(
CREATE TABLE IF NOT EXISTS DailyResults (
    DailyDate TEXT NOT NULL,
    Level INTEGER NOT NULL CHECK (Level BETWEEN 1 AND 4),
    Outcome TEXT NOT NULL CHECK (Outcome IN ('won', 'lost', 'given up')),
    Line INTEGER NOT NULL CHECK (Line BETWEEN 0 AND 9),
    Score INTEGER NOT NULL,
    Dots TEXT NOT NULL,
    PRIMARY KEY (DailyDate, Level));
)sql";

// What the statistics window asks of the history: wins by outcome and line, the recent games of
// a level. Both end in the row's id, so the window reads index entries, in the games' order.
constexpr std::string_view HistoryIndexes = R"sql(
CREATE INDEX IF NOT EXISTS GameHistory_Outcome ON GameHistory (Outcome, Line);
CREATE INDEX IF NOT EXISTS GameHistory_Level ON GameHistory (Level);
)sql";

constexpr std::string_view HistoryProbe =
    "SELECT Id, FinishedAt, Level, Word, Line, Outcome, Seconds, Score, Hints, SuggestionUnits, "
    "Daily, DailyDate FROM GameHistory";
constexpr std::string_view DailyProbe =
    "SELECT DailyDate, Level, Outcome, Line, Score, Dots FROM DailyResults";

bool Missing(sql::Database& db, std::string_view name, std::string_view type = "table") {
    auto query = db.Prepare("SELECT NOT EXISTS (SELECT 1 FROM sqlite_master WHERE type = ? "
                            "AND name = ?)");
    query.Bind(1, type).Bind(2, name);
    return query.Step() && query.Int(0) != 0;
}

bool MissingDailyDate(sql::Database& db) {
    for (auto columns = db.Prepare("PRAGMA table_info(GameHistory)"); columns.Step();) {
        if (columns.Text(1) == "DailyDate") {
            return false;
        }
    }
    return true;
}

// One probe per table, naming every column the program reads or writes.
constexpr std::array<std::string_view, 13> Probes{
    "SELECT Word FROM w3",
    "SELECT Word FROM w4",
    "SELECT Word FROM w5",
    "SELECT Word, Alpha FROM w6",
    "SELECT Key, Word, Class FROM w6s",
    "SELECT Word FROM raw3",
    "SELECT Word FROM raw4",
    "SELECT Word FROM raw5",
    "SELECT Word, Alpha, CountOfAlpha, Class FROM raw6",
    "SELECT Name, Value FROM Options",
    "SELECT Word FROM \"Except\"",
    "SELECT Title, Source, Quote FROM Quotes",
    "SELECT 1",
};

} // namespace

void CreateSchema(sql::Database& db) {
    db.Execute(Tables);
    AddHistoryTables(db);
}

bool AddHistoryTables(sql::Database& db) {
    bool added = false;
    if (Missing(db, "GameHistory")) {
        db.Execute(HistoryTable);
        added = true;
    } else if (MissingDailyDate(db)) {
        db.Execute(DailyDateColumn);
        added = true;
    }
    if (Missing(db, "DailyResults")) {
        db.Execute(DailyTable);
        added = true;
    }
    if (Missing(db, "GameHistory_Outcome", "index") || Missing(db, "GameHistory_Level", "index")) {
        db.Execute(HistoryIndexes);
        added = true;
    }
    db.Prepare(HistoryProbe);
    db.Prepare(DailyProbe);
    return added;
}

void CheckSchema(sql::Database& db) {
    for (const auto probe : Probes) {
        db.Prepare(probe);
    }
}

} // namespace lexel
