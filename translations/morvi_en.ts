<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AddressDescriptionView</name>
    <message numerus="yes">
        <source>Playlist of %Ln entries</source>
        <extracomment>Under the address field: what a playlist holds.</extracomment>
        <translation>
            <numerusform>Playlist of %Ln entry</numerusform>
            <numerusform>Playlist of %Ln entries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BulkDownloadView</name>
    <message numerus="yes">
        <source>Dow&amp;nload Queue (%Ln items):</source>
        <extracomment>The queue table&apos;s heading, with its number of items.</extracomment>
        <translation>
            <numerusform>Dow&amp;nload Queue (%Ln item):</numerusform>
            <numerusform>Dow&amp;nload Queue (%Ln items):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln lines are not YouTube addresses: they stay in the box</source>
        <extracomment>Lines of the box that the queue takes no address from: they are left in the box.</extracomment>
        <translation>
            <numerusform>%Ln line is not a YouTube address: it stays in the box</numerusform>
            <numerusform>%Ln lines are not YouTube addresses: they stay in the box</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln lines were left out: already in the queue</source>
        <extracomment>Lines of the box that were queued already.</extracomment>
        <translation>
            <numerusform>%Ln line was left out: already in the queue</numerusform>
            <numerusform>%Ln lines were left out: already in the queue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln lines were not added: %1, %2</source>
        <extracomment>%1: the lines that stay in the box; %2: the lines already in the queue.</extracomment>
        <translation>
            <numerusform>%Ln line was not added: %1, %2</numerusform>
            <numerusform>%Ln lines were not added: %1, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not YouTube addresses, still in the box</source>
        <extracomment>Lines of the box that are no queue addresses: they stay.</extracomment>
        <translation>
            <numerusform>%Ln not a YouTube address, still in the box</numerusform>
            <numerusform>%Ln not YouTube addresses, still in the box</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln already in the queue</source>
        <extracomment>Lines of the box that were queued already.</extracomment>
        <translation>
            <numerusform>%Ln already in the queue</numerusform>
            <numerusform>%Ln already in the queue</numerusform>
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
    <name>MorviApp</name>
    <message numerus="yes">
        <source>%Ln completed</source>
        <extracomment>Queue items that were downloaded, in a notification.</extracomment>
        <translation>
            <numerusform>%Ln completed</numerusform>
            <numerusform>%Ln completed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <extracomment>Queue items whose download failed, in a notification.</extracomment>
        <translation>
            <numerusform>%Ln failed</numerusform>
            <numerusform>%Ln failed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QueueIntake</name>
    <message numerus="yes">
        <source>Added %Ln entry(s) from &quot;%1&quot;.</source>
        <extracomment>%1: a playlist&apos;s title, or its address.</extracomment>
        <translation>
            <numerusform>Added %Ln entry from &quot;%1&quot;.</numerusform>
            <numerusform>Added %Ln entries from &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not YouTube addresses or repeated</source>
        <translation>
            <numerusform>%Ln not a YouTube address or repeated</numerusform>
            <numerusform>%Ln not YouTube addresses or repeated</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln already in the queue</source>
        <translation>
            <numerusform>%Ln already in the queue</numerusform>
            <numerusform>%Ln already in the queue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln without an address</source>
        <extracomment>Playlist entries left out: the listing gave them no address.</extracomment>
        <translation>
            <numerusform>%Ln without an address</numerusform>
            <numerusform>%Ln without an address</numerusform>
        </translation>
    </message>
</context>
</TS>
