<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ApCompletionPopup</name>
    <message>
        <source>This is an executable file.
Please scan it before opening.</source>
        <translation>Ceci est un fichier exécutable.
Veuillez l&apos;analyser avec un antivirus avant de l&apos;ouvrir.</translation>
    </message>
</context>
<context>
    <name>ApCompletionPopupClass</name>
    <message>
        <source>Download Completed</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
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
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>Virus Scan</source>
        <translation>Antivirus</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Paramètres généraux</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>Paramètres de base</translation>
    </message>
    <message>
        <source>Start automatically on system startup</source>
        <translation>Démarrer automatiquement avec le système</translation>
    </message>
    <message>
        <source>Minimize to system tray icon by clicking close button</source>
        <translation>Réduire dans la zone de notification à la fermeture</translation>
    </message>
    <message>
        <source>Prompt on completion of a task</source>
        <translation>Prévenir à la fin d&apos;une tâche</translation>
    </message>
    <message>
        <source>Check update automatically each time on startup</source>
        <translation>Rechercher automatiquement les mises à jour à chaque démarrage</translation>
    </message>
    <message>
        <source>Speed panel bandwidth display limit:</source>
        <translation>Limite d&apos;affichage du panneau de vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Show floating window</source>
        <translation>Afficher la fenêtre flottante</translation>
    </message>
    <message>
        <source>Download Settings</source>
        <translation>Paramètres de téléchargement</translation>
    </message>
    <message>
        <source>Downloaded to:</source>
        <translation>Télécharger dans&#xa0;:</translation>
    </message>
    <message>
        <source>Enable monitoring clipboard URL file types</source>
        <translation>Surveiller les URL de ces types de fichiers dans le presse-papiers</translation>
    </message>
    <message>
        <source>File types to monitor:</source>
        <translation>Types de fichiers à surveiller&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum number of splits for HTTP/FTP task</source>
        <translation>Nombre maximal de segments par tâche HTTP/FTP</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Maximum failure retry times:</source>
        <translation>Nombre maximal de tentatives&#xa0;:</translation>
    </message>
    <message>
        <source>Download speed limit (0 = unlimited):</source>
        <translation>Vitesse max. de téléchargement (0 = illimitée)&#xa0;:</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Paramètres du proxy</translation>
    </message>
    <message>
        <source>List of open proxy servers</source>
        <translation>Liste de serveurs proxy ouverts</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Hôte&#xa0;:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
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
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Proxy - Searching Resources</source>
        <translation>Proxy - Recherche de ressources</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>Aucun proxy</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nom d&apos;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>Utiliser les paramètres de la liste de serveurs proxy</translation>
    </message>
    <message>
        <source>Proxy - HTTP/FTP Downloads</source>
        <translation>Proxy - Téléchargements HTTP/FTP</translation>
    </message>
    <message>
        <source>Content Lock Settings</source>
        <translation>Paramètres du verrouillage du contenu</translation>
    </message>
    <message>
        <source>Content locking allows you to filter specified search keywords and lock some content under parental control.</source>
        <translation>Le verrouillage du contenu permet de filtrer des mots-clés de recherche et de verrouiller certains contenus par le contrôle parental.</translation>
    </message>
    <message>
        <source>Please enter your password twice to lock</source>
        <translation>Saisissez deux fois votre mot de passe pour verrouiller</translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation>Mots-clés&#xa0;:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Please enter password to unlock</source>
        <translation>Saisissez le mot de passe pour déverrouiller</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Content NOT locked. Last modification time:</source>
        <translation>Contenu NON verrouillé. Dernière modification&#xa0;:</translation>
    </message>
    <message>
        <source>Virus Scan Settings</source>
        <translation>Paramètres de l&apos;analyse antivirus</translation>
    </message>
    <message>
        <source>Scan downloaded files by the following Anti-Virus program</source>
        <translation>Analyser les fichiers téléchargés avec l&apos;antivirus suivant</translation>
    </message>
    <message>
        <source>Program path:</source>
        <translation>Chemin du programme&#xa0;:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Program arguments:</source>
        <translation>Arguments du programme&#xa0;:</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure to reset all settings? Press OK to confirm.</source>
        <translation>Voulez-vous vraiment réinitialiser tous les paramètres&#xa0;? Appuyez sur OK pour confirmer.</translation>
    </message>
    <message>
        <source>Content is locked. Last modification time:</source>
        <translation>Contenu verrouillé. Dernière modification&#xa0;:</translation>
    </message>
    <message>
        <source>Please enter your password twice.</source>
        <translation>Veuillez saisir deux fois votre mot de passe.</translation>
    </message>
    <message>
        <source>The two passwords do not match.</source>
        <translation>Les deux mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Please enter a password containing minimum 6 characters or numbers.</source>
        <translation>Veuillez saisir un mot de passe d&apos;au moins 6 lettres ou chiffres.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Choisir l&apos;emplacement d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Choose Anti-virus scanning program</source>
        <translation>Choisir le programme antivirus</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Take over downloads from web browsers</source>
        <translation>Prendre en charge les téléchargements des navigateurs web</translation>
    </message>
    <message>
        <source>Add downloads from the browser without asking</source>
        <translation>Ajouter les téléchargements du navigateur sans demander</translation>
    </message>
    <message>
        <source>Enter the password to reset the locked content settings.</source>
        <translation>Saisissez le mot de passe pour réinitialiser les paramètres de contenu verrouillés.</translation>
    </message>
    <message>
        <source>Maximum active downloads (0 = no limit):</source>
        <translation>Téléchargements actifs max. (0 = illimité)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ApExLineEdit</name>
    <message>
        <source>Search...</source>
        <translation>Rechercher...</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ApNewTaskDialog</name>
    <message>
        <source>New Task</source>
        <translation>Nouvelle tâche</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL&#xa0;:</translation>
    </message>
    <message>
        <source>Referer:</source>
        <translation>Referer&#xa0;:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Emplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Rename:</source>
        <translation>Renommer&#xa0;:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentification</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nom d&apos;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Mirror URLs</source>
        <translation>URL miroirs</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Paramètres du proxy</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>Aucun proxy</translation>
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
        <translation>Hôte&#xa0;:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>List of open proxy servers over Internet (without authentication)</source>
        <translation>Liste de serveurs proxy ouverts sur Internet (sans authentification)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>Utiliser les paramètres de la liste de serveurs proxy</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>New HTTP/FTP Task</source>
        <translation>Nouvelle tâche HTTP/FTP</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>HTTP/FTP Task Properties</source>
        <translation>Propriétés de la tâche HTTP/FTP</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Choisir l&apos;emplacement d&apos;enregistrement</translation>
    </message>
    <message>
        <source>This is an incorrect URL. Please check the validity of input URL.</source>
        <translation>Cette URL est incorrecte. Veuillez vérifier l&apos;URL saisie.</translation>
    </message>
    <message>
        <source>The path you choose does not exist. Please choose another one.</source>
        <translation>Le chemin choisi n&apos;existe pas. Veuillez en choisir un autre.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Please choose another save path or file name.</source>
        <translation>Un fichier portant le même nom existe déjà. Veuillez choisir un autre emplacement ou un autre nom de fichier.</translation>
    </message>
    <message>
        <source>One or more mirror URLs are not valid.</source>
        <translation>Une ou plusieurs URL miroirs ne sont pas valides.</translation>
    </message>
    <message>
        <source>Speed Limit:</source>
        <translation>Vitesse max.&#xa0;:</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimitée</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Somme de contrôle&#xa0;:</translation>
    </message>
    <message>
        <source>SHA-256, SHA-1 or MD5 of the file (optional)</source>
        <translation>SHA-256, SHA-1 ou MD5 du fichier (facultatif)</translation>
    </message>
    <message>
        <source>The checksum must be the SHA-256, SHA-1 or MD5 digest of the file, in hexadecimal digits.</source>
        <translation>La somme de contrôle doit être l&apos;empreinte SHA-256, SHA-1 ou MD5 du fichier, en chiffres hexadécimaux.</translation>
    </message>
</context>
<context>
    <name>ApOpenLinkGui</name>
    <message>
        <source>Open Link</source>
        <translation>Ouvrir un lien</translation>
    </message>
    <message>
        <source>Enter the link to download:</source>
        <translation>Saisissez le lien à télécharger&#xa0;:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Emplacement&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL non valide</translation>
    </message>
    <message>
        <source>Failed to download Torrent. %1</source>
        <translation>Impossible de télécharger le torrent. %1</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Choisir l&apos;emplacement d&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>ApPluginUpdater</name>
    <message>
        <source>An update package is available to download, do you want to continue?</source>
        <translation>Une mise à jour est disponible au téléchargement. Voulez-vous continuer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ApPolicingThread</name>
    <message>
        <source>No update</source>
        <translation>Aucune mise à jour</translation>
    </message>
    <message>
        <source>Update available.</source>
        <translation>Mise à jour disponible.</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>Mise à jour annulée</translation>
    </message>
    <message>
        <source>Update failed - cannot connect to server.</source>
        <translation>Échec de la mise à jour - impossible de se connecter au serveur.</translation>
    </message>
    <message>
        <source>No running task</source>
        <translation>Aucune tâche en cours</translation>
    </message>
    <message>
        <source>Download rate: </source>
        <translation>Vitesse de réception&#xa0;: </translation>
    </message>
    <message>
        <source>Unfinished download tasks: </source>
        <translation>Tâches non terminées&#xa0;: </translation>
    </message>
    <message>
        <source>Remaining time: </source>
        <translation>Temps restant&#xa0;: </translation>
    </message>
    <message>
        <source>Total downloads - </source>
        <translation>Progression totale - </translation>
    </message>
    <message>
        <source>Retrying in %1 s</source>
        <translation>Nouvelle tentative dans %1 s</translation>
    </message>
</context>
<context>
    <name>ApQuickUrlDownloader</name>
    <message>
        <source>Request failed</source>
        <translation>Échec de la requête</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>Failed to write file</source>
        <translation>Impossible d&apos;écrire le fichier</translation>
    </message>
</context>
<context>
    <name>ApScheduleController</name>
    <message>
        <source>Schedule Task</source>
        <translation>Planifier une tâche</translation>
    </message>
    <message>
        <source>Cancel Scheduled Task</source>
        <translation>Annuler la tâche planifiée</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>Éteindre l&apos;ordinateur à la fin des téléchargements</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Éteindre l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Fermer la session</translation>
    </message>
    <message>
        <source>Start all tasks</source>
        <translation>Démarrer toutes les tâches</translation>
    </message>
    <message>
        <source>Pause all tasks</source>
        <translation>Suspendre toutes les tâches</translation>
    </message>
    <message>
        <source>Stop all tasks</source>
        <translation>Arrêter toutes les tâches</translation>
    </message>
    <message>
        <source>Task Scheduled</source>
        <translation>Tâche planifiée</translation>
    </message>
</context>
<context>
    <name>ApScheduleTaskDialog</name>
    <message>
        <source>Schedule Task</source>
        <translation>Planifier une tâche</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>Éteindre l&apos;ordinateur à la fin des téléchargements</translation>
    </message>
    <message>
        <source>Schedule a timed task</source>
        <translation>Planifier une tâche minutée</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Éteindre l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Fermer la session</translation>
    </message>
    <message>
        <source>Start all downloads</source>
        <translation>Démarrer tous les téléchargements</translation>
    </message>
    <message>
        <source>Pause all downloads</source>
        <translation>Suspendre tous les téléchargements</translation>
    </message>
    <message>
        <source>Stop all downloads</source>
        <translation>Arrêter tous les téléchargements</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Task will be started after the time expires.
Current Time: </source>
        <translation>La tâche démarrera à l&apos;expiration du délai.
Heure actuelle&#xa0;: </translation>
    </message>
</context>
<context>
    <name>ApSearchPage</name>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
</context>
<context>
    <name>ApTaskInfoPanel</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nom du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu&#xa0;:</translation>
    </message>
    <message>
        <source>File SHA-1 Hash:</source>
        <translation>Empreinte SHA-1&#xa0;:</translation>
    </message>
    <message>
        <source>URL Host Location:</source>
        <translation>Emplacement du serveur&#xa0;:</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>Téléchargé&#xa0;:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Emplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Failure Reason:</source>
        <translation>Cause de l&apos;échec&#xa0;:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Source URLs</source>
        <translation>URL sources</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Suspendu</translation>
    </message>
</context>
<context>
    <name>ApTaskStore</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Suspendu</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En file d&apos;attente</translation>
    </message>
</context>
<context>
    <name>ApToolBox</name>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
</context>
<context>
    <name>ApToolbarSearch</name>
    <message>
        <source>No Search Records</source>
        <translation>Aucune recherche enregistrée</translation>
    </message>
    <message>
        <source>Clear Search History</source>
        <translation>Effacer l&apos;historique des recherches</translation>
    </message>
</context>
<context>
    <name>ApTvoDownloadTaskThread</name>
    <message>
        <source>Checksum mismatch</source>
        <translation>La somme de contrôle ne correspond pas</translation>
    </message>
</context>
<context>
    <name>ApUpdateHttp</name>
    <message>
        <source>Request failed: %1</source>
        <translation>Échec de la requête&#xa0;: %1</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>Échec du téléchargement&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>le serveur n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the manifest is too large</source>
        <translation>le manifeste est trop volumineux</translation>
    </message>
</context>
<context>
    <name>ApWebFrameTalker</name>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>P2P Files</source>
        <translation>Fichiers P2P</translation>
    </message>
    <message>
        <source>Web Videos</source>
        <translation>Vidéos web</translation>
    </message>
    <message>
        <source>Featured Downloads</source>
        <translation>Téléchargements à la une</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <source>More Torrent Searches</source>
        <translation>Plus de recherches de torrents</translation>
    </message>
    <message>
        <source>Submit Torrent</source>
        <translation>Proposer un torrent</translation>
    </message>
    <message>
        <source>More Video Searches</source>
        <translation>Plus de recherches de vidéos</translation>
    </message>
    <message>
        <source>Publish Web Video</source>
        <translation>Publier une vidéo web</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>Heading of the most popular results of a search</extracomment>
        <translation>Top</translation>
    </message>
    <message>
        <source>Please confirm you are over 18 years old</source>
        <translation>Veuillez confirmer que vous avez plus de 18 ans</translation>
    </message>
    <message>
        <source>Search locked</source>
        <translation>Recherche verrouillée</translation>
    </message>
    <message>
        <source>View more</source>
        <translation>Voir plus</translation>
    </message>
    <message>
        <source>Require login. Click &apos;View more&apos; for details.</source>
        <translation>Connexion requise. Cliquez sur «&#xa0;Voir plus&#xa0;» pour plus de détails.</translation>
    </message>
    <message>
        <source>No suitable results? Click here for more searches.</source>
        <translation>Pas de résultat satisfaisant&#xa0;? Cliquez ici pour plus de recherches.</translation>
    </message>
    <message>
        <source>Failed to connect to server. Please try it again later.</source>
        <translation>Impossible de se connecter au serveur. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Logiciels</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Livres</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Images</translation>
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
        <translation>Autres</translation>
    </message>
    <message>
        <source>Unable to connect to server</source>
        <translation>Impossible de se connecter au serveur</translation>
    </message>
    <message>
        <source>Enter a valid web video URL</source>
        <translation>Saisissez une URL de vidéo web valide</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>Lire la vidéo</translation>
    </message>
    <message>
        <source>Download Video</source>
        <translation>Télécharger la vidéo</translation>
    </message>
    <message>
        <source>The selected content has been locked for parental control.</source>
        <translation>Le contenu sélectionné est verrouillé par le contrôle parental.</translation>
    </message>
    <message>
        <source>Your input keywords are filtered by parental control.</source>
        <translation>Les mots-clés saisis sont filtrés par le contrôle parental.</translation>
    </message>
    <message>
        <source>Please upgrade to a newer version for better results.</source>
        <translation>Veuillez passer à une version plus récente pour de meilleurs résultats.</translation>
    </message>
    <message>
        <source>The video service cannot be reached. Please check the network connection and try again.</source>
        <translation>Le service vidéo est injoignable. Vérifiez la connexion réseau et réessayez.</translation>
    </message>
    <message>
        <source>No video was found on this page. It may be private, removed or not a video page.</source>
        <translation>Aucune vidéo n’a été trouvée sur cette page. Elle est peut-être privée, supprimée, ou ce n’est pas une page vidéo.</translation>
    </message>
    <message>
        <source>The plugin for this video service failed. Please try again later or update the program.</source>
        <translation>Le greffon de ce service vidéo a échoué. Réessayez plus tard ou mettez le programme à jour.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>File not found on the server</source>
        <translation>Fichier introuvable sur le serveur</translation>
    </message>
    <message>
        <source>The server asks for a user name and password</source>
        <translation>Le serveur demande un nom d&apos;utilisateur et un mot de passe</translation>
    </message>
    <message>
        <source>The server refuses access to the file</source>
        <translation>Le serveur refuse l&apos;accès au fichier</translation>
    </message>
    <message>
        <source>The proxy server asks for a user name and password</source>
        <translation>Le serveur proxy demande un nom d&apos;utilisateur et un mot de passe</translation>
    </message>
    <message>
        <source>The server refused the requested part of the file</source>
        <translation>Le serveur a refusé la partie demandée du fichier</translation>
    </message>
    <message>
        <source>The server is busy, try again later</source>
        <translation>Le serveur est occupé, réessayez plus tard</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Erreur du serveur</translation>
    </message>
    <message>
        <source>The server does not send parts of this file</source>
        <translation>Le serveur n&apos;envoie pas ce fichier par parties</translation>
    </message>
    <message>
        <source>Unexpected answer from the server</source>
        <translation>Réponse inattendue du serveur</translation>
    </message>
    <message>
        <source>The server refused the login</source>
        <translation>Le serveur a refusé l&apos;identification</translation>
    </message>
    <message>
        <source>The server stopped the transfer</source>
        <translation>Le serveur a interrompu le transfert</translation>
    </message>
    <message>
        <source>The server refused the request</source>
        <translation>Le serveur a refusé la requête</translation>
    </message>
    <message>
        <source>Server certificate is not trusted</source>
        <translation>Le certificat du serveur n&apos;est pas fiable</translation>
    </message>
    <message>
        <source>The secure connection to the server failed</source>
        <translation>La connexion sécurisée au serveur a échoué</translation>
    </message>
    <message>
        <source>Server name not found</source>
        <translation>Nom du serveur introuvable</translation>
    </message>
    <message>
        <source>Proxy server name not found</source>
        <translation>Nom du serveur proxy introuvable</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>Le serveur a refusé la connexion</translation>
    </message>
    <message>
        <source>The server did not answer in time</source>
        <translation>Le serveur n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>Le serveur a fermé la connexion sans répondre</translation>
    </message>
    <message>
        <source>The connection to the server was lost</source>
        <translation>La connexion au serveur a été perdue</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Impossible d&apos;écrire le fichier</translation>
    </message>
    <message>
        <source>The proxy server refused the connection</source>
        <translation>Le serveur proxy a refusé la connexion</translation>
    </message>
    <message>
        <source>The proxy server setting cannot be used</source>
        <translation>Le paramètre du serveur proxy est inutilisable</translation>
    </message>
    <message>
        <source>The request holds a line break in a header value</source>
        <translation>La requête contient un saut de ligne dans la valeur d&apos;un en-tête</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>Échec de la connexion&#xa0;: </translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>No permission to write the file</source>
        <translation>Pas d&apos;autorisation d&apos;écrire le fichier</translation>
    </message>
    <message>
        <source>The file could not be written: </source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;: </translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>Trop de redirections</translation>
    </message>
    <message>
        <source>The server stopped sending data</source>
        <translation>Le serveur a cessé d&apos;envoyer des données</translation>
    </message>
    <message>
        <source>The file keeps changing on the server</source>
        <translation>Le fichier change sans cesse sur le serveur</translation>
    </message>
</context>
<context>
    <name>LocationCommandLine</name>
    <message>
        <source>Shows where a download server is on a map.</source>
        <translation>Montre sur une carte où se trouve un serveur de téléchargement.</translation>
    </message>
    <message>
        <source>The server&apos;s address and domain; a running viewer takes them.</source>
        <translation>L’adresse et le domaine du serveur ; une visionneuse déjà ouverte les reçoit.</translation>
    </message>
</context>
<context>
    <name>LocationViewer::ApWebFrameTalker</name>
    <message>
        <source>Unable to connect to server</source>
        <translation>Impossible de se connecter au serveur</translation>
    </message>
</context>
<context>
    <name>LocationViewer::Dialog</name>
    <message>
        <source>Location</source>
        <translation>Emplacement du serveur</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Task Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Completion Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Sources</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>File d&apos;attente</translation>
    </message>
    <message>
        <source>Time Left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>Select a task to see its details.</source>
        <translation>Sélectionnez une tâche pour afficher ses détails.</translation>
    </message>
    <message>
        <source>&amp;Tasks</source>
        <translation>&amp;Tâches</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>Barre d&apos;outils principale</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>All Tasks</source>
        <translation>Toutes les tâches</translation>
    </message>
    <message>
        <source>Start task</source>
        <translation>Démarrer la tâche</translation>
    </message>
    <message>
        <source>Stop task</source>
        <translation>Arrêter la tâche</translation>
    </message>
    <message>
        <source>Delete Task Only</source>
        <translation>Supprimer seulement la tâche</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete task</source>
        <translation>Supprimer la tâche</translation>
    </message>
    <message>
        <source>Delete Task and Files</source>
        <translation>Supprimer la tâche et les fichiers</translation>
    </message>
    <message>
        <source>Start All Tasks</source>
        <translation>Démarrer toutes les tâches</translation>
    </message>
    <message>
        <source>Pause All Tasks</source>
        <translation>Suspendre toutes les tâches</translation>
    </message>
    <message>
        <source>Stop All Tasks</source>
        <translation>Arrêter toutes les tâches</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir le fichier</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Ouvrir le dossier contenant</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>HTTP/FTP Download</source>
        <translation>Téléchargement HTTP/FTP</translation>
    </message>
    <message>
        <source>Web Video Download</source>
        <translation>Télécharger une vidéo web</translation>
    </message>
    <message>
        <source>Search Page</source>
        <translation>Page de recherche</translation>
    </message>
    <message>
        <source>Convert Audio/Video</source>
        <translation>Convertir audio/vidéo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Vitesse de réception</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Vitesse d&apos;envoi</translation>
    </message>
    <message>
        <source>A task with the same path already exists. This task cannot be added.</source>
        <translation>Une tâche avec le même chemin existe déjà. Cette tâche ne peut pas être ajoutée.</translation>
    </message>
    <message>
        <source>It is an incorrect URL. Please try another one.</source>
        <translation>L&apos;URL est incorrecte. Veuillez en essayer une autre.</translation>
    </message>
    <message>
        <source>Delete both task and files? Press OK to confirm.</source>
        <translation>Supprimer la tâche et les fichiers&#xa0;? Appuyez sur OK pour confirmer.</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Langues</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Search Bar</source>
        <translation>Barre de recherche</translation>
    </message>
    <message>
        <source>Speed Display Panel</source>
        <translation>Panneau de vitesse</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Show the tool box</source>
        <translation>Afficher la boîte à outils</translation>
    </message>
    <message>
        <source>Search Web Videos</source>
        <translation>Rechercher des vidéos web</translation>
    </message>
    <message>
        <source>More Searches...</source>
        <translation>Plus de recherches...</translation>
    </message>
    <message>
        <source>Schedule Task</source>
        <translation>Planifier une tâche</translation>
    </message>
    <message>
        <source>Download Folder</source>
        <translation>Dossier de téléchargement</translation>
    </message>
    <message>
        <source>My Recent Documents</source>
        <translation>Documents récents</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Mes documents</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>User Home Folder</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Show Floating Window</source>
        <translation>Afficher la fenêtre flottante</translation>
    </message>
    <message>
        <source>Run at System Startup</source>
        <translation>Lancer au démarrage</translation>
    </message>
    <message>
        <source>Monitor Clipboard</source>
        <translation>Surveiller le presse-papiers</translation>
    </message>
    <message>
        <source>Prompt on Task Completion</source>
        <translation>Prévenir à la fin d&apos;une tâche</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Capture Audio/Video</source>
        <translation>Capturer audio/vidéo</translation>
    </message>
    <message>
        <source>Play MP4/FLV Video</source>
        <translation>Lire une vidéo MP4/FLV</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>FAQs</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Link to Us</source>
        <translation>Créer un lien vers nous</translation>
    </message>
    <message>
        <source>Report Bugs</source>
        <translation>Signaler un bogue</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>About Zantor</source>
        <translation>À propos de Zantor</translation>
    </message>
    <message>
        <source>Show Tarvo</source>
        <translation>Afficher Tarvo</translation>
    </message>
    <message>
        <source>Show/Hide Tarvo</source>
        <translation>Afficher/masquer Tarvo</translation>
    </message>
    <message>
        <source>Web Image Download</source>
        <translation>Télécharger des images web</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Download Rate</source>
        <translation>Vitesse de réception</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>Nouvelle tâche</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Supprimer la tâche</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Hide Zantor</source>
        <translation>Masquer Zantor</translation>
    </message>
    <message>
        <source>Show Zantor</source>
        <translation>Afficher Zantor</translation>
    </message>
    <message>
        <source>Update Notification</source>
        <translation>Notification de mise à jour</translation>
    </message>
    <message>
        <source>Media Converter NOT found on your machine. Do you want to download and install it?</source>
        <translation>Le convertisseur multimédia est INTROUVABLE sur cet ordinateur. Voulez-vous le télécharger et l&apos;installer&#xa0;?</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zantor %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Zantor %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>A download manager for files and web videos, with many connections per file, mirrors and automatic retries.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Un gestionnaire de téléchargements pour fichiers et vidéos web, avec plusieurs connexions par fichier, des miroirs et de nouvelles tentatives automatiques.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download completed</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Start this waiting task earlier</source>
        <translation>Démarrer plus tôt cette tâche en attente</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Start this waiting task later</source>
        <translation>Démarrer plus tard cette tâche en attente</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1. Changes are kept and saved as soon as the file can be written.</source>
        <translation>Impossible d’enregistrer les paramètres dans %1. Les modifications sont conservées et seront enregistrées dès que le fichier pourra être écrit.</translation>
    </message>
</context>
<context>
    <name>Player::MainWindow</name>
    <message>
        <source>MP4/FLV Media Player - Tarvo</source>
        <translation>Lecteur multimédia MP4/FLV - Tarvo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Liste de lecture</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir le fichier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>Show/Hide Play List</source>
        <translation>Afficher/masquer la liste de lecture</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Remove Non-existent Entries</source>
        <translation>Retirer les entrées inexistantes</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Ouvrir le dossier contenant</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Ouvrir une URL</translation>
    </message>
    <message>
        <source>The GStreamer plugins that play H.264 video were NOT found. Press OK to read how to install them.</source>
        <translation>Les greffons GStreamer qui lisent la vidéo H.264 sont INTROUVABLES. Appuyez sur OK pour savoir comment les installer.</translation>
    </message>
    <message>
        <source>Select media files</source>
        <translation>Sélectionner des fichiers multimédias</translation>
    </message>
    <message>
        <source>MP4/FLV Media Player</source>
        <translation>Lecteur multimédia MP4/FLV</translation>
    </message>
</context>
<context>
    <name>PlayerCommandLine</name>
    <message>
        <source>Media player for MP4 and FLV files, with a play list.</source>
        <translation>Lecteur de fichiers MP4 et FLV, avec liste de lecture.</translation>
    </message>
    <message>
        <source>[file [hide-flag advertisement-base]]</source>
        <translation>[fichier [masquer adresse-des-annonces]]</translation>
    </message>
    <message>
        <source>A file to play, added to the play list; a running player takes it. Also: /file FILE HIDE-FLAG ADVERTISEMENT-BASE.</source>
        <translation>Un fichier à lire, ajouté à la liste de lecture ; un lecteur déjà ouvert le reçoit. Aussi : /file FICHIER MASQUER ADRESSE-DES-ANNONCES.</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez « %1 --help » pour plus d’informations.</translation>
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
            <numerusform>l&apos;appel du greffon a duré plus de %n seconde</numerusform>
            <numerusform>l&apos;appel du greffon a duré plus de %n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the script ran for more than %n seconds</source>
        <translation>
            <numerusform>le script s&apos;est exécuté pendant plus de %n seconde</numerusform>
            <numerusform>le script s&apos;est exécuté pendant plus de %n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartupCommandLine</name>
    <message>
        <source>Download manager for files and web videos.</source>
        <translation>Gestionnaire de téléchargement de fichiers et de vidéos web.</translation>
    </message>
    <message>
        <source>Add the links and start them without asking.</source>
        <translation>Ajouter les liens et les démarrer sans demander.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Start in the tray, without the main window (also &quot;/bg&quot;).</source>
        <translation>Démarrer dans la zone de notification, sans la fenêtre principale (aussi « /bg »).</translation>
    </message>
    <message>
        <source>Links to download (http, https, ftp). A running instance takes them; each opens the new task dialog in turn.</source>
        <translation>Liens à télécharger (http, https, ftp). Une instance déjà ouverte les reçoit ; chacun ouvre à son tour la boîte de dialogue de nouvelle tâche.</translation>
    </message>
    <message>
        <source>[link...]</source>
        <translation>[lien...]</translation>
    </message>
    <message>
        <source>The save folder is empty.</source>
        <translation>Le dossier d’enregistrement est vide.</translation>
    </message>
    <message>
        <source>--add and --save-dir need at least one link.</source>
        <translation>--add et --save-dir demandent au moins un lien.</translation>
    </message>
    <message>
        <source>not a link, ignored: %1</source>
        <translation>pas un lien, ignoré : %1</translation>
    </message>
    <message>
        <source>Save the files of these links in the given folder.</source>
        <translation>Enregistrer les fichiers de ces liens dans le dossier indiqué.</translation>
    </message>
</context>
</TS>
