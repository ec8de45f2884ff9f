<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ApCompletionPopup</name>
    <message>
        <source>This is an executable file.
Please scan it before opening.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApCompletionPopupClass</name>
    <message>
        <source>Download Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Referer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror URLs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socks5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of open proxy servers over Internet (without authentication)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Abbrechen</translation>
    </message>
    <message>
        <source>New HTTP/FTP Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>HTTP/FTP Task Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an incorrect URL. Please check the validity of input URL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path you choose does not exist. Please choose another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file with the same name already exists. Please choose another save path or file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One or more mirror URLs are not valid.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApOpenLinkGui</name>
    <message>
        <source>Open Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the link to download:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Abbrechen</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to download Torrent. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApPluginUpdater</name>
    <message>
        <source>An update package is available to download, do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApPolicingThread</name>
    <message>
        <source>No update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update failed - cannot connect to server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No running task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download rate: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfinished download tasks: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining time: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total downloads - </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApQuickUrlDownloader</name>
    <message>
        <source>Request failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to write file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApTaskStore</name>
    <message>
        <source>Loading</source>
        <translation type="unfinished">Wird geladen</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation type="unfinished">Wird heruntergeladen</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished">Angehalten</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished">Gestoppt</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished">Abgeschlossen</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation type="unfinished">Wird geprüft</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished">Fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>ApUpdateHttp</name>
    <message>
        <source>Request failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CrashReport</name>
    <message>
        <source>%1 crash report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 ended unexpectedly (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A report was saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been sent anywhere.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
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
        <translation>Pause</translation>
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
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Task Name</source>
        <translation>Aufgabe</translation>
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
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Select a task to see its details.</source>
        <translation>Wählen Sie eine Aufgabe, um ihre Details zu sehen.</translation>
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
        <source>F9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop task</source>
        <translation>Aufgabe stoppen</translation>
    </message>
    <message>
        <source>F10</source>
        <translation type="unfinished"></translation>
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
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Task and Files</source>
        <translation>Aufgabe und Dateien löschen</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation type="unfinished"></translation>
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
        <translation>Ordner öffnen</translation>
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
        <source>Ctrl+H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Video Download</source>
        <translation>Web-Video herunterladen</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="unfinished"></translation>
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
        <translation>Aufgabe und Dateien löschen? Zum Bestätigen OK drücken.</translation>
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
        <translation>Suche</translation>
    </message>
    <message>
        <source>The search page is loading.</source>
        <translation>Die Suchseite wird geladen.</translation>
    </message>
    <message>
        <source>Show the tool box</source>
        <translation>Werkzeugkasten zeigen</translation>
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
        <translation>Schwebendes Fenster zeigen</translation>
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
        <translation>Einem Freund empfehlen</translation>
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
        <translation>Zantor zeigen</translation>
    </message>
    <message>
        <source>Show/Hide Tarvo</source>
        <translation>Zantor zeigen/verbergen</translation>
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
        <translation>Zantor verbergen</translation>
    </message>
    <message>
        <source>Show Zantor</source>
        <translation>Zantor zeigen</translation>
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
        <translation>Ein Download-Manager für Dateien und Web-Videos, mit vielen Verbindungen je Datei, Spiegeln und automatischen Wiederholungen.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ScriptWatchdog</name>
    <message>
        <source>the script ran for more than %1 seconds without yielding</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
