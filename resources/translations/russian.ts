<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ApCompletionPopup</name>
    <message>
        <source>This is an executable file.
Please scan it before opening.</source>
        <translation>Это исполняемый файл.
Проверьте его антивирусом перед открытием.</translation>
    </message>
</context>
<context>
    <name>ApCompletionPopupClass</name>
    <message>
        <source>Download Completed</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>ApConfigDialog</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Содержимое</translation>
    </message>
    <message>
        <source>Virus Scan</source>
        <translation>Антивирус</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>Основные настройки</translation>
    </message>
    <message>
        <source>Start automatically on system startup</source>
        <translation>Запускать автоматически при старте системы</translation>
    </message>
    <message>
        <source>Minimize to system tray icon by clicking close button</source>
        <translation>Сворачивать в область уведомлений при закрытии окна</translation>
    </message>
    <message>
        <source>Prompt on completion of a task</source>
        <translation>Сообщать о завершении задачи</translation>
    </message>
    <message>
        <source>Check update automatically each time on startup</source>
        <translation>Автоматически проверять обновления при каждом запуске</translation>
    </message>
    <message>
        <source>Speed panel bandwidth display limit:</source>
        <translation>Предел шкалы на панели скорости:</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Show floating window</source>
        <translation>Показывать плавающее окно</translation>
    </message>
    <message>
        <source>Download Settings</source>
        <translation>Настройки загрузки</translation>
    </message>
    <message>
        <source>Downloaded to:</source>
        <translation>Сохранять в:</translation>
    </message>
    <message>
        <source>Enable monitoring clipboard URL file types</source>
        <translation>Отслеживать в буфере обмена URL файлов указанных типов</translation>
    </message>
    <message>
        <source>File types to monitor:</source>
        <translation>Отслеживаемые типы файлов:</translation>
    </message>
    <message>
        <source>Maximum number of splits for HTTP/FTP task</source>
        <translation>Максимальное число потоков для задачи HTTP/FTP</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Maximum failure retry times:</source>
        <translation>Число повторов при ошибке:</translation>
    </message>
    <message>
        <source>Download speed limit (0 = unlimited):</source>
        <translation>Ограничение скорости загрузки (0 — без ограничений):</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Настройки прокси</translation>
    </message>
    <message>
        <source>List of open proxy servers</source>
        <translation>Список открытых прокси-серверов</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Узел:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
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
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Proxy - Searching Resources</source>
        <translation>Прокси — поиск ресурсов</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>Без прокси</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>Взять настройки из списка прокси-серверов</translation>
    </message>
    <message>
        <source>Proxy - HTTP/FTP Downloads</source>
        <translation>Прокси — загрузки HTTP/FTP</translation>
    </message>
    <message>
        <source>Content Lock Settings</source>
        <translation>Настройки блокировки содержимого</translation>
    </message>
    <message>
        <source>Content locking allows you to filter specified search keywords and lock some content under parental control.</source>
        <translation>Блокировка содержимого позволяет фильтровать заданные ключевые слова поиска и закрывать часть содержимого родительским контролем.</translation>
    </message>
    <message>
        <source>Please enter your password twice to lock</source>
        <translation>Чтобы заблокировать, введите пароль дважды</translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation>Ключевые слова:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Заблокировать</translation>
    </message>
    <message>
        <source>Please enter password to unlock</source>
        <translation>Чтобы разблокировать, введите пароль</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Разблокировать</translation>
    </message>
    <message>
        <source>Content NOT locked. Last modification time:</source>
        <translation>Содержимое НЕ заблокировано. Последнее изменение:</translation>
    </message>
    <message>
        <source>Virus Scan Settings</source>
        <translation>Настройки антивирусной проверки</translation>
    </message>
    <message>
        <source>Scan downloaded files by the following Anti-Virus program</source>
        <translation>Проверять загруженные файлы следующей антивирусной программой</translation>
    </message>
    <message>
        <source>Program path:</source>
        <translation>Путь к программе:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Program arguments:</source>
        <translation>Аргументы программы:</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Сбросить все</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Are you sure to reset all settings? Press OK to confirm.</source>
        <translation>Сбросить все настройки? Нажмите «ОК» для подтверждения.</translation>
    </message>
    <message>
        <source>Content is locked. Last modification time:</source>
        <translation>Содержимое заблокировано. Последнее изменение:</translation>
    </message>
    <message>
        <source>Please enter your password twice.</source>
        <translation>Введите пароль дважды.</translation>
    </message>
    <message>
        <source>The two passwords do not match.</source>
        <translation>Введённые пароли не совпадают.</translation>
    </message>
    <message>
        <source>Please enter a password containing minimum 6 characters or numbers.</source>
        <translation>Введите пароль не короче 6 символов (буквы или цифры).</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Пароли не совпадают.</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Выберите папку для сохранения</translation>
    </message>
    <message>
        <source>Choose Anti-virus scanning program</source>
        <translation>Выберите антивирусную программу</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Take over downloads from web browsers</source>
        <translation>Перехватывать загрузки из веб-браузеров</translation>
    </message>
    <message>
        <source>Add downloads from the browser without asking</source>
        <translation>Добавлять загрузки из браузера без подтверждения</translation>
    </message>
    <message>
        <source>Enter the password to reset the locked content settings.</source>
        <translation>Введите пароль, чтобы сбросить заблокированные настройки содержимого.</translation>
    </message>
    <message>
        <source>Maximum active downloads (0 = no limit):</source>
        <translation>Одновременных загрузок не более (0 — без ограничений):</translation>
    </message>
</context>
<context>
    <name>ApExLineEdit</name>
    <message>
        <source>Search...</source>
        <translation>Поиск...</translation>
    </message>
</context>
<context>
    <name>ApInfoDialogClass</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ApNewTaskDialog</name>
    <message>
        <source>New Task</source>
        <translation>Новая задача</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Referer:</source>
        <translation>Реферер:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Путь сохранения:</translation>
    </message>
    <message>
        <source>Rename:</source>
        <translation>Переименовать:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Описание:</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Аутентификация</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Mirror URLs</source>
        <translation>URL зеркал</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Настройки прокси</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>Без прокси</translation>
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
        <translation>Узел:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>List of open proxy servers over Internet (without authentication)</source>
        <translation>Список открытых прокси-серверов в Интернете (без аутентификации)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>Взять настройки из списка прокси-серверов</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Начать загрузку</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>New HTTP/FTP Task</source>
        <translation>Новая задача HTTP/FTP</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>HTTP/FTP Task Properties</source>
        <translation>Свойства задачи HTTP/FTP</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Выберите папку для сохранения</translation>
    </message>
    <message>
        <source>This is an incorrect URL. Please check the validity of input URL.</source>
        <translation>Неверный URL. Проверьте правильность введённого URL.</translation>
    </message>
    <message>
        <source>The path you choose does not exist. Please choose another one.</source>
        <translation>Выбранная папка не существует. Выберите другую.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Please choose another save path or file name.</source>
        <translation>Файл с таким именем уже существует. Выберите другой путь сохранения или другое имя файла.</translation>
    </message>
    <message>
        <source>One or more mirror URLs are not valid.</source>
        <translation>Один или несколько URL зеркал неверны.</translation>
    </message>
    <message>
        <source>Speed Limit:</source>
        <translation>Ограничение скорости:</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Без ограничений</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Контрольная сумма:</translation>
    </message>
    <message>
        <source>SHA-256, SHA-1 or MD5 of the file (optional)</source>
        <translation>SHA-256, SHA-1 или MD5 файла (необязательно)</translation>
    </message>
    <message>
        <source>The checksum must be the SHA-256, SHA-1 or MD5 digest of the file, in hexadecimal digits.</source>
        <translation>Контрольная сумма должна быть хешем SHA-256, SHA-1 или MD5 файла в шестнадцатеричном виде.</translation>
    </message>
</context>
<context>
    <name>ApOpenLinkGui</name>
    <message>
        <source>Open Link</source>
        <translation>Открыть ссылку</translation>
    </message>
    <message>
        <source>Enter the link to download:</source>
        <translation>Введите ссылку для загрузки:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Путь сохранения:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Неверный URL</translation>
    </message>
    <message>
        <source>Failed to download Torrent. %1</source>
        <translation>Не удалось загрузить торрент. %1</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Выберите папку для сохранения</translation>
    </message>
</context>
<context>
    <name>ApPluginUpdater</name>
    <message>
        <source>An update package is available to download, do you want to continue?</source>
        <translation>Доступен для загрузки пакет обновления. Продолжить?</translation>
    </message>
</context>
<context>
    <name>ApPolicingThread</name>
    <message>
        <source>No update</source>
        <translation>Обновлений нет</translation>
    </message>
    <message>
        <source>Update available.</source>
        <translation>Доступно обновление.</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>Обновление отменено</translation>
    </message>
    <message>
        <source>Update failed - cannot connect to server.</source>
        <translation>Ошибка обновления: не удалось подключиться к серверу.</translation>
    </message>
    <message>
        <source>No running task</source>
        <translation>Нет активных задач</translation>
    </message>
    <message>
        <source>Download rate: </source>
        <translation>Скорость загрузки: </translation>
    </message>
    <message>
        <source>Unfinished download tasks: </source>
        <translation>Незавершённых задач: </translation>
    </message>
    <message>
        <source>Remaining time: </source>
        <translation>Осталось времени: </translation>
    </message>
    <message>
        <source>Total downloads - </source>
        <translation>Всего загружено — </translation>
    </message>
    <message>
        <source>Retrying in %1 s</source>
        <translation>Повтор через %1 с</translation>
    </message>
</context>
<context>
    <name>ApQuickUrlDownloader</name>
    <message>
        <source>Request failed</source>
        <translation>Ошибка запроса</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Не удалось открыть файл</translation>
    </message>
    <message>
        <source>Failed to write file</source>
        <translation>Не удалось записать файл</translation>
    </message>
</context>
<context>
    <name>ApScheduleController</name>
    <message>
        <source>Schedule Task</source>
        <translation>Запланировать задачу</translation>
    </message>
    <message>
        <source>Cancel Scheduled Task</source>
        <translation>Отменить запланированную задачу</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>Выключить компьютер после завершения загрузки</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Выключить компьютер</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Завершить сеанс</translation>
    </message>
    <message>
        <source>Start all tasks</source>
        <translation>Запустить все задачи</translation>
    </message>
    <message>
        <source>Pause all tasks</source>
        <translation>Приостановить все задачи</translation>
    </message>
    <message>
        <source>Stop all tasks</source>
        <translation>Остановить все задачи</translation>
    </message>
    <message>
        <source>Task Scheduled</source>
        <translation>Задача запланирована</translation>
    </message>
</context>
<context>
    <name>ApScheduleTaskDialog</name>
    <message>
        <source>Schedule Task</source>
        <translation>Запланировать задачу</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>Выключить компьютер после завершения загрузки</translation>
    </message>
    <message>
        <source>Schedule a timed task</source>
        <translation>Выполнить задачу по таймеру</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Выключить компьютер</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Завершить сеанс</translation>
    </message>
    <message>
        <source>Start all downloads</source>
        <translation>Запустить все загрузки</translation>
    </message>
    <message>
        <source>Pause all downloads</source>
        <translation>Приостановить все загрузки</translation>
    </message>
    <message>
        <source>Stop all downloads</source>
        <translation>Остановить все загрузки</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Task will be started after the time expires.
Current Time: </source>
        <translation>Задача будет запущена по истечении времени.
Текущее время: </translation>
    </message>
</context>
<context>
    <name>ApSearchPage</name>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
</context>
<context>
    <name>ApTaskInfoPanel</name>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Просмотр:</translation>
    </message>
    <message>
        <source>File SHA-1 Hash:</source>
        <translation>Хеш SHA-1 файла:</translation>
    </message>
    <message>
        <source>URL Host Location:</source>
        <translation>Местоположение сервера:</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>Загружено:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Путь сохранения:</translation>
    </message>
    <message>
        <source>Failure Reason:</source>
        <translation>Причина ошибки:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Source URLs</source>
        <translation>URL источника</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Подготовка...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
</context>
<context>
    <name>ApTaskStore</name>
    <message>
        <source>Loading</source>
        <translation>Подготовка</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>В очереди</translation>
    </message>
</context>
<context>
    <name>ApToolBox</name>
    <message>
        <source>Downloads</source>
        <translation>Загрузки</translation>
    </message>
</context>
<context>
    <name>ApToolbarSearch</name>
    <message>
        <source>No Search Records</source>
        <translation>История поиска пуста</translation>
    </message>
    <message>
        <source>Clear Search History</source>
        <translation>Очистить историю поиска</translation>
    </message>
</context>
<context>
    <name>ApTvoDownloadTaskThread</name>
    <message>
        <source>Checksum mismatch</source>
        <translation>Контрольная сумма не совпадает</translation>
    </message>
</context>
<context>
    <name>ApUpdateHttp</name>
    <message>
        <source>Request failed: %1</source>
        <translation>Ошибка запроса: %1</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>Ошибка загрузки: %1.</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>сервер не ответил</translation>
    </message>
    <message>
        <source>the manifest is too large</source>
        <translation>файл манифеста слишком большой</translation>
    </message>
</context>
<context>
    <name>ApWebFrameTalker</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>P2P Files</source>
        <translation>P2P-файлы</translation>
    </message>
    <message>
        <source>Web Videos</source>
        <translation>Веб-видео</translation>
    </message>
    <message>
        <source>Featured Downloads</source>
        <translation>Рекомендуемые загрузки</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Связаться с нами</translation>
    </message>
    <message>
        <source>More Torrent Searches</source>
        <translation>Ещё поиск торрентов</translation>
    </message>
    <message>
        <source>Submit Torrent</source>
        <translation>Добавить торрент</translation>
    </message>
    <message>
        <source>More Video Searches</source>
        <translation>Ещё поиск видео</translation>
    </message>
    <message>
        <source>Publish Web Video</source>
        <translation>Опубликовать веб-видео</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>Heading of the most popular results of a search</extracomment>
        <translation>Популярное</translation>
    </message>
    <message>
        <source>Please confirm you are over 18 years old</source>
        <translation>Подтвердите, что вам исполнилось 18 лет</translation>
    </message>
    <message>
        <source>Search locked</source>
        <translation>Поиск заблокирован</translation>
    </message>
    <message>
        <source>View more</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Require login. Click &apos;View more&apos; for details.</source>
        <translation>Требуется вход. Нажмите «Подробнее», чтобы узнать больше.</translation>
    </message>
    <message>
        <source>No suitable results? Click here for more searches.</source>
        <translation>Нет подходящих результатов? Нажмите здесь, чтобы искать в других местах.</translation>
    </message>
    <message>
        <source>Failed to connect to server. Please try it again later.</source>
        <translation>Не удалось подключиться к серверу. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игры</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Книги</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Anime</source>
        <translation>Аниме</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>Unable to connect to server</source>
        <translation>Не удалось подключиться к серверу</translation>
    </message>
    <message>
        <source>Enter a valid web video URL</source>
        <translation>Введите правильный URL веб-видео</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>Воспроизвести видео</translation>
    </message>
    <message>
        <source>Download Video</source>
        <translation>Загрузить видео</translation>
    </message>
    <message>
        <source>The selected content has been locked for parental control.</source>
        <translation>Выбранное содержимое заблокировано родительским контролем.</translation>
    </message>
    <message>
        <source>Your input keywords are filtered by parental control.</source>
        <translation>Введённые ключевые слова отфильтрованы родительским контролем.</translation>
    </message>
    <message>
        <source>Please upgrade to a newer version for better results.</source>
        <translation>Обновите программу до новой версии, чтобы получать лучшие результаты.</translation>
    </message>
    <message>
        <source>The video service cannot be reached. Please check the network connection and try again.</source>
        <translation>Видеосервис недоступен. Проверьте сетевое подключение и повторите попытку.</translation>
    </message>
    <message>
        <source>No video was found on this page. It may be private, removed or not a video page.</source>
        <translation>На этой странице не найдено видео. Возможно, оно скрыто, удалено или это не страница с видео.</translation>
    </message>
    <message>
        <source>The plugin for this video service failed. Please try again later or update the program.</source>
        <translation>Сбой модуля этого видеосервиса. Повторите попытку позже или обновите программу.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>File not found on the server</source>
        <translation>Файл не найден на сервере</translation>
    </message>
    <message>
        <source>The server asks for a user name and password</source>
        <translation>Сервер запрашивает имя пользователя и пароль</translation>
    </message>
    <message>
        <source>The server refuses access to the file</source>
        <translation>Сервер запрещает доступ к файлу</translation>
    </message>
    <message>
        <source>The proxy server asks for a user name and password</source>
        <translation>Прокси-сервер запрашивает имя пользователя и пароль</translation>
    </message>
    <message>
        <source>The server refused the requested part of the file</source>
        <translation>Сервер отклонил запрос части файла</translation>
    </message>
    <message>
        <source>The server is busy, try again later</source>
        <translation>Сервер занят, повторите попытку позже</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Ошибка сервера</translation>
    </message>
    <message>
        <source>The server does not send parts of this file</source>
        <translation>Сервер не отдаёт этот файл по частям</translation>
    </message>
    <message>
        <source>Unexpected answer from the server</source>
        <translation>Неожиданный ответ сервера</translation>
    </message>
    <message>
        <source>The server refused the login</source>
        <translation>Сервер отклонил вход</translation>
    </message>
    <message>
        <source>The server stopped the transfer</source>
        <translation>Сервер прервал передачу</translation>
    </message>
    <message>
        <source>The server refused the request</source>
        <translation>Сервер отклонил запрос</translation>
    </message>
    <message>
        <source>Server certificate is not trusted</source>
        <translation>Сертификат сервера не является доверенным</translation>
    </message>
    <message>
        <source>The secure connection to the server failed</source>
        <translation>Не удалось установить защищённое соединение с сервером</translation>
    </message>
    <message>
        <source>Server name not found</source>
        <translation>Имя сервера не найдено</translation>
    </message>
    <message>
        <source>Proxy server name not found</source>
        <translation>Имя прокси-сервера не найдено</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>Сервер отклонил соединение</translation>
    </message>
    <message>
        <source>The server did not answer in time</source>
        <translation>Сервер не ответил вовремя</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>Сервер закрыл соединение, не ответив</translation>
    </message>
    <message>
        <source>The connection to the server was lost</source>
        <translation>Соединение с сервером потеряно</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Не удалось записать файл</translation>
    </message>
    <message>
        <source>The proxy server refused the connection</source>
        <translation>Прокси-сервер отклонил соединение</translation>
    </message>
    <message>
        <source>The proxy server setting cannot be used</source>
        <translation>Настройки прокси-сервера нельзя использовать</translation>
    </message>
    <message>
        <source>The request holds a line break in a header value</source>
        <translation>Запрос содержит перевод строки в значении заголовка</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>Ошибка соединения: </translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Ошибка соединения</translation>
    </message>
    <message>
        <source>No permission to write the file</source>
        <translation>Нет прав на запись файла</translation>
    </message>
    <message>
        <source>The file could not be written: </source>
        <translation>Не удалось записать файл: </translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Диск заполнен</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>Слишком много перенаправлений</translation>
    </message>
    <message>
        <source>The server stopped sending data</source>
        <translation>Сервер перестал отправлять данные</translation>
    </message>
    <message>
        <source>The file keeps changing on the server</source>
        <translation>Файл на сервере постоянно меняется</translation>
    </message>
</context>
<context>
    <name>LocationCommandLine</name>
    <message>
        <source>Shows where a download server is on a map.</source>
        <translation>Показывает на карте, где находится сервер загрузки.</translation>
    </message>
    <message>
        <source>The server&apos;s address and domain; a running viewer takes them.</source>
        <translation>Адрес и домен сервера; запущенное окно просмотра примет их.</translation>
    </message>
</context>
<context>
    <name>LocationViewer::ApWebFrameTalker</name>
    <message>
        <source>Unable to connect to server</source>
        <translation>Не удалось подключиться к серверу</translation>
    </message>
</context>
<context>
    <name>LocationViewer::Dialog</name>
    <message>
        <source>Location</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Загружаемые</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершённые</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Task Name</source>
        <translation>Имя задачи</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Completion Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Отдача</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Источники</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Очередь</translation>
    </message>
    <message>
        <source>Time Left</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Прошло</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Время создания</translation>
    </message>
    <message>
        <source>Select a task to see its details.</source>
        <translation>Выберите задачу, чтобы увидеть подробности.</translation>
    </message>
    <message>
        <source>&amp;Tasks</source>
        <translation>&amp;Задачи</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>Основная панель</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Задачи</translation>
    </message>
    <message>
        <source>All Tasks</source>
        <translation>Все задачи</translation>
    </message>
    <message>
        <source>Start task</source>
        <translation>Запустить задачу</translation>
    </message>
    <message>
        <source>Stop task</source>
        <translation>Остановить задачу</translation>
    </message>
    <message>
        <source>Delete Task Only</source>
        <translation>Удалить только задачу</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete task</source>
        <translation>Удалить задачу</translation>
    </message>
    <message>
        <source>Delete Task and Files</source>
        <translation>Удалить задачу и файлы</translation>
    </message>
    <message>
        <source>Start All Tasks</source>
        <translation>Запустить все задачи</translation>
    </message>
    <message>
        <source>Pause All Tasks</source>
        <translation>Приостановить все задачи</translation>
    </message>
    <message>
        <source>Stop All Tasks</source>
        <translation>Остановить все задачи</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Открыть папку с файлом</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>HTTP/FTP Download</source>
        <translation>Загрузка HTTP/FTP</translation>
    </message>
    <message>
        <source>Web Video Download</source>
        <translation>Загрузка веб-видео</translation>
    </message>
    <message>
        <source>Search Page</source>
        <translation>Страница поиска</translation>
    </message>
    <message>
        <source>Convert Audio/Video</source>
        <translation>Конвертировать аудио/видео</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Скорость загрузки</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Скорость отдачи</translation>
    </message>
    <message>
        <source>A task with the same path already exists. This task cannot be added.</source>
        <translation>Задача с таким же путём уже существует. Эту задачу нельзя добавить.</translation>
    </message>
    <message>
        <source>It is an incorrect URL. Please try another one.</source>
        <translation>Неверный URL. Попробуйте другой.</translation>
    </message>
    <message>
        <source>Delete both task and files? Press OK to confirm.</source>
        <translation>Удалить задачу вместе с файлами? Нажмите «ОК» для подтверждения.</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Языки</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Search Bar</source>
        <translation>Панель поиска</translation>
    </message>
    <message>
        <source>Speed Display Panel</source>
        <translation>Панель скорости</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Show the tool box</source>
        <translation>Показать боковую панель</translation>
    </message>
    <message>
        <source>Search Web Videos</source>
        <translation>Искать веб-видео</translation>
    </message>
    <message>
        <source>More Searches...</source>
        <translation>Другие варианты поиска...</translation>
    </message>
    <message>
        <source>Schedule Task</source>
        <translation>Запланировать задачу</translation>
    </message>
    <message>
        <source>Download Folder</source>
        <translation>Папка загрузок</translation>
    </message>
    <message>
        <source>My Recent Documents</source>
        <translation>Недавние документы</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Мои документы</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message>
        <source>User Home Folder</source>
        <translation>Домашняя папка</translation>
    </message>
    <message>
        <source>Show Floating Window</source>
        <translation>Показывать плавающее окно</translation>
    </message>
    <message>
        <source>Run at System Startup</source>
        <translation>Запускать при старте системы</translation>
    </message>
    <message>
        <source>Monitor Clipboard</source>
        <translation>Следить за буфером обмена</translation>
    </message>
    <message>
        <source>Prompt on Task Completion</source>
        <translation>Сообщать о завершении задачи</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Полный экран</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Capture Audio/Video</source>
        <translation>Записать аудио/видео</translation>
    </message>
    <message>
        <source>Play MP4/FLV Video</source>
        <translation>Воспроизвести видео MP4/FLV</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>FAQs</source>
        <translation>Вопросы и ответы</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Рассказать другу</translation>
    </message>
    <message>
        <source>Link to Us</source>
        <translation>Ссылка на нас</translation>
    </message>
    <message>
        <source>Report Bugs</source>
        <translation>Сообщить об ошибке</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>About Zantor</source>
        <translation>О Zantor</translation>
    </message>
    <message>
        <source>Show Tarvo</source>
        <translation>Показать Tarvo</translation>
    </message>
    <message>
        <source>Show/Hide Tarvo</source>
        <translation>Показать/скрыть Tarvo</translation>
    </message>
    <message>
        <source>Web Image Download</source>
        <translation>Загрузка веб-изображений</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Download Rate</source>
        <translation>Скорость загрузки</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>Новая задача</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Удалить задачу</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>Hide Zantor</source>
        <translation>Скрыть Zantor</translation>
    </message>
    <message>
        <source>Show Zantor</source>
        <translation>Показать Zantor</translation>
    </message>
    <message>
        <source>Update Notification</source>
        <translation>Уведомление об обновлении</translation>
    </message>
    <message>
        <source>Media Converter NOT found on your machine. Do you want to download and install it?</source>
        <translation>Конвертер мультимедиа НЕ найден на этом компьютере. Загрузить и установить его?</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zantor %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Zantor %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>A download manager for files and web videos, with many connections per file, mirrors and automatic retries.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Менеджер загрузок файлов и веб-видео: несколько соединений на файл, зеркала и автоматические повторы.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download completed</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>Start this waiting task earlier</source>
        <translation>Запустить эту ожидающую задачу раньше</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>Start this waiting task later</source>
        <translation>Запустить эту ожидающую задачу позже</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1. Changes are kept and saved as soon as the file can be written.</source>
        <translation>Не удаётся сохранить настройки в %1. Изменения сохранены в памяти и будут записаны, как только файл станет доступен для записи.</translation>
    </message>
</context>
<context>
    <name>Player::MainWindow</name>
    <message>
        <source>MP4/FLV Media Player - Tarvo</source>
        <translation>Медиаплеер MP4/FLV — Tarvo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Список воспроизведения</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Справка в Интернете</translation>
    </message>
    <message>
        <source>Show/Hide Play List</source>
        <translation>Показать/скрыть список воспроизведения</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Перезапустить</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Remove Non-existent Entries</source>
        <translation>Удалить несуществующие записи</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Открыть папку с файлом</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Открыть URL</translation>
    </message>
    <message>
        <source>The GStreamer plugins that play H.264 video were NOT found. Press OK to read how to install them.</source>
        <translation>Модули GStreamer для воспроизведения видео H.264 НЕ найдены. Нажмите «ОК», чтобы узнать, как их установить.</translation>
    </message>
    <message>
        <source>Select media files</source>
        <translation>Выберите медиафайлы</translation>
    </message>
    <message>
        <source>MP4/FLV Media Player</source>
        <translation>Медиаплеер MP4/FLV</translation>
    </message>
</context>
<context>
    <name>PlayerCommandLine</name>
    <message>
        <source>Media player for MP4 and FLV files, with a play list.</source>
        <translation>Проигрыватель файлов MP4 и FLV со списком воспроизведения.</translation>
    </message>
    <message>
        <source>[file [hide-flag advertisement-base]]</source>
        <translation>[файл [скрыть адрес-рекламы]]</translation>
    </message>
    <message>
        <source>A file to play, added to the play list; a running player takes it. Also: /file FILE HIDE-FLAG ADVERTISEMENT-BASE.</source>
        <translation>Файл для воспроизведения, добавляется в список воспроизведения; запущенный проигрыватель примет его. Также: /file ФАЙЛ СКРЫТЬ АДРЕС-РЕКЛАМЫ.</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Подробнее: «%1 --help».</translation>
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
            <numerusform>вызов модуля длился более %n секунды</numerusform>
            <numerusform>вызов модуля длился более %n секунд</numerusform>
            <numerusform>вызов модуля длился более %n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the script ran for more than %n seconds</source>
        <translation>
            <numerusform>сценарий выполнялся более %n секунды</numerusform>
            <numerusform>сценарий выполнялся более %n секунд</numerusform>
            <numerusform>сценарий выполнялся более %n секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartupCommandLine</name>
    <message>
        <source>Download manager for files and web videos.</source>
        <translation>Менеджер загрузок для файлов и веб-видео.</translation>
    </message>
    <message>
        <source>Add the links and start them without asking.</source>
        <translation>Добавить ссылки и запустить их без вопросов.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>Start in the tray, without the main window (also &quot;/bg&quot;).</source>
        <translation>Запуститься в области уведомлений, без главного окна (также «/bg»).</translation>
    </message>
    <message>
        <source>Links to download (http, https, ftp). A running instance takes them; each opens the new task dialog in turn.</source>
        <translation>Ссылки для загрузки (http, https, ftp). Запущенный экземпляр примет их; каждая по очереди открывает диалог новой задачи.</translation>
    </message>
    <message>
        <source>[link...]</source>
        <translation>[ссылка...]</translation>
    </message>
    <message>
        <source>The save folder is empty.</source>
        <translation>Папка для сохранения не указана.</translation>
    </message>
    <message>
        <source>--add and --save-dir need at least one link.</source>
        <translation>Для --add и --save-dir нужна хотя бы одна ссылка.</translation>
    </message>
    <message>
        <source>not a link, ignored: %1</source>
        <translation>не ссылка, пропущено: %1</translation>
    </message>
    <message>
        <source>Save the files of these links in the given folder.</source>
        <translation>Сохранить файлы этих ссылок в указанной папке.</translation>
    </message>
</context>
</TS>
