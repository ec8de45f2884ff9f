<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>ApCompletionPopup</name>
    <message>
        <source>This is an executable file.
Please scan it before opening.</source>
        <translation>실행 파일입니다.
열기 전에 바이러스 검사를 하십시오.</translation>
    </message>
</context>
<context>
    <name>ApCompletionPopupClass</name>
    <message>
        <source>Download Completed</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>ApConfigDialog</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>프록시</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>콘텐츠</translation>
    </message>
    <message>
        <source>Virus Scan</source>
        <translation>바이러스 검사</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>일반 설정</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>기본 설정</translation>
    </message>
    <message>
        <source>Start automatically on system startup</source>
        <translation>시스템 시작 시 자동으로 실행</translation>
    </message>
    <message>
        <source>Minimize to system tray icon by clicking close button</source>
        <translation>닫기 단추를 누르면 시스템 트레이로 최소화</translation>
    </message>
    <message>
        <source>Prompt on completion of a task</source>
        <translation>작업 완료 시 알림</translation>
    </message>
    <message>
        <source>Check update automatically each time on startup</source>
        <translation>시작할 때마다 자동으로 업데이트 확인</translation>
    </message>
    <message>
        <source>Speed panel bandwidth display limit:</source>
        <translation>속도 패널 대역폭 표시 한도:</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Show floating window</source>
        <translation>떠 있는 창 표시</translation>
    </message>
    <message>
        <source>Download Settings</source>
        <translation>다운로드 설정</translation>
    </message>
    <message>
        <source>Downloaded to:</source>
        <translation>다운로드 위치:</translation>
    </message>
    <message>
        <source>Enable monitoring clipboard URL file types</source>
        <translation>클립보드 URL의 파일 형식 감시 사용</translation>
    </message>
    <message>
        <source>File types to monitor:</source>
        <translation>감시할 파일 형식:</translation>
    </message>
    <message>
        <source>Maximum number of splits for HTTP/FTP task</source>
        <translation>HTTP/FTP 작업의 최대 분할 수</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Maximum failure retry times:</source>
        <translation>실패 시 최대 재시도 횟수:</translation>
    </message>
    <message>
        <source>Download speed limit (0 = unlimited):</source>
        <translation>다운로드 속도 제한 (0 = 무제한):</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>프록시 설정</translation>
    </message>
    <message>
        <source>List of open proxy servers</source>
        <translation>공개 프록시 서버 목록</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>호스트:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
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
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Proxy - Searching Resources</source>
        <translation>프록시 - 리소스 검색</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>프록시 없음</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>사용자 이름:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>암호:</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>프록시 서버 목록에서 설정 불러오기</translation>
    </message>
    <message>
        <source>Proxy - HTTP/FTP Downloads</source>
        <translation>프록시 - HTTP/FTP 다운로드</translation>
    </message>
    <message>
        <source>Content Lock Settings</source>
        <translation>콘텐츠 잠금 설정</translation>
    </message>
    <message>
        <source>Content locking allows you to filter specified search keywords and lock some content under parental control.</source>
        <translation>콘텐츠 잠금을 사용하면 지정한 검색 키워드를 걸러 내고 일부 콘텐츠를 자녀 보호 기능으로 잠글 수 있습니다.</translation>
    </message>
    <message>
        <source>Please enter your password twice to lock</source>
        <translation>잠그려면 암호를 두 번 입력하십시오</translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation>키워드:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>Please enter password to unlock</source>
        <translation>잠금을 해제하려면 암호를 입력하십시오</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>잠금 해제</translation>
    </message>
    <message>
        <source>Content NOT locked. Last modification time:</source>
        <translation>콘텐츠가 잠겨 있지 않습니다. 마지막 수정 시간:</translation>
    </message>
    <message>
        <source>Virus Scan Settings</source>
        <translation>바이러스 검사 설정</translation>
    </message>
    <message>
        <source>Scan downloaded files by the following Anti-Virus program</source>
        <translation>다음 바이러스 백신 프로그램으로 다운로드한 파일 검사</translation>
    </message>
    <message>
        <source>Program path:</source>
        <translation>프로그램 경로:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <source>Program arguments:</source>
        <translation>프로그램 인자:</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>모두 초기화</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Are you sure to reset all settings? Press OK to confirm.</source>
        <translation>모든 설정을 초기화하시겠습니까? 계속하려면 확인을 누르십시오.</translation>
    </message>
    <message>
        <source>Content is locked. Last modification time:</source>
        <translation>콘텐츠가 잠겨 있습니다. 마지막 수정 시간:</translation>
    </message>
    <message>
        <source>Please enter your password twice.</source>
        <translation>암호를 두 번 입력하십시오.</translation>
    </message>
    <message>
        <source>The two passwords do not match.</source>
        <translation>두 암호가 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Please enter a password containing minimum 6 characters or numbers.</source>
        <translation>문자 또는 숫자 6자 이상으로 된 암호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>암호가 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>저장 경로 선택</translation>
    </message>
    <message>
        <source>Choose Anti-virus scanning program</source>
        <translation>바이러스 검사 프로그램 선택</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
    <message>
        <source>Take over downloads from web browsers</source>
        <translation>웹 브라우저의 다운로드 가로채기</translation>
    </message>
    <message>
        <source>Add downloads from the browser without asking</source>
        <translation>브라우저의 다운로드를 묻지 않고 추가</translation>
    </message>
    <message>
        <source>Enter the password to reset the locked content settings.</source>
        <translation>잠긴 콘텐츠 설정을 초기화하려면 암호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Maximum active downloads (0 = no limit):</source>
        <translation>최대 동시 다운로드 수 (0 = 무제한):</translation>
    </message>
</context>
<context>
    <name>ApExLineEdit</name>
    <message>
        <source>Search...</source>
        <translation>검색...</translation>
    </message>
</context>
<context>
    <name>ApInfoDialogClass</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>ApNewTaskDialog</name>
    <message>
        <source>New Task</source>
        <translation>새 작업</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Referer:</source>
        <translation>리퍼러:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>저장 경로:</translation>
    </message>
    <message>
        <source>Rename:</source>
        <translation>이름 변경:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>설명:</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>인증</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>사용자 이름:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>암호:</translation>
    </message>
    <message>
        <source>Mirror URLs</source>
        <translation>미러 URL</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>프록시 설정</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>프록시 없음</translation>
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
        <translation>호스트:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <source>List of open proxy servers over Internet (without authentication)</source>
        <translation>인터넷의 공개 프록시 서버 목록 (인증 없음)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>프록시 서버 목록에서 설정 불러오기</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>다운로드 시작</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>New HTTP/FTP Task</source>
        <translation>새 HTTP/FTP 작업</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>HTTP/FTP Task Properties</source>
        <translation>HTTP/FTP 작업 속성</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>저장 경로 선택</translation>
    </message>
    <message>
        <source>This is an incorrect URL. Please check the validity of input URL.</source>
        <translation>잘못된 URL입니다. 입력한 URL이 올바른지 확인하십시오.</translation>
    </message>
    <message>
        <source>The path you choose does not exist. Please choose another one.</source>
        <translation>선택한 경로가 없습니다. 다른 경로를 선택하십시오.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Please choose another save path or file name.</source>
        <translation>같은 이름의 파일이 이미 있습니다. 다른 저장 경로나 파일 이름을 선택하십시오.</translation>
    </message>
    <message>
        <source>One or more mirror URLs are not valid.</source>
        <translation>하나 이상의 미러 URL이 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Speed Limit:</source>
        <translation>속도 제한:</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>무제한</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>체크섬:</translation>
    </message>
    <message>
        <source>SHA-256, SHA-1 or MD5 of the file (optional)</source>
        <translation>파일의 SHA-256, SHA-1 또는 MD5 (선택 사항)</translation>
    </message>
    <message>
        <source>The checksum must be the SHA-256, SHA-1 or MD5 digest of the file, in hexadecimal digits.</source>
        <translation>체크섬은 파일의 SHA-256, SHA-1 또는 MD5 다이제스트를 16진수로 나타낸 값이어야 합니다.</translation>
    </message>
</context>
<context>
    <name>ApOpenLinkGui</name>
    <message>
        <source>Open Link</source>
        <translation>링크 열기</translation>
    </message>
    <message>
        <source>Enter the link to download:</source>
        <translation>다운로드할 링크를 입력하십시오:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>저장 경로:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>잘못된 URL</translation>
    </message>
    <message>
        <source>Failed to download Torrent. %1</source>
        <translation>토렌트를 다운로드하지 못했습니다. %1</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>저장 경로 선택</translation>
    </message>
</context>
<context>
    <name>ApPluginUpdater</name>
    <message>
        <source>An update package is available to download, do you want to continue?</source>
        <translation>다운로드할 수 있는 업데이트 패키지가 있습니다. 계속하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>ApPolicingThread</name>
    <message>
        <source>No update</source>
        <translation>업데이트 없음</translation>
    </message>
    <message>
        <source>Update available.</source>
        <translation>업데이트가 있습니다.</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>업데이트 취소됨</translation>
    </message>
    <message>
        <source>Update failed - cannot connect to server.</source>
        <translation>업데이트 실패 - 서버에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>No running task</source>
        <translation>실행 중인 작업 없음</translation>
    </message>
    <message>
        <source>Download rate: </source>
        <translation>다운로드 속도: </translation>
    </message>
    <message>
        <source>Unfinished download tasks: </source>
        <translation>완료되지 않은 다운로드 작업: </translation>
    </message>
    <message>
        <source>Remaining time: </source>
        <translation>남은 시간: </translation>
    </message>
    <message>
        <source>Total downloads - </source>
        <translation>전체 다운로드 - </translation>
    </message>
    <message>
        <source>Retrying in %1 s</source>
        <translation>%1초 후 다시 시도</translation>
    </message>
</context>
<context>
    <name>ApQuickUrlDownloader</name>
    <message>
        <source>Request failed</source>
        <translation>요청 실패</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>파일을 열지 못했습니다</translation>
    </message>
    <message>
        <source>Failed to write file</source>
        <translation>파일을 쓰지 못했습니다</translation>
    </message>
</context>
<context>
    <name>ApScheduleController</name>
    <message>
        <source>Schedule Task</source>
        <translation>작업 예약</translation>
    </message>
    <message>
        <source>Cancel Scheduled Task</source>
        <translation>작업 예약 취소</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>다운로드 완료 후 컴퓨터 끄기</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>컴퓨터 끄기</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Start all tasks</source>
        <translation>모든 작업 시작</translation>
    </message>
    <message>
        <source>Pause all tasks</source>
        <translation>모든 작업 일시 중지</translation>
    </message>
    <message>
        <source>Stop all tasks</source>
        <translation>모든 작업 중지</translation>
    </message>
    <message>
        <source>Task Scheduled</source>
        <translation>작업 예약됨</translation>
    </message>
</context>
<context>
    <name>ApScheduleTaskDialog</name>
    <message>
        <source>Schedule Task</source>
        <translation>작업 예약</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>다운로드 완료 후 컴퓨터 끄기</translation>
    </message>
    <message>
        <source>Schedule a timed task</source>
        <translation>시간 지정 작업 예약</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>컴퓨터 끄기</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Start all downloads</source>
        <translation>모든 다운로드 시작</translation>
    </message>
    <message>
        <source>Pause all downloads</source>
        <translation>모든 다운로드 일시 중지</translation>
    </message>
    <message>
        <source>Stop all downloads</source>
        <translation>모든 다운로드 중지</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Task will be started after the time expires.
Current Time: </source>
        <translation>시간이 지나면 작업이 시작됩니다.
현재 시간: </translation>
    </message>
</context>
<context>
    <name>ApSearchPage</name>
    <message>
        <source>Loading...</source>
        <translation>불러오는 중...</translation>
    </message>
</context>
<context>
    <name>ApTaskInfoPanel</name>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>파일 이름:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>미리 보기:</translation>
    </message>
    <message>
        <source>File SHA-1 Hash:</source>
        <translation>파일 SHA-1 해시:</translation>
    </message>
    <message>
        <source>URL Host Location:</source>
        <translation>URL 호스트 위치:</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>다운로드됨:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>저장 경로:</translation>
    </message>
    <message>
        <source>Failure Reason:</source>
        <translation>실패 원인:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Source URLs</source>
        <translation>소스 URL</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료됨</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>불러오는 중...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
</context>
<context>
    <name>ApTaskStore</name>
    <message>
        <source>Loading</source>
        <translation>불러오는 중</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>중지됨</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료됨</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>확인 중</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>대기 중</translation>
    </message>
</context>
<context>
    <name>ApToolBox</name>
    <message>
        <source>Downloads</source>
        <translation>다운로드</translation>
    </message>
</context>
<context>
    <name>ApToolbarSearch</name>
    <message>
        <source>No Search Records</source>
        <translation>검색 기록 없음</translation>
    </message>
    <message>
        <source>Clear Search History</source>
        <translation>검색 기록 지우기</translation>
    </message>
</context>
<context>
    <name>ApTvoDownloadTaskThread</name>
    <message>
        <source>Checksum mismatch</source>
        <translation>체크섬 불일치</translation>
    </message>
</context>
<context>
    <name>ApUpdateHttp</name>
    <message>
        <source>Request failed: %1</source>
        <translation>요청 실패: %1</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>다운로드 실패: %1.</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>서버가 응답하지 않았습니다</translation>
    </message>
    <message>
        <source>the manifest is too large</source>
        <translation>매니페스트가 너무 큽니다</translation>
    </message>
</context>
<context>
    <name>ApWebFrameTalker</name>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>P2P Files</source>
        <translation>P2P 파일</translation>
    </message>
    <message>
        <source>Web Videos</source>
        <translation>웹 동영상</translation>
    </message>
    <message>
        <source>Featured Downloads</source>
        <translation>추천 다운로드</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈페이지</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>문의하기</translation>
    </message>
    <message>
        <source>More Torrent Searches</source>
        <translation>토렌트 검색 더 보기</translation>
    </message>
    <message>
        <source>Submit Torrent</source>
        <translation>토렌트 제출</translation>
    </message>
    <message>
        <source>More Video Searches</source>
        <translation>동영상 검색 더 보기</translation>
    </message>
    <message>
        <source>Publish Web Video</source>
        <translation>웹 동영상 게시</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>이전 페이지</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>다음 페이지</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>소스</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>분류</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>Heading of the most popular results of a search</extracomment>
        <translation>인기</translation>
    </message>
    <message>
        <source>Please confirm you are over 18 years old</source>
        <translation>만 18세 이상인지 확인해 주십시오</translation>
    </message>
    <message>
        <source>Search locked</source>
        <translation>검색 잠김</translation>
    </message>
    <message>
        <source>View more</source>
        <translation>더 보기</translation>
    </message>
    <message>
        <source>Require login. Click &apos;View more&apos; for details.</source>
        <translation>로그인이 필요합니다. 자세한 내용은 &apos;더 보기&apos;를 누르십시오.</translation>
    </message>
    <message>
        <source>No suitable results? Click here for more searches.</source>
        <translation>원하는 결과가 없습니까? 여기를 눌러 다른 곳에서 검색하십시오.</translation>
    </message>
    <message>
        <source>Failed to connect to server. Please try it again later.</source>
        <translation>서버에 연결하지 못했습니다. 나중에 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>게임</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>소프트웨어</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>도서</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>이미지</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Anime</source>
        <translation>애니메이션</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Unable to connect to server</source>
        <translation>서버에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>Enter a valid web video URL</source>
        <translation>올바른 웹 동영상 URL을 입력하십시오</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>동영상 재생</translation>
    </message>
    <message>
        <source>Download Video</source>
        <translation>동영상 다운로드</translation>
    </message>
    <message>
        <source>The selected content has been locked for parental control.</source>
        <translation>선택한 콘텐츠는 자녀 보호 기능으로 잠겨 있습니다.</translation>
    </message>
    <message>
        <source>Your input keywords are filtered by parental control.</source>
        <translation>입력한 키워드는 자녀 보호 기능에 의해 걸러졌습니다.</translation>
    </message>
    <message>
        <source>Please upgrade to a newer version for better results.</source>
        <translation>더 나은 결과를 얻으려면 최신 버전으로 업그레이드하십시오.</translation>
    </message>
    <message>
        <source>The video service cannot be reached. Please check the network connection and try again.</source>
        <translation>동영상 서비스에 연결할 수 없습니다. 네트워크 연결을 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>No video was found on this page. It may be private, removed or not a video page.</source>
        <translation>이 페이지에서 동영상을 찾을 수 없습니다. 비공개이거나 삭제되었거나 동영상 페이지가 아닐 수 있습니다.</translation>
    </message>
    <message>
        <source>The plugin for this video service failed. Please try again later or update the program.</source>
        <translation>이 동영상 서비스의 플러그인에 오류가 발생했습니다. 나중에 다시 시도하거나 프로그램을 업데이트하십시오.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>File not found on the server</source>
        <translation>서버에서 파일을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>The server asks for a user name and password</source>
        <translation>서버가 사용자 이름과 암호를 요구합니다</translation>
    </message>
    <message>
        <source>The server refuses access to the file</source>
        <translation>서버가 파일 접근을 거부합니다</translation>
    </message>
    <message>
        <source>The proxy server asks for a user name and password</source>
        <translation>프록시 서버가 사용자 이름과 암호를 요구합니다</translation>
    </message>
    <message>
        <source>The server refused the requested part of the file</source>
        <translation>서버가 파일의 요청된 부분을 거부했습니다</translation>
    </message>
    <message>
        <source>The server is busy, try again later</source>
        <translation>서버가 사용 중입니다. 나중에 다시 시도하십시오</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>서버 오류</translation>
    </message>
    <message>
        <source>The server does not send parts of this file</source>
        <translation>서버가 이 파일의 부분 전송을 지원하지 않습니다</translation>
    </message>
    <message>
        <source>Unexpected answer from the server</source>
        <translation>서버에서 예기치 않은 응답을 받았습니다</translation>
    </message>
    <message>
        <source>The server refused the login</source>
        <translation>서버가 로그인을 거부했습니다</translation>
    </message>
    <message>
        <source>The server stopped the transfer</source>
        <translation>서버가 전송을 중단했습니다</translation>
    </message>
    <message>
        <source>The server refused the request</source>
        <translation>서버가 요청을 거부했습니다</translation>
    </message>
    <message>
        <source>Server certificate is not trusted</source>
        <translation>서버 인증서를 신뢰할 수 없습니다</translation>
    </message>
    <message>
        <source>The secure connection to the server failed</source>
        <translation>서버와의 보안 연결에 실패했습니다</translation>
    </message>
    <message>
        <source>Server name not found</source>
        <translation>서버 이름을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Proxy server name not found</source>
        <translation>프록시 서버 이름을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>서버가 연결을 거부했습니다</translation>
    </message>
    <message>
        <source>The server did not answer in time</source>
        <translation>서버가 제시간에 응답하지 않았습니다</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>서버가 응답 없이 연결을 닫았습니다</translation>
    </message>
    <message>
        <source>The connection to the server was lost</source>
        <translation>서버와의 연결이 끊어졌습니다</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>파일을 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>The proxy server refused the connection</source>
        <translation>프록시 서버가 연결을 거부했습니다</translation>
    </message>
    <message>
        <source>The proxy server setting cannot be used</source>
        <translation>프록시 서버 설정을 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>The request holds a line break in a header value</source>
        <translation>요청의 헤더 값에 줄 바꿈이 있습니다</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>연결 실패: </translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>연결 실패</translation>
    </message>
    <message>
        <source>No permission to write the file</source>
        <translation>파일을 쓸 권한이 없습니다</translation>
    </message>
    <message>
        <source>The file could not be written: </source>
        <translation>파일을 쓸 수 없습니다: </translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>디스크 공간 부족</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>리디렉션이 너무 많습니다</translation>
    </message>
    <message>
        <source>The server stopped sending data</source>
        <translation>서버가 데이터 전송을 멈췄습니다</translation>
    </message>
    <message>
        <source>The file keeps changing on the server</source>
        <translation>서버의 파일이 계속 바뀌고 있습니다</translation>
    </message>
</context>
<context>
    <name>LocationCommandLine</name>
    <message>
        <source>Shows where a download server is on a map.</source>
        <translation>다운로드 서버의 위치를 지도에 표시합니다.</translation>
    </message>
    <message>
        <source>The server&apos;s address and domain; a running viewer takes them.</source>
        <translation>서버의 주소와 도메인입니다. 실행 중인 뷰어가 받습니다.</translation>
    </message>
</context>
<context>
    <name>LocationViewer::ApWebFrameTalker</name>
    <message>
        <source>Unable to connect to server</source>
        <translation>서버에 연결할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>LocationViewer::Dialog</name>
    <message>
        <source>Location</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>불러오는 중...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>준비됨</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료됨</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Task Name</source>
        <translation>작업 이름</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Completion Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>업로드</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>소스</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>대기열</translation>
    </message>
    <message>
        <source>Time Left</source>
        <translation>남은 시간</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>경과 시간</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>생성 시간</translation>
    </message>
    <message>
        <source>Select a task to see its details.</source>
        <translation>작업을 선택하면 세부 정보가 표시됩니다.</translation>
    </message>
    <message>
        <source>&amp;Tasks</source>
        <translation>작업(&amp;T)</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>주 도구 모음</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>All Tasks</source>
        <translation>모든 작업</translation>
    </message>
    <message>
        <source>Start task</source>
        <translation>작업 시작</translation>
    </message>
    <message>
        <source>Stop task</source>
        <translation>작업 중지</translation>
    </message>
    <message>
        <source>Delete Task Only</source>
        <translation>작업만 삭제</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Delete task</source>
        <translation>작업 삭제</translation>
    </message>
    <message>
        <source>Delete Task and Files</source>
        <translation>작업 및 파일 삭제</translation>
    </message>
    <message>
        <source>Start All Tasks</source>
        <translation>모든 작업 시작</translation>
    </message>
    <message>
        <source>Pause All Tasks</source>
        <translation>모든 작업 일시 중지</translation>
    </message>
    <message>
        <source>Stop All Tasks</source>
        <translation>모든 작업 중지</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>파일 위치 열기</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>HTTP/FTP Download</source>
        <translation>HTTP/FTP 다운로드</translation>
    </message>
    <message>
        <source>Web Video Download</source>
        <translation>웹 동영상 다운로드</translation>
    </message>
    <message>
        <source>Search Page</source>
        <translation>검색 페이지</translation>
    </message>
    <message>
        <source>Convert Audio/Video</source>
        <translation>오디오/동영상 변환</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>다운로드 속도</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>업로드 속도</translation>
    </message>
    <message>
        <source>A task with the same path already exists. This task cannot be added.</source>
        <translation>같은 경로의 작업이 이미 있습니다. 이 작업을 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>It is an incorrect URL. Please try another one.</source>
        <translation>잘못된 URL입니다. 다른 URL을 사용해 보십시오.</translation>
    </message>
    <message>
        <source>Delete both task and files? Press OK to confirm.</source>
        <translation>작업과 파일을 모두 삭제하시겠습니까? 계속하려면 확인을 누르십시오.</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>언어(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Search Bar</source>
        <translation>검색 표시줄</translation>
    </message>
    <message>
        <source>Speed Display Panel</source>
        <translation>속도 표시 패널</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Show the tool box</source>
        <translation>도구 상자 표시</translation>
    </message>
    <message>
        <source>Search Web Videos</source>
        <translation>웹 동영상 검색</translation>
    </message>
    <message>
        <source>More Searches...</source>
        <translation>검색 더 보기...</translation>
    </message>
    <message>
        <source>Schedule Task</source>
        <translation>작업 예약</translation>
    </message>
    <message>
        <source>Download Folder</source>
        <translation>다운로드 폴더</translation>
    </message>
    <message>
        <source>My Recent Documents</source>
        <translation>최근 문서</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>내 문서</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>바탕 화면</translation>
    </message>
    <message>
        <source>User Home Folder</source>
        <translation>홈 폴더</translation>
    </message>
    <message>
        <source>Show Floating Window</source>
        <translation>떠 있는 창 표시</translation>
    </message>
    <message>
        <source>Run at System Startup</source>
        <translation>시스템 시작 시 실행</translation>
    </message>
    <message>
        <source>Monitor Clipboard</source>
        <translation>클립보드 감시</translation>
    </message>
    <message>
        <source>Prompt on Task Completion</source>
        <translation>작업 완료 시 알림</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Capture Audio/Video</source>
        <translation>오디오/동영상 캡처</translation>
    </message>
    <message>
        <source>Play MP4/FLV Video</source>
        <translation>MP4/FLV 동영상 재생</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈페이지</translation>
    </message>
    <message>
        <source>FAQs</source>
        <translation>자주 묻는 질문</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>친구에게 알리기</translation>
    </message>
    <message>
        <source>Link to Us</source>
        <translation>사이트 링크하기</translation>
    </message>
    <message>
        <source>Report Bugs</source>
        <translation>버그 신고</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>연락처</translation>
    </message>
    <message>
        <source>About Zantor</source>
        <translation>Zantor 정보</translation>
    </message>
    <message>
        <source>Show Tarvo</source>
        <translation>Tarvo 표시</translation>
    </message>
    <message>
        <source>Show/Hide Tarvo</source>
        <translation>Tarvo 표시/숨기기</translation>
    </message>
    <message>
        <source>Web Image Download</source>
        <translation>웹 이미지 다운로드</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Download Rate</source>
        <translation>다운로드 속도</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>새 작업</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>작업 삭제</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Hide Zantor</source>
        <translation>Zantor 숨기기</translation>
    </message>
    <message>
        <source>Show Zantor</source>
        <translation>Zantor 표시</translation>
    </message>
    <message>
        <source>Update Notification</source>
        <translation>업데이트 알림</translation>
    </message>
    <message>
        <source>Media Converter NOT found on your machine. Do you want to download and install it?</source>
        <translation>이 컴퓨터에서 미디어 변환기를 찾을 수 없습니다. 다운로드하여 설치하시겠습니까?</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zantor %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Zantor %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>A download manager for files and web videos, with many connections per file, mirrors and automatic retries.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>파일과 웹 동영상을 위한 다운로드 관리자로, 파일당 여러 연결, 미러, 자동 재시도를 지원합니다.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download completed</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>위로 이동</translation>
    </message>
    <message>
        <source>Start this waiting task earlier</source>
        <translation>대기 중인 이 작업을 더 일찍 시작합니다</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>아래로 이동</translation>
    </message>
    <message>
        <source>Start this waiting task later</source>
        <translation>대기 중인 이 작업을 나중에 시작합니다</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1. Changes are kept and saved as soon as the file can be written.</source>
        <translation>설정을 %1에 저장할 수 없습니다. 변경 사항은 유지되며 파일에 쓸 수 있게 되면 바로 저장됩니다.</translation>
    </message>
</context>
<context>
    <name>Player::MainWindow</name>
    <message>
        <source>MP4/FLV Media Player - Tarvo</source>
        <translation>MP4/FLV 미디어 플레이어 - Tarvo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>재생 목록</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>항상 위에</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>온라인 도움말</translation>
    </message>
    <message>
        <source>Show/Hide Play List</source>
        <translation>재생 목록 표시/숨기기</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>다시 불러오기</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈페이지</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Remove Non-existent Entries</source>
        <translation>존재하지 않는 항목 제거</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>파일 위치 열기</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>URL 열기</translation>
    </message>
    <message>
        <source>The GStreamer plugins that play H.264 video were NOT found. Press OK to read how to install them.</source>
        <translation>H.264 동영상을 재생하는 GStreamer 플러그인을 찾을 수 없습니다. 설치 방법을 보려면 확인을 누르십시오.</translation>
    </message>
    <message>
        <source>Select media files</source>
        <translation>미디어 파일 선택</translation>
    </message>
    <message>
        <source>MP4/FLV Media Player</source>
        <translation>MP4/FLV 미디어 플레이어</translation>
    </message>
</context>
<context>
    <name>PlayerCommandLine</name>
    <message>
        <source>Media player for MP4 and FLV files, with a play list.</source>
        <translation>재생 목록이 있는 MP4 및 FLV 파일용 미디어 플레이어입니다.</translation>
    </message>
    <message>
        <source>[file [hide-flag advertisement-base]]</source>
        <translation>[파일 [숨김-플래그 광고-주소]]</translation>
    </message>
    <message>
        <source>A file to play, added to the play list; a running player takes it. Also: /file FILE HIDE-FLAG ADVERTISEMENT-BASE.</source>
        <translation>재생할 파일이며 재생 목록에 추가됩니다. 실행 중인 플레이어가 받습니다. 다른 형식: /file 파일 숨김-플래그 광고-주소.</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>자세한 내용은 &apos;%1 --help&apos;를 실행하십시오.</translation>
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
            <numerusform>플러그인 호출이 %n초를 넘었습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the script ran for more than %n seconds</source>
        <translation>
            <numerusform>스크립트가 %n초 넘게 실행되었습니다</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartupCommandLine</name>
    <message>
        <source>Download manager for files and web videos.</source>
        <translation>파일과 웹 동영상용 다운로드 관리자입니다.</translation>
    </message>
    <message>
        <source>Add the links and start them without asking.</source>
        <translation>링크를 추가하고 묻지 않고 시작합니다.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Start in the tray, without the main window (also &quot;/bg&quot;).</source>
        <translation>주 창 없이 시스템 트레이에서 시작합니다(&quot;/bg&quot;와 같음).</translation>
    </message>
    <message>
        <source>Links to download (http, https, ftp). A running instance takes them; each opens the new task dialog in turn.</source>
        <translation>다운로드할 링크(http, https, ftp)입니다. 실행 중인 인스턴스가 받으며, 링크마다 차례로 새 작업 대화 상자를 엽니다.</translation>
    </message>
    <message>
        <source>[link...]</source>
        <translation>[링크...]</translation>
    </message>
    <message>
        <source>The save folder is empty.</source>
        <translation>저장 폴더가 비어 있습니다.</translation>
    </message>
    <message>
        <source>--add and --save-dir need at least one link.</source>
        <translation>--add와 --save-dir에는 링크가 하나 이상 필요합니다.</translation>
    </message>
    <message>
        <source>not a link, ignored: %1</source>
        <translation>링크가 아니어서 무시함: %1</translation>
    </message>
    <message>
        <source>Save the files of these links in the given folder.</source>
        <translation>이 링크의 파일을 지정한 폴더에 저장합니다.</translation>
    </message>
</context>
</TS>
