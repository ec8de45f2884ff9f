<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ApCompletionPopup</name>
    <message>
        <source>This is an executable file.
Please scan it before opening.</source>
        <translation>Dies ist eine ausführbare Datei.
Bitte prüfen Sie sie vor dem Öffnen auf Viren.</translation>
    </message>
</context>
<context>
    <name>ApCompletionPopupClass</name>
    <message>
        <source>Download Completed</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ApConfigDialog</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Virus Scan</source>
        <translation>Virenprüfung</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Start automatically on system startup</source>
        <translation>Beim Systemstart automatisch starten</translation>
    </message>
    <message>
        <source>Minimize to system tray icon by clicking close button</source>
        <translation>Beim Schließen in den Systemabschnitt der Kontrollleiste minimieren</translation>
    </message>
    <message>
        <source>Prompt on completion of a task</source>
        <translation>Nach Abschluss einer Aufgabe benachrichtigen</translation>
    </message>
    <message>
        <source>Check update automatically each time on startup</source>
        <translation>Bei jedem Start automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>Speed panel bandwidth display limit:</source>
        <translation>Bandbreitengrenze der Geschwindigkeitsanzeige:</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Show floating window</source>
        <translation>Schwebendes Fenster anzeigen</translation>
    </message>
    <message>
        <source>Download Settings</source>
        <translation>Download-Einstellungen</translation>
    </message>
    <message>
        <source>Downloaded to:</source>
        <translation>Herunterladen nach:</translation>
    </message>
    <message>
        <source>Enable monitoring clipboard URL file types</source>
        <translation>Zwischenablage auf URLs dieser Dateitypen überwachen</translation>
    </message>
    <message>
        <source>File types to monitor:</source>
        <translation>Zu überwachende Dateitypen:</translation>
    </message>
    <message>
        <source>Maximum number of splits for HTTP/FTP task</source>
        <translation>Maximale Anzahl Segmente je HTTP/FTP-Aufgabe</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Maximum failure retry times:</source>
        <translation>Maximale Anzahl Wiederholungen bei Fehlern:</translation>
    </message>
    <message>
        <source>Download speed limit (0 = unlimited):</source>
        <translation>Max. Download-Geschwindigkeit (0 = unbegrenzt):</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy-Einstellungen</translation>
    </message>
    <message>
        <source>List of open proxy servers</source>
        <translation>Liste offener Proxy-Server</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Socks5</source>
        <translation>Socks5</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Proxy - Searching Resources</source>
        <translation>Proxy – Ressourcensuche</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>Kein Proxy</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>Einstellungen aus der Proxy-Server-Liste laden</translation>
    </message>
    <message>
        <source>Proxy - HTTP/FTP Downloads</source>
        <translation>Proxy – HTTP/FTP-Downloads</translation>
    </message>
    <message>
        <source>Content Lock Settings</source>
        <translation>Einstellungen der Inhaltssperre</translation>
    </message>
    <message>
        <source>Content locking allows you to filter specified search keywords and lock some content under parental control.</source>
        <translation>Mit der Inhaltssperre können Sie bestimmte Suchbegriffe filtern und Inhalte über die Kindersicherung sperren.</translation>
    </message>
    <message>
        <source>Please enter your password twice to lock</source>
        <translation>Geben Sie zum Sperren zweimal Ihr Passwort ein</translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation>Suchbegriffe:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Please enter password to unlock</source>
        <translation>Geben Sie zum Entsperren Ihr Passwort ein</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Content NOT locked. Last modification time:</source>
        <translation>Inhalt NICHT gesperrt. Letzte Änderung:</translation>
    </message>
    <message>
        <source>Virus Scan Settings</source>
        <translation>Einstellungen der Virenprüfung</translation>
    </message>
    <message>
        <source>Scan downloaded files by the following Anti-Virus program</source>
        <translation>Heruntergeladene Dateien mit folgendem Virenscanner prüfen</translation>
    </message>
    <message>
        <source>Program path:</source>
        <translation>Programmpfad:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Program arguments:</source>
        <translation>Programmargumente:</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Alle zurücksetzen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure to reset all settings? Press OK to confirm.</source>
        <translation>Möchten Sie wirklich alle Einstellungen zurücksetzen? Drücken Sie zum Bestätigen auf OK.</translation>
    </message>
    <message>
        <source>Content is locked. Last modification time:</source>
        <translation>Inhalt ist gesperrt. Letzte Änderung:</translation>
    </message>
    <message>
        <source>Please enter your password twice.</source>
        <translation>Bitte geben Sie Ihr Passwort zweimal ein.</translation>
    </message>
    <message>
        <source>The two passwords do not match.</source>
        <translation>Die beiden Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Please enter a password containing minimum 6 characters or numbers.</source>
        <translation>Bitte geben Sie ein Passwort mit mindestens 6 Buchstaben oder Ziffern ein.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Speicherort wählen</translation>
    </message>
    <message>
        <source>Choose Anti-virus scanning program</source>
        <translation>Virenscanner wählen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Take over downloads from web browsers</source>
        <translation>Downloads aus Webbrowsern übernehmen</translation>
    </message>
    <message>
        <source>Add downloads from the browser without asking</source>
        <translation>Downloads aus dem Browser ohne Nachfrage hinzufügen</translation>
    </message>
    <message>
        <source>Enter the password to reset the locked content settings.</source>
        <translation>Geben Sie das Passwort ein, um die gesperrten Inhaltseinstellungen zurückzusetzen.</translation>
    </message>
    <message>
        <source>Maximum active downloads (0 = no limit):</source>
        <translation>Max. gleichzeitige Downloads (0 = unbegrenzt):</translation>
    </message>
</context>
<context>
    <name>ApExLineEdit</name>
    <message>
        <source>Search...</source>
        <translation>Suchen...</translation>
    </message>
</context>
<context>
    <name>ApInfoDialogClass</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ApNewTaskDialog</name>
    <message>
        <source>New Task</source>
        <translation>Neue Aufgabe</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Referer:</source>
        <translation>Referer:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Speicherort:</translation>
    </message>
    <message>
        <source>Rename:</source>
        <translation>Umbenennen:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentifizierung</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Mirror URLs</source>
        <translation>Spiegelserver</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy-Einstellungen</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>Kein Proxy</translation>
    </message>
    <message>
        <source>Socks5</source>
        <translation>Socks5</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>List of open proxy servers over Internet (without authentication)</source>
        <translation>Liste offener Proxy-Server im Internet (ohne Authentifizierung)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>Einstellungen aus der Proxy-Server-Liste laden</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Download starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>New HTTP/FTP Task</source>
        <translation>Neue HTTP/FTP-Aufgabe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>HTTP/FTP Task Properties</source>
        <translation>Eigenschaften der HTTP/FTP-Aufgabe</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Speicherort wählen</translation>
    </message>
    <message>
        <source>This is an incorrect URL. Please check the validity of input URL.</source>
        <translation>Diese URL ist ungültig. Bitte überprüfen Sie die eingegebene URL.</translation>
    </message>
    <message>
        <source>The path you choose does not exist. Please choose another one.</source>
        <translation>Der gewählte Pfad existiert nicht. Bitte wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Please choose another save path or file name.</source>
        <translation>Eine Datei mit diesem Namen existiert bereits. Bitte wählen Sie einen anderen Speicherort oder Dateinamen.</translation>
    </message>
    <message>
        <source>One or more mirror URLs are not valid.</source>
        <translation>Eine oder mehrere Spiegelserver-URLs sind ungültig.</translation>
    </message>
    <message>
        <source>Speed Limit:</source>
        <translation>Max. Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Prüfsumme:</translation>
    </message>
    <message>
        <source>SHA-256, SHA-1 or MD5 of the file (optional)</source>
        <translation>SHA-256, SHA-1 oder MD5 (optional)</translation>
    </message>
    <message>
        <source>The checksum must be the SHA-256, SHA-1 or MD5 digest of the file, in hexadecimal digits.</source>
        <translation>Die Prüfsumme muss der SHA-256-, SHA-1- oder MD5-Hashwert der Datei in Hexadezimalziffern sein.</translation>
    </message>
</context>
<context>
    <name>ApOpenLinkGui</name>
    <message>
        <source>Open Link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>Enter the link to download:</source>
        <translation>Link zum Herunterladen eingeben:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Speicherort:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Ungültige URL</translation>
    </message>
    <message>
        <source>Failed to download Torrent. %1</source>
        <translation>Torrent konnte nicht heruntergeladen werden. %1</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Speicherort wählen</translation>
    </message>
</context>
<context>
    <name>ApPluginUpdater</name>
    <message>
        <source>An update package is available to download, do you want to continue?</source>
        <translation>Ein Update-Paket steht zum Herunterladen bereit. Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>ApPolicingThread</name>
    <message>
        <source>No update</source>
        <translation>Kein Update verfügbar</translation>
    </message>
    <message>
        <source>Update available.</source>
        <translation>Update verfügbar.</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>Update abgebrochen</translation>
    </message>
    <message>
        <source>Update failed - cannot connect to server.</source>
        <translation>Update fehlgeschlagen – keine Verbindung zum Server.</translation>
    </message>
    <message>
        <source>No running task</source>
        <translation>Keine laufende Aufgabe</translation>
    </message>
    <message>
        <source>Download rate: </source>
        <translation>Downloadrate: </translation>
    </message>
    <message>
        <source>Unfinished download tasks: </source>
        <translation>Nicht abgeschlossene Aufgaben: </translation>
    </message>
    <message>
        <source>Remaining time: </source>
        <translation>Restzeit: </translation>
    </message>
    <message>
        <source>Total downloads - </source>
        <translation>Downloads gesamt – </translation>
    </message>
    <message>
        <source>Retrying in %1 s</source>
        <translation>Neuer Versuch in %1 s</translation>
    </message>
</context>
<context>
    <name>ApQuickUrlDownloader</name>
    <message>
        <source>Request failed</source>
        <translation>Anfrage fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Failed to write file</source>
        <translation>Datei konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ApScheduleController</name>
    <message>
        <source>Schedule Task</source>
        <translation>Aufgabe planen</translation>
    </message>
    <message>
        <source>Cancel Scheduled Task</source>
        <translation>Geplante Aufgabe abbrechen</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>Rechner nach Abschluss der Downloads ausschalten</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Rechner ausschalten</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Start all tasks</source>
        <translation>Alle Aufgaben starten</translation>
    </message>
    <message>
        <source>Pause all tasks</source>
        <translation>Alle Aufgaben anhalten</translation>
    </message>
    <message>
        <source>Stop all tasks</source>
        <translation>Alle Aufgaben stoppen</translation>
    </message>
    <message>
        <source>Task Scheduled</source>
        <translation>Aufgabe geplant</translation>
    </message>
</context>
<context>
    <name>ApScheduleTaskDialog</name>
    <message>
        <source>Schedule Task</source>
        <translation>Aufgabe planen</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>Rechner nach Abschluss der Downloads ausschalten</translation>
    </message>
    <message>
        <source>Schedule a timed task</source>
        <translation>Zeitgesteuerte Aufgabe planen</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Rechner ausschalten</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Start all downloads</source>
        <translation>Alle Downloads starten</translation>
    </message>
    <message>
        <source>Pause all downloads</source>
        <translation>Alle Downloads anhalten</translation>
    </message>
    <message>
        <source>Stop all downloads</source>
        <translation>Alle Downloads stoppen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Task will be started after the time expires.
Current Time: </source>
        <translation>Die Aufgabe wird nach Ablauf der Zeit gestartet.
Aktuelle Uhrzeit: </translation>
    </message>
</context>
<context>
    <name>ApSearchPage</name>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
</context>
<context>
    <name>ApTaskInfoPanel</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>File SHA-1 Hash:</source>
        <translation>SHA-1-Hashwert:</translation>
    </message>
    <message>
        <source>URL Host Location:</source>
        <translation>Server-Standort:</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>Heruntergeladen:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Speicherort:</translation>
    </message>
    <message>
        <source>Failure Reason:</source>
        <translation>Fehlerursache:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Source URLs</source>
        <translation>Quell-URLs</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
</context>
<context>
    <name>ApTaskStore</name>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Wird geprüft</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In Warteschlange</translation>
    </message>
</context>
<context>
    <name>ApToolBox</name>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
</context>
<context>
    <name>ApToolbarSearch</name>
    <message>
        <source>No Search Records</source>
        <translation>Keine gespeicherten Suchen</translation>
    </message>
    <message>
        <source>Clear Search History</source>
        <translation>Suchverlauf löschen</translation>
    </message>
</context>
<context>
    <name>ApTvoDownloadTaskThread</name>
    <message>
        <source>Checksum mismatch</source>
        <translation>Prüfsumme stimmt nicht überein</translation>
    </message>
</context>
<context>
    <name>ApUpdateHttp</name>
    <message>
        <source>Request failed: %1</source>
        <translation>Anfrage fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>Download fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>der Server hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the manifest is too large</source>
        <translation>das Manifest ist zu groß</translation>
    </message>
</context>
<context>
    <name>ApWebFrameTalker</name>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>P2P Files</source>
        <translation>P2P-Dateien</translation>
    </message>
    <message>
        <source>Web Videos</source>
        <translation>Web-Videos</translation>
    </message>
    <message>
        <source>Featured Downloads</source>
        <translation>Empfohlene Downloads</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>More Torrent Searches</source>
        <translation>Weitere Torrent-Suchen</translation>
    </message>
    <message>
        <source>Submit Torrent</source>
        <translation>Torrent einreichen</translation>
    </message>
    <message>
        <source>More Video Searches</source>
        <translation>Weitere Videosuchen</translation>
    </message>
    <message>
        <source>Publish Web Video</source>
        <translation>Web-Video veröffentlichen</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>Heading of the most popular results of a search</extracomment>
        <translation>Top</translation>
    </message>
    <message>
        <source>Please confirm you are over 18 years old</source>
        <translation>Bitte bestätigen Sie, dass Sie über 18 Jahre alt sind</translation>
    </message>
    <message>
        <source>Search locked</source>
        <translation>Suche gesperrt</translation>
    </message>
    <message>
        <source>View more</source>
        <translation>Mehr anzeigen</translation>
    </message>
    <message>
        <source>Require login. Click &apos;View more&apos; for details.</source>
        <translation>Anmeldung erforderlich. Klicken Sie auf „Mehr anzeigen“, um Details zu sehen.</translation>
    </message>
    <message>
        <source>No suitable results? Click here for more searches.</source>
        <translation>Keine passenden Ergebnisse? Klicken Sie hier für weitere Suchen.</translation>
    </message>
    <message>
        <source>Failed to connect to server. Please try it again later.</source>
        <translation>Verbindung zum Server fehlgeschlagen. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
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
        <source>Game</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Bücher</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Anime</source>
        <translation>Anime</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Unable to connect to server</source>
        <translation>Keine Verbindung zum Server möglich</translation>
    </message>
    <message>
        <source>Enter a valid web video URL</source>
        <translation>Geben Sie eine gültige Web-Video-URL ein</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>Video abspielen</translation>
    </message>
    <message>
        <source>Download Video</source>
        <translation>Video herunterladen</translation>
    </message>
    <message>
        <source>The selected content has been locked for parental control.</source>
        <translation>Der gewählte Inhalt ist durch die Kindersicherung gesperrt.</translation>
    </message>
    <message>
        <source>Your input keywords are filtered by parental control.</source>
        <translation>Ihre Suchbegriffe werden von der Kindersicherung gefiltert.</translation>
    </message>
    <message>
        <source>Please upgrade to a newer version for better results.</source>
        <translation>Bitte aktualisieren Sie für bessere Ergebnisse auf eine neuere Version.</translation>
    </message>
    <message>
        <source>The video service cannot be reached. Please check the network connection and try again.</source>
        <translation>Der Videodienst ist nicht erreichbar. Bitte prüfen Sie die Netzwerkverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No video was found on this page. It may be private, removed or not a video page.</source>
        <translation>Auf dieser Seite wurde kein Video gefunden. Es ist vielleicht privat, entfernt, oder die Seite ist keine Videoseite.</translation>
    </message>
    <message>
        <source>The plugin for this video service failed. Please try again later or update the program.</source>
        <translation>Das Plugin für diesen Videodienst ist fehlgeschlagen. Bitte versuchen Sie es später erneut oder aktualisieren Sie das Programm.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>File not found on the server</source>
        <translation>Datei auf dem Server nicht gefunden</translation>
    </message>
    <message>
        <source>The server asks for a user name and password</source>
        <translation>Der Server verlangt Benutzername und Passwort</translation>
    </message>
    <message>
        <source>The server refuses access to the file</source>
        <translation>Der Server verweigert den Zugriff auf die Datei</translation>
    </message>
    <message>
        <source>The proxy server asks for a user name and password</source>
        <translation>Der Proxy-Server verlangt Benutzername und Passwort</translation>
    </message>
    <message>
        <source>The server refused the requested part of the file</source>
        <translation>Der Server hat den angeforderten Teil der Datei verweigert</translation>
    </message>
    <message>
        <source>The server is busy, try again later</source>
        <translation>Der Server ist ausgelastet, versuchen Sie es später erneut</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Serverfehler</translation>
    </message>
    <message>
        <source>The server does not send parts of this file</source>
        <translation>Der Server sendet diese Datei nicht in Teilen</translation>
    </message>
    <message>
        <source>Unexpected answer from the server</source>
        <translation>Unerwartete Antwort vom Server</translation>
    </message>
    <message>
        <source>The server refused the login</source>
        <translation>Der Server hat die Anmeldung abgelehnt</translation>
    </message>
    <message>
        <source>The server stopped the transfer</source>
        <translation>Der Server hat die Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>The server refused the request</source>
        <translation>Der Server hat die Anfrage abgelehnt</translation>
    </message>
    <message>
        <source>Server certificate is not trusted</source>
        <translation>Dem Serverzertifikat wird nicht vertraut</translation>
    </message>
    <message>
        <source>The secure connection to the server failed</source>
        <translation>Die sichere Verbindung zum Server ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Server name not found</source>
        <translation>Servername nicht gefunden</translation>
    </message>
    <message>
        <source>Proxy server name not found</source>
        <translation>Name des Proxy-Servers nicht gefunden</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>Der Server hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>The server did not answer in time</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>Der Server hat die Verbindung ohne Antwort geschlossen</translation>
    </message>
    <message>
        <source>The connection to the server was lost</source>
        <translation>Die Verbindung zum Server wurde unterbrochen</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The proxy server refused the connection</source>
        <translation>Der Proxy-Server hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>The proxy server setting cannot be used</source>
        <translation>Die Proxy-Server-Einstellung ist nicht verwendbar</translation>
    </message>
    <message>
        <source>The request holds a line break in a header value</source>
        <translation>Die Anfrage enthält einen Zeilenumbruch in einem Header-Wert</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>Verbindung fehlgeschlagen: </translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>No permission to write the file</source>
        <translation>Keine Schreibberechtigung für die Datei</translation>
    </message>
    <message>
        <source>The file could not be written: </source>
        <translation>Die Datei konnte nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>Zu viele Weiterleitungen</translation>
    </message>
    <message>
        <source>The server stopped sending data</source>
        <translation>Der Server sendet keine Daten mehr</translation>
    </message>
    <message>
        <source>The file keeps changing on the server</source>
        <translation>Die Datei ändert sich auf dem Server ständig</translation>
    </message>
</context>
<context>
    <name>LocationCommandLine</name>
    <message>
        <source>Shows where a download server is on a map.</source>
        <translation>Zeigt auf einer Karte, wo ein Download-Server steht.</translation>
    </message>
    <message>
        <source>The server&apos;s address and domain; a running viewer takes them.</source>
        <translation>Adresse und Domain des Servers; eine laufende Ansicht übernimmt sie.</translation>
    </message>
</context>
<context>
    <name>LocationViewer::ApWebFrameTalker</name>
    <message>
        <source>Unable to connect to server</source>
        <translation>Keine Verbindung zum Server möglich</translation>
    </message>
</context>
<context>
    <name>LocationViewer::Dialog</name>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Task Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Completion Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Quellen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Warteschlange</translation>
    </message>
    <message>
        <source>Time Left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Select a task to see its details.</source>
        <translation>Wählen Sie eine Aufgabe aus, um ihre Details anzuzeigen.</translation>
    </message>
    <message>
        <source>&amp;Tasks</source>
        <translation>&amp;Aufgaben</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>Hauptwerkzeugleiste</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>All Tasks</source>
        <translation>Alle Aufgaben</translation>
    </message>
    <message>
        <source>Start task</source>
        <translation>Aufgabe starten</translation>
    </message>
    <message>
        <source>Stop task</source>
        <translation>Aufgabe stoppen</translation>
    </message>
    <message>
        <source>Delete Task Only</source>
        <translation>Nur Aufgabe löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete task</source>
        <translation>Aufgabe löschen</translation>
    </message>
    <message>
        <source>Delete Task and Files</source>
        <translation>Aufgabe und Dateien löschen</translation>
    </message>
    <message>
        <source>Start All Tasks</source>
        <translation>Alle Aufgaben starten</translation>
    </message>
    <message>
        <source>Pause All Tasks</source>
        <translation>Alle Aufgaben anhalten</translation>
    </message>
    <message>
        <source>Stop All Tasks</source>
        <translation>Alle Aufgaben stoppen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Enthaltenden Ordner öffnen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>HTTP/FTP Download</source>
        <translation>HTTP/FTP-Download</translation>
    </message>
    <message>
        <source>Web Video Download</source>
        <translation>Web-Video herunterladen</translation>
    </message>
    <message>
        <source>Search Page</source>
        <translation>Suchseite</translation>
    </message>
    <message>
        <source>Convert Audio/Video</source>
        <translation>Audio/Video umwandeln</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Downloadrate</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Uploadrate</translation>
    </message>
    <message>
        <source>A task with the same path already exists. This task cannot be added.</source>
        <translation>Eine Aufgabe mit demselben Pfad existiert bereits. Diese Aufgabe kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>It is an incorrect URL. Please try another one.</source>
        <translation>Die URL ist ungültig. Bitte versuchen Sie eine andere.</translation>
    </message>
    <message>
        <source>Delete both task and files? Press OK to confirm.</source>
        <translation>Aufgabe und Dateien löschen? Drücken Sie zum Bestätigen auf OK.</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Sprachen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Search Bar</source>
        <translation>Suchleiste</translation>
    </message>
    <message>
        <source>Speed Display Panel</source>
        <translation>Geschwindigkeitsanzeige</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Show the tool box</source>
        <translation>Werkzeugkasten anzeigen</translation>
    </message>
    <message>
        <source>Search Web Videos</source>
        <translation>Web-Videos suchen</translation>
    </message>
    <message>
        <source>More Searches...</source>
        <translation>Weitere Suchen...</translation>
    </message>
    <message>
        <source>Schedule Task</source>
        <translation>Aufgabe planen</translation>
    </message>
    <message>
        <source>Download Folder</source>
        <translation>Download-Ordner</translation>
    </message>
    <message>
        <source>My Recent Documents</source>
        <translation>Zuletzt verwendete Dokumente</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Eigene Dokumente</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>User Home Folder</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Show Floating Window</source>
        <translation>Schwebendes Fenster anzeigen</translation>
    </message>
    <message>
        <source>Run at System Startup</source>
        <translation>Beim Systemstart ausführen</translation>
    </message>
    <message>
        <source>Monitor Clipboard</source>
        <translation>Zwischenablage überwachen</translation>
    </message>
    <message>
        <source>Prompt on Task Completion</source>
        <translation>Bei Abschluss benachrichtigen</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Capture Audio/Video</source>
        <translation>Audio/Video aufnehmen</translation>
    </message>
    <message>
        <source>Play MP4/FLV Video</source>
        <translation>MP4/FLV-Video abspielen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>FAQs</source>
        <translation>Häufige Fragen</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Link to Us</source>
        <translation>Auf uns verlinken</translation>
    </message>
    <message>
        <source>Report Bugs</source>
        <translation>Fehler melden</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>About Zantor</source>
        <translation>Über Zantor</translation>
    </message>
    <message>
        <source>Show Tarvo</source>
        <translation>Tarvo anzeigen</translation>
    </message>
    <message>
        <source>Show/Hide Tarvo</source>
        <translation>Tarvo anzeigen/ausblenden</translation>
    </message>
    <message>
        <source>Web Image Download</source>
        <translation>Web-Bilder herunterladen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Download Rate</source>
        <translation>Downloadrate</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>Neue Aufgabe</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Aufgabe löschen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Hide Zantor</source>
        <translation>Zantor ausblenden</translation>
    </message>
    <message>
        <source>Show Zantor</source>
        <translation>Zantor anzeigen</translation>
    </message>
    <message>
        <source>Update Notification</source>
        <translation>Update-Hinweis</translation>
    </message>
    <message>
        <source>Media Converter NOT found on your machine. Do you want to download and install it?</source>
        <translation>Der Medienkonverter wurde auf diesem Rechner NICHT gefunden. Möchten Sie ihn herunterladen und installieren?</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zantor %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Zantor %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>A download manager for files and web videos, with many connections per file, mirrors and automatic retries.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Ein Download-Manager für Dateien und Web-Videos, mit vielen Verbindungen je Datei, Spiegelservern und automatischen Wiederholungen.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download completed</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Start this waiting task earlier</source>
        <translation>Diese wartende Aufgabe früher starten</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Start this waiting task later</source>
        <translation>Diese wartende Aufgabe später starten</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1. Changes are kept and saved as soon as the file can be written.</source>
        <translation>Einstellungen können nicht in %1 gespeichert werden. Die Änderungen bleiben erhalten und werden gespeichert, sobald die Datei geschrieben werden kann.</translation>
    </message>
</context>
<context>
    <name>Player::MainWindow</name>
    <message>
        <source>MP4/FLV Media Player - Tarvo</source>
        <translation>MP4/FLV-Mediaplayer – Tarvo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>Show/Hide Play List</source>
        <translation>Wiedergabeliste ein-/ausblenden</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Remove Non-existent Entries</source>
        <translation>Nicht vorhandene Einträge entfernen</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Enthaltenden Ordner öffnen</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>URL öffnen</translation>
    </message>
    <message>
        <source>The GStreamer plugins that play H.264 video were NOT found. Press OK to read how to install them.</source>
        <translation>Die GStreamer-Plugins zur Wiedergabe von H.264-Videos wurden NICHT gefunden. Drücken Sie auf OK, um zu lesen, wie Sie sie installieren.</translation>
    </message>
    <message>
        <source>Select media files</source>
        <translation>Mediendateien auswählen</translation>
    </message>
    <message>
        <source>MP4/FLV Media Player</source>
        <translation>MP4/FLV-Mediaplayer</translation>
    </message>
</context>
<context>
    <name>PlayerCommandLine</name>
    <message>
        <source>Media player for MP4 and FLV files, with a play list.</source>
        <translation>Medienwiedergabe für MP4- und FLV-Dateien, mit Wiedergabeliste.</translation>
    </message>
    <message>
        <source>[file [hide-flag advertisement-base]]</source>
        <translation>[Datei [Ausblenden Werbeadresse]]</translation>
    </message>
    <message>
        <source>A file to play, added to the play list; a running player takes it. Also: /file FILE HIDE-FLAG ADVERTISEMENT-BASE.</source>
        <translation>Eine abzuspielende Datei, die der Wiedergabeliste hinzugefügt wird; eine laufende Wiedergabe übernimmt sie. Auch: /file DATEI AUSBLENDEN WERBEADRESSE.</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>„%1 --help“ gibt weitere Informationen.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ScriptWatchdog</name>
    <message numerus="yes">
        <source>the plugin call took more than %n seconds</source>
        <translation>
            <numerusform>der Plugin-Aufruf dauerte länger als %n Sekunde</numerusform>
            <numerusform>der Plugin-Aufruf dauerte länger als %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the script ran for more than %n seconds</source>
        <translation>
            <numerusform>das Skript lief länger als %n Sekunde</numerusform>
            <numerusform>das Skript lief länger als %n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartupCommandLine</name>
    <message>
        <source>Download manager for files and web videos.</source>
        <translation>Download-Manager für Dateien und Web-Videos.</translation>
    </message>
    <message>
        <source>Add the links and start them without asking.</source>
        <translation>Die Links hinzufügen und ohne Nachfrage starten.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Start in the tray, without the main window (also &quot;/bg&quot;).</source>
        <translation>Im Systemabschnitt der Kontrollleiste starten, ohne Hauptfenster (auch „/bg“).</translation>
    </message>
    <message>
        <source>Links to download (http, https, ftp). A running instance takes them; each opens the new task dialog in turn.</source>
        <translation>Links zum Herunterladen (http, https, ftp). Eine laufende Instanz übernimmt sie; jeder öffnet nacheinander den Dialog für neue Aufgaben.</translation>
    </message>
    <message>
        <source>[link...]</source>
        <translation>[Link ...]</translation>
    </message>
    <message>
        <source>The save folder is empty.</source>
        <translation>Der Speicherordner ist leer.</translation>
    </message>
    <message>
        <source>--add and --save-dir need at least one link.</source>
        <translation>--add und --save-dir brauchen mindestens einen Link.</translation>
    </message>
    <message>
        <source>not a link, ignored: %1</source>
        <translation>kein Link, ignoriert: %1</translation>
    </message>
    <message>
        <source>Save the files of these links in the given folder.</source>
        <translation>Die Dateien dieser Links im angegebenen Ordner speichern.</translation>
    </message>
</context>
</TS>
