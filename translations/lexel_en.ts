<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>lexel::GameMessages</name>
    <message numerus="yes">
        <source>You scored %n points.</source>
        <extracomment>%n is the score; the German text has no words before it</extracomment>
        <translation>
            <numerusform>You scored %n point.</numerusform>
            <numerusform>You scored %n points.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lexel::StatisticsDialog</name>
    <message numerus="yes">
        <source>You have won %1 out of %2 times%3</source>
        <extracomment>%1 games won, %2 games played, %3 &quot; (38%).&quot; or &quot;.&quot;</extracomment>
        <translation>
            <numerusform>You have won %1 out of %2 time%3</numerusform>
            <numerusform>You have won %1 out of %2 times%3</numerusform>
        </translation>
    </message>
</context>
</TS>
