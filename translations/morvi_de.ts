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
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Build %1</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>&amp;Visit Website</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Support</translation>
    </message>
    <message>
        <source>&amp;Privacy Policy</source>
        <translation>&amp;Datenschutzerklärung</translation>
    </message>
</context>
<context>
    <name>AddressDescriptionView</name>
    <message>
        <source>Looking up the address...</source>
        <translation>Adresse wird abgefragt …</translation>
    </message>
    <message>
        <source>No details: %1</source>
        <translation>Keine Details: %1</translation>
    </message>
    <message numerus="yes">
        <source>Playlist of %n entries</source>
        <translation>
            <numerusform>Playlist mit %n Eintrag</numerusform>
            <numerusform>Playlist mit %n Einträgen</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>etwa %1</translation>
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
        <translation>URL</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>BulkDownloadTableView</name>
    <message>
        <source>Download Queue</source>
        <translation>Download-Warteschlange</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Copy Address</source>
        <translation>Adresse &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>Auswahl &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Start Selected</source>
        <translation>Auswahl &amp;starten</translation>
    </message>
</context>
<context>
    <name>BulkDownloadView</name>
    <message>
        <source>Bulk Download</source>
        <translation>Sammel-Download</translation>
    </message>
    <message>
        <source>Add URLs from F&amp;ile</source>
        <translation>URLs aus &amp;Datei hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;URLs (one per line):</source>
        <translation>&amp;URLs hinzufügen (eine pro Zeile):</translation>
    </message>
    <message>
        <source>&amp;Add URLs to Queue</source>
        <translation>Zur Warteschlange &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualität:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Output Path</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Du&amp;rchsuchen</translation>
    </message>
    <message>
        <source>&amp;Output Path:</source>
        <translation>&amp;Zielordner:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>&amp;Start All Downloads</source>
        <translation>&amp;Alle Downloads starten</translation>
    </message>
    <message>
        <source>S&amp;top All Downloads</source>
        <translation>Alle Downloads a&amp;bbrechen</translation>
    </message>
    <message>
        <source>&amp;Clear Queue</source>
        <translation>Warteschlange &amp;leeren</translation>
    </message>
    <message>
        <source>Start S&amp;elected</source>
        <translation>Auswahl s&amp;tarten</translation>
    </message>
    <message>
        <source>Sto&amp;p Selected</source>
        <translation>Auswahl abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>Auswahl lö&amp;schen</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>Audio Quality</source>
        <translation>Audioqualität</translation>
    </message>
    <message numerus="yes">
        <source>Dow&amp;nload Queue (%n items):</source>
        <translation>
            <numerusform>Download-&amp;Warteschlange (%n Eintrag):</numerusform>
            <numerusform>Download-&amp;Warteschlange (%n Einträge):</numerusform>
        </translation>
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
        <source>Add Play&amp;list Entries</source>
        <translation>&amp;Playlist-Einträge hinzufügen</translation>
    </message>
    <message>
        <source>Queue each entry of the playlists whose addresses are in the box</source>
        <translation>Jeden Eintrag der Playlists, deren Adressen im Feld stehen, in die Warteschlange stellen</translation>
    </message>
    <message>
        <source>Showing the text: %1</source>
        <translation>Text wird angezeigt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were left out: not YouTube addresses</source>
        <translation>
            <numerusform>%n Zeile wurde ausgelassen: keine YouTube-Adresse</numerusform>
            <numerusform>%n Zeilen wurden ausgelassen: keine YouTube-Adressen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines were left out: already in the queue</source>
        <translation>
            <numerusform>%n Zeile wurde ausgelassen: schon in der Warteschlange</numerusform>
            <numerusform>%n Zeilen wurden ausgelassen: schon in der Warteschlange</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines were left out: %1, %2</source>
        <translation>
            <numerusform>%n Zeile wurde ausgelassen: %1, %2</numerusform>
            <numerusform>%n Zeilen wurden ausgelassen: %1, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not YouTube addresses</source>
        <translation>
            <numerusform>%n keine YouTube-Adresse</numerusform>
            <numerusform>%n keine YouTube-Adressen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the queue</source>
        <translation>
            <numerusform>%n schon in der Warteschlange</numerusform>
            <numerusform>%n schon in der Warteschlange</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BulkDownloadViewModel</name>
    <message>
        <source>Text files (%1)</source>
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
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>DocumentRun</name>
    <message>
        <source>the downloader ended with status %1</source>
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
        <translation>MP3</translation>
    </message>
    <message>
        <source>MP&amp;3</source>
        <translation>MP&amp;3</translation>
    </message>
    <message>
        <source>MP4</source>
        <translation>MP4</translation>
    </message>
    <message>
        <source>MP&amp;4</source>
        <translation>MP&amp;4</translation>
    </message>
    <message>
        <source>M4A</source>
        <translation>M4A</translation>
    </message>
    <message>
        <source>&amp;M4A</source>
        <translation>&amp;M4A</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Highest Available</source>
        <translation>Höchste verfügbare</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Höchste</translation>
    </message>
    <message>
        <source>2160p</source>
        <translation>2160p</translation>
    </message>
    <message>
        <source>1440p</source>
        <translation>1440p</translation>
    </message>
    <message>
        <source>1080p</source>
        <translation>1080p</translation>
    </message>
    <message>
        <source>720p</source>
        <translation>720p</translation>
    </message>
    <message>
        <source>480p</source>
        <translation>480p</translation>
    </message>
    <message>
        <source>360p</source>
        <translation>360p</translation>
    </message>
    <message>
        <source>Lowest Available</source>
        <translation>Niedrigste verfügbare</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Niedrigste</translation>
    </message>
    <message>
        <source>320k</source>
        <translation>320k</translation>
    </message>
    <message>
        <source>256k</source>
        <translation>256k</translation>
    </message>
    <message>
        <source>192k</source>
        <translation>192k</translation>
    </message>
    <message>
        <source>128k</source>
        <translation>128k</translation>
    </message>
    <message>
        <source>96k</source>
        <translation>96k</translation>
    </message>
    <message>
        <source>64k</source>
        <translation>64k</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>Teil %1</translation>
    </message>
    <message>
        <source>part %1 of %2</source>
        <translation>Teil %1 von %2</translation>
    </message>
</context>
<context>
    <name>DownloadStatus</name>
    <message>
        <source>Pending</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Lädt herunter</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cancelled</source>
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
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
</context>
<context>
    <name>MainWindowView</name>
    <message>
        <source>&amp;Bulk Download</source>
        <translation>&amp;Sammel-Download</translation>
    </message>
    <message>
        <source>Media &amp;Cutter</source>
        <translation>Medien zus&amp;chneiden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>YouTube &amp;URL:</source>
        <translation>YouTube-&amp;URL:</translation>
    </message>
    <message>
        <source>YouTube URL</source>
        <translation>YouTube-URL</translation>
    </message>
    <message>
        <source>Enter YouTube URL here...</source>
        <translation>YouTube-URL hier eingeben …</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>The kind of file to download</source>
        <translation>Welche Art von Datei heruntergeladen wird</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>Audio Quality</source>
        <translation>Audioqualität</translation>
    </message>
    <message>
        <source>Audio &amp;Quality:</source>
        <translation>Audio&amp;qualität:</translation>
    </message>
    <message>
        <source>&amp;Output Path:</source>
        <translation>&amp;Zielordner:</translation>
    </message>
    <message>
        <source>Output Path</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Output folder path</source>
        <translation>Pfad des Zielordners</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Den Zielordner wählen</translation>
    </message>
    <message>
        <source>Download &amp;Playlists</source>
        <translation>&amp;Playlists herunterladen</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Herunterladen</translation>
    </message>
    <message>
        <source>Download the address into the output folder</source>
        <translation>Die Adresse in den Zielordner herunterladen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Stop the running download</source>
        <translation>Den laufenden Download abbrechen</translation>
    </message>
    <message>
        <source>Open Fo&amp;lder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>Show the folder of the finished download</source>
        <translation>Den Ordner des fertigen Downloads zeigen</translation>
    </message>
    <message>
        <source>Open F&amp;ile</source>
        <translation>Dat&amp;ei öffnen</translation>
    </message>
    <message>
        <source>Open the downloaded file</source>
        <translation>Die heruntergeladene Datei öffnen</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Lo&amp;g:</source>
        <translation>Proto&amp;koll:</translation>
    </message>
    <message>
        <source>&amp;Video Quality:</source>
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
        <translation>%1 ✓</translation>
    </message>
    <message>
        <source>Pr&amp;eferences</source>
        <translation>E&amp;instellungen</translation>
    </message>
</context>
<context>
    <name>MainWindowViewModel</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please enter a valid URL.</source>
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
        <translation>Download fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Download Failed</source>
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
        <translation>MP4</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>M4A</source>
        <translation>M4A</translation>
    </message>
    <message>
        <source>MOV</source>
        <translation>MOV</translation>
    </message>
    <message>
        <source>Media Cutter</source>
        <translation>Medien zuschneiden</translation>
    </message>
    <message>
        <source>Cut finished</source>
        <translation>Zuschnitt fertig</translation>
    </message>
    <message>
        <source>Cut failed</source>
        <translation>Zuschnitt fehlgeschlagen</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Media File</source>
        <translation>Mediendatei</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>Choose the media file to cut (Ctrl+O), or drop it onto the window</source>
        <translation>Die zuzuschneidende Mediendatei wählen (Strg+O) oder auf das Fenster ziehen</translation>
    </message>
    <message>
        <source>Media Information:</source>
        <translation>Medieninformationen:</translation>
    </message>
    <message>
        <source>Trim Settings:</source>
        <translation>Schnitteinstellungen:</translation>
    </message>
    <message>
        <source>&amp;Start Time:</source>
        <translation>&amp;Startzeit:</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>&amp;End Time:</source>
        <translation>&amp;Endzeit:</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Format: HH:MM:SS (e.g., 01:30:45)</source>
        <translation>Format: HH:MM:SS (z. B. 01:30:45)</translation>
    </message>
    <message>
        <source>Output Settings:</source>
        <translation>Ausgabeeinstellungen:</translation>
    </message>
    <message>
        <source>Output file name</source>
        <translation>Name der Ausgabedatei</translation>
    </message>
    <message>
        <source>Output File Name</source>
        <translation>Name der Ausgabedatei</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Output Path</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Du&amp;rchsuchen</translation>
    </message>
    <message>
        <source>Choose the folder for the cut file</source>
        <translation>Den Ordner für die zugeschnittene Datei wählen</translation>
    </message>
    <message>
        <source>&amp;Cut Media</source>
        <translation>Medium &amp;zuschneiden</translation>
    </message>
    <message>
        <source>Sh&amp;ow in Folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>&amp;Log:</source>
        <translation>&amp;Protokoll:</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>Dauer: %1</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation>Format: %1</translation>
    </message>
    <message>
        <source>&amp;Cutting...</source>
        <translation>Wird &amp;zugeschnitten …</translation>
    </message>
    <message>
        <source>Select &amp;Media File:</source>
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
        <translation>Video- und Audiodateien (%1)</translation>
    </message>
    <message>
        <source>Failed to get media info: %1</source>
        <translation>Medieninformationen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
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
        <translation>Eingabe: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Ausgabe: %1</translation>
    </message>
    <message>
        <source>Start: %1, End: %2</source>
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
        <translation>FFmpeg: %1</translation>
    </message>
    <message>
        <source>Media cutting completed successfully!</source>
        <translation>Zuschneiden erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>FFmpeg exited with code %1</source>
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
        <translation>Der Medienbibliothek fehlt %1</translation>
    </message>
</context>
<context>
    <name>MorviApp</name>
    <message>
        <source>Bulk Download</source>
        <translation>Sammel-Download</translation>
    </message>
    <message>
        <source>Media Cutter</source>
        <translation>Medien zuschneiden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Morvi</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>Downloads finished</source>
        <translation>Downloads abgeschlossen</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed</source>
        <translation>%1 abgeschlossen, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
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
        <source>Use cookies &amp;from:</source>
        <translation>Cookies &amp;verwenden aus:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>Cookies f&amp;ile:</source>
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
</context>
<context>
    <name>QueueIntake</name>
    <message>
        <source>No playlist entries from %1: %2</source>
        <translation>Keine Playlist-Einträge aus %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Added %n entry(s) from &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n Eintrag aus „%1“ hinzugefügt.</numerusform>
            <numerusform>%n Einträge aus „%1“ hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n entry(s) from &quot;%1&quot;. Left out: %2 not YouTube addresses or repeated, %3 already in the queue, %4 without an address.</source>
        <translation>
            <numerusform>%n Eintrag aus „%1“ hinzugefügt. Ausgelassen: %2 keine YouTube-Adressen oder doppelt, %3 schon in der Warteschlange, %4 ohne Adresse.</numerusform>
            <numerusform>%n Einträge aus „%1“ hinzugefügt. Ausgelassen: %2 keine YouTube-Adressen oder doppelt, %3 schon in der Warteschlange, %4 ohne Adresse.</numerusform>
        </translation>
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
        <translation>The Unlicense</translation>
    </message>
    <message>
        <source>LGPL/GPL</source>
        <translation>LGPL/GPL</translation>
    </message>
    <message>
        <source>GPL 3 or later</source>
        <translation>GPL 3 oder neuer</translation>
    </message>
    <message>
        <source>GPL 2 or later</source>
        <translation>GPL 2 oder neuer</translation>
    </message>
    <message>
        <source>LGPL 3 or later</source>
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
        <translation>Nicht installiert</translation>
    </message>
    <message>
        <source>The system&apos;s own, at %1</source>
        <translation>Das des Systems, unter %1</translation>
    </message>
    <message>
        <source>Morvi&apos;s own, at %1</source>
        <translation>Morvis eigenes, unter %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1%2&lt;/b&gt; · %3 · %4&lt;br&gt;%5</source>
        <extracomment>tool name and version, licence, project link; then where the program comes from</extracomment>
        <translation>&lt;b&gt;%1%2&lt;/b&gt; · %3 · %4&lt;br&gt;%5</translation>
    </message>
    <message>
        <source>Tools</source>
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
        <translation>Prozess endete mit Code %1</translation>
    </message>
</context>
</TS>
