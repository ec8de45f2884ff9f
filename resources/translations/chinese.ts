<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ApCompletionPopup</name>
    <message>
        <source>This is an executable file.
Please scan it before opening.</source>
        <translation>这是一个可执行文件。
请在打开前进行病毒扫描。</translation>
    </message>
</context>
<context>
    <name>ApCompletionPopupClass</name>
    <message>
        <source>Download Completed</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ApConfigDialog</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Virus Scan</source>
        <translation>病毒扫描</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>常规设置</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <source>Start automatically on system startup</source>
        <translation>系统启动时自动运行</translation>
    </message>
    <message>
        <source>Minimize to system tray icon by clicking close button</source>
        <translation>点击关闭按钮时最小化到系统托盘</translation>
    </message>
    <message>
        <source>Prompt on completion of a task</source>
        <translation>任务完成时提示</translation>
    </message>
    <message>
        <source>Check update automatically each time on startup</source>
        <translation>每次启动时自动检查更新</translation>
    </message>
    <message>
        <source>Speed panel bandwidth display limit:</source>
        <translation>速度面板带宽显示上限：</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Show floating window</source>
        <translation>显示悬浮窗</translation>
    </message>
    <message>
        <source>Download Settings</source>
        <translation>下载设置</translation>
    </message>
    <message>
        <source>Downloaded to:</source>
        <translation>下载到：</translation>
    </message>
    <message>
        <source>Enable monitoring clipboard URL file types</source>
        <translation>监视剪贴板中指定文件类型的 URL</translation>
    </message>
    <message>
        <source>File types to monitor:</source>
        <translation>监视的文件类型：</translation>
    </message>
    <message>
        <source>Maximum number of splits for HTTP/FTP task</source>
        <translation>HTTP/FTP 任务的最大分段数</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Maximum failure retry times:</source>
        <translation>失败最大重试次数：</translation>
    </message>
    <message>
        <source>Download speed limit (0 = unlimited):</source>
        <translation>下载限速（0 = 不限速）：</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>代理设置</translation>
    </message>
    <message>
        <source>List of open proxy servers</source>
        <translation>公开代理服务器列表</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>主机：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
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
        <translation>刷新</translation>
    </message>
    <message>
        <source>Proxy - Searching Resources</source>
        <translation>代理 - 搜索资源</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>不使用代理</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>从代理服务器列表加载设置</translation>
    </message>
    <message>
        <source>Proxy - HTTP/FTP Downloads</source>
        <translation>代理 - HTTP/FTP 下载</translation>
    </message>
    <message>
        <source>Content Lock Settings</source>
        <translation>内容锁定设置</translation>
    </message>
    <message>
        <source>Content locking allows you to filter specified search keywords and lock some content under parental control.</source>
        <translation>内容锁定可过滤指定的搜索关键词，并通过家长控制锁定部分内容。</translation>
    </message>
    <message>
        <source>Please enter your password twice to lock</source>
        <translation>请输入两次密码以锁定</translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation>关键词：</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Please enter password to unlock</source>
        <translation>请输入密码以解锁</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
    <message>
        <source>Content NOT locked. Last modification time:</source>
        <translation>内容未锁定。上次修改时间：</translation>
    </message>
    <message>
        <source>Virus Scan Settings</source>
        <translation>病毒扫描设置</translation>
    </message>
    <message>
        <source>Scan downloaded files by the following Anti-Virus program</source>
        <translation>使用以下杀毒程序扫描下载的文件</translation>
    </message>
    <message>
        <source>Program path:</source>
        <translation>程序路径：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Program arguments:</source>
        <translation>程序参数：</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Are you sure to reset all settings? Press OK to confirm.</source>
        <translation>确定要重置所有设置吗？按“确定”确认。</translation>
    </message>
    <message>
        <source>Content is locked. Last modification time:</source>
        <translation>内容已锁定。上次修改时间：</translation>
    </message>
    <message>
        <source>Please enter your password twice.</source>
        <translation>请输入两次密码。</translation>
    </message>
    <message>
        <source>The two passwords do not match.</source>
        <translation>两次输入的密码不一致。</translation>
    </message>
    <message>
        <source>Please enter a password containing minimum 6 characters or numbers.</source>
        <translation>请输入至少包含 6 个字母或数字的密码。</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>密码不一致。</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>选择保存路径</translation>
    </message>
    <message>
        <source>Choose Anti-virus scanning program</source>
        <translation>选择杀毒程序</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Take over downloads from web browsers</source>
        <translation>接管网页浏览器的下载</translation>
    </message>
    <message>
        <source>Add downloads from the browser without asking</source>
        <translation>不经询问即添加来自浏览器的下载</translation>
    </message>
    <message>
        <source>Enter the password to reset the locked content settings.</source>
        <translation>请输入密码以重置已锁定的内容设置。</translation>
    </message>
    <message>
        <source>Maximum active downloads (0 = no limit):</source>
        <translation>最大同时下载数（0 = 不限）：</translation>
    </message>
</context>
<context>
    <name>ApExLineEdit</name>
    <message>
        <source>Search...</source>
        <translation>搜索…</translation>
    </message>
</context>
<context>
    <name>ApInfoDialogClass</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ApNewTaskDialog</name>
    <message>
        <source>New Task</source>
        <translation>新建任务</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL：</translation>
    </message>
    <message>
        <source>Referer:</source>
        <translation>引用页：</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>保存路径：</translation>
    </message>
    <message>
        <source>Rename:</source>
        <translation>重命名：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>描述：</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>身份验证</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Mirror URLs</source>
        <translation>镜像 URL</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>代理设置</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>不使用代理</translation>
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
        <translation>主机：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>List of open proxy servers over Internet (without authentication)</source>
        <translation>互联网上的公开代理服务器列表（无需身份验证）</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>从代理服务器列表加载设置</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>开始下载</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>New HTTP/FTP Task</source>
        <translation>新建 HTTP/FTP 任务</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>HTTP/FTP Task Properties</source>
        <translation>HTTP/FTP 任务属性</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>选择保存路径</translation>
    </message>
    <message>
        <source>This is an incorrect URL. Please check the validity of input URL.</source>
        <translation>URL 不正确。请检查输入的 URL 是否有效。</translation>
    </message>
    <message>
        <source>The path you choose does not exist. Please choose another one.</source>
        <translation>所选路径不存在。请选择其他路径。</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Please choose another save path or file name.</source>
        <translation>已存在同名文件。请选择其他保存路径或文件名。</translation>
    </message>
    <message>
        <source>One or more mirror URLs are not valid.</source>
        <translation>一个或多个镜像 URL 无效。</translation>
    </message>
    <message>
        <source>Speed Limit:</source>
        <translation>限速：</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>不限速</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>校验和：</translation>
    </message>
    <message>
        <source>SHA-256, SHA-1 or MD5 of the file (optional)</source>
        <translation>文件的 SHA-256、SHA-1 或 MD5（可选）</translation>
    </message>
    <message>
        <source>The checksum must be the SHA-256, SHA-1 or MD5 digest of the file, in hexadecimal digits.</source>
        <translation>校验和必须是文件的 SHA-256、SHA-1 或 MD5 摘要，以十六进制数字表示。</translation>
    </message>
</context>
<context>
    <name>ApOpenLinkGui</name>
    <message>
        <source>Open Link</source>
        <translation>打开链接</translation>
    </message>
    <message>
        <source>Enter the link to download:</source>
        <translation>输入要下载的链接：</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>保存路径：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>无效的 URL</translation>
    </message>
    <message>
        <source>Failed to download Torrent. %1</source>
        <translation>下载种子文件失败。%1</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>选择保存路径</translation>
    </message>
</context>
<context>
    <name>ApPluginUpdater</name>
    <message>
        <source>An update package is available to download, do you want to continue?</source>
        <translation>有可下载的更新包，是否继续？</translation>
    </message>
</context>
<context>
    <name>ApPolicingThread</name>
    <message>
        <source>No update</source>
        <translation>没有更新</translation>
    </message>
    <message>
        <source>Update available.</source>
        <translation>有可用更新。</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>更新已取消</translation>
    </message>
    <message>
        <source>Update failed - cannot connect to server.</source>
        <translation>更新失败 - 无法连接到服务器。</translation>
    </message>
    <message>
        <source>No running task</source>
        <translation>没有正在运行的任务</translation>
    </message>
    <message>
        <source>Download rate: </source>
        <translation>下载速度： </translation>
    </message>
    <message>
        <source>Unfinished download tasks: </source>
        <translation>未完成的下载任务： </translation>
    </message>
    <message>
        <source>Remaining time: </source>
        <translation>剩余时间： </translation>
    </message>
    <message>
        <source>Total downloads - </source>
        <translation>总下载进度 - </translation>
    </message>
    <message>
        <source>Retrying in %1 s</source>
        <translation>%1 秒后重试</translation>
    </message>
</context>
<context>
    <name>ApQuickUrlDownloader</name>
    <message>
        <source>Request failed</source>
        <translation>请求失败</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>打开文件失败</translation>
    </message>
    <message>
        <source>Failed to write file</source>
        <translation>写入文件失败</translation>
    </message>
</context>
<context>
    <name>ApScheduleController</name>
    <message>
        <source>Schedule Task</source>
        <translation>计划任务</translation>
    </message>
    <message>
        <source>Cancel Scheduled Task</source>
        <translation>取消计划任务</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>下载完成后关机</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>注销</translation>
    </message>
    <message>
        <source>Start all tasks</source>
        <translation>开始所有任务</translation>
    </message>
    <message>
        <source>Pause all tasks</source>
        <translation>暂停所有任务</translation>
    </message>
    <message>
        <source>Stop all tasks</source>
        <translation>停止所有任务</translation>
    </message>
    <message>
        <source>Task Scheduled</source>
        <translation>任务已计划</translation>
    </message>
</context>
<context>
    <name>ApScheduleTaskDialog</name>
    <message>
        <source>Schedule Task</source>
        <translation>计划任务</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>下载完成后关机</translation>
    </message>
    <message>
        <source>Schedule a timed task</source>
        <translation>设置定时任务</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>注销</translation>
    </message>
    <message>
        <source>Start all downloads</source>
        <translation>开始所有下载</translation>
    </message>
    <message>
        <source>Pause all downloads</source>
        <translation>暂停所有下载</translation>
    </message>
    <message>
        <source>Stop all downloads</source>
        <translation>停止所有下载</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Task will be started after the time expires.
Current Time: </source>
        <translation>到达设定时间后将执行任务。
当前时间： </translation>
    </message>
</context>
<context>
    <name>ApSearchPage</name>
    <message>
        <source>Loading...</source>
        <translation>正在加载…</translation>
    </message>
</context>
<context>
    <name>ApTaskInfoPanel</name>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>预览：</translation>
    </message>
    <message>
        <source>File SHA-1 Hash:</source>
        <translation>文件 SHA-1 哈希值：</translation>
    </message>
    <message>
        <source>URL Host Location:</source>
        <translation>URL 主机位置：</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>已下载：</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>保存路径：</translation>
    </message>
    <message>
        <source>Failure Reason:</source>
        <translation>失败原因：</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Source URLs</source>
        <translation>来源 URL</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在加载…</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
</context>
<context>
    <name>ApTaskStore</name>
    <message>
        <source>Loading</source>
        <translation>正在加载</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>排队中</translation>
    </message>
</context>
<context>
    <name>ApToolBox</name>
    <message>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
</context>
<context>
    <name>ApToolbarSearch</name>
    <message>
        <source>No Search Records</source>
        <translation>无搜索记录</translation>
    </message>
    <message>
        <source>Clear Search History</source>
        <translation>清除搜索历史</translation>
    </message>
</context>
<context>
    <name>ApTvoDownloadTaskThread</name>
    <message>
        <source>Checksum mismatch</source>
        <translation>校验和不匹配</translation>
    </message>
</context>
<context>
    <name>ApUpdateHttp</name>
    <message>
        <source>Request failed: %1</source>
        <translation>请求失败：%1</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>下载失败：%1。</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>服务器无响应</translation>
    </message>
    <message>
        <source>the manifest is too large</source>
        <translation>清单文件过大</translation>
    </message>
</context>
<context>
    <name>ApWebFrameTalker</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>P2P Files</source>
        <translation>P2P 文件</translation>
    </message>
    <message>
        <source>Web Videos</source>
        <translation>网络视频</translation>
    </message>
    <message>
        <source>Featured Downloads</source>
        <translation>精选下载</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>More Torrent Searches</source>
        <translation>更多种子搜索</translation>
    </message>
    <message>
        <source>Submit Torrent</source>
        <translation>提交种子</translation>
    </message>
    <message>
        <source>More Video Searches</source>
        <translation>更多视频搜索</translation>
    </message>
    <message>
        <source>Publish Web Video</source>
        <translation>发布网络视频</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>分类</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>Heading of the most popular results of a search</extracomment>
        <translation>热门</translation>
    </message>
    <message>
        <source>Please confirm you are over 18 years old</source>
        <translation>请确认您已年满 18 周岁</translation>
    </message>
    <message>
        <source>Search locked</source>
        <translation>搜索已锁定</translation>
    </message>
    <message>
        <source>View more</source>
        <translation>查看更多</translation>
    </message>
    <message>
        <source>Require login. Click &apos;View more&apos; for details.</source>
        <translation>需要登录。点击“查看更多”了解详情。</translation>
    </message>
    <message>
        <source>No suitable results? Click here for more searches.</source>
        <translation>没有合适的结果？点击此处进行更多搜索。</translation>
    </message>
    <message>
        <source>Failed to connect to server. Please try it again later.</source>
        <translation>连接服务器失败。请稍后重试。</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>软件</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>图书</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>电视</translation>
    </message>
    <message>
        <source>Anime</source>
        <translation>动漫</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Unable to connect to server</source>
        <translation>无法连接到服务器</translation>
    </message>
    <message>
        <source>Enter a valid web video URL</source>
        <translation>请输入有效的网络视频 URL</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>播放视频</translation>
    </message>
    <message>
        <source>Download Video</source>
        <translation>下载视频</translation>
    </message>
    <message>
        <source>The selected content has been locked for parental control.</source>
        <translation>所选内容已被家长控制锁定。</translation>
    </message>
    <message>
        <source>Your input keywords are filtered by parental control.</source>
        <translation>您输入的关键词已被家长控制过滤。</translation>
    </message>
    <message>
        <source>Please upgrade to a newer version for better results.</source>
        <translation>请升级到新版本以获得更好的结果。</translation>
    </message>
    <message>
        <source>The video service cannot be reached. Please check the network connection and try again.</source>
        <translation>无法连接到视频服务。请检查网络连接后重试。</translation>
    </message>
    <message>
        <source>No video was found on this page. It may be private, removed or not a video page.</source>
        <translation>此页面上未找到视频。视频可能是私密的、已被删除，或者这不是视频页面。</translation>
    </message>
    <message>
        <source>The plugin for this video service failed. Please try again later or update the program.</source>
        <translation>此视频服务的插件出错。请稍后重试或更新程序。</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>File not found on the server</source>
        <translation>服务器上找不到该文件</translation>
    </message>
    <message>
        <source>The server asks for a user name and password</source>
        <translation>服务器要求提供用户名和密码</translation>
    </message>
    <message>
        <source>The server refuses access to the file</source>
        <translation>服务器拒绝访问该文件</translation>
    </message>
    <message>
        <source>The proxy server asks for a user name and password</source>
        <translation>代理服务器要求提供用户名和密码</translation>
    </message>
    <message>
        <source>The server refused the requested part of the file</source>
        <translation>服务器拒绝了所请求的文件片段</translation>
    </message>
    <message>
        <source>The server is busy, try again later</source>
        <translation>服务器繁忙，请稍后重试</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>服务器错误</translation>
    </message>
    <message>
        <source>The server does not send parts of this file</source>
        <translation>服务器不支持分段发送此文件</translation>
    </message>
    <message>
        <source>Unexpected answer from the server</source>
        <translation>服务器返回了意外的响应</translation>
    </message>
    <message>
        <source>The server refused the login</source>
        <translation>服务器拒绝登录</translation>
    </message>
    <message>
        <source>The server stopped the transfer</source>
        <translation>服务器中止了传输</translation>
    </message>
    <message>
        <source>The server refused the request</source>
        <translation>服务器拒绝了请求</translation>
    </message>
    <message>
        <source>Server certificate is not trusted</source>
        <translation>服务器证书不受信任</translation>
    </message>
    <message>
        <source>The secure connection to the server failed</source>
        <translation>与服务器的安全连接失败</translation>
    </message>
    <message>
        <source>Server name not found</source>
        <translation>找不到服务器名称</translation>
    </message>
    <message>
        <source>Proxy server name not found</source>
        <translation>找不到代理服务器名称</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>服务器拒绝了连接</translation>
    </message>
    <message>
        <source>The server did not answer in time</source>
        <translation>服务器响应超时</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>服务器未作响应就关闭了连接</translation>
    </message>
    <message>
        <source>The connection to the server was lost</source>
        <translation>与服务器的连接已断开</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>无法写入文件</translation>
    </message>
    <message>
        <source>The proxy server refused the connection</source>
        <translation>代理服务器拒绝了连接</translation>
    </message>
    <message>
        <source>The proxy server setting cannot be used</source>
        <translation>无法使用该代理服务器设置</translation>
    </message>
    <message>
        <source>The request holds a line break in a header value</source>
        <translation>请求的标头值中包含换行符</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>连接失败： </translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>连接失败</translation>
    </message>
    <message>
        <source>No permission to write the file</source>
        <translation>没有写入该文件的权限</translation>
    </message>
    <message>
        <source>The file could not be written: </source>
        <translation>无法写入文件： </translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>重定向次数过多</translation>
    </message>
    <message>
        <source>The server stopped sending data</source>
        <translation>服务器停止发送数据</translation>
    </message>
    <message>
        <source>The file keeps changing on the server</source>
        <translation>服务器上的文件不断变化</translation>
    </message>
</context>
<context>
    <name>LocationCommandLine</name>
    <message>
        <source>Shows where a download server is on a map.</source>
        <translation>在地图上显示下载服务器的位置。</translation>
    </message>
    <message>
        <source>The server&apos;s address and domain; a running viewer takes them.</source>
        <translation>服务器的地址和域名；正在运行的查看器会接收它们。</translation>
    </message>
</context>
<context>
    <name>LocationViewer::ApWebFrameTalker</name>
    <message>
        <source>Unable to connect to server</source>
        <translation>无法连接到服务器</translation>
    </message>
</context>
<context>
    <name>LocationViewer::Dialog</name>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在加载…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Task Name</source>
        <translation>任务名称</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Completion Progress</source>
        <translation>完成进度</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>队列</translation>
    </message>
    <message>
        <source>Time Left</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>已用时间</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>创建时间</translation>
    </message>
    <message>
        <source>Select a task to see its details.</source>
        <translation>选择一个任务以查看其详细信息。</translation>
    </message>
    <message>
        <source>&amp;Tasks</source>
        <translation>任务(&amp;T)</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>主工具栏</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>All Tasks</source>
        <translation>所有任务</translation>
    </message>
    <message>
        <source>Start task</source>
        <translation>开始任务</translation>
    </message>
    <message>
        <source>Stop task</source>
        <translation>停止任务</translation>
    </message>
    <message>
        <source>Delete Task Only</source>
        <translation>仅删除任务</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete task</source>
        <translation>删除任务</translation>
    </message>
    <message>
        <source>Delete Task and Files</source>
        <translation>删除任务和文件</translation>
    </message>
    <message>
        <source>Start All Tasks</source>
        <translation>开始所有任务</translation>
    </message>
    <message>
        <source>Pause All Tasks</source>
        <translation>暂停所有任务</translation>
    </message>
    <message>
        <source>Stop All Tasks</source>
        <translation>停止所有任务</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>打开所在文件夹</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>HTTP/FTP Download</source>
        <translation>HTTP/FTP 下载</translation>
    </message>
    <message>
        <source>Web Video Download</source>
        <translation>网络视频下载</translation>
    </message>
    <message>
        <source>Search Page</source>
        <translation>搜索页面</translation>
    </message>
    <message>
        <source>Convert Audio/Video</source>
        <translation>转换音频/视频</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>下载速度</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>上传速度</translation>
    </message>
    <message>
        <source>A task with the same path already exists. This task cannot be added.</source>
        <translation>已存在相同路径的任务。无法添加此任务。</translation>
    </message>
    <message>
        <source>It is an incorrect URL. Please try another one.</source>
        <translation>URL 不正确。请尝试其他 URL。</translation>
    </message>
    <message>
        <source>Delete both task and files? Press OK to confirm.</source>
        <translation>同时删除任务和文件？按“确定”确认。</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Search Bar</source>
        <translation>搜索栏</translation>
    </message>
    <message>
        <source>Speed Display Panel</source>
        <translation>速度显示面板</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Show the tool box</source>
        <translation>显示工具箱</translation>
    </message>
    <message>
        <source>Search Web Videos</source>
        <translation>搜索网络视频</translation>
    </message>
    <message>
        <source>More Searches...</source>
        <translation>更多搜索…</translation>
    </message>
    <message>
        <source>Schedule Task</source>
        <translation>计划任务</translation>
    </message>
    <message>
        <source>Download Folder</source>
        <translation>下载文件夹</translation>
    </message>
    <message>
        <source>My Recent Documents</source>
        <translation>最近的文档</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>我的文档</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>User Home Folder</source>
        <translation>用户主文件夹</translation>
    </message>
    <message>
        <source>Show Floating Window</source>
        <translation>显示悬浮窗</translation>
    </message>
    <message>
        <source>Run at System Startup</source>
        <translation>开机时运行</translation>
    </message>
    <message>
        <source>Monitor Clipboard</source>
        <translation>监视剪贴板</translation>
    </message>
    <message>
        <source>Prompt on Task Completion</source>
        <translation>任务完成时提示</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Capture Audio/Video</source>
        <translation>捕获音频/视频</translation>
    </message>
    <message>
        <source>Play MP4/FLV Video</source>
        <translation>播放 MP4/FLV 视频</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>FAQs</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Link to Us</source>
        <translation>链接到我们</translation>
    </message>
    <message>
        <source>Report Bugs</source>
        <translation>报告错误</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>About Zantor</source>
        <translation>关于 Zantor</translation>
    </message>
    <message>
        <source>Show Tarvo</source>
        <translation>显示 Tarvo</translation>
    </message>
    <message>
        <source>Show/Hide Tarvo</source>
        <translation>显示/隐藏 Tarvo</translation>
    </message>
    <message>
        <source>Web Image Download</source>
        <translation>网络图片下载</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Download Rate</source>
        <translation>下载速度</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>新建任务</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>删除任务</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Hide Zantor</source>
        <translation>隐藏 Zantor</translation>
    </message>
    <message>
        <source>Show Zantor</source>
        <translation>显示 Zantor</translation>
    </message>
    <message>
        <source>Update Notification</source>
        <translation>更新通知</translation>
    </message>
    <message>
        <source>Media Converter NOT found on your machine. Do you want to download and install it?</source>
        <translation>未在本机找到媒体转换器。是否下载并安装？</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zantor %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Zantor %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>A download manager for files and web videos, with many connections per file, mirrors and automatic retries.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>文件和网络视频下载管理器，支持单个文件多连接、镜像和自动重试。&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download completed</source>
        <translation>下载已完成</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Start this waiting task earlier</source>
        <translation>提前开始这个等待中的任务</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Start this waiting task later</source>
        <translation>推迟开始这个等待中的任务</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1. Changes are kept and saved as soon as the file can be written.</source>
        <translation>无法将设置保存到 %1。更改已保留，文件可写入后将立即保存。</translation>
    </message>
</context>
<context>
    <name>Player::MainWindow</name>
    <message>
        <source>MP4/FLV Media Player - Tarvo</source>
        <translation>MP4/FLV 媒体播放器 - Tarvo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>总在最前</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>在线帮助</translation>
    </message>
    <message>
        <source>Show/Hide Play List</source>
        <translation>显示/隐藏播放列表</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新加载</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Remove Non-existent Entries</source>
        <translation>移除不存在的条目</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>打开所在文件夹</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>打开 URL</translation>
    </message>
    <message>
        <source>The GStreamer plugins that play H.264 video were NOT found. Press OK to read how to install them.</source>
        <translation>未找到播放 H.264 视频所需的 GStreamer 插件。按“确定”查看安装方法。</translation>
    </message>
    <message>
        <source>Select media files</source>
        <translation>选择媒体文件</translation>
    </message>
    <message>
        <source>MP4/FLV Media Player</source>
        <translation>MP4/FLV 媒体播放器</translation>
    </message>
</context>
<context>
    <name>PlayerCommandLine</name>
    <message>
        <source>Media player for MP4 and FLV files, with a play list.</source>
        <translation>MP4 和 FLV 文件的媒体播放器，带播放列表。</translation>
    </message>
    <message>
        <source>[file [hide-flag advertisement-base]]</source>
        <translation>[文件 [隐藏标志 广告地址]]</translation>
    </message>
    <message>
        <source>A file to play, added to the play list; a running player takes it. Also: /file FILE HIDE-FLAG ADVERTISEMENT-BASE.</source>
        <translation>要播放的文件，会加入播放列表；正在运行的播放器会接收它。也可以：/file 文件 隐藏标志 广告地址。</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>运行“%1 --help”了解更多信息。</translation>
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
            <numerusform>插件调用耗时超过 %n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the script ran for more than %n seconds</source>
        <translation>
            <numerusform>脚本运行时间超过 %n 秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartupCommandLine</name>
    <message>
        <source>Download manager for files and web videos.</source>
        <translation>文件和网络视频的下载管理器。</translation>
    </message>
    <message>
        <source>Add the links and start them without asking.</source>
        <translation>添加链接并直接开始，不再询问。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Start in the tray, without the main window (also &quot;/bg&quot;).</source>
        <translation>启动到系统托盘，不显示主窗口（也可用“/bg”）。</translation>
    </message>
    <message>
        <source>Links to download (http, https, ftp). A running instance takes them; each opens the new task dialog in turn.</source>
        <translation>要下载的链接（http、https、ftp）。正在运行的实例会接收它们；每个链接依次打开新建任务对话框。</translation>
    </message>
    <message>
        <source>[link...]</source>
        <translation>[链接...]</translation>
    </message>
    <message>
        <source>The save folder is empty.</source>
        <translation>保存文件夹为空。</translation>
    </message>
    <message>
        <source>--add and --save-dir need at least one link.</source>
        <translation>--add 和 --save-dir 至少需要一个链接。</translation>
    </message>
    <message>
        <source>not a link, ignored: %1</source>
        <translation>不是链接，已忽略：%1</translation>
    </message>
    <message>
        <source>Save the files of these links in the given folder.</source>
        <translation>将这些链接的文件保存到指定的文件夹。</translation>
    </message>
</context>
</TS>
