<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutView</name>
    <message>
        <source>Download YouTube videos in MP4 format</source>
        <translation>YouTube-Videos im MP4-Format herunterladen</translation>
    </message>
    <message>
        <source>Extract audio in MP3 and M4A formats</source>
        <translation>Audio als MP3 oder M4A extrahieren</translation>
    </message>
    <message>
        <source>Bulk download multiple videos</source>
        <translation>Mehrere Videos auf einmal herunterladen</translation>
    </message>
    <message>
        <source>Cut and trim media files</source>
        <translation>Mediendateien schneiden und kürzen</translation>
    </message>
    <message>
        <source>Customizable quality settings</source>
        <translation>Anpassbare Qualitätseinstellungen</translation>
    </message>
    <message>
        <source>Choose output directory</source>
        <translation>Frei wählbarer Zielordner</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1: Morvi&apos;s version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Build %1</source>
        <extracomment>%1: the build&apos;s number.</extracomment>
        <translation>Build %1</translation>
    </message>
    <message>
        <source>Features</source>
        <extracomment>A heading in the about window: what Morvi does.</extracomment>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>&amp;Visit Website</source>
        <extracomment>A button: opens the maker&apos;s web site.</extracomment>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <extracomment>A button: opens the maker&apos;s contact page.</extracomment>
        <translation>&amp;Support</translation>
    </message>
    <message>
        <source>&amp;Privacy Policy</source>
        <extracomment>A button: opens the maker&apos;s privacy policy.</extracomment>
        <translation>&amp;Datenschutzerklärung</translation>
    </message>
</context>
<context>
    <name>AddressDescriptionView</name>
    <message>
        <source>Looking up the address...</source>
        <extracomment>Under the address field, while the downloader looks at the address.</extracomment>
        <translation>Adresse wird abgefragt …</translation>
    </message>
    <message>
        <source>No details: %1</source>
        <extracomment>Under the address field: why the downloader could say nothing of the address.</extracomment>
        <translation>Keine Details: %1</translation>
    </message>
    <message>
        <source>about %1</source>
        <extracomment>An estimated size: &quot;about 12.0 MiB&quot;.</extracomment>
        <translation>etwa %1</translation>
    </message>
    <message>
        <source>about %1 for the part</source>
        <extracomment>An estimated size of the part of the video chosen: &quot;about 12.0 MiB for the part&quot;.</extracomment>
        <translation>etwa %1 für den Teil</translation>
    </message>
    <message numerus="yes">
        <source>Playlist of %Ln entries</source>
        <extracomment>Under the address field: what a playlist holds.</extracomment>
        <translation>
            <numerusform>Playlist mit %Ln Eintrag</numerusform>
            <numerusform>Playlist mit %Ln Einträgen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppUpdater</name>
    <message>
        <source>The transfer stalled: nothing arrived for %1 s.</source>
        <translation>Die Übertragung stockt: Seit %1 s ist nichts angekommen.</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP-Status %1</translation>
    </message>
    <message>
        <source>The download broke off after %1 of %2 bytes.</source>
        <translation>Der Download brach nach %1 von %2 Bytes ab.</translation>
    </message>
    <message>
        <source>The program could not be made executable: %1</source>
        <translation>Das Programm konnte nicht ausführbar gemacht werden: %1</translation>
    </message>
    <message>
        <source>The downloaded file is not a program that runs here: %1</source>
        <translation>Die heruntergeladene Datei ist kein Programm, das hier läuft: %1</translation>
    </message>
    <message>
        <source>The downloaded program did not answer &quot;%1&quot; within %2 s.</source>
        <translation>Das heruntergeladene Programm hat auf „%1“ nicht innerhalb von %2 s geantwortet.</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>Signal %1</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>Exit-Status %1</translation>
    </message>
    <message>
        <source>The downloaded program failed &quot;%1&quot; (%2).</source>
        <translation>Das heruntergeladene Programm ist an „%1“ gescheitert (%2).</translation>
    </message>
    <message>
        <source>The program could not be put in place: %1</source>
        <translation>Das Programm konnte nicht an seinen Platz gebracht werden: %1</translation>
    </message>
    <message>
        <source>The archive holds no &quot;%1&quot;.</source>
        <translation>Das Archiv enthält kein „%1“.</translation>
    </message>
    <message>
        <source>The archive&apos;s &quot;%1&quot; is not a regular file.</source>
        <translation>„%1“ im Archiv ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The archive could not be unpacked: %1</source>
        <translation>Das Archiv konnte nicht entpackt werden: %1</translation>
    </message>
    <message>
        <source>Plugin 1 downloaded successfully.</source>
        <translation>Plugin 1 erfolgreich heruntergeladen.</translation>
    </message>
    <message>
        <source>Failed to download yt-dlp: %1</source>
        <translation>yt-dlp konnte nicht heruntergeladen werden: %1</translation>
    </message>
    <message>
        <source>Updating plugin 1...</source>
        <translation>Plugin 1 wird aktualisiert …</translation>
    </message>
    <message>
        <source>Plugin 1 update completed.</source>
        <translation>Aktualisierung von Plugin 1 abgeschlossen.</translation>
    </message>
    <message>
        <source>Plugin 1 update failed: %1</source>
        <translation>Aktualisierung von Plugin 1 fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Extracting plugin 2...</source>
        <translation>Plugin 2 wird entpackt …</translation>
    </message>
    <message>
        <source>Plugin 2 downloaded successfully.</source>
        <translation>Plugin 2 erfolgreich heruntergeladen.</translation>
    </message>
    <message>
        <source>Downloading plugin 3...</source>
        <translation>Plugin 3 wird heruntergeladen …</translation>
    </message>
    <message>
        <source>Plugin 3 downloaded successfully.</source>
        <translation>Plugin 3 erfolgreich heruntergeladen.</translation>
    </message>
    <message>
        <source>Failed to download Plugin 2: %1</source>
        <translation>Plugin 2 konnte nicht heruntergeladen werden: %1</translation>
    </message>
    <message>
        <source>The release&apos;s checksum list has no entry for &quot;%1&quot;.</source>
        <translation>Die Prüfsummenliste der Veröffentlichung enthält keinen Eintrag für &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The checksum list could not be fetched: %1</source>
        <translation>Die Prüfsummenliste konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>The download does not match its release&apos;s SHA-256 checksum.</source>
        <translation>Der Download stimmt nicht mit der SHA-256-Prüfsumme seiner Veröffentlichung überein.</translation>
    </message>
    <message>
        <source>The downloaded program is not deno %1 or later: it answered &quot;%2&quot;.</source>
        <translation>Das heruntergeladene Programm ist nicht deno %1 oder neuer: Es antwortete &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Updating plugin 4...</source>
        <translation>Plugin 4 wird aktualisiert …</translation>
    </message>
    <message>
        <source>Plugin 4 is up to date.</source>
        <translation>Plugin 4 ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>Extracting plugin 4...</source>
        <translation>Plugin 4 wird entpackt …</translation>
    </message>
    <message>
        <source>Plugin 4 update completed.</source>
        <translation>Aktualisierung von Plugin 4 abgeschlossen.</translation>
    </message>
    <message>
        <source>Plugin 4 downloaded successfully.</source>
        <translation>Plugin 4 erfolgreich heruntergeladen.</translation>
    </message>
    <message>
        <source>Plugin 4 update failed: %1</source>
        <translation>Aktualisierung von Plugin 4 fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Failed to download plugin 4: %1</source>
        <translation>Plugin 4 konnte nicht heruntergeladen werden: %1</translation>
    </message>
    <message>
        <source>The signing key could not be written: %1</source>
        <translation>Der Signaturschlüssel konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The checksum list&apos;s signature could not be checked: %1</source>
        <translation>Die Signatur der Prüfsummenliste konnte nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>The checksum list does not match its signature.</source>
        <translation>Die Prüfsummenliste stimmt nicht mit ihrer Signatur überein.</translation>
    </message>
    <message>
        <source>The key %1 that signed the checksum list has expired.</source>
        <translation>Der Schlüssel %1, mit dem die Prüfsummenliste signiert ist, ist abgelaufen.</translation>
    </message>
    <message>
        <source>The checksum list carries no valid signature by the release key %1.</source>
        <translation>Die Prüfsummenliste trägt keine gültige Signatur des Veröffentlichungsschlüssels %1.</translation>
    </message>
    <message>
        <source>The checksum list&apos;s signature could not be fetched: %1</source>
        <translation>Die Signatur der Prüfsummenliste konnte nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>BrowserProfiles</name>
    <message>
        <source>%1 (Snap)</source>
        <translation>%1 (Snap)</translation>
    </message>
    <message>
        <source>%1 (Flatpak)</source>
        <translation>%1 (Flatpak)</translation>
    </message>
</context>
<context>
    <name>BulkDownloadItemsModel</name>
    <message>
        <source>URL</source>
        <extracomment>A queue table&apos;s column: each item&apos;s address.</extracomment>
        <translation>URL</translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>A queue table&apos;s column: each item&apos;s file kind (MP3, MP4, M4A).</extracomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Quality</source>
        <extracomment>A queue table&apos;s column: each item&apos;s video height or audio bit rate.</extracomment>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>A queue table&apos;s column: each item&apos;s status (Pending, Completed…).</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>A queue table&apos;s column: each item&apos;s percentage.</extracomment>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Downloaded with %1</source>
        <translation>Heruntergeladen mit: %1</translation>
    </message>
</context>
<context>
    <name>BulkDownloadTableView</name>
    <message>
        <source>Download Queue</source>
        <extracomment>The queue table&apos;s name for assistive technology.</extracomment>
        <translation>Download-Warteschlange</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <extracomment>A queue row&apos;s menu: shows the output folder.</extracomment>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Copy Address</source>
        <extracomment>A queue row&apos;s menu: copies the selected items&apos; addresses.</extracomment>
        <translation>Adresse &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <extracomment>A queue row&apos;s menu: removes the selected items.</extracomment>
        <translation>Auswahl lö&amp;schen</translation>
    </message>
    <message>
        <source>&amp;Start Selected</source>
        <extracomment>A queue row&apos;s menu: downloads the selected items.</extracomment>
        <translation>Auswahl starte&amp;n</translation>
    </message>
</context>
<context>
    <name>BulkDownloadView</name>
    <message>
        <source>Bulk Download</source>
        <extracomment>The queue window&apos;s heading.</extracomment>
        <translation>Sammel-Download</translation>
    </message>
    <message>
        <source>Add &amp;URLs (one per line):</source>
        <extracomment>The address box&apos;s label.</extracomment>
        <translation>&amp;URLs hinzufügen (eine pro Zeile):</translation>
    </message>
    <message>
        <source>&amp;Add URLs to Queue</source>
        <extracomment>A button: queues the addresses of the box.</extracomment>
        <translation>Zur Warteschlange &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <extracomment>The label of the file kind for new items (MP3, MP4, M4A).</extracomment>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <extracomment>The label of the video or audio quality for new items.</extracomment>
        <translation>&amp;Qualität:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>Shown in the empty output folder field.</extracomment>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Output Path</source>
        <extracomment>The output folder field&apos;s name for assistive technology.</extracomment>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>&amp;Output Path:</source>
        <extracomment>The output folder field&apos;s label.</extracomment>
        <translation>&amp;Zielordner:</translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>The format picker&apos;s name for assistive technology.</extracomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>&amp;Start All Downloads</source>
        <extracomment>A button: downloads every item of the queue that is not completed.</extracomment>
        <translation>&amp;Alle Downloads starten</translation>
    </message>
    <message>
        <source>&amp;Clear Queue</source>
        <extracomment>A button: removes every item from the queue.</extracomment>
        <translation>Warteschlan&amp;ge leeren</translation>
    </message>
    <message>
        <source>Start S&amp;elected</source>
        <extracomment>A button: downloads the selected items.</extracomment>
        <translation>Auswahl starte&amp;n</translation>
    </message>
    <message>
        <source>Sto&amp;p Selected</source>
        <extracomment>A button: stops the selected items&apos; downloads.</extracomment>
        <translation>Auswahl abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <extracomment>A button: removes the selected items from the queue.</extracomment>
        <translation>Auswahl lö&amp;schen</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <extracomment>The quality picker&apos;s name for assistive technology: the video height.</extracomment>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>Audio Quality</source>
        <extracomment>The quality picker&apos;s name for assistive technology: the audio bit rate.</extracomment>
        <translation>Audioqualität</translation>
    </message>
    <message>
        <source>The format of the URLs added from now on; queued items keep theirs</source>
        <translation>Das Format der ab jetzt hinzugefügten URLs; Einträge in der Warteschlange behalten ihres</translation>
    </message>
    <message>
        <source>The quality of the URLs added from now on; queued items keep theirs</source>
        <translation>Die Qualität der ab jetzt hinzugefügten URLs; Einträge in der Warteschlange behalten ihre</translation>
    </message>
    <message>
        <source>The folder of every download that starts from now on</source>
        <translation>Der Ordner jedes Downloads, der ab jetzt beginnt</translation>
    </message>
    <message>
        <source>Queue each entry of the playlists whose addresses are in the box</source>
        <translation>Jeden Eintrag der Playlists, deren Adressen im Feld stehen, in die Warteschlange stellen</translation>
    </message>
    <message>
        <source>Showing the text: %1</source>
        <extracomment>While a long text fills the address box: how much of it shows, &quot;42%&quot;.</extracomment>
        <translation>Text wird angezeigt: %1</translation>
    </message>
    <message numerus="yes">
        <source>Dow&amp;nload Queue (%Ln items):</source>
        <extracomment>The queue table&apos;s heading, with its number of items.</extracomment>
        <translation>
            <numerusform>Download-&amp;Warteschlange (%Ln Eintrag):</numerusform>
            <numerusform>Download-&amp;Warteschlange (%Ln Einträge):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln lines are not YouTube addresses: they stay in the box</source>
        <extracomment>Lines of the box that the queue takes no address from: they are left in the box.</extracomment>
        <translation>
            <numerusform>%Ln Zeile ist keine YouTube-Adresse: sie bleibt im Feld</numerusform>
            <numerusform>%Ln Zeilen sind keine YouTube-Adressen: sie bleiben im Feld</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln lines were left out: already in the queue</source>
        <extracomment>Lines of the box that were queued already.</extracomment>
        <translation>
            <numerusform>%Ln Zeile wurde ausgelassen: schon in der Warteschlange</numerusform>
            <numerusform>%Ln Zeilen wurden ausgelassen: schon in der Warteschlange</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln lines were not added: %1, %2</source>
        <extracomment>%1: the lines that stay in the box; %2: the lines already in the queue.</extracomment>
        <translation>
            <numerusform>%Ln Zeile wurde nicht hinzugefügt: %1, %2</numerusform>
            <numerusform>%Ln Zeilen wurden nicht hinzugefügt: %1, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not YouTube addresses, still in the box</source>
        <extracomment>Lines of the box that are no queue addresses: they stay.</extracomment>
        <translation>
            <numerusform>%Ln keine YouTube-Adresse, noch im Feld</numerusform>
            <numerusform>%Ln keine YouTube-Adressen, noch im Feld</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln already in the queue</source>
        <extracomment>Lines of the box that were queued already.</extracomment>
        <translation>
            <numerusform>%Ln schon in der Warteschlange</numerusform>
            <numerusform>%Ln schon in der Warteschlange</numerusform>
        </translation>
    </message>
    <message>
        <source>Add U&amp;RLs from File</source>
        <extracomment>A button: fills the address box from a text file.</extracomment>
        <translation>URLs aus &amp;Datei hinzufügen</translation>
    </message>
    <message>
        <source>Add Pla&amp;ylist Entries</source>
        <extracomment>A button: queues each entry of the playlists in the box.</extracomment>
        <translation>&amp;Playlist-Einträge hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>A button: chooses the output folder.</extracomment>
        <translation>Durchsuch&amp;en</translation>
    </message>
    <message>
        <source>Stop All Do&amp;wnloads</source>
        <extracomment>A button: stops every download of the queue.</extracomment>
        <translation>Alle Downloads a&amp;bbrechen</translation>
    </message>
</context>
<context>
    <name>BulkDownloadViewModel</name>
    <message>
        <source>Text files (%1)</source>
        <extracomment>A file chooser&apos;s filter: %1 are the file name patterns.</extracomment>
        <translation>Textdateien (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&apos;%1&apos; is not a web address (http or https).</source>
        <translation>„%1“ ist keine Webadresse (http oder https).</translation>
    </message>
    <message>
        <source>Usage: morvi [--help | --version] [ADDRESS...]

Morvi downloads online videos and their audio with yt-dlp and ffmpeg,
keeps a download queue and cuts media files. Started without options,
it opens its main window. One web address (http or https) goes into the
main window&apos;s address field; two or more go into the queue window&apos;s
address box. Nothing starts downloading by itself. When Morvi runs
already, its running window takes the addresses.

Options:
  -h, --help   Show this help and exit.
  --version    Show the version and exit.

Qt&apos;s standard options, such as -platform and -style, are accepted too.
</source>
        <translation>Aufruf: morvi [--help | --version] [ADRESSE...]

Morvi lädt Online-Videos und ihren Ton mit yt-dlp und ffmpeg herunter,
führt eine Download-Warteschlange und schneidet Mediendateien. Ohne Optionen
gestartet, öffnet es sein Hauptfenster. Eine Webadresse (http oder https)
kommt in das Adressfeld des Hauptfensters, zwei oder mehr kommen in das
Adressfeld des Warteschlangenfensters. Kein Download beginnt von selbst.
Läuft Morvi bereits, übernimmt sein laufendes Fenster die Adressen.

Optionen:
  -h, --help   Diese Hilfe zeigen und beenden.
  --version    Die Version zeigen und beenden.

Auch die Standardoptionen von Qt wie -platform und -style werden angenommen.
</translation>
    </message>
    <message>
        <source>Morvi %1 (build %2)</source>
        <extracomment>The answer to --version: the version and the build&apos;s number.</extracomment>
        <translation>Morvi %1 (Build %2)</translation>
    </message>
</context>
<context>
    <name>CookieCheck</name>
    <message>
        <source>The cookies file %1 is not there.</source>
        <translation>Die Cookie-Datei %1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The cookies file %1 cannot be read.</source>
        <translation>Die Cookie-Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is too large to be a cookies file.</source>
        <translation>%1 ist zu groß für eine Cookie-Datei.</translation>
    </message>
    <message>
        <source>%1 is not a cookies.txt file: its first line must be &quot;# Netscape HTTP Cookie File&quot;.</source>
        <translation>%1 ist keine cookies.txt-Datei: Ihre erste Zeile muss „# Netscape HTTP Cookie File“ lauten.</translation>
    </message>
    <message>
        <source>Line %1 of %2 is not a cookie in the cookies.txt format. Export the file from your browser again.</source>
        <translation>Zeile %1 von %2 ist kein Cookie im cookies.txt-Format. Die Datei bitte erneut aus dem Browser exportieren.</translation>
    </message>
    <message>
        <source>The browser profile %1 is not there any more.</source>
        <translation>Das Browserprofil %1 ist nicht mehr vorhanden.</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <extracomment>A notification&apos;s action: brings the window forward.</extracomment>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>DocumentRun</name>
    <message>
        <source>the downloader ended with status %1</source>
        <extracomment>Why an address could not be described: the downloader&apos;s exit status.</extracomment>
        <translation>der Downloader endete mit Status %1</translation>
    </message>
    <message>
        <source>the downloader is not installed</source>
        <translation>der Downloader ist nicht installiert</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>MP3</source>
        <extracomment>A file format and its segment&apos;s label with its mnemonic: usually left as they are.</extracomment>
        <translation>MP3</translation>
    </message>
    <message>
        <source>MP&amp;3</source>
        <translation>MP&amp;3</translation>
    </message>
    <message>
        <source>MP4</source>
        <extracomment>A file format and its segment&apos;s label with its mnemonic: usually left as they are.</extracomment>
        <translation>MP4</translation>
    </message>
    <message>
        <source>MP&amp;4</source>
        <translation>MP&amp;4</translation>
    </message>
    <message>
        <source>M4A</source>
        <extracomment>A file format and its segment&apos;s label with its mnemonic: usually left as they are.</extracomment>
        <translation>M4A</translation>
    </message>
    <message>
        <source>&amp;M4A</source>
        <translation>&amp;M4A</translation>
    </message>
    <message>
        <source>Best</source>
        <extracomment>A video quality: the best the address offers, video and sound together.</extracomment>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Highest Available</source>
        <extracomment>A video quality: the tallest video on offer, and its short label in the picker.</extracomment>
        <translation>Höchste verfügbare</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Höchste</translation>
    </message>
    <message>
        <source>2160p</source>
        <extracomment>A video height in pixels, usually left as it is.</extracomment>
        <translation>2160p</translation>
    </message>
    <message>
        <source>1440p</source>
        <extracomment>A video height in pixels, usually left as it is.</extracomment>
        <translation>1440p</translation>
    </message>
    <message>
        <source>1080p</source>
        <extracomment>A video height in pixels, usually left as it is.</extracomment>
        <translation>1080p</translation>
    </message>
    <message>
        <source>720p</source>
        <extracomment>A video height in pixels, usually left as it is.</extracomment>
        <translation>720p</translation>
    </message>
    <message>
        <source>480p</source>
        <extracomment>A video height in pixels, usually left as it is.</extracomment>
        <translation>480p</translation>
    </message>
    <message>
        <source>360p</source>
        <extracomment>A video height in pixels, usually left as it is.</extracomment>
        <translation>360p</translation>
    </message>
    <message>
        <source>Lowest Available</source>
        <extracomment>A video quality: the smallest video on offer, and its short label in the picker.</extracomment>
        <translation>Niedrigste verfügbare</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Niedrigste</translation>
    </message>
    <message>
        <source>320k</source>
        <extracomment>An audio bit rate in kbit/s, usually left as it is.</extracomment>
        <translation>320k</translation>
    </message>
    <message>
        <source>256k</source>
        <extracomment>An audio bit rate in kbit/s, usually left as it is.</extracomment>
        <translation>256k</translation>
    </message>
    <message>
        <source>192k</source>
        <extracomment>An audio bit rate in kbit/s, usually left as it is.</extracomment>
        <translation>192k</translation>
    </message>
    <message>
        <source>128k</source>
        <extracomment>An audio bit rate in kbit/s, usually left as it is.</extracomment>
        <translation>128k</translation>
    </message>
    <message>
        <source>96k</source>
        <extracomment>An audio bit rate in kbit/s, usually left as it is.</extracomment>
        <translation>96k</translation>
    </message>
    <message>
        <source>64k</source>
        <extracomment>An audio bit rate in kbit/s, usually left as it is.</extracomment>
        <translation>64k</translation>
    </message>
</context>
<context>
    <name>DownloadOptions</name>
    <message>
        <source>%1 with automatic captions</source>
        <translation>%1 mit automatischen Untertiteln</translation>
    </message>
    <message>
        <source>subtitles %1, embedded</source>
        <translation>Untertitel %1, eingebettet</translation>
    </message>
    <message>
        <source>subtitles %1 as .srt files</source>
        <translation>Untertitel %1 als .srt-Dateien</translation>
    </message>
    <message>
        <source>SponsorBlock segments as chapters</source>
        <translation>SponsorBlock-Abschnitte als Kapitel</translation>
    </message>
    <message>
        <source>SponsorBlock removes %1</source>
        <translation>SponsorBlock entfernt %1</translation>
    </message>
    <message>
        <source>no metadata</source>
        <translation>keine Metadaten</translation>
    </message>
    <message>
        <source>chapters</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>no chapters</source>
        <translation>keine Kapitel</translation>
    </message>
    <message>
        <source>no cover picture</source>
        <translation>kein Cover</translation>
    </message>
    <message>
        <source>thumbnail embedded</source>
        <translation>Vorschaubild eingebettet</translation>
    </message>
    <message>
        <source>at most %1/s</source>
        <translation>höchstens %1/s</translation>
    </message>
    <message>
        <source>file names %1</source>
        <translation>Dateinamen %1</translation>
    </message>
    <message>
        <source>safe characters only</source>
        <translation>nur sichere Zeichen</translation>
    </message>
    <message>
        <source>&amp;Sponsor</source>
        <translation>&amp;Sponsor</translation>
    </message>
    <message>
        <source>Intermissi&amp;on or intro</source>
        <translation>&amp;Pause oder Intro</translation>
    </message>
    <message>
        <source>&amp;Endcards or credits</source>
        <translation>&amp;Abspann oder Endkarten</translation>
    </message>
    <message>
        <source>Self-&amp;promotion</source>
        <translation>&amp;Eigenwerbung</translation>
    </message>
    <message>
        <source>Pre&amp;view or recap</source>
        <translation>&amp;Vorschau oder Rückblick</translation>
    </message>
    <message>
        <source>&amp;Filler tangent</source>
        <translation>Abschweif&amp;ung</translation>
    </message>
    <message>
        <source>Interaction re&amp;minder</source>
        <translation>Aufruf &amp;zur Interaktion</translation>
    </message>
    <message>
        <source>Non-m&amp;usic part of a music video</source>
        <translation>Teil &amp;ohne Musik in einem Musikvideo</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>The size downloaded so far and the whole size: &quot;12.0 MiB of 48.0 MiB&quot;.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A download&apos;s speed: a size per second, &quot;2.1 MiB/s&quot;.</extracomment>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>The time a download still needs: &quot;17 s left&quot;.</extracomment>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>video</source>
        <extracomment>Which part of a download runs: its video stream, before the sound.</extracomment>
        <translation>Video</translation>
    </message>
    <message>
        <source>audio</source>
        <extracomment>Which part of a download runs: its sound stream.</extracomment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>%L1 s</source>
        <extracomment>A short length of time: seconds.</extracomment>
        <translation>%L1 s</translation>
    </message>
    <message>
        <source>%L1 min %L2 s</source>
        <extracomment>A length of time: minutes and seconds.</extracomment>
        <translation>%L1 min %L2 s</translation>
    </message>
    <message>
        <source>%L1 h %L2 min</source>
        <extracomment>A long length of time: hours and minutes.</extracomment>
        <translation>%L1 h %L2 min</translation>
    </message>
    <message>
        <source>part %L1</source>
        <extracomment>Which part of a download runs, of an unknown number of parts.</extracomment>
        <translation>Teil %L1</translation>
    </message>
    <message>
        <source>part %L1 of %L2</source>
        <extracomment>Which part of a download runs: &quot;part 2 of 3&quot;.</extracomment>
        <translation>Teil %L1 von %L2</translation>
    </message>
</context>
<context>
    <name>DownloadStatus</name>
    <message>
        <source>Pending</source>
        <extracomment>A queue item&apos;s status: waiting for its download.</extracomment>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>A queue item&apos;s status: its download runs.</extracomment>
        <translation>Lädt herunter</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>A queue item&apos;s status: downloaded.</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>A queue item&apos;s status: its download failed.</extracomment>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>A queue item&apos;s status: stopped before it ended.</extracomment>
        <translation>Abgebrochen</translation>
    </message>
</context>
<context>
    <name>DownloaderFailure</name>
    <message>
        <source>The browser&apos;s cookies could not be read: the browser keeps them locked while it runs. Close the browser and download again, or choose another browser in Preferences.</source>
        <translation>Die Cookies des Browsers ließen sich nicht lesen: Der Browser hält sie gesperrt, solange er läuft. Schließen Sie den Browser und laden Sie erneut herunter, oder wählen Sie in den Einstellungen einen anderen Browser.</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be decrypted: the desktop&apos;s keyring did not give their key. Unlock the keyring and download again, or choose another browser in Preferences.</source>
        <translation>Die Cookies des Browsers ließen sich nicht entschlüsseln: Der Schlüsselbund der Arbeitsumgebung gab ihren Schlüssel nicht heraus. Entsperren Sie den Schlüsselbund und laden Sie erneut herunter, oder wählen Sie in den Einstellungen einen anderen Browser.</translation>
    </message>
    <message>
        <source>The browser chosen in Preferences keeps no cookies on this computer. Choose the browser you are signed in with.</source>
        <translation>Der in den Einstellungen gewählte Browser hat auf diesem Computer keine Cookies. Wählen Sie den Browser, in dem Sie angemeldet sind.</translation>
    </message>
    <message>
        <source>YouTube asks to sign in to confirm that this is not a bot. Choose the browser you are signed in with in Preferences, and the downloader will use its sign-in.</source>
        <translation>YouTube verlangt eine Anmeldung als Bestätigung, dass hier kein Bot am Werk ist. Wählen Sie in den Einstellungen den Browser, in dem Sie angemeldet sind; der Downloader verwendet dann dessen Anmeldung.</translation>
    </message>
    <message>
        <source>This video is private. If its owner has shared it with you, choose the browser you are signed in with in Preferences.</source>
        <translation>Dieses Video ist privat. Wenn es mit Ihnen geteilt wurde, wählen Sie in den Einstellungen den Browser, in dem Sie angemeldet sind.</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s members only. If you are a member, choose the browser you are signed in with in Preferences.</source>
        <translation>Dieses Video ist nur für Mitglieder des Kanals. Wenn Sie Mitglied sind, wählen Sie in den Einstellungen den Browser, in dem Sie angemeldet sind.</translation>
    </message>
    <message>
        <source>This video is age-restricted and needs a signed-in adult account. Choose the browser you are signed in with in Preferences.</source>
        <translation>Dieses Video hat eine Altersbeschränkung und verlangt ein angemeldetes, volljähriges Konto. Wählen Sie in den Einstellungen den Browser, in dem Sie angemeldet sind.</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>Dieses Video ist in Ihrem Land nicht verfügbar.</translation>
    </message>
    <message>
        <source>This live event or premiere has not begun yet: it begins in %1. Download it once it has started.</source>
        <translation>Dieses Live-Ereignis oder diese Premiere hat noch nicht begonnen: Es geht in %1 los. Laden Sie es herunter, sobald es begonnen hat.</translation>
    </message>
    <message>
        <source>This live event or premiere has not begun yet. Download it once it has started.</source>
        <translation>Dieses Live-Ereignis oder diese Premiere hat noch nicht begonnen. Laden Sie es herunter, sobald es begonnen hat.</translation>
    </message>
    <message>
        <source>This video has been removed or is no longer available.</source>
        <translation>Dieses Video wurde entfernt oder ist nicht mehr verfügbar.</translation>
    </message>
    <message>
        <source>This video needs a signed-in account. Choose the browser you are signed in with in Preferences.</source>
        <translation>Dieses Video verlangt ein angemeldetes Konto. Wählen Sie in den Einstellungen den Browser, in dem Sie angemeldet sind.</translation>
    </message>
    <message>
        <source>YouTube now needs a JavaScript runtime such as Deno for the downloader, and none was found. Press &quot;Check Again&quot; to let the tool check set one up, or install Deno yourself.</source>
        <translation>YouTube verlangt vom Downloader inzwischen eine JavaScript-Laufzeitumgebung wie Deno, und es wurde keine gefunden. Drücken Sie „Erneut prüfen“, damit die Werkzeugprüfung eine einrichtet, oder installieren Sie Deno selbst.</translation>
    </message>
    <message>
        <source>The downloader could not solve YouTube&apos;s signature challenge, which usually means that it is out of date. Update it and download again.</source>
        <translation>Der Downloader konnte die Signatur-Aufgabe von YouTube nicht lösen; meist heißt das, dass er veraltet ist. Aktualisieren Sie ihn und laden Sie erneut herunter.</translation>
    </message>
    <message>
        <source>The site refused the download (HTTP error 403), which usually means that the downloader is out of date. Update it and download again.</source>
        <translation>Die Website hat den Download verweigert (HTTP-Fehler 403); meist heißt das, dass der Downloader veraltet ist. Aktualisieren Sie ihn und laden Sie erneut herunter.</translation>
    </message>
    <message>
        <source>This address offers no download in the chosen quality. Download it with &quot;Best&quot; instead.</source>
        <translation>Diese Adresse bietet keinen Download in der gewählten Qualität. Laden Sie sie stattdessen mit „Beste“ herunter.</translation>
    </message>
    <message>
        <source>Morvi has no downloader and could not fetch one. Connect to the internet and press Download again, or install the system&apos;s tools with this command:
%1</source>
        <translation>Morvi hat keinen Downloader und konnte keinen laden. Verbinden Sie sich mit dem Internet und drücken Sie erneut „Herunterladen“, oder installieren Sie die Werkzeuge des Systems mit diesem Befehl:
%1</translation>
    </message>
    <message>
        <source>Morvi has no converter and could not fetch one. Connect to the internet and press Download again, or install the system&apos;s tools with this command:
%1</source>
        <translation>Morvi hat keinen Konverter und konnte keinen laden. Verbinden Sie sich mit dem Internet und drücken Sie erneut „Herunterladen“, oder installieren Sie die Werkzeuge des Systems mit diesem Befehl:
%1</translation>
    </message>
    <message>
        <source>The site could not be reached: this computer seems to be offline, or the address names no site. Check the network connection and the address, and download again.</source>
        <translation>Die Website war nicht erreichbar: Dieser Computer scheint offline zu sein, oder die Adresse nennt keine Website. Prüfen Sie die Netzwerkverbindung und die Adresse, und laden Sie erneut herunter.</translation>
    </message>
    <message>
        <source>The disk of the output folder is full. Free some space there, or choose another output folder, and download again.</source>
        <translation>Der Datenträger des Zielordners ist voll. Geben Sie dort Platz frei oder wählen Sie einen anderen Zielordner, und laden Sie erneut herunter.</translation>
    </message>
</context>
<context>
    <name>DownloaderOptions</name>
    <message>
        <source>Downloading without the cookies chosen in Preferences: %1</source>
        <translation>Download ohne die in den Einstellungen gewählten Cookies: %1</translation>
    </message>
</context>
<context>
    <name>ExitStatusError</name>
    <message>
        <source>The operation couldn&apos;t be completed. (%1 error %2.)</source>
        <translation>Der Vorgang konnte nicht abgeschlossen werden. (%1-Fehler %2.)</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected error: %1</source>
        <extracomment>A fault of Morvi&apos;s own ended an operation; %1 is the programmer&apos;s reason, in English.</extracomment>
        <translation>Unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <extracomment>A fault of Morvi&apos;s own ended an operation.</extracomment>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>LogLayout</name>
    <message numerus="yes">
        <source>[… %n more characters not shown; Copy takes the whole entry]</source>
        <translation>
            <numerusform>[… %n weiteres Zeichen nicht angezeigt; Kopieren übernimmt den ganzen Eintrag]</numerusform>
            <numerusform>[… %n weitere Zeichen nicht angezeigt; Kopieren übernimmt den ganzen Eintrag]</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogModel</name>
    <message>
        <source>Older lines were dropped here to keep the log within its size.</source>
        <translation>Ältere Zeilen wurden hier entfernt, damit das Protokoll nicht zu groß wird.</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Log</source>
        <extracomment>The log&apos;s name for assistive technology.</extracomment>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The log&apos;s menu: copies the selected entries.</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <extracomment>The log&apos;s menu: selects every entry.</extracomment>
        <translation>&amp;Alles auswählen</translation>
    </message>
</context>
<context>
    <name>MainWindowView</name>
    <message>
        <source>&amp;Bulk Download</source>
        <extracomment>A button: opens the download queue&apos;s window.</extracomment>
        <translation>&amp;Sammel-Download</translation>
    </message>
    <message>
        <source>Media &amp;Cutter</source>
        <extracomment>A button: opens the media cutter&apos;s window.</extracomment>
        <translation>Medien zus&amp;chneiden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>A button: opens the about window.</extracomment>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>YouTube &amp;URL:</source>
        <extracomment>The address field&apos;s label.</extracomment>
        <translation>YouTube-&amp;URL:</translation>
    </message>
    <message>
        <source>YouTube URL</source>
        <extracomment>The address field&apos;s name for assistive technology.</extracomment>
        <translation>YouTube-URL</translation>
    </message>
    <message>
        <source>Enter YouTube URL here...</source>
        <translation>YouTube-URL hier eingeben …</translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>The format picker&apos;s name for assistive technology.</extracomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>The kind of file to download</source>
        <translation>Welche Art von Datei heruntergeladen wird</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <extracomment>The label of the file kind to download (MP3, MP4, M4A).</extracomment>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <extracomment>The video height picker&apos;s name for assistive technology.</extracomment>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>Audio Quality</source>
        <extracomment>The audio bit rate picker&apos;s name for assistive technology.</extracomment>
        <translation>Audioqualität</translation>
    </message>
    <message>
        <source>Audio &amp;Quality:</source>
        <extracomment>The label of the audio bit rate picker.</extracomment>
        <translation>Audio&amp;qualität:</translation>
    </message>
    <message>
        <source>&amp;Output Path:</source>
        <extracomment>The output folder field&apos;s label.</extracomment>
        <translation>&amp;Zielordner:</translation>
    </message>
    <message>
        <source>Output Path</source>
        <extracomment>The output folder field&apos;s name for assistive technology.</extracomment>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Output folder path</source>
        <extracomment>Shown in the empty output folder field.</extracomment>
        <translation>Pfad des Zielordners</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <extracomment>A button: chooses the output folder.</extracomment>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Den Zielordner wählen</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <extracomment>A button: starts the download.</extracomment>
        <translation>&amp;Herunterladen</translation>
    </message>
    <message>
        <source>Download the address into the output folder</source>
        <translation>Die Adresse in den Zielordner herunterladen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <extracomment>A button: stops the running download.</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Stop the running download</source>
        <translation>Den laufenden Download abbrechen</translation>
    </message>
    <message>
        <source>Show the folder of the finished download</source>
        <translation>Den Ordner des fertigen Downloads zeigen</translation>
    </message>
    <message>
        <source>Open the downloaded file</source>
        <translation>Die heruntergeladene Datei öffnen</translation>
    </message>
    <message>
        <source>Progress:</source>
        <extracomment>A heading over the download&apos;s progress bar.</extracomment>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Lo&amp;g:</source>
        <extracomment>A heading over the download&apos;s log.</extracomment>
        <translation>Proto&amp;koll:</translation>
    </message>
    <message>
        <source>&amp;Video Quality:</source>
        <extracomment>The label of the video height picker.</extracomment>
        <translation>&amp;Videoqualität:</translation>
    </message>
    <message>
        <source>Download the whole playlist an address belongs to; a change applies to the next download</source>
        <translation>Die ganze Playlist herunterladen, zu der eine Adresse gehört; eine Änderung gilt ab dem nächsten Download</translation>
    </message>
    <message>
        <source>Applies to the next download</source>
        <translation>Gilt ab dem nächsten Download</translation>
    </message>
    <message>
        <source>%1 ✓</source>
        <extracomment>A video quality the address offers: %1 is the quality, then a check mark.</extracomment>
        <translation>%1 ✓</translation>
    </message>
    <message>
        <source>Pr&amp;eferences</source>
        <extracomment>A button: opens the Preferences window.</extracomment>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Download Pla&amp;ylists</source>
        <extracomment>A switch: download the whole playlist an address belongs to.</extracomment>
        <translation>&amp;Playlists herunterladen</translation>
    </message>
    <message>
        <source>Ope&amp;n Folder</source>
        <extracomment>A button: shows the downloaded file&apos;s folder.</extracomment>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>O&amp;pen File</source>
        <extracomment>A button: opens the downloaded file.</extracomment>
        <translation>Datei öff&amp;nen</translation>
    </message>
    <message>
        <source>Part from</source>
        <translation>Teil von</translation>
    </message>
    <message>
        <source>Part to</source>
        <translation>Teil bis</translation>
    </message>
    <message>
        <source>Part to &amp;keep (optional):</source>
        <translation>&amp;Teil (optional):</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Download only this part of the video, from and to HH:MM:SS; leave both empty for the whole video</source>
        <translation>Nur diesen Teil des Videos herunterladen, von und bis HH:MM:SS; beide leer lassen für das ganze Video</translation>
    </message>
</context>
<context>
    <name>MainWindowViewModel</name>
    <message>
        <source>Error</source>
        <extracomment>An alert&apos;s title: the address field holds no address.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please enter a valid URL.</source>
        <extracomment>An alert&apos;s message: the address field holds no address.</extracomment>
        <translation>Bitte eine gültige URL eingeben.</translation>
    </message>
    <message>
        <source>Getting ready to download...</source>
        <translation>Download wird vorbereitet …</translation>
    </message>
    <message>
        <source>No output folder is chosen.</source>
        <translation>Es ist kein Zielordner gewählt.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not exist.</source>
        <translation>Der Zielordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>Download and conversion completed successfully.</source>
        <translation>Download und Umwandlung erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <extracomment>A log line: %1 says why.</extracomment>
        <translation>Download fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <extracomment>An alert&apos;s title.</extracomment>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>Download was stopped by the user.</source>
        <translation>Der Download wurde vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>Open Preferences</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Update Downloader</source>
        <translation>Downloader aktualisieren</translation>
    </message>
    <message>
        <source>Download with Best</source>
        <translation>Mit „Beste“ herunterladen</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>What was downloaded so far stays in the output folder: downloading the same address again continues it.</source>
        <translation>Was bisher heruntergeladen wurde, bleibt im Zielordner: Ein erneuter Download derselben Adresse setzt es fort.</translation>
    </message>
</context>
<context>
    <name>MediaCutterError</name>
    <message>
        <source>FFmpeg executable not found. Please ensure it&apos;s installed.</source>
        <translation>FFmpeg-Programm nicht gefunden. Bitte sicherstellen, dass es installiert ist.</translation>
    </message>
</context>
<context>
    <name>MediaCutterView</name>
    <message>
        <source>MP4</source>
        <extracomment>The cut file&apos;s kinds: file formats, usually left as they are.</extracomment>
        <translation>MP4</translation>
    </message>
    <message>
        <source>MP3</source>
        <extracomment>A file format, usually left as it is.</extracomment>
        <translation>MP3</translation>
    </message>
    <message>
        <source>M4A</source>
        <extracomment>A file format, usually left as it is.</extracomment>
        <translation>M4A</translation>
    </message>
    <message>
        <source>MOV</source>
        <extracomment>A file format, usually left as it is.</extracomment>
        <translation>MOV</translation>
    </message>
    <message>
        <source>Media Cutter</source>
        <extracomment>The cutter window&apos;s heading.</extracomment>
        <translation>Medien zuschneiden</translation>
    </message>
    <message>
        <source>Cut finished</source>
        <extracomment>A notification&apos;s title: a cut has ended well.</extracomment>
        <translation>Zuschnitt fertig</translation>
    </message>
    <message>
        <source>Cut failed</source>
        <extracomment>A notification&apos;s title: a cut has failed.</extracomment>
        <translation>Zuschnitt fehlgeschlagen</translation>
    </message>
    <message>
        <source>No file selected</source>
        <extracomment>Shown in the empty media file field.</extracomment>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Media File</source>
        <extracomment>The media file field&apos;s name for assistive technology.</extracomment>
        <translation>Mediendatei</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>A button: chooses the media file to cut.</extracomment>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>Choose the media file to cut (Ctrl+O), or drop it onto the window</source>
        <translation>Die zuzuschneidende Mediendatei wählen (Strg+O) oder auf das Fenster ziehen</translation>
    </message>
    <message>
        <source>Media Information:</source>
        <extracomment>A heading: the chosen file&apos;s length and kind.</extracomment>
        <translation>Medieninformationen:</translation>
    </message>
    <message>
        <source>Trim Settings:</source>
        <extracomment>A heading: where the cut starts and ends.</extracomment>
        <translation>Schnitteinstellungen:</translation>
    </message>
    <message>
        <source>&amp;Start Time:</source>
        <extracomment>The label of the field where the cut starts.</extracomment>
        <translation>&amp;Startzeit:</translation>
    </message>
    <message>
        <source>Start Time</source>
        <extracomment>The field where the cut starts, named for assistive technology.</extracomment>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>&amp;End Time:</source>
        <extracomment>The label of the field where the cut ends.</extracomment>
        <translation>&amp;Endzeit:</translation>
    </message>
    <message>
        <source>End Time</source>
        <extracomment>The field where the cut ends, named for assistive technology.</extracomment>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Format: HH:MM:SS (e.g., 01:30:45)</source>
        <translation>Format: HH:MM:SS (z. B. 01:30:45)</translation>
    </message>
    <message>
        <source>Output Settings:</source>
        <extracomment>A heading: the cut file&apos;s name, kind and folder.</extracomment>
        <translation>Ausgabeeinstellungen:</translation>
    </message>
    <message>
        <source>Output file name</source>
        <extracomment>Shown in the empty output file name field.</extracomment>
        <translation>Name der Ausgabedatei</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <extracomment>The output file name field&apos;s name for assistive technology.</extracomment>
        <translation>Name der Ausgabedatei</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <extracomment>The label of the cut file&apos;s kind (MP4, MP3, M4A, MOV).</extracomment>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>Shown in the empty output folder field.</extracomment>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Output Path</source>
        <extracomment>The output folder field&apos;s name for assistive technology.</extracomment>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <extracomment>A button: chooses the output folder.</extracomment>
        <translation>D&amp;urchsuchen</translation>
    </message>
    <message>
        <source>Choose the folder for the cut file</source>
        <translation>Den Ordner für die zugeschnittene Datei wählen</translation>
    </message>
    <message>
        <source>&amp;Cut Media</source>
        <extracomment>A button: starts the cut.</extracomment>
        <translation>Medium &amp;zuschneiden</translation>
    </message>
    <message>
        <source>Sh&amp;ow in Folder</source>
        <extracomment>A button: shows the cut file in the file manager.</extracomment>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>Progress:</source>
        <extracomment>A heading over the cut&apos;s progress bar.</extracomment>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>&amp;Log:</source>
        <extracomment>A heading over the cut&apos;s log.</extracomment>
        <translation>&amp;Protokoll:</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <extracomment>The chosen file&apos;s length: %1 is HH:MM:SS.</extracomment>
        <translation>Dauer: %1</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <extracomment>The chosen file&apos;s kind: %1 is Video or Audio.</extracomment>
        <translation>Format: %1</translation>
    </message>
    <message>
        <source>&amp;Cutting...</source>
        <extracomment>The cut button while a cut runs.</extracomment>
        <translation>Wird &amp;zugeschnitten …</translation>
    </message>
    <message>
        <source>Select &amp;Media File:</source>
        <extracomment>The label of the file to cut.</extracomment>
        <translation>&amp;Mediendatei auswählen:</translation>
    </message>
</context>
<context>
    <name>MediaCutterViewModel</name>
    <message>
        <source>The output file is empty: no audio or video lies between the start and end times</source>
        <translation>Die Ausgabedatei ist leer: Zwischen Start- und Endzeit liegen weder Ton noch Bild</translation>
    </message>
    <message>
        <source>The video was dropped: a stream copy can only start at a keyframe, and there is none between the start and end times</source>
        <translation>Das Video ist entfallen: Eine Stream-Kopie kann nur an einem Keyframe beginnen, und zwischen Start- und Endzeit liegt keiner</translation>
    </message>
    <message>
        <source>Video and audio files (%1)</source>
        <extracomment>A file chooser&apos;s filter: %1 are the file name patterns.</extracomment>
        <translation>Video- und Audiodateien (%1)</translation>
    </message>
    <message>
        <source>Failed to get media info: %1</source>
        <extracomment>A log line: the chosen file could not be read; %1 says why.</extracomment>
        <translation>Medieninformationen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>The chosen file&apos;s kind: it holds video.</extracomment>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <extracomment>The chosen file&apos;s kind: it holds sound only.</extracomment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Error: Start time must be before end time</source>
        <translation>Fehler: Die Startzeit muss vor der Endzeit liegen</translation>
    </message>
    <message>
        <source>Starting media cutting...</source>
        <translation>Zuschneiden beginnt …</translation>
    </message>
    <message>
        <source>Input: %1</source>
        <extracomment>A log line: the file being cut.</extracomment>
        <translation>Eingabe: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <extracomment>A log line: the file the cut makes.</extracomment>
        <translation>Ausgabe: %1</translation>
    </message>
    <message>
        <source>Start: %1, End: %2</source>
        <extracomment>A log line: the cut&apos;s times, HH:MM:SS.</extracomment>
        <translation>Start: %1, Ende: %2</translation>
    </message>
    <message>
        <source>The output file is the input file: choose another name or folder</source>
        <translation>Die Ausgabedatei ist die Eingabedatei: Bitte einen anderen Namen oder Ordner wählen</translation>
    </message>
    <message>
        <source>Media cutting failed: %1</source>
        <translation>Zuschneiden fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>FFmpeg: %1</source>
        <extracomment>A log line: the converter&apos;s own last error line.</extracomment>
        <translation>FFmpeg: %1</translation>
    </message>
    <message>
        <source>Media cutting completed successfully!</source>
        <translation>Zuschneiden erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>FFmpeg exited with code %1</source>
        <extracomment>Why a cut failed: the converter&apos;s exit status.</extracomment>
        <translation>FFmpeg endete mit Code %1</translation>
    </message>
</context>
<context>
    <name>MediaDescription</name>
    <message>
        <source>the downloader&apos;s answer describes nothing</source>
        <translation>die Antwort des Downloaders beschreibt nichts</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>The media library could not be loaded: %1</source>
        <translation>Die Medienbibliothek konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>The media library lacks %1</source>
        <extracomment>%1: a function that the installed FFmpeg library does not have.</extracomment>
        <translation>Der Medienbibliothek fehlt %1</translation>
    </message>
</context>
<context>
    <name>MediaSection</name>
    <message>
        <source>Write the times as HH:MM:SS, such as 00:01:30.</source>
        <translation>Schreiben Sie die Zeiten als HH:MM:SS, etwa 00:01:30.</translation>
    </message>
    <message>
        <source>The part must end after it starts.</source>
        <translation>Der Teil muss nach seinem Anfang enden.</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>Das Video ist nur %1 lang.</translation>
    </message>
</context>
<context>
    <name>MorviApp</name>
    <message>
        <source>Bulk Download</source>
        <extracomment>A window&apos;s title: the download queue.</extracomment>
        <translation>Sammel-Download</translation>
    </message>
    <message>
        <source>Media Cutter</source>
        <extracomment>A window&apos;s title: cuts a part out of a local media file.</extracomment>
        <translation>Medien zuschneiden</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A window&apos;s title: about Morvi.</extracomment>
        <translation>Über Morvi</translation>
    </message>
    <message>
        <source>Download finished</source>
        <extracomment>A notification&apos;s title: the main window&apos;s download has ended well.</extracomment>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Download failed</source>
        <extracomment>A notification&apos;s title: the main window&apos;s download has failed.</extracomment>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>Downloads finished</source>
        <extracomment>A notification&apos;s title: the queue&apos;s batch has ended.</extracomment>
        <translation>Downloads abgeschlossen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <extracomment>A window&apos;s title.</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>How the queue&apos;s items ended, in a notification: completed ones, failed ones.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln completed</source>
        <extracomment>Queue items that were downloaded, in a notification.</extracomment>
        <translation>
            <numerusform>%Ln abgeschlossen</numerusform>
            <numerusform>%Ln abgeschlossen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <extracomment>Queue items whose download failed, in a notification.</extracomment>
        <translation>
            <numerusform>%Ln fehlgeschlagen</numerusform>
            <numerusform>%Ln fehlgeschlagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OutputTemplate</name>
    <message>
        <source>The field at &quot;%1&quot; is not closed with &quot;)&quot;.</source>
        <translation>Das Feld bei „%1“ wird nicht mit „)“ geschlossen.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; has no type: end it with &quot;s&quot;, as in %(title)s.</source>
        <translation>Das Feld „%1“ hat keinen Typ: Beenden Sie es mit „s“, wie in %(title)s.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a type of field, in &quot;%2&quot;.</source>
        <translation>„%1“ ist kein Feldtyp, in „%2“.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Uploader - Title</source>
        <translation>Uploader - Titel</translation>
    </message>
    <message>
        <source>Date - Title</source>
        <translation>Datum - Titel</translation>
    </message>
    <message>
        <source>The template is empty.</source>
        <translation>Die Vorlage ist leer.</translation>
    </message>
    <message>
        <source>The files must go into the output folder: a template neither starts with &quot;/&quot; or &quot;~&quot; nor holds &quot;..&quot; or &quot;$&quot;.</source>
        <translation>Die Dateien müssen in den Zielordner: Eine Vorlage beginnt weder mit „/“ oder „~“, noch enthält sie „..“ oder „$“.</translation>
    </message>
    <message>
        <source>The template needs the file&apos;s extension, %(ext)s.</source>
        <translation>Die Vorlage braucht die Dateiendung, %(ext)s.</translation>
    </message>
</context>
<context>
    <name>PercentText</name>
    <message>
        <source>%1%</source>
        <extracomment>A whole percentage under a progress bar, &quot;42%&quot;; %1 is the number.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>PreferencesContentsPage</name>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>For videos: the subtitles in the languages named by their codes (&quot;en, de&quot;), where the site offers them.</source>
        <translation>Für Videos: die Untertitel in den Sprachen, die ihre Kürzel nennen („en, de“), wo die Seite sie anbietet.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Embedded in the MP4</source>
        <translation>In die MP4 eingebettet</translation>
    </message>
    <message>
        <source>Saved beside it as .srt</source>
        <translation>Daneben als .srt gespeichert</translation>
    </message>
    <message>
        <source>S&amp;ubtitles:</source>
        <translation>&amp;Untertitel:</translation>
    </message>
    <message>
        <source>en, de</source>
        <translation>en, de</translation>
    </message>
    <message>
        <source>Add a language that the address in the main window offers</source>
        <translation>Eine Sprache hinzufügen, die die Adresse im Hauptfenster anbietet</translation>
    </message>
    <message>
        <source>&amp;Languages:</source>
        <translation>&amp;Sprachen:</translation>
    </message>
    <message>
        <source>Count the site&apos;s automatic ca&amp;ptions as subtitles</source>
        <translation>Automatische Untertitel der Seite mit&amp;zählen</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>In der Datei</translation>
    </message>
    <message>
        <source>Kept inside the downloaded file, where its format can hold it.</source>
        <translation>In der heruntergeladenen Datei gespeichert, wo ihr Format es aufnehmen kann.</translation>
    </message>
    <message>
        <source>&amp;Metadata: title, uploader, date and description</source>
        <translation>M&amp;etadaten: Titel, Uploader, Datum und Beschreibung</translation>
    </message>
    <message>
        <source>C&amp;hapters</source>
        <translation>&amp;Kapitel</translation>
    </message>
    <message>
        <source>Co&amp;ver picture in audio files</source>
        <translation>&amp;Cover in Audiodateien</translation>
    </message>
    <message>
        <source>&amp;Thumbnail in videos</source>
        <translation>&amp;Vorschaubild in Videos</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
</context>
<context>
    <name>PreferencesDownloadsPage</name>
    <message>
        <source>Queue and speed</source>
        <translation>Warteschlange und Geschwindigkeit</translation>
    </message>
    <message>
        <source>Items of the queue start in their order, each as soon as one of the downloads at once is free. The main window&apos;s download is not counted.</source>
        <translation>Die Einträge der Warteschlange starten der Reihe nach, jeder, sobald einer der gleichzeitigen Downloads frei ist. Der Download im Hauptfenster zählt nicht mit.</translation>
    </message>
    <message>
        <source>Downloads at once</source>
        <translation>Gleichzeitige Downloads</translation>
    </message>
    <message>
        <source>Downloads &amp;at once:</source>
        <translation>Downloads &amp;gleichzeitig:</translation>
    </message>
    <message>
        <source>&amp;Limit each download to</source>
        <translation>Jeden Download &amp;drosseln auf</translation>
    </message>
    <message>
        <source>Speed limit</source>
        <translation>Geschwindigkeitsgrenze</translation>
    </message>
    <message>
        <source> MiB/s</source>
        <translation> MiB/s</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>The downloader names each file by a template of its fields, such as %(title)s, %(uploader)s, %(upload_date)s or %(id)s.</source>
        <translation>Der Downloader benennt jede Datei nach einer Vorlage aus ihren Feldern, etwa %(title)s, %(uploader)s, %(upload_date)s oder %(id)s.</translation>
    </message>
    <message>
        <source>Your own</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>File na&amp;mes:</source>
        <translation>Datei&amp;namen:</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>&amp;Vorlage:</translation>
    </message>
    <message>
        <source>&amp;Safe characters only: ASCII letters, digits, &quot;-&quot;, &quot;_&quot; and &quot;.&quot;</source>
        <translation>Nur &amp;sichere Zeichen: ASCII-Buchstaben, Ziffern, „-“, „_“ und „.“</translation>
    </message>
    <message>
        <source>Preview: %1</source>
        <translation>Vorschau: %1</translation>
    </message>
</context>
<context>
    <name>PreferencesSponsorBlockPage</name>
    <message>
        <source>SponsorBlock</source>
        <translation>SponsorBlock</translation>
    </message>
    <message>
        <source>SponsorBlock is a shared list of the segments that viewers marked in YouTube videos: sponsors, intros, reminders to subscribe. While it is on, every download asks the SponsorBlock service (sponsor.ajay.app) about its video.</source>
        <translation>SponsorBlock ist eine gemeinsame Liste der Abschnitte, die Zuschauer in YouTube-Videos markiert haben: Sponsoren, Intros, Aufrufe zum Abonnieren. Solange es eingeschaltet ist, fragt jeder Download den SponsorBlock-Dienst (sponsor.ajay.app) nach seinem Video.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Remove the chosen segments</source>
        <translation>Die gewählten Abschnitte entfernen</translation>
    </message>
    <message>
        <source>&amp;With SponsorBlock:</source>
        <translation>&amp;Mit SponsorBlock:</translation>
    </message>
    <message>
        <source>Mark the chosen segments as chapters</source>
        <translation>Die gewählten Abschnitte als Kapitel markieren</translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>Sign-in</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Some sites, YouTube among them, serve a video only to a signed-in user. The downloader can then use the cookies of a browser in which you are signed in, or those of a cookies.txt file. Morvi hands over only the browser&apos;s name and profile or the file&apos;s name: it never reads, keeps or shows a cookie.</source>
        <translation>Manche Websites, darunter YouTube, liefern ein Video nur an angemeldete Nutzer. Der Downloader kann dann die Cookies eines Browsers verwenden, in dem man angemeldet ist, oder die einer cookies.txt-Datei. Morvi gibt nur den Namen und das Profil des Browsers oder den Namen der Datei weiter: Ein Cookie liest, speichert oder zeigt Morvi nie.</translation>
    </message>
    <message>
        <source>&amp;Use cookies from:</source>
        <translation>Cookies &amp;verwenden aus:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>Coo&amp;kies file:</source>
        <translation>Cookie-&amp;Datei:</translation>
    </message>
    <message>
        <source>Looking for installed browsers...</source>
        <translation>Installierte Browser werden gesucht …</translation>
    </message>
    <message>
        <source>Cookies file</source>
        <translation>Cookie-Datei</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Auswählen …</translation>
    </message>
    <message>
        <source>Choose another cookies.txt file</source>
        <translation>Eine andere cookies.txt-Datei wählen</translation>
    </message>
    <message>
        <source>The converter (ffmpeg) is not installed yet: the file&apos;s contents, subtitles, a part of a video and SponsorBlock need it. Morvi installs it when the main window next checks its tools.</source>
        <translation>Der Konverter (ffmpeg) ist noch nicht installiert: Dateiinhalt, Untertitel, ein Teil eines Videos und SponsorBlock brauchen ihn. Morvi installiert ihn, wenn das Hauptfenster das nächste Mal seine Werkzeuge prüft.</translation>
    </message>
    <message>
        <source>&amp;Downloads</source>
        <translation>Do&amp;wnloads</translation>
    </message>
    <message>
        <source>File &amp;contents</source>
        <translation>Datei&amp;inhalt</translation>
    </message>
    <message>
        <source>Sponsor&amp;Block</source>
        <translation>Sponsor&amp;Block</translation>
    </message>
    <message>
        <source>Sign-i&amp;n</source>
        <translation>An&amp;meldung</translation>
    </message>
</context>
<context>
    <name>PreferencesViewModel</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>%1 (not found)</source>
        <translation>%1 (nicht gefunden)</translation>
    </message>
    <message>
        <source>A cookies.txt file</source>
        <translation>Eine cookies.txt-Datei</translation>
    </message>
    <message>
        <source>Cookies files (*.txt);;All files (*)</source>
        <translation>Cookie-Dateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Title of the video</source>
        <translation>Titel des Videos</translation>
    </message>
    <message>
        <source>Uploader</source>
        <translation>Uploader</translation>
    </message>
</context>
<context>
    <name>QueueIntake</name>
    <message>
        <source>No playlist entries from %1: %2</source>
        <extracomment>%1: a playlist&apos;s address; %2: why its entries could not be listed.</extracomment>
        <translation>Keine Playlist-Einträge aus %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Added %Ln entry(s) from &quot;%1&quot;.</source>
        <extracomment>%1: a playlist&apos;s title, or its address.</extracomment>
        <translation>
            <numerusform>%Ln Eintrag aus „%1“ hinzugefügt.</numerusform>
            <numerusform>%Ln Einträge aus „%1“ hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not YouTube addresses or repeated</source>
        <translation>
            <numerusform>%Ln keine YouTube-Adresse oder doppelt</numerusform>
            <numerusform>%Ln keine YouTube-Adressen oder doppelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln already in the queue</source>
        <translation>
            <numerusform>%Ln schon in der Warteschlange</numerusform>
            <numerusform>%Ln schon in der Warteschlange</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Left out: %2, %3, %4.</source>
        <extracomment>%1: what was added (&quot;Added 3 entries from …&quot;); %2, %3, %4: the entries left out, by why.</extracomment>
        <translation>%1 Ausgelassen: %2, %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln without an address</source>
        <extracomment>Playlist entries left out: the listing gave them no address.</extracomment>
        <translation>
            <numerusform>%Ln ohne Adresse</numerusform>
            <numerusform>%Ln ohne Adresse</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QueueStore</name>
    <message>
        <source>The download queue could not be saved: %1</source>
        <extracomment>%1: the settings file and why it could not be written (a full disk, a read-only file).</extracomment>
        <translation>Die Download-Warteschlange konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A settings file, and why a value could not be stored in it.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ToolCheck</name>
    <message>
        <source>Checking for updates...</source>
        <translation>Suche nach Aktualisierungen …</translation>
    </message>
    <message>
        <source>Checking and installing necessary plugins...</source>
        <translation>Benötigte Plugins werden geprüft und installiert …</translation>
    </message>
    <message>
        <source>Downloading plugin 1...</source>
        <translation>Plugin 1 wird heruntergeladen …</translation>
    </message>
    <message>
        <source>Downloading plugin 2...</source>
        <translation>Plugin 2 wird heruntergeladen …</translation>
    </message>
    <message>
        <source>Update check completed.</source>
        <translation>Suche nach Aktualisierungen abgeschlossen.</translation>
    </message>
    <message>
        <source>Using the system&apos;s %1 %2 at %3 for now.</source>
        <translation>Vorerst wird %1 %2 des Systems unter %3 verwendet.</translation>
    </message>
    <message>
        <source>The system&apos;s %1 at %2 does not run.</source>
        <translation>%1 des Systems unter %2 startet nicht.</translation>
    </message>
    <message>
        <source>Plugin 4 (deno %1) is too old for yt-dlp %2 and is not used.</source>
        <translation>Plugin 4 (deno %1) ist zu alt für yt-dlp %2 und wird nicht verwendet.</translation>
    </message>
    <message>
        <source>The system&apos;s %1 %2 at %3 is too old for yt-dlp %4 and is not used.</source>
        <translation>%1 %2 des Systems unter %3 ist zu alt für yt-dlp %4 und wird nicht verwendet.</translation>
    </message>
    <message>
        <source>No JavaScript runtime that yt-dlp %1 supports was found: YouTube may offer fewer formats.</source>
        <translation>Keine JavaScript-Laufzeitumgebung gefunden, die yt-dlp %1 unterstützt: YouTube bietet womöglich weniger Formate an.</translation>
    </message>
    <message>
        <source>yt-dlp %1 is too old to use a JavaScript runtime: YouTube may offer fewer formats.</source>
        <translation>yt-dlp %1 ist zu alt, um eine JavaScript-Laufzeitumgebung zu verwenden: YouTube bietet womöglich weniger Formate an.</translation>
    </message>
    <message>
        <source>Downloading plugin 4...</source>
        <translation>Plugin 4 wird heruntergeladen …</translation>
    </message>
</context>
<context>
    <name>ToolCredits</name>
    <message>
        <source>The Unlicense</source>
        <extracomment>A licence&apos;s name, as its authors call it.</extracomment>
        <translation>The Unlicense</translation>
    </message>
    <message>
        <source>LGPL/GPL</source>
        <extracomment>A licence&apos;s name, as its authors call it.</extracomment>
        <translation>LGPL/GPL</translation>
    </message>
    <message>
        <source>GPL 3 or later</source>
        <extracomment>A licence&apos;s name, as its authors call it.</extracomment>
        <translation>GPL 3 oder neuer</translation>
    </message>
    <message>
        <source>GPL 2 or later</source>
        <translation>GPL 2 oder neuer</translation>
    </message>
    <message>
        <source>LGPL 3 or later</source>
        <extracomment>A licence&apos;s name, as its authors call it.</extracomment>
        <translation>LGPL 3 oder neuer</translation>
    </message>
    <message>
        <source>LGPL 2.1 or later</source>
        <translation>LGPL 2.1 oder neuer</translation>
    </message>
    <message>
        <source>MIT</source>
        <translation>MIT</translation>
    </message>
</context>
<context>
    <name>ToolCreditsGroup</name>
    <message>
        <source>Not installed</source>
        <extracomment>Where a tool comes from: it is missing.</extracomment>
        <translation>Nicht installiert</translation>
    </message>
    <message>
        <source>The system&apos;s own, at %1</source>
        <extracomment>Where a tool comes from: the system&apos;s program; %1 is its path.</extracomment>
        <translation>Das des Systems, unter %1</translation>
    </message>
    <message>
        <source>Morvi&apos;s own, at %1</source>
        <extracomment>Where a tool comes from: installed by Morvi; %1 is its path.</extracomment>
        <translation>Morvis eigenes, unter %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1%2&lt;/b&gt; · %3 · %4&lt;br&gt;%5</source>
        <extracomment>tool name and version, licence, project link; then where the program comes from</extracomment>
        <translation>&lt;b&gt;%1%2&lt;/b&gt; · %3 · %4&lt;br&gt;%5</translation>
    </message>
    <message>
        <source>Tools</source>
        <extracomment>A heading in the about window: the programs Morvi runs.</extracomment>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Verified with its makers&apos; signing key %1</source>
        <translation>Geprüft mit dem Signaturschlüssel seiner Entwickler: %1</translation>
    </message>
</context>
<context>
    <name>YtdlpError</name>
    <message>
        <source>Downloader plugin not found. Please ensure it&apos;s installed.</source>
        <translation>Download-Plugin nicht gefunden. Bitte sicherstellen, dass es installiert ist.</translation>
    </message>
    <message>
        <source>Converter plugin not found. Please ensure it&apos;s installed.</source>
        <translation>Konverter-Plugin nicht gefunden. Bitte sicherstellen, dass es installiert ist.</translation>
    </message>
    <message>
        <source>Process exited with code %1</source>
        <extracomment>Why a download failed: the downloader&apos;s exit status.</extracomment>
        <translation>Prozess endete mit Code %1</translation>
    </message>
</context>
</TS>
