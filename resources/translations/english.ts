<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <translation>Cancel</translation>
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
        <translation type="unfinished">Cancel</translation>
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
        <translation type="unfinished">Cancel</translation>
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
        <translation type="unfinished">Loading</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation type="unfinished">Downloading</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished">Paused</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished">Stopped</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished">Completed</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation type="unfinished">Checking</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished">Failed</translation>
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
        <translation>File</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Checking</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completion Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a task to see its details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Task Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Task and Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start All Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause All Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop All Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP/FTP Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Video Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Audio/Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A task with the same path already exists. This task cannot be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is an incorrect URL. Please try another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete both task and files? Press OK to confirm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed Display Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search page is loading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the tool box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Web Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Searches...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Recent Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Home Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Floating Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run at System Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompt on Task Completion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture Audio/Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play MP4/FLV Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAQs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Bugs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Zantor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tarvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide Tarvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Image Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Zantor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Zantor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Converter NOT found on your machine. Do you want to download and install it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zantor %1&lt;/h3&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A download manager for files and web videos, with many connections per file, mirrors and automatic retries.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
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
