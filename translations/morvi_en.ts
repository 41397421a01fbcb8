<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AddressDescriptionView</name>
    <message numerus="yes">
        <source>Playlist of %n entries</source>
        <translation>
            <numerusform>Playlist of %n entry</numerusform>
            <numerusform>Playlist of %n entries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BulkDownloadView</name>
    <message numerus="yes">
        <source>Dow&amp;nload Queue (%n items):</source>
        <translation>
            <numerusform>Dow&amp;nload Queue (%n item):</numerusform>
            <numerusform>Dow&amp;nload Queue (%n items):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines were left out: not YouTube addresses</source>
        <translation>
            <numerusform>%n line was left out: not a YouTube address</numerusform>
            <numerusform>%n lines were left out: not YouTube addresses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines were left out: already in the queue</source>
        <translation>
            <numerusform>%n line was left out: already in the queue</numerusform>
            <numerusform>%n lines were left out: already in the queue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines were left out: %1, %2</source>
        <translation>
            <numerusform>%n line was left out: %1, %2</numerusform>
            <numerusform>%n lines were left out: %1, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not YouTube addresses</source>
        <translation>
            <numerusform>%n not a YouTube address</numerusform>
            <numerusform>%n not YouTube addresses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the queue</source>
        <translation>
            <numerusform>%n already in the queue</numerusform>
            <numerusform>%n already in the queue</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogLayout</name>
    <message numerus="yes">
        <source>[… %n more characters not shown; Copy takes the whole entry]</source>
        <translation>
            <numerusform>[… %n more character not shown; Copy takes the whole entry]</numerusform>
            <numerusform>[… %n more characters not shown; Copy takes the whole entry]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QueueIntake</name>
    <message numerus="yes">
        <source>Added %n entry(s) from &quot;%1&quot;.</source>
        <translation>
            <numerusform>Added %n entry from &quot;%1&quot;.</numerusform>
            <numerusform>Added %n entries from &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n entry(s) from &quot;%1&quot;. Left out: %2 not YouTube addresses or repeated, %3 already in the queue, %4 without an address.</source>
        <translation>
            <numerusform>Added %n entry from &quot;%1&quot;. Left out: %2 not YouTube addresses or repeated, %3 already in the queue, %4 without an address.</numerusform>
            <numerusform>Added %n entries from &quot;%1&quot;. Left out: %2 not YouTube addresses or repeated, %3 already in the queue, %4 without an address.</numerusform>
        </translation>
    </message>
</context>
</TS>
