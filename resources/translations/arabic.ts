<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ApCompletionPopup</name>
    <message>
        <source>This is an executable file.
Please scan it before opening.</source>
        <translation>هذا ملف تنفيذي.
يرجى فحصه قبل فتحه.</translation>
    </message>
</context>
<context>
    <name>ApCompletionPopupClass</name>
    <message>
        <source>Download Completed</source>
        <translation>اكتمل التنزيل</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>فتح المجلد</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>ApConfigDialog</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>الوسيط</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>المحتوى</translation>
    </message>
    <message>
        <source>Virus Scan</source>
        <translation>فحص الفيروسات</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>الإعدادات العامة</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>الإعدادات الأساسية</translation>
    </message>
    <message>
        <source>Start automatically on system startup</source>
        <translation>البدء تلقائيًا عند بدء تشغيل النظام</translation>
    </message>
    <message>
        <source>Minimize to system tray icon by clicking close button</source>
        <translation>التصغير إلى أيقونة في صينية النظام عند النقر على زر الإغلاق</translation>
    </message>
    <message>
        <source>Prompt on completion of a task</source>
        <translation>التنبيه عند اكتمال مهمة</translation>
    </message>
    <message>
        <source>Check update automatically each time on startup</source>
        <translation>التحقق من التحديثات تلقائيًا عند كل بدء تشغيل</translation>
    </message>
    <message>
        <source>Speed panel bandwidth display limit:</source>
        <translation>حد عرض النطاق المعروض في لوحة السرعة:</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Show floating window</source>
        <translation>إظهار النافذة العائمة</translation>
    </message>
    <message>
        <source>Download Settings</source>
        <translation>إعدادات التنزيل</translation>
    </message>
    <message>
        <source>Downloaded to:</source>
        <translation>التنزيل إلى:</translation>
    </message>
    <message>
        <source>Enable monitoring clipboard URL file types</source>
        <translation>تفعيل مراقبة أنواع ملفات عناوين URL في الحافظة</translation>
    </message>
    <message>
        <source>File types to monitor:</source>
        <translation>أنواع الملفات المراقَبة:</translation>
    </message>
    <message>
        <source>Maximum number of splits for HTTP/FTP task</source>
        <translation>الحد الأقصى لعدد الأجزاء في مهمة HTTP/FTP</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>مخصّص</translation>
    </message>
    <message>
        <source>Maximum failure retry times:</source>
        <translation>الحد الأقصى لإعادة المحاولة عند الفشل:</translation>
    </message>
    <message>
        <source>Download speed limit (0 = unlimited):</source>
        <translation>حد سرعة التنزيل (0 = غير محدود):</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>إعدادات الوسيط</translation>
    </message>
    <message>
        <source>List of open proxy servers</source>
        <translation>قائمة الخوادم الوسيطة المفتوحة</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>المضيف:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>المنفذ:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
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
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Proxy - Searching Resources</source>
        <translation>الوسيط - البحث عن الموارد</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>بلا وسيط</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>اسم المستخدم:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>تحميل الإعدادات من قائمة الخوادم الوسيطة</translation>
    </message>
    <message>
        <source>Proxy - HTTP/FTP Downloads</source>
        <translation>الوسيط - تنزيلات HTTP/FTP</translation>
    </message>
    <message>
        <source>Content Lock Settings</source>
        <translation>إعدادات قفل المحتوى</translation>
    </message>
    <message>
        <source>Content locking allows you to filter specified search keywords and lock some content under parental control.</source>
        <translation>يتيح لك قفل المحتوى تصفية كلمات بحث محددة وقفل بعض المحتوى بالرقابة الأبوية.</translation>
    </message>
    <message>
        <source>Please enter your password twice to lock</source>
        <translation>يرجى إدخال كلمة المرور مرتين للقفل</translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation>الكلمات المفتاحية:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>Please enter password to unlock</source>
        <translation>يرجى إدخال كلمة المرور لفتح القفل</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>فتح القفل</translation>
    </message>
    <message>
        <source>Content NOT locked. Last modification time:</source>
        <translation>المحتوى غير مقفل. وقت آخر تعديل:</translation>
    </message>
    <message>
        <source>Virus Scan Settings</source>
        <translation>إعدادات فحص الفيروسات</translation>
    </message>
    <message>
        <source>Scan downloaded files by the following Anti-Virus program</source>
        <translation>فحص الملفات المنزّلة ببرنامج مكافحة الفيروسات التالي</translation>
    </message>
    <message>
        <source>Program path:</source>
        <translation>مسار البرنامج:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>تصفّح...</translation>
    </message>
    <message>
        <source>Program arguments:</source>
        <translation>معاملات البرنامج:</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>إعادة ضبط الكل</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة الضبط</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Are you sure to reset all settings? Press OK to confirm.</source>
        <translation>هل أنت متأكد من إعادة ضبط جميع الإعدادات؟ اضغط «موافق» للتأكيد.</translation>
    </message>
    <message>
        <source>Content is locked. Last modification time:</source>
        <translation>المحتوى مقفل. وقت آخر تعديل:</translation>
    </message>
    <message>
        <source>Please enter your password twice.</source>
        <translation>يرجى إدخال كلمة المرور مرتين.</translation>
    </message>
    <message>
        <source>The two passwords do not match.</source>
        <translation>كلمتا المرور غير متطابقتين.</translation>
    </message>
    <message>
        <source>Please enter a password containing minimum 6 characters or numbers.</source>
        <translation>يرجى إدخال كلمة مرور تتكون من 6 أحرف أو أرقام على الأقل.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>كلمة المرور غير مطابقة.</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>اختر مسار الحفظ</translation>
    </message>
    <message>
        <source>Choose Anti-virus scanning program</source>
        <translation>اختر برنامج فحص الفيروسات</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>جميع الملفات (*)</translation>
    </message>
    <message>
        <source>Take over downloads from web browsers</source>
        <translation>تولي التنزيلات من متصفحات الويب</translation>
    </message>
    <message>
        <source>Add downloads from the browser without asking</source>
        <translation>إضافة التنزيلات من المتصفح دون سؤال</translation>
    </message>
    <message>
        <source>Enter the password to reset the locked content settings.</source>
        <translation>أدخل كلمة المرور لإعادة تعيين إعدادات المحتوى المقفلة.</translation>
    </message>
    <message>
        <source>Maximum active downloads (0 = no limit):</source>
        <translation>الحد الأقصى للتنزيلات النشطة (0 = غير محدود):</translation>
    </message>
</context>
<context>
    <name>ApExLineEdit</name>
    <message>
        <source>Search...</source>
        <translation>بحث...</translation>
    </message>
</context>
<context>
    <name>ApInfoDialogClass</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>ApNewTaskDialog</name>
    <message>
        <source>New Task</source>
        <translation>مهمة جديدة</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>عنوان URL:</translation>
    </message>
    <message>
        <source>Referer:</source>
        <translation>المُحيل:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>مسار الحفظ:</translation>
    </message>
    <message>
        <source>Rename:</source>
        <translation>إعادة التسمية:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>الوصف:</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>المصادقة</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>اسم المستخدم:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <source>Mirror URLs</source>
        <translation>عناوين المرايا</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>إعدادات الوسيط</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>بلا وسيط</translation>
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
        <translation>المضيف:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>المنفذ:</translation>
    </message>
    <message>
        <source>List of open proxy servers over Internet (without authentication)</source>
        <translation>قائمة الخوادم الوسيطة المفتوحة على الإنترنت (بدون مصادقة)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>تحميل الإعدادات من قائمة الخوادم الوسيطة</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>بدء التنزيل</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>New HTTP/FTP Task</source>
        <translation>مهمة HTTP/FTP جديدة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>HTTP/FTP Task Properties</source>
        <translation>خصائص مهمة HTTP/FTP</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>اختر مسار الحفظ</translation>
    </message>
    <message>
        <source>This is an incorrect URL. Please check the validity of input URL.</source>
        <translation>عنوان URL هذا غير صحيح. يرجى التحقق من صحة العنوان المُدخَل.</translation>
    </message>
    <message>
        <source>The path you choose does not exist. Please choose another one.</source>
        <translation>المسار الذي اخترته غير موجود. يرجى اختيار مسار آخر.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Please choose another save path or file name.</source>
        <translation>يوجد ملف بالاسم نفسه بالفعل. يرجى اختيار مسار حفظ أو اسم ملف آخر.</translation>
    </message>
    <message>
        <source>One or more mirror URLs are not valid.</source>
        <translation>عنوان مرآة واحد أو أكثر غير صالح.</translation>
    </message>
    <message>
        <source>Speed Limit:</source>
        <translation>حد السرعة:</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>غير محدود</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>المجموع الاختباري:</translation>
    </message>
    <message>
        <source>SHA-256, SHA-1 or MD5 of the file (optional)</source>
        <translation>SHA-256 أو SHA-1 أو MD5 للملف (اختياري)</translation>
    </message>
    <message>
        <source>The checksum must be the SHA-256, SHA-1 or MD5 digest of the file, in hexadecimal digits.</source>
        <translation>يجب أن يكون المجموع الاختباري خلاصة SHA-256 أو SHA-1 أو MD5 للملف، بأرقام ست عشرية.</translation>
    </message>
</context>
<context>
    <name>ApOpenLinkGui</name>
    <message>
        <source>Open Link</source>
        <translation>فتح رابط</translation>
    </message>
    <message>
        <source>Enter the link to download:</source>
        <translation>أدخل رابط التنزيل:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>مسار الحفظ:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>عنوان URL غير صالح</translation>
    </message>
    <message>
        <source>Failed to download Torrent. %1</source>
        <translation>فشل تنزيل ملف التورنت. %1</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>اختر مسار الحفظ</translation>
    </message>
</context>
<context>
    <name>ApPluginUpdater</name>
    <message>
        <source>An update package is available to download, do you want to continue?</source>
        <translation>تتوفر حزمة تحديث للتنزيل، هل تريد المتابعة؟</translation>
    </message>
</context>
<context>
    <name>ApPolicingThread</name>
    <message>
        <source>No update</source>
        <translation>لا يوجد تحديث</translation>
    </message>
    <message>
        <source>Update available.</source>
        <translation>يتوفر تحديث.</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>أُلغي التحديث</translation>
    </message>
    <message>
        <source>Update failed - cannot connect to server.</source>
        <translation>فشل التحديث - تعذّر الاتصال بالخادم.</translation>
    </message>
    <message>
        <source>No running task</source>
        <translation>لا توجد مهمة قيد التشغيل</translation>
    </message>
    <message>
        <source>Download rate: </source>
        <translation>سرعة التنزيل: </translation>
    </message>
    <message>
        <source>Unfinished download tasks: </source>
        <translation>مهام التنزيل غير المكتملة: </translation>
    </message>
    <message>
        <source>Remaining time: </source>
        <translation>الوقت المتبقي: </translation>
    </message>
    <message>
        <source>Total downloads - </source>
        <translation>إجمالي التنزيلات - </translation>
    </message>
    <message>
        <source>Retrying in %1 s</source>
        <translation>إعادة المحاولة خلال %1 ث</translation>
    </message>
</context>
<context>
    <name>ApQuickUrlDownloader</name>
    <message>
        <source>Request failed</source>
        <translation>فشل الطلب</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>تعذّر فتح الملف</translation>
    </message>
    <message>
        <source>Failed to write file</source>
        <translation>تعذّرت كتابة الملف</translation>
    </message>
</context>
<context>
    <name>ApScheduleController</name>
    <message>
        <source>Schedule Task</source>
        <translation>جدولة مهمة</translation>
    </message>
    <message>
        <source>Cancel Scheduled Task</source>
        <translation>إلغاء المهمة المجدولة</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>إيقاف تشغيل الحاسوب بعد انتهاء التنزيل</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>إيقاف تشغيل الحاسوب</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <source>Start all tasks</source>
        <translation>بدء جميع المهام</translation>
    </message>
    <message>
        <source>Pause all tasks</source>
        <translation>إيقاف جميع المهام مؤقتًا</translation>
    </message>
    <message>
        <source>Stop all tasks</source>
        <translation>إيقاف جميع المهام</translation>
    </message>
    <message>
        <source>Task Scheduled</source>
        <translation>تمت جدولة المهمة</translation>
    </message>
</context>
<context>
    <name>ApScheduleTaskDialog</name>
    <message>
        <source>Schedule Task</source>
        <translation>جدولة مهمة</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>إيقاف تشغيل الحاسوب بعد انتهاء التنزيل</translation>
    </message>
    <message>
        <source>Schedule a timed task</source>
        <translation>جدولة مهمة موقوتة</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ساعة</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>إيقاف تشغيل الحاسوب</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <source>Start all downloads</source>
        <translation>بدء جميع التنزيلات</translation>
    </message>
    <message>
        <source>Pause all downloads</source>
        <translation>إيقاف جميع التنزيلات مؤقتًا</translation>
    </message>
    <message>
        <source>Stop all downloads</source>
        <translation>إيقاف جميع التنزيلات</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Task will be started after the time expires.
Current Time: </source>
        <translation>ستبدأ المهمة بعد انقضاء الوقت.
الوقت الحالي: </translation>
    </message>
</context>
<context>
    <name>ApSearchPage</name>
    <message>
        <source>Loading...</source>
        <translation>جارٍ التحميل...</translation>
    </message>
</context>
<context>
    <name>ApTaskInfoPanel</name>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>اسم الملف:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>معاينة:</translation>
    </message>
    <message>
        <source>File SHA-1 Hash:</source>
        <translation>بصمة SHA-1 للملف:</translation>
    </message>
    <message>
        <source>URL Host Location:</source>
        <translation>موقع مضيف URL:</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>المُنزَّل:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>مسار الحفظ:</translation>
    </message>
    <message>
        <source>Failure Reason:</source>
        <translation>سبب الفشل:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Source URLs</source>
        <translation>عناوين المصادر</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>التنزيل</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>جارٍ التنزيل</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>مكتمل</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>فشل</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>جارٍ التحميل...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>متوقف مؤقتًا</translation>
    </message>
</context>
<context>
    <name>ApTaskStore</name>
    <message>
        <source>Loading</source>
        <translation>جارٍ التحميل</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>جارٍ التنزيل</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>متوقف مؤقتًا</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>متوقف</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>مكتمل</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>جارٍ التحقق</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>فشل</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>في قائمة الانتظار</translation>
    </message>
</context>
<context>
    <name>ApToolBox</name>
    <message>
        <source>Downloads</source>
        <translation>التنزيلات</translation>
    </message>
</context>
<context>
    <name>ApToolbarSearch</name>
    <message>
        <source>No Search Records</source>
        <translation>لا توجد سجلات بحث</translation>
    </message>
    <message>
        <source>Clear Search History</source>
        <translation>مسح سجل البحث</translation>
    </message>
</context>
<context>
    <name>ApTvoDownloadTaskThread</name>
    <message>
        <source>Checksum mismatch</source>
        <translation>المجموع الاختباري غير مطابق</translation>
    </message>
</context>
<context>
    <name>ApUpdateHttp</name>
    <message>
        <source>Request failed: %1</source>
        <translation>فشل الطلب: %1</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>فشل التنزيل: %1.</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>لم يستجب الخادم</translation>
    </message>
    <message>
        <source>the manifest is too large</source>
        <translation>ملف البيان كبير جدًا</translation>
    </message>
</context>
<context>
    <name>ApWebFrameTalker</name>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>P2P Files</source>
        <translation>ملفات P2P</translation>
    </message>
    <message>
        <source>Web Videos</source>
        <translation>مقاطع فيديو الويب</translation>
    </message>
    <message>
        <source>Featured Downloads</source>
        <translation>تنزيلات مميزة</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الصفحة الرئيسية</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>اتصل بنا</translation>
    </message>
    <message>
        <source>More Torrent Searches</source>
        <translation>مزيد من البحث عن التورنت</translation>
    </message>
    <message>
        <source>Submit Torrent</source>
        <translation>إرسال تورنت</translation>
    </message>
    <message>
        <source>More Video Searches</source>
        <translation>مزيد من البحث عن الفيديو</translation>
    </message>
    <message>
        <source>Publish Web Video</source>
        <translation>نشر فيديو ويب</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>الصفحة السابقة</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>الصفحة التالية</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>المصدر</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>الفئة</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>Heading of the most popular results of a search</extracomment>
        <translation>الأعلى</translation>
    </message>
    <message>
        <source>Please confirm you are over 18 years old</source>
        <translation>يرجى تأكيد أن عمرك يزيد على 18 عامًا</translation>
    </message>
    <message>
        <source>Search locked</source>
        <translation>البحث مقفل</translation>
    </message>
    <message>
        <source>View more</source>
        <translation>عرض المزيد</translation>
    </message>
    <message>
        <source>Require login. Click &apos;View more&apos; for details.</source>
        <translation>يتطلب تسجيل الدخول. انقر «عرض المزيد» للتفاصيل.</translation>
    </message>
    <message>
        <source>No suitable results? Click here for more searches.</source>
        <translation>لا توجد نتائج مناسبة؟ انقر هنا لمزيد من البحث.</translation>
    </message>
    <message>
        <source>Failed to connect to server. Please try it again later.</source>
        <translation>تعذّر الاتصال بالخادم. يرجى المحاولة مرة أخرى لاحقًا.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>فيديو</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>صوتيات</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ألعاب</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>برامج</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>كتب</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>صور</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفاز</translation>
    </message>
    <message>
        <source>Anime</source>
        <translation>أنمي</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>أخرى</translation>
    </message>
    <message>
        <source>Unable to connect to server</source>
        <translation>تعذّر الاتصال بالخادم</translation>
    </message>
    <message>
        <source>Enter a valid web video URL</source>
        <translation>أدخل عنوان URL صالحًا لفيديو ويب</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>تشغيل الفيديو</translation>
    </message>
    <message>
        <source>Download Video</source>
        <translation>تنزيل الفيديو</translation>
    </message>
    <message>
        <source>The selected content has been locked for parental control.</source>
        <translation>المحتوى المحدد مقفل بالرقابة الأبوية.</translation>
    </message>
    <message>
        <source>Your input keywords are filtered by parental control.</source>
        <translation>حُجبت الكلمات المفتاحية التي أدخلتها بالرقابة الأبوية.</translation>
    </message>
    <message>
        <source>Please upgrade to a newer version for better results.</source>
        <translation>يرجى الترقية إلى إصدار أحدث للحصول على نتائج أفضل.</translation>
    </message>
    <message>
        <source>The video service cannot be reached. Please check the network connection and try again.</source>
        <translation>تعذّر الوصول إلى خدمة الفيديو. يرجى التحقق من اتصال الشبكة والمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>No video was found on this page. It may be private, removed or not a video page.</source>
        <translation>لم يُعثر على أي فيديو في هذه الصفحة. ربما يكون خاصًا أو محذوفًا أو أن الصفحة ليست صفحة فيديو.</translation>
    </message>
    <message>
        <source>The plugin for this video service failed. Please try again later or update the program.</source>
        <translation>فشلت الإضافة الخاصة بخدمة الفيديو هذه. يرجى المحاولة لاحقًا أو تحديث البرنامج.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>File not found on the server</source>
        <translation>الملف غير موجود على الخادم</translation>
    </message>
    <message>
        <source>The server asks for a user name and password</source>
        <translation>يطلب الخادم اسم مستخدم وكلمة مرور</translation>
    </message>
    <message>
        <source>The server refuses access to the file</source>
        <translation>يرفض الخادم الوصول إلى الملف</translation>
    </message>
    <message>
        <source>The proxy server asks for a user name and password</source>
        <translation>يطلب الخادم الوسيط اسم مستخدم وكلمة مرور</translation>
    </message>
    <message>
        <source>The server refused the requested part of the file</source>
        <translation>رفض الخادم الجزء المطلوب من الملف</translation>
    </message>
    <message>
        <source>The server is busy, try again later</source>
        <translation>الخادم مشغول، حاول مرة أخرى لاحقًا</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>خطأ في الخادم</translation>
    </message>
    <message>
        <source>The server does not send parts of this file</source>
        <translation>لا يرسل الخادم أجزاءً من هذا الملف</translation>
    </message>
    <message>
        <source>Unexpected answer from the server</source>
        <translation>ردّ غير متوقع من الخادم</translation>
    </message>
    <message>
        <source>The server refused the login</source>
        <translation>رفض الخادم تسجيل الدخول</translation>
    </message>
    <message>
        <source>The server stopped the transfer</source>
        <translation>أوقف الخادم النقل</translation>
    </message>
    <message>
        <source>The server refused the request</source>
        <translation>رفض الخادم الطلب</translation>
    </message>
    <message>
        <source>Server certificate is not trusted</source>
        <translation>شهادة الخادم غير موثوقة</translation>
    </message>
    <message>
        <source>The secure connection to the server failed</source>
        <translation>فشل الاتصال الآمن بالخادم</translation>
    </message>
    <message>
        <source>Server name not found</source>
        <translation>لم يُعثر على اسم الخادم</translation>
    </message>
    <message>
        <source>Proxy server name not found</source>
        <translation>لم يُعثر على اسم الخادم الوسيط</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>رفض الخادم الاتصال</translation>
    </message>
    <message>
        <source>The server did not answer in time</source>
        <translation>لم يستجب الخادم في الوقت المحدد</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>أغلق الخادم الاتصال دون رد</translation>
    </message>
    <message>
        <source>The connection to the server was lost</source>
        <translation>انقطع الاتصال بالخادم</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>تعذّرت كتابة الملف</translation>
    </message>
    <message>
        <source>The proxy server refused the connection</source>
        <translation>رفض الخادم الوسيط الاتصال</translation>
    </message>
    <message>
        <source>The proxy server setting cannot be used</source>
        <translation>لا يمكن استخدام إعداد الخادم الوسيط</translation>
    </message>
    <message>
        <source>The request holds a line break in a header value</source>
        <translation>يحتوي الطلب على فاصل أسطر في قيمة ترويسة</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>فشل الاتصال: </translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>فشل الاتصال</translation>
    </message>
    <message>
        <source>No permission to write the file</source>
        <translation>لا يوجد إذن بكتابة الملف</translation>
    </message>
    <message>
        <source>The file could not be written: </source>
        <translation>تعذّرت كتابة الملف: </translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>عدد كبير جدًا من عمليات إعادة التوجيه</translation>
    </message>
    <message>
        <source>The server stopped sending data</source>
        <translation>توقف الخادم عن إرسال البيانات</translation>
    </message>
    <message>
        <source>The file keeps changing on the server</source>
        <translation>يتغير الملف على الخادم باستمرار</translation>
    </message>
</context>
<context>
    <name>LocationCommandLine</name>
    <message>
        <source>Shows where a download server is on a map.</source>
        <translation>يعرض على خريطة مكان خادم التنزيل.</translation>
    </message>
    <message>
        <source>The server&apos;s address and domain; a running viewer takes them.</source>
        <translation>عنوان الخادم ونطاقه؛ يستلمهما العارض قيد التشغيل.</translation>
    </message>
</context>
<context>
    <name>LocationViewer::ApWebFrameTalker</name>
    <message>
        <source>Unable to connect to server</source>
        <translation>تعذّر الاتصال بالخادم</translation>
    </message>
</context>
<context>
    <name>LocationViewer::Dialog</name>
    <message>
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>جارٍ التحميل...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>بدء</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>جارٍ التنزيل</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>مكتمل</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Task Name</source>
        <translation>اسم المهمة</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Completion Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>التنزيل</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>الرفع</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>المصادر</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>الطابور</translation>
    </message>
    <message>
        <source>Time Left</source>
        <translation>الوقت المتبقي</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>الوقت المنقضي</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>وقت الإنشاء</translation>
    </message>
    <message>
        <source>Select a task to see its details.</source>
        <translation>اختر مهمة لعرض تفاصيلها.</translation>
    </message>
    <message>
        <source>&amp;Tasks</source>
        <translation>&amp;المهام</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>شريط الأدوات الرئيسي</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>المهام</translation>
    </message>
    <message>
        <source>All Tasks</source>
        <translation>جميع المهام</translation>
    </message>
    <message>
        <source>Start task</source>
        <translation>بدء المهمة</translation>
    </message>
    <message>
        <source>Stop task</source>
        <translation>إيقاف المهمة</translation>
    </message>
    <message>
        <source>Delete Task Only</source>
        <translation>حذف المهمة فقط</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete task</source>
        <translation>حذف المهمة</translation>
    </message>
    <message>
        <source>Delete Task and Files</source>
        <translation>حذف المهمة والملفات</translation>
    </message>
    <message>
        <source>Start All Tasks</source>
        <translation>بدء جميع المهام</translation>
    </message>
    <message>
        <source>Pause All Tasks</source>
        <translation>إيقاف جميع المهام مؤقتًا</translation>
    </message>
    <message>
        <source>Stop All Tasks</source>
        <translation>إيقاف جميع المهام</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>فتح الملف</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>فتح المجلد الحاوي</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>HTTP/FTP Download</source>
        <translation>تنزيل HTTP/FTP</translation>
    </message>
    <message>
        <source>Web Video Download</source>
        <translation>تنزيل فيديو من الويب</translation>
    </message>
    <message>
        <source>Search Page</source>
        <translation>صفحة البحث</translation>
    </message>
    <message>
        <source>Convert Audio/Video</source>
        <translation>تحويل الصوت/الفيديو</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>سرعة التنزيل</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>سرعة الرفع</translation>
    </message>
    <message>
        <source>A task with the same path already exists. This task cannot be added.</source>
        <translation>توجد مهمة بالمسار نفسه بالفعل. لا يمكن إضافة هذه المهمة.</translation>
    </message>
    <message>
        <source>It is an incorrect URL. Please try another one.</source>
        <translation>عنوان URL غير صحيح. يرجى تجربة عنوان آخر.</translation>
    </message>
    <message>
        <source>Delete both task and files? Press OK to confirm.</source>
        <translation>حذف المهمة والملفات معًا؟ اضغط «موافق» للتأكيد.</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>ال&amp;لغات</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>Search Bar</source>
        <translation>شريط البحث</translation>
    </message>
    <message>
        <source>Speed Display Panel</source>
        <translation>لوحة عرض السرعة</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Show the tool box</source>
        <translation>إظهار صندوق الأدوات</translation>
    </message>
    <message>
        <source>Search Web Videos</source>
        <translation>البحث عن مقاطع فيديو الويب</translation>
    </message>
    <message>
        <source>More Searches...</source>
        <translation>مزيد من البحث...</translation>
    </message>
    <message>
        <source>Schedule Task</source>
        <translation>جدولة مهمة</translation>
    </message>
    <message>
        <source>Download Folder</source>
        <translation>مجلد التنزيلات</translation>
    </message>
    <message>
        <source>My Recent Documents</source>
        <translation>المستندات الأخيرة</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>مستنداتي</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>سطح المكتب</translation>
    </message>
    <message>
        <source>User Home Folder</source>
        <translation>المجلد الشخصي</translation>
    </message>
    <message>
        <source>Show Floating Window</source>
        <translation>إظهار النافذة العائمة</translation>
    </message>
    <message>
        <source>Run at System Startup</source>
        <translation>التشغيل عند بدء تشغيل النظام</translation>
    </message>
    <message>
        <source>Monitor Clipboard</source>
        <translation>مراقبة الحافظة</translation>
    </message>
    <message>
        <source>Prompt on Task Completion</source>
        <translation>التنبيه عند اكتمال المهمة</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>التحقق من التحديثات</translation>
    </message>
    <message>
        <source>Capture Audio/Video</source>
        <translation>التقاط الصوت/الفيديو</translation>
    </message>
    <message>
        <source>Play MP4/FLV Video</source>
        <translation>تشغيل فيديو MP4/FLV</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الصفحة الرئيسية</translation>
    </message>
    <message>
        <source>FAQs</source>
        <translation>الأسئلة الشائعة</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>أخبر صديقًا</translation>
    </message>
    <message>
        <source>Link to Us</source>
        <translation>ضع رابطًا لنا</translation>
    </message>
    <message>
        <source>Report Bugs</source>
        <translation>الإبلاغ عن العلل</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>اتصل بنا</translation>
    </message>
    <message>
        <source>About Zantor</source>
        <translation>حول Zantor</translation>
    </message>
    <message>
        <source>Show Tarvo</source>
        <translation>إظهار Tarvo</translation>
    </message>
    <message>
        <source>Show/Hide Tarvo</source>
        <translation>إظهار/إخفاء Tarvo</translation>
    </message>
    <message>
        <source>Web Image Download</source>
        <translation>تنزيل صور من الويب</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Download Rate</source>
        <translation>سرعة التنزيل</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>مهمة جديدة</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>حذف المهمة</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>المجلدات</translation>
    </message>
    <message>
        <source>Hide Zantor</source>
        <translation>إخفاء Zantor</translation>
    </message>
    <message>
        <source>Show Zantor</source>
        <translation>إظهار Zantor</translation>
    </message>
    <message>
        <source>Update Notification</source>
        <translation>إشعار التحديث</translation>
    </message>
    <message>
        <source>Media Converter NOT found on your machine. Do you want to download and install it?</source>
        <translation>لم يُعثر على محوّل الوسائط على جهازك. هل تريد تنزيله وتثبيته؟</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zantor %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Zantor %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>A download manager for files and web videos, with many connections per file, mirrors and automatic retries.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>مدير تنزيلات للملفات ومقاطع فيديو الويب، مع اتصالات متعددة لكل ملف ومرايا وإعادة محاولة تلقائية.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download completed</source>
        <translation>اكتمل التنزيل</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <source>Start this waiting task earlier</source>
        <translation>بدء هذه المهمة المنتظرة في وقت أبكر</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>نقل لأسفل</translation>
    </message>
    <message>
        <source>Start this waiting task later</source>
        <translation>بدء هذه المهمة المنتظرة في وقت لاحق</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1. Changes are kept and saved as soon as the file can be written.</source>
        <translation>تعذّر حفظ الإعدادات في %1. يُحتفظ بالتغييرات وستُحفظ حالما تصبح الكتابة في الملف ممكنة.</translation>
    </message>
</context>
<context>
    <name>Player::MainWindow</name>
    <message>
        <source>MP4/FLV Media Player - Tarvo</source>
        <translation>مشغّل وسائط MP4/FLV - Tarvo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>قائمة التشغيل</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>فتح ملف</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>دائمًا في المقدمة</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>المساعدة عبر الإنترنت</translation>
    </message>
    <message>
        <source>Show/Hide Play List</source>
        <translation>إظهار/إخفاء قائمة التشغيل</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>إعادة تحميل</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الصفحة الرئيسية</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Remove Non-existent Entries</source>
        <translation>إزالة العناصر غير الموجودة</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>فتح المجلد الحاوي</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>فتح عنوان URL</translation>
    </message>
    <message>
        <source>The GStreamer plugins that play H.264 video were NOT found. Press OK to read how to install them.</source>
        <translation>لم يُعثر على إضافات GStreamer التي تشغّل فيديو H.264. اضغط «موافق» لقراءة طريقة تثبيتها.</translation>
    </message>
    <message>
        <source>Select media files</source>
        <translation>اختر ملفات وسائط</translation>
    </message>
    <message>
        <source>MP4/FLV Media Player</source>
        <translation>مشغّل وسائط MP4/FLV</translation>
    </message>
</context>
<context>
    <name>PlayerCommandLine</name>
    <message>
        <source>Media player for MP4 and FLV files, with a play list.</source>
        <translation>مشغل وسائط لملفات MP4 وFLV، مع قائمة تشغيل.</translation>
    </message>
    <message>
        <source>[file [hide-flag advertisement-base]]</source>
        <translation>[ملف [إخفاء عنوان-الإعلانات]]</translation>
    </message>
    <message>
        <source>A file to play, added to the play list; a running player takes it. Also: /file FILE HIDE-FLAG ADVERTISEMENT-BASE.</source>
        <translation>ملف للتشغيل يضاف إلى قائمة التشغيل؛ يستلمه المشغل قيد التشغيل. أيضًا: /file ملف إخفاء عنوان-الإعلانات.</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>جرّب &apos;%1 --help&apos; لمزيد من المعلومات.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>ScriptWatchdog</name>
    <message numerus="yes">
        <source>the plugin call took more than %n seconds</source>
        <translation>
            <numerusform>استغرق استدعاء الإضافة أكثر من %n ثانية</numerusform>
            <numerusform>استغرق استدعاء الإضافة أكثر من %n ثانية</numerusform>
            <numerusform>استغرق استدعاء الإضافة أكثر من %n ثانيتين</numerusform>
            <numerusform>استغرق استدعاء الإضافة أكثر من %n ثوانٍ</numerusform>
            <numerusform>استغرق استدعاء الإضافة أكثر من %n ثانية</numerusform>
            <numerusform>استغرق استدعاء الإضافة أكثر من %n ثانية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the script ran for more than %n seconds</source>
        <translation>
            <numerusform>استمر تشغيل البرنامج النصي أكثر من %n ثانية</numerusform>
            <numerusform>استمر تشغيل البرنامج النصي أكثر من %n ثانية</numerusform>
            <numerusform>استمر تشغيل البرنامج النصي أكثر من %n ثانيتين</numerusform>
            <numerusform>استمر تشغيل البرنامج النصي أكثر من %n ثوانٍ</numerusform>
            <numerusform>استمر تشغيل البرنامج النصي أكثر من %n ثانية</numerusform>
            <numerusform>استمر تشغيل البرنامج النصي أكثر من %n ثانية</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartupCommandLine</name>
    <message>
        <source>Download manager for files and web videos.</source>
        <translation>مدير تنزيلات للملفات ومقاطع الفيديو على الويب.</translation>
    </message>
    <message>
        <source>Add the links and start them without asking.</source>
        <translation>إضافة الروابط وبدؤها دون سؤال.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>Start in the tray, without the main window (also &quot;/bg&quot;).</source>
        <translation>البدء في صينية النظام دون النافذة الرئيسية (أيضًا &quot;/bg&quot;).</translation>
    </message>
    <message>
        <source>Links to download (http, https, ftp). A running instance takes them; each opens the new task dialog in turn.</source>
        <translation>روابط للتنزيل (http وhttps وftp). تستلمها النسخة قيد التشغيل؛ يفتح كل رابط بدوره مربع حوار المهمة الجديدة.</translation>
    </message>
    <message>
        <source>[link...]</source>
        <translation>[رابط...]</translation>
    </message>
    <message>
        <source>The save folder is empty.</source>
        <translation>مجلد الحفظ فارغ.</translation>
    </message>
    <message>
        <source>--add and --save-dir need at least one link.</source>
        <translation>يحتاج --add و--save-dir إلى رابط واحد على الأقل.</translation>
    </message>
    <message>
        <source>not a link, ignored: %1</source>
        <translation>ليس رابطًا، تم تجاهله: %1</translation>
    </message>
    <message>
        <source>Save the files of these links in the given folder.</source>
        <translation>حفظ ملفات هذه الروابط في المجلد المحدد.</translation>
    </message>
</context>
</TS>
