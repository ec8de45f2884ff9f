<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ApCompletionPopup</name>
    <message>
        <source>This is an executable file.
Please scan it before opening.</source>
        <translation>Este é um arquivo executável.
Verifique-o com um antivírus antes de abri-lo.</translation>
    </message>
</context>
<context>
    <name>ApCompletionPopupClass</name>
    <message>
        <source>Download Completed</source>
        <translation>Download concluído</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
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
        <translation>Configurações</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Virus Scan</source>
        <translation>Antivírus</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Configurações gerais</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>Configurações básicas</translation>
    </message>
    <message>
        <source>Start automatically on system startup</source>
        <translation>Iniciar automaticamente com o sistema</translation>
    </message>
    <message>
        <source>Minimize to system tray icon by clicking close button</source>
        <translation>Minimizar para a bandeja do sistema ao clicar no botão fechar</translation>
    </message>
    <message>
        <source>Prompt on completion of a task</source>
        <translation>Avisar ao concluir uma tarefa</translation>
    </message>
    <message>
        <source>Check update automatically each time on startup</source>
        <translation>Verificar atualizações automaticamente a cada inicialização</translation>
    </message>
    <message>
        <source>Speed panel bandwidth display limit:</source>
        <translation>Limite de banda exibido no painel de velocidade:</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Show floating window</source>
        <translation>Mostrar janela flutuante</translation>
    </message>
    <message>
        <source>Download Settings</source>
        <translation>Configurações de download</translation>
    </message>
    <message>
        <source>Downloaded to:</source>
        <translation>Salvar em:</translation>
    </message>
    <message>
        <source>Enable monitoring clipboard URL file types</source>
        <translation>Monitorar na área de transferência URLs destes tipos de arquivo</translation>
    </message>
    <message>
        <source>File types to monitor:</source>
        <translation>Tipos de arquivo a monitorar:</translation>
    </message>
    <message>
        <source>Maximum number of splits for HTTP/FTP task</source>
        <translation>Número máximo de segmentos por tarefa HTTP/FTP</translation>
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
        <translation>Número máximo de novas tentativas:</translation>
    </message>
    <message>
        <source>Download speed limit (0 = unlimited):</source>
        <translation>Limite de velocidade de download (0 = sem limite):</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Configurações de proxy</translation>
    </message>
    <message>
        <source>List of open proxy servers</source>
        <translation>Lista de servidores proxy abertos</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
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
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Proxy - Searching Resources</source>
        <translation>Proxy - Pesquisa de recursos</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Usuário:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>Carregar configurações da lista de servidores proxy</translation>
    </message>
    <message>
        <source>Proxy - HTTP/FTP Downloads</source>
        <translation>Proxy - Downloads HTTP/FTP</translation>
    </message>
    <message>
        <source>Content Lock Settings</source>
        <translation>Configurações de bloqueio de conteúdo</translation>
    </message>
    <message>
        <source>Content locking allows you to filter specified search keywords and lock some content under parental control.</source>
        <translation>O bloqueio de conteúdo permite filtrar as palavras-chave de pesquisa indicadas e bloquear conteúdo com o controle parental.</translation>
    </message>
    <message>
        <source>Please enter your password twice to lock</source>
        <translation>Digite sua senha duas vezes para bloquear</translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation>Palavras-chave:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Please enter password to unlock</source>
        <translation>Digite a senha para desbloquear</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Content NOT locked. Last modification time:</source>
        <translation>Conteúdo NÃO bloqueado. Última modificação:</translation>
    </message>
    <message>
        <source>Virus Scan Settings</source>
        <translation>Configurações do antivírus</translation>
    </message>
    <message>
        <source>Scan downloaded files by the following Anti-Virus program</source>
        <translation>Verificar os arquivos baixados com o seguinte programa antivírus</translation>
    </message>
    <message>
        <source>Program path:</source>
        <translation>Caminho do programa:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Program arguments:</source>
        <translation>Argumentos do programa:</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Restaurar tudo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restaurar</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure to reset all settings? Press OK to confirm.</source>
        <translation>Tem certeza de que deseja restaurar todas as configurações? Pressione OK para confirmar.</translation>
    </message>
    <message>
        <source>Content is locked. Last modification time:</source>
        <translation>Conteúdo bloqueado. Última modificação:</translation>
    </message>
    <message>
        <source>Please enter your password twice.</source>
        <translation>Digite sua senha duas vezes.</translation>
    </message>
    <message>
        <source>The two passwords do not match.</source>
        <translation>As duas senhas não coincidem.</translation>
    </message>
    <message>
        <source>Please enter a password containing minimum 6 characters or numbers.</source>
        <translation>Digite uma senha com no mínimo 6 letras ou números.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>As senhas não coincidem.</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Escolher pasta de destino</translation>
    </message>
    <message>
        <source>Choose Anti-virus scanning program</source>
        <translation>Escolher o programa antivírus</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Take over downloads from web browsers</source>
        <translation>Assumir os downloads dos navegadores</translation>
    </message>
    <message>
        <source>Add downloads from the browser without asking</source>
        <translation>Adicionar downloads do navegador sem perguntar</translation>
    </message>
    <message>
        <source>Enter the password to reset the locked content settings.</source>
        <translation>Digite a senha para redefinir as configurações de conteúdo bloqueadas.</translation>
    </message>
    <message>
        <source>Maximum active downloads (0 = no limit):</source>
        <translation>Máximo de downloads ativos (0 = sem limite):</translation>
    </message>
</context>
<context>
    <name>ApExLineEdit</name>
    <message>
        <source>Search...</source>
        <translation>Pesquisar...</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ApNewTaskDialog</name>
    <message>
        <source>New Task</source>
        <translation>Nova tarefa</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Referer:</source>
        <translation>Referenciador:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Salvar em:</translation>
    </message>
    <message>
        <source>Rename:</source>
        <translation>Renomear:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticação</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Usuário:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Mirror URLs</source>
        <translation>URLs de espelhos</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Configurações de proxy</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Non Proxy</source>
        <translation>Sem proxy</translation>
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
        <translation>Porta:</translation>
    </message>
    <message>
        <source>List of open proxy servers over Internet (without authentication)</source>
        <translation>Lista de servidores proxy abertos na Internet (sem autenticação)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Load settings from proxy server list</source>
        <translation>Carregar configurações da lista de servidores proxy</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Iniciar download</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>New HTTP/FTP Task</source>
        <translation>Nova tarefa HTTP/FTP</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>HTTP/FTP Task Properties</source>
        <translation>Propriedades da tarefa HTTP/FTP</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Escolher pasta de destino</translation>
    </message>
    <message>
        <source>This is an incorrect URL. Please check the validity of input URL.</source>
        <translation>A URL está incorreta. Verifique a URL digitada.</translation>
    </message>
    <message>
        <source>The path you choose does not exist. Please choose another one.</source>
        <translation>O caminho escolhido não existe. Escolha outro.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Please choose another save path or file name.</source>
        <translation>Já existe um arquivo com o mesmo nome. Escolha outra pasta de destino ou outro nome de arquivo.</translation>
    </message>
    <message>
        <source>One or more mirror URLs are not valid.</source>
        <translation>Uma ou mais URLs de espelhos são inválidas.</translation>
    </message>
    <message>
        <source>Speed Limit:</source>
        <translation>Limite de velocidade:</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Soma de verificação:</translation>
    </message>
    <message>
        <source>SHA-256, SHA-1 or MD5 of the file (optional)</source>
        <translation>SHA-256, SHA-1 ou MD5 do arquivo (opcional)</translation>
    </message>
    <message>
        <source>The checksum must be the SHA-256, SHA-1 or MD5 digest of the file, in hexadecimal digits.</source>
        <translation>A soma de verificação deve ser o resumo SHA-256, SHA-1 ou MD5 do arquivo, em dígitos hexadecimais.</translation>
    </message>
</context>
<context>
    <name>ApOpenLinkGui</name>
    <message>
        <source>Open Link</source>
        <translation>Abrir link</translation>
    </message>
    <message>
        <source>Enter the link to download:</source>
        <translation>Digite o link para download:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Salvar em:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL inválida</translation>
    </message>
    <message>
        <source>Failed to download Torrent. %1</source>
        <translation>Falha ao baixar o torrent. %1</translation>
    </message>
    <message>
        <source>Choose save path</source>
        <translation>Escolher pasta de destino</translation>
    </message>
</context>
<context>
    <name>ApPluginUpdater</name>
    <message>
        <source>An update package is available to download, do you want to continue?</source>
        <translation>Há um pacote de atualização disponível para download. Deseja continuar?</translation>
    </message>
</context>
<context>
    <name>ApPolicingThread</name>
    <message>
        <source>No update</source>
        <translation>Nenhuma atualização</translation>
    </message>
    <message>
        <source>Update available.</source>
        <translation>Atualização disponível.</translation>
    </message>
    <message>
        <source>Update cancelled</source>
        <translation>Atualização cancelada</translation>
    </message>
    <message>
        <source>Update failed - cannot connect to server.</source>
        <translation>Falha na atualização: não foi possível conectar ao servidor.</translation>
    </message>
    <message>
        <source>No running task</source>
        <translation>Nenhuma tarefa em execução</translation>
    </message>
    <message>
        <source>Download rate: </source>
        <translation>Velocidade de download: </translation>
    </message>
    <message>
        <source>Unfinished download tasks: </source>
        <translation>Downloads não concluídos: </translation>
    </message>
    <message>
        <source>Remaining time: </source>
        <translation>Tempo restante: </translation>
    </message>
    <message>
        <source>Total downloads - </source>
        <translation>Total de downloads - </translation>
    </message>
    <message>
        <source>Retrying in %1 s</source>
        <translation>Nova tentativa em %1 s</translation>
    </message>
</context>
<context>
    <name>ApQuickUrlDownloader</name>
    <message>
        <source>Request failed</source>
        <translation>Falha na solicitação</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Falha ao abrir o arquivo</translation>
    </message>
    <message>
        <source>Failed to write file</source>
        <translation>Falha ao gravar o arquivo</translation>
    </message>
</context>
<context>
    <name>ApScheduleController</name>
    <message>
        <source>Schedule Task</source>
        <translation>Agendar tarefa</translation>
    </message>
    <message>
        <source>Cancel Scheduled Task</source>
        <translation>Cancelar tarefa agendada</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>Desligar o computador ao concluir o download</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Desligar o computador</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Encerrar sessão</translation>
    </message>
    <message>
        <source>Start all tasks</source>
        <translation>Iniciar todas as tarefas</translation>
    </message>
    <message>
        <source>Pause all tasks</source>
        <translation>Pausar todas as tarefas</translation>
    </message>
    <message>
        <source>Stop all tasks</source>
        <translation>Parar todas as tarefas</translation>
    </message>
    <message>
        <source>Task Scheduled</source>
        <translation>Tarefa agendada</translation>
    </message>
</context>
<context>
    <name>ApScheduleTaskDialog</name>
    <message>
        <source>Schedule Task</source>
        <translation>Agendar tarefa</translation>
    </message>
    <message>
        <source>Turn off computer after download finish</source>
        <translation>Desligar o computador ao concluir o download</translation>
    </message>
    <message>
        <source>Schedule a timed task</source>
        <translation>Agendar uma tarefa temporizada</translation>
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
        <translation>Desligar o computador</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Encerrar sessão</translation>
    </message>
    <message>
        <source>Start all downloads</source>
        <translation>Iniciar todos os downloads</translation>
    </message>
    <message>
        <source>Pause all downloads</source>
        <translation>Pausar todos os downloads</translation>
    </message>
    <message>
        <source>Stop all downloads</source>
        <translation>Parar todos os downloads</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Task will be started after the time expires.
Current Time: </source>
        <translation>A tarefa será iniciada quando o tempo se esgotar.
Hora atual: </translation>
    </message>
</context>
<context>
    <name>ApSearchPage</name>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
</context>
<context>
    <name>ApTaskInfoPanel</name>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome do arquivo:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Pré-visualização:</translation>
    </message>
    <message>
        <source>File SHA-1 Hash:</source>
        <translation>Hash SHA-1 do arquivo:</translation>
    </message>
    <message>
        <source>URL Host Location:</source>
        <translation>Localização do servidor:</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>Baixado:</translation>
    </message>
    <message>
        <source>Save Path:</source>
        <translation>Salvar em:</translation>
    </message>
    <message>
        <source>Failure Reason:</source>
        <translation>Motivo da falha:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Source URLs</source>
        <translation>URLs de origem</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
</context>
<context>
    <name>ApTaskStore</name>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Na fila</translation>
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
        <translation>Nenhum histórico de pesquisa</translation>
    </message>
    <message>
        <source>Clear Search History</source>
        <translation>Limpar histórico de pesquisa</translation>
    </message>
</context>
<context>
    <name>ApTvoDownloadTaskThread</name>
    <message>
        <source>Checksum mismatch</source>
        <translation>A soma de verificação não confere</translation>
    </message>
</context>
<context>
    <name>ApUpdateHttp</name>
    <message>
        <source>Request failed: %1</source>
        <translation>Falha na solicitação: %1</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>Falha no download: %1.</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>o servidor não respondeu</translation>
    </message>
    <message>
        <source>the manifest is too large</source>
        <translation>o manifesto é grande demais</translation>
    </message>
</context>
<context>
    <name>ApWebFrameTalker</name>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>P2P Files</source>
        <translation>Arquivos P2P</translation>
    </message>
    <message>
        <source>Web Videos</source>
        <translation>Vídeos da web</translation>
    </message>
    <message>
        <source>Featured Downloads</source>
        <translation>Downloads em destaque</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Fale conosco</translation>
    </message>
    <message>
        <source>More Torrent Searches</source>
        <translation>Mais pesquisas de torrents</translation>
    </message>
    <message>
        <source>Submit Torrent</source>
        <translation>Enviar torrent</translation>
    </message>
    <message>
        <source>More Video Searches</source>
        <translation>Mais pesquisas de vídeos</translation>
    </message>
    <message>
        <source>Publish Web Video</source>
        <translation>Publicar vídeo da web</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>Heading of the most popular results of a search</extracomment>
        <translation>Populares</translation>
    </message>
    <message>
        <source>Please confirm you are over 18 years old</source>
        <translation>Confirme que você tem mais de 18 anos</translation>
    </message>
    <message>
        <source>Search locked</source>
        <translation>Pesquisa bloqueada</translation>
    </message>
    <message>
        <source>View more</source>
        <translation>Ver mais</translation>
    </message>
    <message>
        <source>Require login. Click &apos;View more&apos; for details.</source>
        <translation>É necessário fazer login. Clique em “Ver mais” para obter detalhes.</translation>
    </message>
    <message>
        <source>No suitable results? Click here for more searches.</source>
        <translation>Nenhum resultado adequado? Clique aqui para fazer mais pesquisas.</translation>
    </message>
    <message>
        <source>Failed to connect to server. Please try it again later.</source>
        <translation>Falha ao conectar ao servidor. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Livros</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagens</translation>
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
        <translation>Outros</translation>
    </message>
    <message>
        <source>Unable to connect to server</source>
        <translation>Não foi possível conectar ao servidor</translation>
    </message>
    <message>
        <source>Enter a valid web video URL</source>
        <translation>Digite uma URL de vídeo da web válida</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>Reproduzir vídeo</translation>
    </message>
    <message>
        <source>Download Video</source>
        <translation>Baixar vídeo</translation>
    </message>
    <message>
        <source>The selected content has been locked for parental control.</source>
        <translation>O conteúdo selecionado foi bloqueado pelo controle parental.</translation>
    </message>
    <message>
        <source>Your input keywords are filtered by parental control.</source>
        <translation>As palavras-chave digitadas foram filtradas pelo controle parental.</translation>
    </message>
    <message>
        <source>Please upgrade to a newer version for better results.</source>
        <translation>Atualize para uma versão mais recente para obter melhores resultados.</translation>
    </message>
    <message>
        <source>The video service cannot be reached. Please check the network connection and try again.</source>
        <translation>Não foi possível acessar o serviço de vídeo. Verifique a conexão de rede e tente novamente.</translation>
    </message>
    <message>
        <source>No video was found on this page. It may be private, removed or not a video page.</source>
        <translation>Nenhum vídeo foi encontrado nesta página. Ele pode ser privado, ter sido removido ou esta não é uma página de vídeo.</translation>
    </message>
    <message>
        <source>The plugin for this video service failed. Please try again later or update the program.</source>
        <translation>O plugin deste serviço de vídeo falhou. Tente novamente mais tarde ou atualize o programa.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>File not found on the server</source>
        <translation>Arquivo não encontrado no servidor</translation>
    </message>
    <message>
        <source>The server asks for a user name and password</source>
        <translation>O servidor pede um nome de usuário e uma senha</translation>
    </message>
    <message>
        <source>The server refuses access to the file</source>
        <translation>O servidor nega o acesso ao arquivo</translation>
    </message>
    <message>
        <source>The proxy server asks for a user name and password</source>
        <translation>O servidor proxy pede um nome de usuário e uma senha</translation>
    </message>
    <message>
        <source>The server refused the requested part of the file</source>
        <translation>O servidor recusou a parte solicitada do arquivo</translation>
    </message>
    <message>
        <source>The server is busy, try again later</source>
        <translation>O servidor está ocupado, tente novamente mais tarde</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Erro no servidor</translation>
    </message>
    <message>
        <source>The server does not send parts of this file</source>
        <translation>O servidor não envia partes deste arquivo</translation>
    </message>
    <message>
        <source>Unexpected answer from the server</source>
        <translation>Resposta inesperada do servidor</translation>
    </message>
    <message>
        <source>The server refused the login</source>
        <translation>O servidor recusou o login</translation>
    </message>
    <message>
        <source>The server stopped the transfer</source>
        <translation>O servidor interrompeu a transferência</translation>
    </message>
    <message>
        <source>The server refused the request</source>
        <translation>O servidor recusou a solicitação</translation>
    </message>
    <message>
        <source>Server certificate is not trusted</source>
        <translation>O certificado do servidor não é confiável</translation>
    </message>
    <message>
        <source>The secure connection to the server failed</source>
        <translation>Falha na conexão segura com o servidor</translation>
    </message>
    <message>
        <source>Server name not found</source>
        <translation>Nome do servidor não encontrado</translation>
    </message>
    <message>
        <source>Proxy server name not found</source>
        <translation>Nome do servidor proxy não encontrado</translation>
    </message>
    <message>
        <source>The server refused the connection</source>
        <translation>O servidor recusou a conexão</translation>
    </message>
    <message>
        <source>The server did not answer in time</source>
        <translation>O servidor não respondeu a tempo</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>O servidor fechou a conexão sem responder</translation>
    </message>
    <message>
        <source>The connection to the server was lost</source>
        <translation>A conexão com o servidor foi perdida</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Não foi possível gravar o arquivo</translation>
    </message>
    <message>
        <source>The proxy server refused the connection</source>
        <translation>O servidor proxy recusou a conexão</translation>
    </message>
    <message>
        <source>The proxy server setting cannot be used</source>
        <translation>A configuração do servidor proxy não pode ser usada</translation>
    </message>
    <message>
        <source>The request holds a line break in a header value</source>
        <translation>A solicitação contém uma quebra de linha no valor de um cabeçalho</translation>
    </message>
    <message>
        <source>Connection failed: </source>
        <translation>Falha na conexão: </translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Falha na conexão</translation>
    </message>
    <message>
        <source>No permission to write the file</source>
        <translation>Sem permissão para gravar o arquivo</translation>
    </message>
    <message>
        <source>The file could not be written: </source>
        <translation>Não foi possível gravar o arquivo: </translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco cheio</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>Redirecionamentos demais</translation>
    </message>
    <message>
        <source>The server stopped sending data</source>
        <translation>O servidor parou de enviar dados</translation>
    </message>
    <message>
        <source>The file keeps changing on the server</source>
        <translation>O arquivo muda constantemente no servidor</translation>
    </message>
</context>
<context>
    <name>LocationCommandLine</name>
    <message>
        <source>Shows where a download server is on a map.</source>
        <translation>Mostra num mapa onde fica um servidor de download.</translation>
    </message>
    <message>
        <source>The server&apos;s address and domain; a running viewer takes them.</source>
        <translation>O endereço e o domínio do servidor; um visualizador em execução os recebe.</translation>
    </message>
</context>
<context>
    <name>LocationViewer::ApWebFrameTalker</name>
    <message>
        <source>Unable to connect to server</source>
        <translation>Não foi possível conectar ao servidor</translation>
    </message>
</context>
<context>
    <name>LocationViewer::Dialog</name>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
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
        <translation>Parar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Task Name</source>
        <translation>Nome da tarefa</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Completion Progress</source>
        <translation>Progresso</translation>
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
        <translation>Fontes</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Time Left</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Data de criação</translation>
    </message>
    <message>
        <source>Select a task to see its details.</source>
        <translation>Selecione uma tarefa para ver seus detalhes.</translation>
    </message>
    <message>
        <source>&amp;Tasks</source>
        <translation>&amp;Tarefas</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>Barra principal</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tarefas</translation>
    </message>
    <message>
        <source>All Tasks</source>
        <translation>Todas as tarefas</translation>
    </message>
    <message>
        <source>Start task</source>
        <translation>Iniciar tarefa</translation>
    </message>
    <message>
        <source>Stop task</source>
        <translation>Parar tarefa</translation>
    </message>
    <message>
        <source>Delete Task Only</source>
        <translation>Excluir apenas a tarefa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete task</source>
        <translation>Excluir tarefa</translation>
    </message>
    <message>
        <source>Delete Task and Files</source>
        <translation>Excluir tarefa e arquivos</translation>
    </message>
    <message>
        <source>Start All Tasks</source>
        <translation>Iniciar todas as tarefas</translation>
    </message>
    <message>
        <source>Pause All Tasks</source>
        <translation>Pausar todas as tarefas</translation>
    </message>
    <message>
        <source>Stop All Tasks</source>
        <translation>Parar todas as tarefas</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Abrir pasta do arquivo</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>HTTP/FTP Download</source>
        <translation>Download HTTP/FTP</translation>
    </message>
    <message>
        <source>Web Video Download</source>
        <translation>Download de vídeo da web</translation>
    </message>
    <message>
        <source>Search Page</source>
        <translation>Página de pesquisa</translation>
    </message>
    <message>
        <source>Convert Audio/Video</source>
        <translation>Converter áudio/vídeo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Velocidade de download</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Velocidade de upload</translation>
    </message>
    <message>
        <source>A task with the same path already exists. This task cannot be added.</source>
        <translation>Já existe uma tarefa com o mesmo caminho. Esta tarefa não pode ser adicionada.</translation>
    </message>
    <message>
        <source>It is an incorrect URL. Please try another one.</source>
        <translation>A URL está incorreta. Tente outra.</translation>
    </message>
    <message>
        <source>Delete both task and files? Press OK to confirm.</source>
        <translation>Excluir a tarefa e os arquivos? Pressione OK para confirmar.</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Idiomas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Search Bar</source>
        <translation>Barra de pesquisa</translation>
    </message>
    <message>
        <source>Speed Display Panel</source>
        <translation>Painel de velocidade</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Show the tool box</source>
        <translation>Mostrar a caixa de ferramentas</translation>
    </message>
    <message>
        <source>Search Web Videos</source>
        <translation>Pesquisar vídeos da web</translation>
    </message>
    <message>
        <source>More Searches...</source>
        <translation>Mais pesquisas...</translation>
    </message>
    <message>
        <source>Schedule Task</source>
        <translation>Agendar tarefa</translation>
    </message>
    <message>
        <source>Download Folder</source>
        <translation>Pasta de downloads</translation>
    </message>
    <message>
        <source>My Recent Documents</source>
        <translation>Documentos recentes</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Meus documentos</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Área de trabalho</translation>
    </message>
    <message>
        <source>User Home Folder</source>
        <translation>Pasta pessoal</translation>
    </message>
    <message>
        <source>Show Floating Window</source>
        <translation>Mostrar janela flutuante</translation>
    </message>
    <message>
        <source>Run at System Startup</source>
        <translation>Executar ao iniciar o sistema</translation>
    </message>
    <message>
        <source>Monitor Clipboard</source>
        <translation>Monitorar a área de transferência</translation>
    </message>
    <message>
        <source>Prompt on Task Completion</source>
        <translation>Avisar ao concluir uma tarefa</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Capture Audio/Video</source>
        <translation>Capturar áudio/vídeo</translation>
    </message>
    <message>
        <source>Play MP4/FLV Video</source>
        <translation>Reproduzir vídeo MP4/FLV</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>FAQs</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Indicar a um amigo</translation>
    </message>
    <message>
        <source>Link to Us</source>
        <translation>Crie um link para nós</translation>
    </message>
    <message>
        <source>Report Bugs</source>
        <translation>Relatar erros</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>About Zantor</source>
        <translation>Sobre o Zantor</translation>
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
        <translation>Download de imagens da web</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Download Rate</source>
        <translation>Velocidade de download</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>Nova tarefa</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Excluir tarefa</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
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
        <translation>Aviso de atualização</translation>
    </message>
    <message>
        <source>Media Converter NOT found on your machine. Do you want to download and install it?</source>
        <translation>O conversor de mídia NÃO foi encontrado no seu computador. Deseja baixá-lo e instalá-lo?</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zantor %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Zantor %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>A download manager for files and web videos, with many connections per file, mirrors and automatic retries.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Um gerenciador de downloads para arquivos e vídeos da web, com várias conexões por arquivo, espelhos e novas tentativas automáticas.&lt;br&gt;&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Download completed</source>
        <translation>Download concluído</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Start this waiting task earlier</source>
        <translation>Iniciar antes esta tarefa em espera</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Start this waiting task later</source>
        <translation>Iniciar depois esta tarefa em espera</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1. Changes are kept and saved as soon as the file can be written.</source>
        <translation>Não é possível salvar as configurações em %1. As alterações são mantidas e serão salvas assim que o arquivo puder ser gravado.</translation>
    </message>
</context>
<context>
    <name>Player::MainWindow</name>
    <message>
        <source>MP4/FLV Media Player - Tarvo</source>
        <translation>Reprodutor de mídia MP4/FLV - Tarvo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Lista de reprodução</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Sempre no topo</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Ajuda on-line</translation>
    </message>
    <message>
        <source>Show/Hide Play List</source>
        <translation>Mostrar/ocultar lista de reprodução</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Remove Non-existent Entries</source>
        <translation>Remover entradas inexistentes</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Abrir pasta do arquivo</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Abrir URL</translation>
    </message>
    <message>
        <source>The GStreamer plugins that play H.264 video were NOT found. Press OK to read how to install them.</source>
        <translation>Os plugins do GStreamer que reproduzem vídeo H.264 NÃO foram encontrados. Pressione OK para ler como instalá-los.</translation>
    </message>
    <message>
        <source>Select media files</source>
        <translation>Selecionar arquivos de mídia</translation>
    </message>
    <message>
        <source>MP4/FLV Media Player</source>
        <translation>Reprodutor de mídia MP4/FLV</translation>
    </message>
</context>
<context>
    <name>PlayerCommandLine</name>
    <message>
        <source>Media player for MP4 and FLV files, with a play list.</source>
        <translation>Reprodutor de arquivos MP4 e FLV, com lista de reprodução.</translation>
    </message>
    <message>
        <source>[file [hide-flag advertisement-base]]</source>
        <translation>[arquivo [ocultar endereço-de-anúncios]]</translation>
    </message>
    <message>
        <source>A file to play, added to the play list; a running player takes it. Also: /file FILE HIDE-FLAG ADVERTISEMENT-BASE.</source>
        <translation>Um arquivo para reproduzir, adicionado à lista de reprodução; um reprodutor em execução o recebe. Também: /file ARQUIVO OCULTAR ENDEREÇO-DE-ANÚNCIOS.</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Tente &quot;%1 --help&quot; para mais informações.</translation>
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
            <numerusform>a chamada ao plugin levou mais de %n segundo</numerusform>
            <numerusform>a chamada ao plugin levou mais de %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the script ran for more than %n seconds</source>
        <translation>
            <numerusform>o script foi executado por mais de %n segundo</numerusform>
            <numerusform>o script foi executado por mais de %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartupCommandLine</name>
    <message>
        <source>Download manager for files and web videos.</source>
        <translation>Gerenciador de downloads de arquivos e vídeos da web.</translation>
    </message>
    <message>
        <source>Add the links and start them without asking.</source>
        <translation>Adicionar os links e iniciá-los sem perguntar.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>pasta</translation>
    </message>
    <message>
        <source>Start in the tray, without the main window (also &quot;/bg&quot;).</source>
        <translation>Iniciar na bandeja do sistema, sem a janela principal (também &quot;/bg&quot;).</translation>
    </message>
    <message>
        <source>Links to download (http, https, ftp). A running instance takes them; each opens the new task dialog in turn.</source>
        <translation>Links para baixar (http, https, ftp). Uma instância em execução os recebe; cada um abre por vez o diálogo de nova tarefa.</translation>
    </message>
    <message>
        <source>[link...]</source>
        <translation>[link...]</translation>
    </message>
    <message>
        <source>The save folder is empty.</source>
        <translation>A pasta de destino está vazia.</translation>
    </message>
    <message>
        <source>--add and --save-dir need at least one link.</source>
        <translation>--add e --save-dir precisam de pelo menos um link.</translation>
    </message>
    <message>
        <source>not a link, ignored: %1</source>
        <translation>não é um link, ignorado: %1</translation>
    </message>
    <message>
        <source>Save the files of these links in the given folder.</source>
        <translation>Salvar os arquivos destes links na pasta indicada.</translation>
    </message>
</context>
</TS>
