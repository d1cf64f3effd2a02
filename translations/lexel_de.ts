<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>lexel::fmOptions</name>
    <message>
        <source>Morvane Lexel Options</source>
        <translation>Morvane Lexel Einstellungen</translation>
    </message>
    <message>
        <source>Difficulty Level</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>A&amp;nfänger</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>Fo&amp;rtgeschrittener</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Experte</translation>
    </message>
    <message>
        <source>&amp;Guru</source>
        <translation>&amp;Guru</translation>
    </message>
    <message>
        <source>Word Selection</source>
        <translation>Wortauswahl</translation>
    </message>
    <message>
        <source>O&amp;nly use words of selected level</source>
        <translation>N&amp;ur Wörter der gewählten Schwierigkeit</translation>
    </message>
    <message>
        <source>A&amp;lso use words of easier levels</source>
        <translation>Au&amp;ch Wörter niedrigerer Schwierigkeit</translation>
    </message>
    <message>
        <source>Cheating</source>
        <translation>Mogeln</translation>
    </message>
    <message>
        <source>Allows you to use &apos;words&apos; that do not e&amp;xist</source>
        <translation>Eingaben müssen keine &amp;Wörter sein</translation>
    </message>
    <message>
        <source>Automatic coloring</source>
        <translation>Automatische Färbung</translation>
    </message>
    <message>
        <source>Automatically set the bac&amp;kground color to red or green where appropriate</source>
        <translation>Hintergrundfarben automatisch auf rot bzw. grün set&amp;zen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Kee&amp;p track of used time</source>
        <translation>&amp;Verbrauchte Zeit anzeigen</translation>
    </message>
    <message>
        <source>User Interface</source>
        <translation>Benutzeroberfläche</translation>
    </message>
    <message>
        <source>Engl&amp;ish</source>
        <translation>Eng&amp;lisch</translation>
    </message>
    <message>
        <source>Ge&amp;rman</source>
        <translation>Deu&amp;tsch</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sichern</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>Stan&amp;dard</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>lexel::fmStats</name>
    <message>
        <source>Morvane Lexel High Scores</source>
        <translation>Morvane Lexel High Scores</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>You have won %1 out of %2 times%3</source>
        <extracomment>%1 games won, %2 games played, %3 &quot; (38%).&quot; or &quot;.&quot;</extracomment>
        <translation>%1 von %2 Spielen gewonnen%3</translation>
    </message>
    <message>
        <source>Do you really want to reset the high score information?</source>
        <translation>High Scores wirklich löschen?</translation>
    </message>
</context>
</TS>
