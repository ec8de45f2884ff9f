<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ApCompletionPopup</name>
    <message>
        <source>This is an executable file.
Please scan it before opening.</source>
        <translation>Este es un archivo ejecutable.
Analícelo antes de abrirlo.</translation>
    </message>
</context>
<context>
    <name>ApCompletionPopupClass</name>
    <message>
        <source>Download Completed</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ApConfigDialog</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Virus Scan</source>
        <translation>Antivirus</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Configuración general</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>Configuración básica</translation>
    </message>
    <message>
        <source>Start automatically on system startup</source>
        <translation>Iniciar automáticamente al arrancar el sistema</translation>
    </message>
    <message>
        <source>Minimize to system tray icon by clicking close button</source>
        <translation>Minimizar a la bandeja del sistema al pulsar el botón de cerrar</translation>
    </message>
    <message>
        <source>Prompt on completion of a task</source>
        <translation>Avisar al completarse una tarea</translation>
    </message>
    <message>
        <source>Check update automatically each time on startup</source>
        <translation>Buscar actualizaciones automáticamente en cada inicio</translation>
    </message>
    <message>
        <source>Speed panel bandwidth display limit:</source>
        <translation>Límite de ancho de banda mostrado en el panel de velocidad:</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Show floating window</source>
        <translation>Mostrar ventana flotante</translation>
    </message>
    <message>
        <source>Download Settings</source>
        <translation>Configuración de descargas</translation>
    </message>
    <message>
        <source>Downloaded to:</source>
        <translation>Descargar en:</translation>
    </message>
    <message>
        <source>Enable monitoring clipboard URL file types</source>
        <translation>Vigilar en el portapapeles las URL de estos tipos de archivo</translation>
    </message>
    <message>
        <source>File types to monitor:</source>
        <translation>Tipos de archivo que vigilar:</translation>
    </message>
    <message>
        <source>Maximum number of splits for HTTP/FTP task</source>
        <translation>Número máximo de segmentos por tarea HTTP/FTP</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Maximum failure retry times:</source>
        <translation>Número máximo de reintentos:</translation>
    </message>
    <message>
        <source>Download speed limit (0 = unlimited):</source>
        <translation>Límite de velocidad de descarga (0 = sin límite):</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Configuración del proxy</translation>
    </message>
    <message>
        <source>List of open proxy servers</source>
        <translation>Lista de servidores proxy abiertos</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
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
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Proxy - Searching Resources</source>
        <translation>Proxy - Búsqueda de recursos</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>Sin proxy</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>Cargar la configuración de la lista de servidores proxy</translation>
    </message>
    <message>
        <source>Proxy - HTTP/FTP Downloads</source>
        <translation>Proxy - Descargas HTTP/FTP</translation>
    </message>
    <message>
        <source>Content Lock Settings</source>
        <translation>Configuración del bloqueo de contenido</translation>
    </message>
    <message>
        <source>Content locking allows you to filter specified search keywords and lock some content under parental control.</source>
        <translation>El bloqueo de contenido le permite filtrar las palabras clave de búsqueda que indique y bloquear contenido mediante el control parental.</translation>
    </message>
    <message>
        <source>Please enter your password twice to lock</source>
        <translation>Introduzca su contraseña dos veces para bloquear</translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation>Palabras clave:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Please enter password to unlock</source>
        <translation>Introduzca la contraseña para desbloquear</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Content NOT locked. Last modification time:</source>
        <translation>Contenido NO bloqueado. Última modificación:</translation>
    </message>
    <message>
        <source>Virus Scan Settings</source>
        <translation>Configuración del antivirus</translation>
    </message>
    <message>
        <source>Scan downloaded files by the following Anti-Virus program</source>
        <translation>Analizar los archivos descargados con el siguiente programa antivirus</translation>
    </message>
    <message>
        <source>Program path:</source>
        <translation>Ruta del programa:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Program arguments:</source>
        <translation>Argumentos del programa:</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Restablecer todo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Are you sure to reset all settings? Press OK to confirm.</source>
        <translation>¿Seguro que desea restablecer toda la configuración? Pulse Aceptar para confirmar.</translation>
    </message>
    <message>
        <source>Content is locked. Last modification time:</source>
        <translation>Contenido bloqueado. Última modificación:</translation>
    </message>
    <message>
        <source>Please enter your password twice.</source>
        <translation>Introduzca su contraseña dos veces.</translation>
    </message>
    <message>
        <source>The two passwords do not match.</source>
        <translation>Las dos contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Please enter a password containing minimum 6 characters or numbers.</source>
        <translation>Introduzca una contraseña de al menos 6 letras o números.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Elegir carpeta de destino</translation>
    </message>
    <message>
        <source>Choose Anti-virus scanning program</source>
        <translation>Elegir el programa antivirus</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Take over downloads from web browsers</source>
        <translation>Encargarse de las descargas de los navegadores web</translation>
    </message>
    <message>
        <source>Add downloads from the browser without asking</source>
        <translation>Añadir las descargas del navegador sin preguntar</translation>
    </message>
    <message>
        <source>Enter the password to reset the locked content settings.</source>
        <translation>Introduzca la contraseña para restablecer los ajustes de contenido bloqueados.</translation>
    </message>
    <message>
        <source>Maximum active downloads (0 = no limit):</source>
        <translation>Máximo de descargas activas (0 = sin límite):</translation>
    </message>
</context>
<context>
    <name>ApExLineEdit</name>
    <message>
        <source>Search...</source>
        <translation>Buscar...</translation>
    </message>
</context>
<context>
    <name>ApInfoDialogClass</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ApNewTaskDialog</name>
    <message>
        <source>New Task</source>
        <translation>Nueva tarea</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Referer:</source>
        <translation>Referente:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <source>Rename:</source>
        <translation>Renombrar:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Mirror URLs</source>
        <translation>URL de réplicas</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Configuración del proxy</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>Sin proxy</translation>
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
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>List of open proxy servers over Internet (without authentication)</source>
        <translation>Lista de servidores proxy abiertos en Internet (sin autenticación)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>Cargar la configuración de la lista de servidores proxy</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Iniciar descarga</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>New HTTP/FTP Task</source>
        <translation>Nueva tarea HTTP/FTP</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>HTTP/FTP Task Properties</source>
        <translation>Propiedades de la tarea HTTP/FTP</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Elegir carpeta de destino</translation>
    </message>
    <message>
        <source>This is an incorrect URL. Please check the validity of input URL.</source>
        <translation>La URL no es correcta. Compruebe la URL introducida.</translation>
    </message>
    <message>
        <source>The path you choose does not exist. Please choose another one.</source>
        <translation>La ruta elegida no existe. Elija otra.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Please choose another save path or file name.</source>
        <translation>Ya existe un archivo con el mismo nombre. Elija otra carpeta de destino u otro nombre de archivo.</translation>
    </message>
    <message>
        <source>One or more mirror URLs are not valid.</source>
        <translation>Una o más URL de réplica no son válidas.</translation>
    </message>
    <message>
        <source>Speed Limit:</source>
        <translation>Límite de velocidad:</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Suma de verificación:</translation>
    </message>
    <message>
        <source>SHA-256, SHA-1 or MD5 of the file (optional)</source>
        <translation>SHA-256, SHA-1 o MD5 del archivo (opcional)</translation>
    </message>
    <message>
        <source>The checksum must be the SHA-256, SHA-1 or MD5 digest of the file, in hexadecimal digits.</source>
        <translation>La suma de verificación debe ser el resumen SHA-256, SHA-1 o MD5 del archivo, en dígitos hexadecimales.</translation>
    </message>
</context>
<context>
    <name>ApOpenLinkGui</name>
    <message>
        <source>Open Link</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>Enter the link to download:</source>
        <translation>Introduzca el enlace que desea descargar:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL no válida</translation>
    </message>
    <message>
        <source>Failed to download Torrent. %1</source>
        <translation>No se pudo descargar el torrent. %1</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Elegir carpeta de destino</translation>
    </message>
</context>
<context>
    <name>ApPluginUpdater</name>
    <message>
        <source>An update package is available to download, do you want to continue?</source>
        <translation>Hay un paquete de actualización disponible para descargar. ¿Desea continuar?</translation>
    </message>
</context>
<context>
    <name>ApPolicingThread</name>
    <message>
        <source>No update</source>
        <translation>No hay actualizaciones</translation>
    </message>
    <message>
        <source>Update available.</source>
        <translation>Hay una actualización disponible.</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>Actualización cancelada</translation>
    </message>
    <message>
        <source>Update failed - cannot connect to server.</source>
        <translation>Error al actualizar: no se puede conectar con el servidor.</translation>
    </message>
    <message>
        <source>No running task</source>
        <translation>No hay tareas en curso</translation>
    </message>
    <message>
        <source>Download rate: </source>
        <translation>Velocidad de descarga: </translation>
    </message>
    <message>
        <source>Unfinished download tasks: </source>
        <translation>Descargas sin terminar: </translation>
    </message>
    <message>
        <source>Remaining time: </source>
        <translation>Tiempo restante: </translation>
    </message>
    <message>
        <source>Total downloads - </source>
        <translation>Total de descargas - </translation>
    </message>
    <message>
        <source>Retrying in %1 s</source>
        <translation>Reintento en %1 s</translation>
    </message>
</context>
<context>
    <name>ApQuickUrlDownloader</name>
    <message>
        <source>Request failed</source>
        <translation>Error en la solicitud</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>No se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>Failed to write file</source>
        <translation>No se pudo escribir el archivo</translation>
    </message>
</context>
<context>
    <name>ApScheduleController</name>
    <message>
        <source>Schedule Task</source>
        <translation>Programar tarea</translation>
    </message>
    <message>
        <source>Cancel Scheduled Task</source>
        <translation>Cancelar tarea programada</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>Apagar el equipo al terminar la descarga</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Apagar el equipo</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Cerrar la sesión</translation>
    </message>
    <message>
        <source>Start all tasks</source>
        <translation>Iniciar todas las tareas</translation>
    </message>
    <message>
        <source>Pause all tasks</source>
        <translation>Pausar todas las tareas</translation>
    </message>
    <message>
        <source>Stop all tasks</source>
        <translation>Detener todas las tareas</translation>
    </message>
    <message>
        <source>Task Scheduled</source>
        <translation>Tarea programada</translation>
    </message>
</context>
<context>
    <name>ApScheduleTaskDialog</name>
    <message>
        <source>Schedule Task</source>
        <translation>Programar tarea</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>Apagar el equipo al terminar la descarga</translation>
    </message>
    <message>
        <source>Schedule a timed task</source>
        <translation>Programar una tarea temporizada</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Apagar el equipo</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Cerrar la sesión</translation>
    </message>
    <message>
        <source>Start all downloads</source>
        <translation>Iniciar todas las descargas</translation>
    </message>
    <message>
        <source>Pause all downloads</source>
        <translation>Pausar todas las descargas</translation>
    </message>
    <message>
        <source>Stop all downloads</source>
        <translation>Detener todas las descargas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Task will be started after the time expires.
Current Time: </source>
        <translation>La tarea se iniciará cuando transcurra el tiempo.
Hora actual: </translation>
    </message>
</context>
<context>
    <name>ApSearchPage</name>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
</context>
<context>
    <name>ApTaskInfoPanel</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nombre del archivo:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista previa:</translation>
    </message>
    <message>
        <source>File SHA-1 Hash:</source>
        <translation>Hash SHA-1 del archivo:</translation>
    </message>
    <message>
        <source>URL Host Location:</source>
        <translation>Ubicación del servidor:</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>Descargado:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <source>Failure Reason:</source>
        <translation>Motivo del error:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Source URLs</source>
        <translation>URL de origen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
</context>
<context>
    <name>ApTaskStore</name>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Comprobando</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En cola</translation>
    </message>
</context>
<context>
    <name>ApToolBox</name>
    <message>
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
</context>
<context>
    <name>ApToolbarSearch</name>
    <message>
        <source>No Search Records</source>
        <translation>Sin historial de búsqueda</translation>
    </message>
    <message>
        <source>Clear Search History</source>
        <translation>Borrar historial de búsqueda</translation>
    </message>
</context>
<context>
    <name>ApTvoDownloadTaskThread</name>
    <message>
        <source>Checksum mismatch</source>
        <translation>La suma de verificación no coincide</translation>
    </message>
</context>
<context>
    <name>ApUpdateHttp</name>
    <message>
        <source>Request failed: %1</source>
        <translation>Error en la solicitud: %1</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>Error en la descarga: %1.</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>el servidor no respondió</translation>
    </message>
    <message>
        <source>the manifest is too large</source>
        <translation>el manifiesto es demasiado grande</translation>
    </message>
</context>
<context>
    <name>ApWebFrameTalker</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>P2P Files</source>
        <translation>Archivos P2P</translation>
    </message>
    <message>
        <source>Web Videos</source>
        <translation>Vídeos web</translation>
    </message>
    <message>
        <source>Featured Downloads</source>
        <translation>Descargas destacadas</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>More Torrent Searches</source>
        <translation>Más búsquedas de torrents</translation>
    </message>
    <message>
        <source>Submit Torrent</source>
        <translation>Enviar torrent</translation>
    </message>
    <message>
        <source>More Video Searches</source>
        <translation>Más búsquedas de vídeos</translation>
    </message>
    <message>
        <source>Publish Web Video</source>
        <translation>Publicar vídeo web</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>Heading of the most popular results of a search</extracomment>
        <translation>Populares</translation>
    </message>
    <message>
        <source>Please confirm you are over 18 years old</source>
        <translation>Confirme que es mayor de 18 años</translation>
    </message>
    <message>
        <source>Search locked</source>
        <translation>Búsqueda bloqueada</translation>
    </message>
    <message>
        <source>View more</source>
        <translation>Ver más</translation>
    </message>
    <message>
        <source>Require login. Click &apos;View more&apos; for details.</source>
        <translation>Requiere iniciar sesión. Haga clic en «Ver más» para obtener más detalles.</translation>
    </message>
    <message>
        <source>No suitable results? Click here for more searches.</source>
        <translation>¿No hay resultados adecuados? Haga clic aquí para buscar más.</translation>
    </message>
    <message>
        <source>Failed to connect to server. Please try it again later.</source>
        <translation>No se pudo conectar con el servidor. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libros</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imágenes</translation>
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
        <translation>Otros</translation>
    </message>
    <message>
        <source>Unable to connect to server</source>
        <translation>No se puede conectar con el servidor</translation>
    </message>
    <message>
        <source>Enter a valid web video URL</source>
        <translation>Introduzca una URL de vídeo web válida</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>Reproducir vídeo</translation>
    </message>
    <message>
        <source>Download Video</source>
        <translation>Descargar vídeo</translation>
    </message>
    <message>
        <source>The selected content has been locked for parental control.</source>
        <translation>El control parental ha bloqueado el contenido seleccionado.</translation>
    </message>
    <message>
        <source>Your input keywords are filtered by parental control.</source>
        <translation>El control parental filtra las palabras clave introducidas.</translation>
    </message>
    <message>
        <source>Please upgrade to a newer version for better results.</source>
        <translation>Actualice a una versión más reciente para obtener mejores resultados.</translation>
    </message>
    <message>
        <source>The video service cannot be reached. Please check the network connection and try again.</source>
        <translation>No se puede acceder al servicio de vídeo. Compruebe la conexión de red e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>No video was found on this page. It may be private, removed or not a video page.</source>
        <translation>No se encontró ningún vídeo en esta página. Puede ser privado, haberse eliminado o no ser una página de vídeo.</translation>
    </message>
    <message>
        <source>The plugin for this video service failed. Please try again later or update the program.</source>
        <translation>El complemento de este servicio de vídeo ha fallado. Inténtelo más tarde o actualice el programa.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>File not found on the server</source>
        <translation>No se encontró el archivo en el servidor</translation>
    </message>
    <message>
        <source>The server asks for a user name and password</source>
        <translation>El servidor solicita un nombre de usuario y una contraseña</translation>
    </message>
    <message>
        <source>The server refuses access to the file</source>
        <translation>El servidor deniega el acceso al archivo</translation>
    </message>
    <message>
        <source>The proxy server asks for a user name and password</source>
        <translation>El servidor proxy solicita un nombre de usuario y una contraseña</translation>
    </message>
    <message>
        <source>The server refused the requested part of the file</source>
        <translation>El servidor rechazó la parte solicitada del archivo</translation>
    </message>
    <message>
        <source>The server is busy, try again later</source>
        <translation>El servidor está ocupado; inténtelo más tarde</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Error del servidor</translation>
    </message>
    <message>
        <source>The server does not send parts of this file</source>
        <translation>El servidor no envía partes de este archivo</translation>
    </message>
    <message>
        <source>Unexpected answer from the server</source>
        <translation>Respuesta inesperada del servidor</translation>
    </message>
    <message>
        <source>The server refused the login</source>
        <translation>El servidor rechazó el inicio de sesión</translation>
    </message>
    <message>
        <source>The server stopped the transfer</source>
        <translation>El servidor detuvo la transferencia</translation>
    </message>
    <message>
        <source>The server refused the request</source>
        <translation>El servidor rechazó la solicitud</translation>
    </message>
    <message>
        <source>Server certificate is not trusted</source>
        <translation>El certificado del servidor no es de confianza</translation>
    </message>
    <message>
        <source>The secure connection to the server failed</source>
        <translation>Falló la conexión segura con el servidor</translation>
    </message>
    <message>
        <source>Server name not found</source>
        <translation>No se encontró el nombre del servidor</translation>
    </message>
    <message>
        <source>Proxy server name not found</source>
        <translation>No se encontró el nombre del servidor proxy</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>El servidor rechazó la conexión</translation>
    </message>
    <message>
        <source>The server did not answer in time</source>
        <translation>El servidor no respondió a tiempo</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>El servidor cerró la conexión sin responder</translation>
    </message>
    <message>
        <source>The connection to the server was lost</source>
        <translation>Se perdió la conexión con el servidor</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>No se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>The proxy server refused the connection</source>
        <translation>El servidor proxy rechazó la conexión</translation>
    </message>
    <message>
        <source>The proxy server setting cannot be used</source>
        <translation>No se puede usar la configuración del servidor proxy</translation>
    </message>
    <message>
        <source>The request holds a line break in a header value</source>
        <translation>La solicitud contiene un salto de línea en el valor de una cabecera</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>Error de conexión: </translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>No permission to write the file</source>
        <translation>Sin permiso para escribir el archivo</translation>
    </message>
    <message>
        <source>The file could not be written: </source>
        <translation>No se pudo escribir el archivo: </translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>Demasiadas redirecciones</translation>
    </message>
    <message>
        <source>The server stopped sending data</source>
        <translation>El servidor dejó de enviar datos</translation>
    </message>
    <message>
        <source>The file keeps changing on the server</source>
        <translation>El archivo cambia continuamente en el servidor</translation>
    </message>
</context>
<context>
    <name>LocationCommandLine</name>
    <message>
        <source>Shows where a download server is on a map.</source>
        <translation>Muestra en un mapa dónde está un servidor de descargas.</translation>
    </message>
    <message>
        <source>The server&apos;s address and domain; a running viewer takes them.</source>
        <translation>La dirección y el dominio del servidor; un visor en marcha los recibe.</translation>
    </message>
</context>
<context>
    <name>LocationViewer::ApWebFrameTalker</name>
    <message>
        <source>Unable to connect to server</source>
        <translation>No se puede conectar con el servidor</translation>
    </message>
</context>
<context>
    <name>LocationViewer::Dialog</name>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Task Name</source>
        <translation>Nombre de la tarea</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Completion Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subida</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Cola</translation>
    </message>
    <message>
        <source>Time Left</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Fecha de creación</translation>
    </message>
    <message>
        <source>Select a task to see its details.</source>
        <translation>Seleccione una tarea para ver sus detalles.</translation>
    </message>
    <message>
        <source>&amp;Tasks</source>
        <translation>&amp;Tareas</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>Barra principal</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>All Tasks</source>
        <translation>Todas las tareas</translation>
    </message>
    <message>
        <source>Start task</source>
        <translation>Iniciar tarea</translation>
    </message>
    <message>
        <source>Stop task</source>
        <translation>Detener tarea</translation>
    </message>
    <message>
        <source>Delete Task Only</source>
        <translation>Eliminar solo la tarea</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete task</source>
        <translation>Eliminar tarea</translation>
    </message>
    <message>
        <source>Delete Task and Files</source>
        <translation>Eliminar tarea y archivos</translation>
    </message>
    <message>
        <source>Start All Tasks</source>
        <translation>Iniciar todas las tareas</translation>
    </message>
    <message>
        <source>Pause All Tasks</source>
        <translation>Pausar todas las tareas</translation>
    </message>
    <message>
        <source>Stop All Tasks</source>
        <translation>Detener todas las tareas</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Abrir carpeta contenedora</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>HTTP/FTP Download</source>
        <translation>Descarga HTTP/FTP</translation>
    </message>
    <message>
        <source>Web Video Download</source>
        <translation>Descarga de vídeo web</translation>
    </message>
    <message>
        <source>Search Page</source>
        <translation>Página de búsqueda</translation>
    </message>
    <message>
        <source>Convert Audio/Video</source>
        <translation>Convertir audio/vídeo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Velocidad de descarga</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Velocidad de subida</translation>
    </message>
    <message>
        <source>A task with the same path already exists. This task cannot be added.</source>
        <translation>Ya existe una tarea con la misma ruta. No se puede añadir esta tarea.</translation>
    </message>
    <message>
        <source>It is an incorrect URL. Please try another one.</source>
        <translation>La URL no es correcta. Pruebe con otra.</translation>
    </message>
    <message>
        <source>Delete both task and files? Press OK to confirm.</source>
        <translation>¿Eliminar la tarea y los archivos? Pulse Aceptar para confirmar.</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Idiomas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Search Bar</source>
        <translation>Barra de búsqueda</translation>
    </message>
    <message>
        <source>Speed Display Panel</source>
        <translation>Panel de velocidad</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Show the tool box</source>
        <translation>Mostrar la caja de herramientas</translation>
    </message>
    <message>
        <source>Search Web Videos</source>
        <translation>Buscar vídeos web</translation>
    </message>
    <message>
        <source>More Searches...</source>
        <translation>Más búsquedas...</translation>
    </message>
    <message>
        <source>Schedule Task</source>
        <translation>Programar tarea</translation>
    </message>
    <message>
        <source>Download Folder</source>
        <translation>Carpeta de descargas</translation>
    </message>
    <message>
        <source>My Recent Documents</source>
        <translation>Documentos recientes</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Mis documentos</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>User Home Folder</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>Show Floating Window</source>
        <translation>Mostrar ventana flotante</translation>
    </message>
    <message>
        <source>Run at System Startup</source>
        <translation>Ejecutar al iniciar el sistema</translation>
    </message>
    <message>
        <source>Monitor Clipboard</source>
        <translation>Vigilar el portapapeles</translation>
    </message>
    <message>
        <source>Prompt on Task Completion</source>
        <translation>Avisar al completar una tarea</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Capture Audio/Video</source>
        <translation>Capturar audio/vídeo</translation>
    </message>
    <message>
        <source>Play MP4/FLV Video</source>
        <translation>Reproducir vídeo MP4/FLV</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>FAQs</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Link to Us</source>
        <translation>Enlazar con nosotros</translation>
    </message>
    <message>
        <source>Report Bugs</source>
        <translation>Informar de errores</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>About Zantor</source>
        <translation>Acerca de Zantor</translation>
    </message>
    <message>
        <source>Show Tarvo</source>
        <translation>Mostrar Tarvo</translation>
    </message>
    <message>
        <source>Show/Hide Tarvo</source>
        <translation>Mostrar/ocultar Tarvo</translation>
    </message>
    <message>
        <source>Web Image Download</source>
        <translation>Descarga de imágenes web</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Download Rate</source>
        <translation>Velocidad de descarga</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>Nueva tarea</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Eliminar tarea</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Hide Zantor</source>
        <translation>Ocultar Zantor</translation>
    </message>
    <message>
        <source>Show Zantor</source>
        <translation>Mostrar Zantor</translation>
    </message>
    <message>
        <source>Update Notification</source>
        <translation>Aviso de actualización</translation>
    </message>
    <message>
        <source>Media Converter NOT found on your machine. Do you want to download and install it?</source>
        <translation>NO se encontró el conversor multimedia en su equipo. ¿Desea descargarlo e instalarlo?</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zantor %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Zantor %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>A download manager for files and web videos, with many connections per file, mirrors and automatic retries.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Un gestor de descargas de archivos y vídeos web, con varias conexiones por archivo, réplicas y reintentos automáticos.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download completed</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Start this waiting task earlier</source>
        <translation>Iniciar antes esta tarea en espera</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Start this waiting task later</source>
        <translation>Iniciar después esta tarea en espera</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1. Changes are kept and saved as soon as the file can be written.</source>
        <translation>No se puede guardar la configuración en %1. Los cambios se conservan y se guardarán en cuanto se pueda escribir el archivo.</translation>
    </message>
</context>
<context>
    <name>Player::MainWindow</name>
    <message>
        <source>MP4/FLV Media Player - Tarvo</source>
        <translation>Reproductor multimedia MP4/FLV - Tarvo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Lista de reproducción</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Ayuda en línea</translation>
    </message>
    <message>
        <source>Show/Hide Play List</source>
        <translation>Mostrar/ocultar lista de reproducción</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Remove Non-existent Entries</source>
        <translation>Quitar entradas inexistentes</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Abrir carpeta contenedora</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Abrir URL</translation>
    </message>
    <message>
        <source>The GStreamer plugins that play H.264 video were NOT found. Press OK to read how to install them.</source>
        <translation>NO se encontraron los complementos de GStreamer que reproducen vídeo H.264. Pulse Aceptar para leer cómo instalarlos.</translation>
    </message>
    <message>
        <source>Select media files</source>
        <translation>Seleccionar archivos multimedia</translation>
    </message>
    <message>
        <source>MP4/FLV Media Player</source>
        <translation>Reproductor multimedia MP4/FLV</translation>
    </message>
</context>
<context>
    <name>PlayerCommandLine</name>
    <message>
        <source>Media player for MP4 and FLV files, with a play list.</source>
        <translation>Reproductor de archivos MP4 y FLV, con lista de reproducción.</translation>
    </message>
    <message>
        <source>[file [hide-flag advertisement-base]]</source>
        <translation>[archivo [ocultar dirección-de-anuncios]]</translation>
    </message>
    <message>
        <source>A file to play, added to the play list; a running player takes it. Also: /file FILE HIDE-FLAG ADVERTISEMENT-BASE.</source>
        <translation>Un archivo para reproducir, añadido a la lista de reproducción; un reproductor en marcha lo recibe. También: /file ARCHIVO OCULTAR DIRECCIÓN-DE-ANUNCIOS.</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
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
            <numerusform>la llamada al complemento tardó más de %n segundo</numerusform>
            <numerusform>la llamada al complemento tardó más de %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the script ran for more than %n seconds</source>
        <translation>
            <numerusform>el script se ejecutó durante más de %n segundo</numerusform>
            <numerusform>el script se ejecutó durante más de %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartupCommandLine</name>
    <message>
        <source>Download manager for files and web videos.</source>
        <translation>Gestor de descargas de archivos y vídeos web.</translation>
    </message>
    <message>
        <source>Add the links and start them without asking.</source>
        <translation>Añadir los enlaces e iniciarlos sin preguntar.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Start in the tray, without the main window (also &quot;/bg&quot;).</source>
        <translation>Iniciar en la bandeja del sistema, sin la ventana principal (también «/bg»).</translation>
    </message>
    <message>
        <source>Links to download (http, https, ftp). A running instance takes them; each opens the new task dialog in turn.</source>
        <translation>Enlaces para descargar (http, https, ftp). Una instancia en marcha los recibe; cada uno abre por turno el diálogo de nueva tarea.</translation>
    </message>
    <message>
        <source>[link...]</source>
        <translation>[enlace...]</translation>
    </message>
    <message>
        <source>The save folder is empty.</source>
        <translation>La carpeta de destino está vacía.</translation>
    </message>
    <message>
        <source>--add and --save-dir need at least one link.</source>
        <translation>--add y --save-dir necesitan al menos un enlace.</translation>
    </message>
    <message>
        <source>not a link, ignored: %1</source>
        <translation>no es un enlace, se ignora: %1</translation>
    </message>
    <message>
        <source>Save the files of these links in the given folder.</source>
        <translation>Guardar los archivos de estos enlaces en la carpeta indicada.</translation>
    </message>
</context>
</TS>
