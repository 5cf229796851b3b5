<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppGuard</name>
    <message>
        <source>Password managers, input methods, security and device-management agents, VPNs</source>
        <translation>Gerenciadores de senhas, métodos de entrada, agentes de segurança e de gerenciamento de dispositivos, VPNs</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>1 file</source>
        <translation>1 arquivo</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 arquivos</translation>
    </message>
    <message>
        <source>%1 (%2) moved to the %3</source>
        <translation>%1 (%2) movidos para a %3</translation>
    </message>
    <message>
        <source> · %1 in use, skipped</source>
        <translation> · %1 em uso, ignorados</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <translation>
            <numerusform>%n arquivo restaurado</numerusform>
            <numerusform>%n arquivos restaurados</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>Nada foi limpo: não é possível ler suas configurações.</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>Não foi possível ler esse log de limpeza; nada foi restaurado.</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the %1</source>
        <translation>
            <numerusform>%n item restaurado da %1</numerusform>
            <numerusform>%n itens restaurados da %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not restored: %2</source>
        <translation>%1 não restaurado(s): %2</translation>
    </message>
    <message>
        <source>found through the %1&apos;s own records (an older log)</source>
        <translation>encontrados pelos registros da própria %1 (log antigo)</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
        <translation>
            <numerusform>Nesse ritmo, o disco estará cheio em cerca de %n semana</numerusform>
            <numerusform>Nesse ritmo, o disco estará cheio em cerca de %n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n day(s)</source>
        <translation>
            <numerusform>Nesse ritmo, o disco estará cheio em cerca de %n dia</numerusform>
            <numerusform>Nesse ritmo, o disco estará cheio em cerca de %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Free space falls by about %1 a day</source>
        <translation>O espaço livre diminui cerca de %1 por dia</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <translation>O espaço livre aumenta cerca de %1 por dia</translation>
    </message>
    <message>
        <source> · %1 could not be moved to the %2</source>
        <translation> · %1 não puderam ser movidos para a %2</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Scratch files that apps and the system create while working. They are not needed once the app closes.</source>
        <translation>Arquivos provisórios que os apps e o sistema criam enquanto trabalham. Não são necessários depois que o app é fechado.</translation>
    </message>
    <message>
        <source>Data apps keep to load faster. Apps rebuild these automatically the next time they need them.</source>
        <translation>Dados que os apps guardam para carregar mais rápido. Os apps os recriam automaticamente na próxima vez que precisarem.</translation>
    </message>
    <message>
        <source>Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched.</source>
        <translation>Imagens, scripts e páginas em cache. Logins, histórico, favoritos e senhas nunca são tocados.</translation>
    </message>
    <message>
        <source>Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem.</source>
        <translation>Logs de diagnóstico e relatórios de falhas. Úteis apenas para investigar um problema recente.</translation>
    </message>
    <message>
        <source>Preview images of your files. They are regenerated the next time you open a folder.</source>
        <translation>Imagens de pré-visualização dos seus arquivos. Elas são recriadas na próxima vez que você abrir uma pasta.</translation>
    </message>
    <message>
        <source>Package manager caches and build output. Removing them is safe, but the next build or install will be slower.</source>
        <translation>Caches de gerenciadores de pacotes e saídas de compilação. Removê-los é seguro, mas a próxima compilação ou instalação será mais lenta.</translation>
    </message>
    <message>
        <source>All drives</source>
        <translation>Todas as unidades</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>Itens que você já excluiu. Esvaziar não pode ser desfeito.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Arquivos temporários</translation>
    </message>
    <message>
        <source>App caches</source>
        <translation>Caches de apps</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <translation>Pastas de cache em %LOCALAPPDATA% e %APPDATA%</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <translation>Cache de sombreadores do DirectX</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <translation>Caches de navegadores</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <translation>Cache da Internet</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>Logs e relatórios de falhas</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Cache de miniaturas</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <translation>Restos do Windows Update</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Arquivos deixados após a instalação de atualizações do Windows. Seguros depois que a atualização termina; o Windows os baixa novamente se precisar.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <translation>Downloads do Windows Update</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <translation>Cache da Otimização de Entrega</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <translation>Caches de desenvolvimento</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>Package cache</source>
        <translation>Cache de pacotes</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>Pacotes que o gerenciador de pacotes mantém após instalá-los. Seguros para remover; são baixados novamente se forem necessários.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <translation>Cache de pacotes do DNF</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Permanente</translation>
    </message>
    <message>
        <source>%1 (all drives)</source>
        <translation>%1 (todas as unidades)</translation>
    </message>
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <translation>%1 foi deixado de fora: ele leva a %2 por meio de um link.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <translation>%1 foi deixado de fora: é a pasta pessoal ou a contém.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <translation>%1 foi deixado de fora: fica em um local protegido.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <translation>%1 foi deixado de fora: ele se sobrepõe a %2.</translation>
    </message>
    <message>
        <source>App logs, crash reports</source>
        <translation>Logs de apps, relatórios de falhas</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps</source>
        <translation>Pastas de cache em ~/.config, ~/.cache e em apps Flatpak e Snap</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <translation>%1 foi deixado de fora: outro programa está trabalhando nele.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <translation>%1 foi deixado de fora: em uso por %2.</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <translation>%1 foi deixado de fora: o nome não é um texto válido.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <translation>Cache do npm</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <translation>Cache do Yarn</translation>
    </message>
    <message>
        <source>pip cache</source>
        <translation>Cache do pip</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <translation>Cache HTTP do NuGet</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <translation>Cache de compilação do Go</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <translation>Caches do Gradle</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <translation>Cache do registro do Cargo</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <translation>excluir permanentemente</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>SAFE TO CLEAN</source>
        <translation>SEGURO PARA LIMPAR</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <translation>REVISAR ANTES DE LIMPAR</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <translation>NÃO PODE SER DESFEITO</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Limpeza</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <translation>Nada verificado ainda</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>Encontre caches, arquivos temporários e restos.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <translation>Iniciar Verificação inteligente</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Em andamento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Items checked</source>
        <translation>Itens verificados</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Decorrido</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>found</source>
        <translation>encontrados</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Limpando</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <translation>Limpeza concluída</translation>
    </message>
    <message>
        <source>Available before</source>
        <translation>Disponível antes</translation>
    </message>
    <message>
        <source>Available now</source>
        <translation>Disponível agora</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;Alguns arquivos exigem permissões de administrador.&lt;/b&gt; Reinicie o Varnholt como administrador e limpe novamente para removê-los.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>Reiniciar como administrador</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>Ver log</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>Os itens foram excluídos permanentemente.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Por exemplo: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <translation>&lt;b&gt;Caches de apps em execução foram mantidos:&lt;/b&gt; %1. Feche-os e limpe novamente para incluí-los.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <translation>Requer administrador</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <translation>Selecionar recomendados</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Verificar novamente</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
        <translation>%1 podem ser limpos</translation>
    </message>
    <message>
        <source>Nothing left to clean. Rescan any time.</source>
        <translation>Não há mais nada para limpar. Verifique novamente quando quiser.</translation>
    </message>
    <message>
        <source>These files need administrator rights.</source>
        <translation>Estes arquivos exigem permissões de administrador.</translation>
    </message>
    <message>
        <source>Some folders need administrator rights.</source>
        <translation>Algumas pastas exigem permissões de administrador.</translation>
    </message>
    <message>
        <source>%1 is open. Quit it to include its cache.</source>
        <translation>%1 está aberto. Feche-o para incluir o cache dele.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <translation>%1 estão abertos. Feche-os para incluir os caches deles.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <translation>Maiores itens</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>Mostrar no %1</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <translation>%1 está em execução</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <translation>Mostrar mais %1</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <translation>movidos para a %1</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <translation>excluídos permanentemente</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected%3</source>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selecionados%3</translation>
    </message>
    <message>
        <source> · some need admin</source>
        <translation> · alguns exigem permissões de administrador</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>Limpar %1</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>Arquivos grandes</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln item</numerusform>
            <numerusform>%Ln itens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <translation>
            <numerusform>e mais %Ln item</numerusform>
            <numerusform>e mais %Ln itens</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Verificar novamente</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the %2 and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <translation>Não é possível ler suas configurações em %1, então suas exclusões e sua escolha entre mover para a %2 ou excluir são desconhecidas. A limpeza fica desativada até que o arquivo possa ser lido novamente.</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Limpeza parcial</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Nada foi limpo</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <translation>Nada dos %1 selecionados pôde ser limpo.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <translation>Nenhum app conseguiu abrir %1</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>O %1 não conseguiu mostrar %2</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>Verifique novamente para ver o que pode ser limpo.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Medindo…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <translation>%1 disso exige permissões de administrador.</translation>
    </message>
    <message>
        <source>freed or moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>liberado ou movido para a %1</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>movido para a %1</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>liberado</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <translation>de %1 selecionados · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>Restaurar tudo</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the %1 back where it was</source>
        <translation>Devolver ao lugar tudo o que esta limpeza moveu para a %1</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Restaurando…</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two programs that hold files</comment>
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other program(s)</source>
        <comment>programs that hold files</comment>
        <translation>
            <numerusform>%1 e mais %n programa</numerusform>
            <numerusform>%1 e mais %n programas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) are in use by %1.</source>
        <comment>%1: one or more programs</comment>
        <translation>
            <numerusform>%n arquivo está em uso por %1.</numerusform>
            <numerusform>%n arquivos estão em uso por %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Clean the skipped files again, the same way</source>
        <translation>Limpar novamente os arquivos ignorados, da mesma forma</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln item mantido&lt;/b&gt; porque algo nele mudou desde a verificação. Verifique de novo para ver o que pode sair.</numerusform>
            <numerusform>&lt;b&gt;%Ln itens mantidos&lt;/b&gt; porque algo neles mudou desde a verificação. Verifique de novo para ver o que pode sair.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt; because they were in use or protected. Quit the apps using them and rescan to remove them.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln arquivo ignorado&lt;/b&gt; porque estava em uso ou protegido. Feche os apps que o usam e verifique novamente para removê-lo.</numerusform>
            <numerusform>&lt;b&gt;%Ln arquivos ignorados&lt;/b&gt; porque estavam em uso ou protegidos. Feche os apps que os usam e verifique novamente para removê-los.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the %1 and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Alguns itens foram movidos para a %1 e o restante foi excluído permanentemente. Você ainda pode restaurar o que foi movido.</translation>
    </message>
    <message>
        <source>Moved to the %1. You can still restore anything.</source>
        <translation>Movido para a %1. Você ainda pode restaurar qualquer item.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the %1&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln item não pôde ser movido para a %1&lt;/b&gt; e ficou onde está.</numerusform>
            <numerusform>&lt;b&gt;%Ln itens não puderam ser movidos para a %1&lt;/b&gt; e ficaram onde estão.</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>Esta limpeza não gravou nenhum log; a pasta de logs foi aberta no lugar.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <translation>O log %1 não existe mais; a pasta dele foi aberta no lugar.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>O Varnholt não foi reiniciado: os direitos de administrador foram negados ou não puderam ser solicitados.</translation>
    </message>
    <message>
        <source>No %1 on this drive</source>
        <translation>Não há %1 nesta unidade</translation>
    </message>
    <message>
        <source>Cannot go to the %1</source>
        <translation>Não pode ir para a %1</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <translation>Não foi possível ler o arquivo de catálogo %1: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <translation>O arquivo de catálogo %1 não é um JSON válido: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <translation>O arquivo de catálogo %1 não pode ser usado: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>uma categoria não tem id</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <translation>o id “%1” aparece duas vezes</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <translation>o risco de “%1” não é Safe, Review nem Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <translation>uma raiz de “%1” não é um caminho absoluto</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>não contém nenhuma categoria</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrompido.</translation>
    </message>
    <message>
        <source>Scanning %1 · %2 · %3 files · %4</source>
        <translation>Verificando %1 · %2 · arquivos: %3 · %4</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risco</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Itens</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <translation>(%1 está em execução)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <translation>… e mais %1 (--json lista todos)</translation>
    </message>
    <message>
        <source>%1 found · %2 files checked · %3 s</source>
        <translation>Total encontrado: %1 · arquivos verificados: %2 · %3 s</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <translation>Não foi possível ler algumas pastas de %1.</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <translation>Mantendo %1 por completo, pois %2 está dentro.</translation>
    </message>
    <message>
        <source>Freed %1 · %2 removed · %3 skipped</source>
        <translation>Liberado: %1 · removidos: %2 · ignorados: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Categorias limpas: %1</translation>
    </message>
    <message>
        <source>Skipped (in use or access denied):</source>
        <translation>Ignorados (em uso ou acesso negado):</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <translation>Mantidos por estarem em execução: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>Alguns itens exigem permissões de administrador.</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Log: %1</translation>
    </message>
    <message>
        <source>The scan did not complete.</source>
        <translation>A verificação não foi concluída.</translation>
    </message>
    <message>
        <source>The scan did not complete; nothing was cleaned.</source>
        <translation>A verificação não foi concluída; nada foi limpo.</translation>
    </message>
    <message>
        <source>Nothing to clean in the categories given.</source>
        <translation>Não há nada para limpar nas categorias indicadas.</translation>
    </message>
    <message>
        <source>Cleaning %1 of %2 · %3</source>
        <translation>Limpando %1 de %2 · %3</translation>
    </message>
    <message>
        <source>%1 files checked · %2 found (%3) · %4</source>
        <translation>Arquivos verificados: %1 · encontrados: %2 (%3) · %4</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>A busca por arquivos grandes não foi concluída.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>Último uso</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <translation>
            <numerusform>%n arquivo grande</numerusform>
            <numerusform>%n arquivos grandes</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Não foi possível ler %1.</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Última alteração</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>Execute “varnholt-cli --help” para ver o uso.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Nenhum comando informado.</translation>
    </message>
    <message>
        <source>--help takes nothing else.</source>
        <translation>--help não aceita outros argumentos.</translation>
    </message>
    <message>
        <source>--version takes nothing else.</source>
        <translation>--version não aceita outros argumentos.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot; for %2.</source>
        <translation>Argumento inesperado “%1” para %2.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>measure aceita exatamente um PATH.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <translation>Opção desconhecida “%1” para %2. Opções de %2: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 requer um valor.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 não aceita valor.</translation>
    </message>
    <message>
        <source>--skip-item needs a path.</source>
        <translation>--skip-item requer um caminho.</translation>
    </message>
    <message>
        <source>Choose either --delete or --trash, not both.</source>
        <translation>Escolha --delete ou --trash, não os dois.</translation>
    </message>
    <message>
        <source>--threshold-mb needs a positive number of megabytes (for example 500), not &quot;%1&quot;.</source>
        <translation>--threshold-mb requer um número positivo de megabytes (por exemplo, 500), não “%1”.</translation>
    </message>
    <message>
        <source>measure needs a PATH.</source>
        <translation>measure requer um PATH.</translation>
    </message>
    <message>
        <source>clean needs at least one --category ID.</source>
        <translation>clean requer pelo menos um --category ID.</translation>
    </message>
    <message>
        <source>clean removes files: add --yes to confirm.</source>
        <translation>clean remove arquivos: adicione --yes para confirmar.</translation>
    </message>
    <message>
        <source>Unknown category %1. Categories: %2.</source>
        <translation>Categoria desconhecida: %1. Categorias disponíveis: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <translation>um indicador de “%1” não é true nem false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <translation>os padrões de uma raiz de “%1” não são uma lista de nomes</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <translation>o minAgeMs de uma raiz de “%1” não é um número inteiro de milissegundos entre 0 e 100 anos</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <translation>Aviso: não é possível ler o arquivo de configurações %1; esta execução pode não usar suas configurações.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>Não é possível ler o arquivo de configurações %1, então suas exclusões e sua escolha entre a lixeira e a exclusão são desconhecidas. Nada foi limpo: corrija ou remova esse arquivo primeiro.</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <translation>--skip-item %1 não corresponde a nenhum item das categorias indicadas.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <translation>Nada foi limpo.</translation>
    </message>
    <message>
        <source>Moved %1 to the %2 · freed %3 · %4 removed · %5 skipped</source>
        <translation>Movido para a %2: %1 · liberado: %3 · removidos: %4 · ignorados: %5</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>move to %1</source>
        <translation>mover para %1</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>excluir</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <translation>Permaneceria:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <translation>
            <numerusform>Apenas prévia, nada foi removido: %n caminho sairia, %1.</numerusform>
            <numerusform>Apenas prévia, nada foi removido: %n caminhos sairiam, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>O disco já está cheio.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <translation>
            <numerusform>Ainda sem previsão: os registros de espaço livre cobrem %n dia; uma previsão precisa de pelo menos %1.</numerusform>
            <numerusform>Ainda sem previsão: os registros de espaço livre cobrem %n dias; uma previsão precisa de pelo menos %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No forecast: free space is not falling.</source>
        <translation>Sem previsão: o espaço livre não está diminuindo.</translation>
    </message>
    <message>
        <source>No forecast: at this rate the disk is not full within a year.</source>
        <translation>Sem previsão: nesse ritmo, o disco não ficará cheio em um ano.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of free space since %1</source>
        <translation>
            <numerusform>%n registro de espaço livre desde %1</numerusform>
            <numerusform>%n registros de espaço livre desde %1</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>restore aceita no máximo um LOG.</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the trash (the latest one without LOG)</source>
        <translation>devolve o que uma limpeza moveu para a lixeira (sem LOG, a mais recente)</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>estimar quando o disco ficará cheio com base no histórico de espaço livre</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>lista o que o clean removeria ou moveria, com tamanhos; não remove nada</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <translation>Comando desconhecido “%1”. Comandos: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <translation>
            <numerusform>Em uso por %1 (PID %2): %n arquivo</numerusform>
            <numerusform>Em uso por %1 (PID %2): %n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <translation>Mantidos porque algo neles mudou desde a verificação: %1</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the %1; there is nothing to restore.</source>
        <translation>Nenhuma limpeza moveu algo para a %1; não há nada para restaurar.</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <translation>Como root, o arquivo de catálogo %1 só é usado quando ele e cada pasta acima dele pertencem ao root e ninguém mais pode alterá-los.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <translation>Como root, o Varnholt trabalha nas pastas do próprio root (%1) e ignora %2: outro usuário pode mudar para onde elas levam.</translation>
    </message>
    <message>
        <source>Could not be moved to the %1, left where they are:</source>
        <translation>Não puderam ser movidos para a %1 e ficaram onde estão:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e mais %n</numerusform>
            <numerusform>… e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>Não é possível ler o arquivo de configurações %1, então suas exclusões e sua escolha entre a Lixeira e a exclusão são desconhecidas. Nada foi limpo: corrija ou remova esse arquivo primeiro.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <translation>
            <numerusform>Ainda sem previsão: o espaço livre foi registrado %n vez (o aplicativo Varnholt o registra ao iniciar); uma previsão precisa de pelo menos %1.</numerusform>
            <numerusform>Ainda sem previsão: o espaço livre foi registrado %n vezes (o aplicativo Varnholt o registra ao iniciar); uma previsão precisa de pelo menos %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete permanently, or move to the Recycle Bin</source>
        <translation>exclui permanentemente ou move para a Lixeira</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the Recycle Bin (the latest one without LOG)</source>
        <translation>devolve o que uma limpeza moveu para a Lixeira (sem LOG, a mais recente)</translation>
    </message>
    <message>
        <source>delete permanently, or move to the trash</source>
        <translation>exclui permanentemente ou move para a lixeira</translation>
    </message>
    <message>
        <source>Usage:
  varnholt-cli scan [--json] [--exclude PATTERN]...
  varnholt-cli clean --category ID [--category ID]... [--skip-item PATH]...
                     [--delete | --trash] [--exclude PATTERN]... --yes [--json]
  varnholt-cli large [--threshold-mb N] [--exclude PATTERN]... [--json]
  varnholt-cli measure PATH [--json]
  varnholt-cli --help | --version

Commands:
  scan      measure every cleanup category
  clean     scan afresh, then clean exactly the categories given
  large     list large files in the home folder
  measure   size on disk, file count and newest change of one path

Options:
  --json              print JSON instead of a table
  --exclude PATTERN   leave out folders and files matching PATTERN; when given, these
                      patterns replace the exclusions of the settings for this run
  --category ID       a category to clean (temp, appcache, browser, logs, thumbs,
                      update, dev, trash)
  --skip-item PATH    keep this item of a cleaned category
  --delete, --trash   %1
  --threshold-mb N    smallest size of a large file, in MB
  --yes               confirm that clean may remove files

Defaults come from the settings of Varnholt; options apply to this run only.
Exit status: 0 done, 1 failed (clean: something selected stayed), 2 usage error.
</source>
        <extracomment>%1 says what --delete and --trash do, in the words of the system</extracomment>
        <translation>Uso:
  varnholt-cli scan [--json] [--exclude PATTERN]...
  varnholt-cli clean --category ID [--category ID]... [--skip-item PATH]...
                     [--delete | --trash] [--exclude PATTERN]... --yes [--json]
  varnholt-cli large [--threshold-mb N] [--exclude PATTERN]... [--json]
  varnholt-cli measure PATH [--json]
  varnholt-cli --help | --version

Comandos:
  scan      mede todas as categorias de limpeza
  clean     verifica de novo e limpa exatamente as categorias indicadas
  large     lista os arquivos grandes da pasta pessoal
  measure   tamanho em disco, número de arquivos e última alteração do caminho

Opções:
  --json              exibe JSON em vez de uma tabela
  --exclude PATTERN   ignora pastas e arquivos que correspondam a PATTERN;
                      substitui as exclusões configuradas (só nesta execução)
  --category ID       uma categoria a limpar (temp, appcache, browser, logs,
                      thumbs, update, dev, trash)
  --skip-item PATH    mantém este item de uma categoria que será limpa
  --delete, --trash   %1
  --threshold-mb N    tamanho mínimo de um arquivo grande, em MB
  --yes               confirma que clean pode remover arquivos

Usa as configurações do Varnholt; as opções valem só para esta execução.
Código de saída: 0 êxito, 1 falha (clean: algo não foi removido), 2 erro de uso.
</translation>
    </message>
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <translation>Mapa de espaço</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Verificar novamente</translation>
    </message>
    <message>
        <source>Find what&apos;s taking up space</source>
        <translation>Descubra o que está ocupando espaço</translation>
    </message>
    <message>
        <source>Big files in your home folder. You decide what goes.</source>
        <translation>Arquivos grandes na sua pasta pessoal. Você decide o que sai.</translation>
    </message>
    <message>
        <source>Find large files</source>
        <translation>Encontrar arquivos grandes</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <translation>Maiores até agora</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>Procurando arquivos grandes…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <translation>Sem uso há %1+ meses</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Search files</source>
        <translation>Pesquisar arquivos</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>Mostrar no %1</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Mover para a %1</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <translation>Pasta pessoal · acima de %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <translation>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selecionados de %3 · %Ln arquivo</numerusform>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selecionados de %3 · %Ln arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Limpar pesquisa</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <translation>Nenhum arquivo corresponde a “%1”.</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>Nenhum arquivo nesta visualização.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <translation>Nenhum arquivo acima de %1 na sua pasta pessoal.</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>O %1 não conseguiu mostrar %2</translation>
    </message>
    <message>
        <source>Files to show</source>
        <translation>Arquivos a exibir</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1 is almost full. Run Smart Scan to free up space.</source>
        <translation>%1 está quase cheio. Execute a Verificação inteligente para liberar espaço.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <translation>O Varnholt foi atualizado para a versão %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <translation>
            <numerusform>%1 está enchendo: nesse ritmo, estará cheio em cerca de %n dia. Execute a Verificação inteligente para liberar espaço.</numerusform>
            <numerusform>%1 está enchendo: nesse ritmo, estará cheio em cerca de %n dias. Execute a Verificação inteligente para liberar espaço.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <translation>Site do Varnholt</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Abrir pasta de logs</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <translation>Sobre o Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Sair do Varnholt</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <translation>Não foi possível criar a pasta de logs %1.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>Encontra o espaço de que seu computador pode abrir mão.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <translation>Manter o Varnholt em execução?</translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window, so scheduled scans and low space alerts keep working. You can open it again from the tray icon.</source>
        <translation>O Varnholt pode ficar na bandeja do sistema quando você fecha a janela, para que as verificações agendadas e os alertas de pouco espaço continuem funcionando. Você pode abri-lo novamente pelo ícone na bandeja.</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Lembrar minha escolha</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>Você pode alterar isso em Configurações.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <translation>Manter na bandeja</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <translation>Limpar %1?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>A exclusão permanente está ativada. Estes arquivos não poderão ser recuperados.</translation>
    </message>
    <message>
        <source>Emptying the %1 can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>Esvaziar a %1 não pode ser desfeito. Todo o resto vai para a %1.</translation>
    </message>
    <message>
        <source>Everything will be moved to the %1, so you can restore it later.</source>
        <translation>Tudo será movido para a %1, para que você possa restaurar depois.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <translation>Limpar e excluir</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>Novidades</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>O Varnholt está atualizado</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <translation>A versão %1 é a mais recente.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>Há uma atualização disponível</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
        <translation>A versão %1 está disponível. Você tem a %2.</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Não foi possível verificar se há atualizações</translation>
    </message>
    <message>
        <source>Check your internet connection and try again.</source>
        <translation>Verifique sua conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <translation>Baixando a atualização…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <translation>Instalando a atualização…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>O Varnholt será fechado e reiniciado quando a atualização for instalada.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Verificando atualizações…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <translation>A versão %1 está instalada.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>Parte disso exige permissões de administrador: sem elas, esses arquivos são ignorados.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <translation>Tudo o que será removido</translation>
    </message>
    <message>
        <source>Working out the list…</source>
        <translation>Montando a lista…</translation>
    </message>
    <message>
        <source>The list cannot be worked out now.</source>
        <translation>Não é possível montar a lista agora.</translation>
    </message>
    <message>
        <source>Nothing in the selection would be removed.</source>
        <translation>Nada da seleção seria removido.</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <translation>
            <numerusform>%n caminho · %1</numerusform>
            <numerusform>%n caminhos · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>These cannot be moved to the %1</source>
        <translation>Estes não podem ser movidos para a %1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>Deixá-los</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <translation>Excluí-los permanentemente</translation>
    </message>
    <message>
        <source>None of it can go to the %1: delete it permanently, or nothing is cleaned.</source>
        <translation>Nada disso pode ir para a %1: exclua permanentemente, ou nada será limpo.</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>Tudo será excluído permanentemente e não poderá ser recuperado.</translation>
    </message>
    <message>
        <source>Emptying the %1 and deleting what cannot go there can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>Esvaziar a %1 e excluir o que não pode ir para lá não pode ser desfeito. Todo o resto vai para a %1.</translation>
    </message>
    <message>
        <source>What cannot go to the %1 is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>O que não pode ir para a %1 será excluído permanentemente. Todo o resto será movido para lá, para que você possa restaurar depois.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>Não foi possível iniciar a verificação. Tente novamente em instantes.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>A verificação falhou novamente.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <translation>Verificado %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Verificação inteligente</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Verificar novamente</translation>
    </message>
    <message>
        <source>See all</source>
        <translation>Ver tudo</translation>
    </message>
    <message>
        <source>Disk health</source>
        <translation>Saúde do disco</translation>
    </message>
    <message>
        <source>System files protected</source>
        <translation>Arquivos do sistema protegidos</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
        <translation>%1 prontos para limpar</translation>
    </message>
    <message>
        <source>Your startup disk is almost full</source>
        <translation>Seu disco de inicialização está quase cheio</translation>
    </message>
    <message>
        <source>Keep your disk in shape</source>
        <translation>Mantenha seu disco em forma</translation>
    </message>
    <message>
        <source>free of %1</source>
        <translation>livres de %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <translation>Nunca verificado</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <translation>Liberado este mês</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Última verificação</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensal</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>Verificação agendada</translation>
    </message>
    <message>
        <source>Top recommendations</source>
        <translation>Principais recomendações</translation>
    </message>
    <message>
        <source>What Smart Scan looks at</source>
        <translation>O que a Verificação inteligente analisa</translation>
    </message>
    <message>
        <source>Apps, documents &amp; system</source>
        <translation>Apps, documentos e sistema</translation>
    </message>
    <message>
        <source>Reclaimable</source>
        <translation>Recuperável</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponível</translation>
    </message>
    <message>
        <source>Space freed in the last six months</source>
        <translation>Espaço liberado nos últimos seis meses</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned</source>
        <translation>Verifique novamente para ver o que pode ser limpo</translation>
    </message>
    <message>
        <source>Free space history</source>
        <translation>Histórico do espaço livre</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <translation>
            <numerusform>De %1 para %2 livres em %n dia</numerusform>
            <numerusform>De %1 para %2 livres em %n dias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Local Disk</source>
        <translation>Disco local</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <translation>Explorador de Arquivos</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>no longer in the trash</source>
        <translation>não está mais na lixeira</translation>
    </message>
    <message>
        <source>its place is taken</source>
        <translation>o lugar dele está ocupado</translation>
    </message>
    <message>
        <source>the log does not name a trash entry</source>
        <translation>o log não indica um item da lixeira</translation>
    </message>
    <message>
        <source>more than one trash entry matches</source>
        <translation>mais de um item da lixeira corresponde</translation>
    </message>
    <message>
        <source>could not be moved back</source>
        <translation>não foi possível devolver ao lugar</translation>
    </message>
    <message>
        <source>no longer in the Recycle Bin</source>
        <translation>não está mais na Lixeira</translation>
    </message>
    <message>
        <source>the log does not name a Recycle Bin entry</source>
        <translation>o log não indica um item da Lixeira</translation>
    </message>
    <message>
        <source>more than one Recycle Bin entry matches</source>
        <translation>mais de um item da Lixeira corresponde</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>Escolha uma pasta a ser ignorada</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Limpeza</translation>
    </message>
    <message>
        <source>Move items to the %1</source>
        <translation>Mover itens para a %1</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>Recomendado. Desative para excluir os arquivos permanentemente.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <translation>Tamanho de arquivo grande</translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation>100 MB</translation>
    </message>
    <message>
        <source>250 MB</source>
        <translation>250 MB</translation>
    </message>
    <message>
        <source>500 MB</source>
        <translation>500 MB</translation>
    </message>
    <message>
        <source>1 GB</source>
        <translation>1 GB</translation>
    </message>
    <message>
        <source>Consider files old after</source>
        <translation>Considerar arquivos antigos após</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 meses</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 meses</translation>
    </message>
    <message>
        <source>12 months</source>
        <translation>12 meses</translation>
    </message>
    <message>
        <source>24 months</source>
        <translation>24 meses</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automação</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>Verificação agendada</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>Verifica ao iniciar o Varnholt se a última verificação for mais antiga que isso. Nunca limpa por conta própria.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensal</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <translation>Alertas de pouco espaço</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <translation>Avisar quando o espaço livre ficar abaixo de 10%.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Abrir ao fazer login</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Iniciar com o Windows</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Iniciar ao fazer login</translation>
    </message>
    <message>
        <source>Starts Varnholt in the background so scheduled scans can run.</source>
        <translation>Inicia o Varnholt em segundo plano para que as verificações agendadas possam ser executadas.</translation>
    </message>
    <message>
        <source>Show Varnholt in the menu bar</source>
        <translation>Mostrar o Varnholt na barra de menus</translation>
    </message>
    <message>
        <source>Closing the window keeps Varnholt running there, so scheduled scans and low space alerts keep working.</source>
        <translation>Ao fechar a janela, o Varnholt continua em execução ali, para que as verificações agendadas e os alertas de pouco espaço continuem funcionando.</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <translation>Perguntar sempre</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Continuar na bandeja</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Sair do Varnholt</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>Ao fechar a janela</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running so scheduled scans and low space alerts keep working.</source>
        <translation>Na bandeja, o Varnholt continua em execução para que as verificações agendadas e os alertas de pouco espaço continuem funcionando.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>Seguir o sistema ou usar sempre o modo claro ou escuro.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Padrão do sistema (%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Reiniciar agora</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>O Varnholt é reiniciado para trocar de idioma.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation>Exclusões</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <translation>Nunca tocar</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Pastas e padrões que o Varnholt sempre ignora.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <translation>Locais protegidos do sistema</translation>
    </message>
    <message>
        <source> — always skipped.</source>
        <translation> — sempre ignorados.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <translation>Apps protegidos</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — os dados deles nunca são limpos. Caches de apps em execução e arquivos abertos também são ignorados.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <translation>Permissões e informações</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
        <translation>Acesso Total ao Disco</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean Windows Update files.</source>
        <translation>O Varnholt está em execução como administrador e pode limpar arquivos do Windows Update.</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean the package cache.</source>
        <translation>O Varnholt está em execução como administrador e pode limpar o cache de pacotes.</translation>
    </message>
    <message>
        <source>Administrator access</source>
        <translation>Acesso de administrador</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Concedido</translation>
    </message>
    <message>
        <source>Only needed to clean Windows Update leftovers.</source>
        <translation>Necessário apenas para limpar restos do Windows Update.</translation>
    </message>
    <message>
        <source>Only needed to clean the package cache.</source>
        <translation>Necessário apenas para limpar o cache de pacotes.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>Reiniciar como administrador</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Open logs</source>
        <translation>Abrir logs</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>Cada limpeza gera um log que você pode revisar. O Varnholt verifica se há atualizações ao iniciar.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>Arquivos maiores que isso aparecem no Mapa de espaço.</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <translation>Limpezas recentes</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <translation>Nenhuma limpeza ainda</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>Cada limpeza grava um log que você pode revisar.</translation>
    </message>
    <message>
        <source>%1 moved to the %2</source>
        <translation>%1 movidos para a %2</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <translation>%1 excluídos permanentemente</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the %1. Nothing that is in its place now is replaced.</source>
        <translation>Devolve o que esta limpeza moveu para a %1. Nada que esteja no lugar agora é substituído.</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>Usado pelo filtro “Sem uso”.</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, items deleted permanently or moved to it</source>
        <translation>%1 no total: %2 esvaziada, itens excluídos permanentemente ou movidos para ela</translation>
    </message>
    <message>
        <source>%1 moved to the %2 or deleted permanently</source>
        <translation>%1 movido para a %2 ou excluído permanentemente</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, then items moved to it</source>
        <translation>%1 no total: %2 esvaziada e depois itens movidos para ela</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the %2 emptied</source>
        <translation>%1 liberado: itens excluídos permanentemente e %2 esvaziada</translation>
    </message>
    <message>
        <source>The %1 was emptied: %2 freed</source>
        <translation>A %1 foi esvaziada: %2 liberado</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Nada foi limpo</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Verificar novamente</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <translation>Não é possível ler suas configurações em %1, então o que elas contêm é desconhecido. As opções guardadas ali ficam bloqueadas até que o arquivo possa ser lido novamente.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Não foi possível reiniciar o Varnholt. Feche-o e abra-o novamente para trocar de idioma.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <translation>%1 disponíveis de %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Verificação inteligente</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Limpeza</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>Mapa de espaço</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 livres</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <translation>Expandir barra lateral</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <translation>Recolher barra lateral</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>O Varnholt continua em execução</translation>
    </message>
    <message>
        <source>It stays in the system tray so scheduled scans and alerts keep working. Right-click the icon to quit.</source>
        <translation>Ele fica na bandeja do sistema para que as verificações agendadas e os alertas continuem funcionando. Clique com o botão direito no ícone para sair.</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <translation>Abrir o Varnholt</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Verificação inteligente</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Sair do Varnholt</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <translation>%1 · %2 livres</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>Mapa de espaço</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information could not be read.</source>
        <translation>Não foi possível ler as informações da atualização.</translation>
    </message>
    <message>
        <source>The update is not on Varnholt&apos;s server.</source>
        <translation>A atualização não está no servidor do Varnholt.</translation>
    </message>
    <message>
        <source>Could not save the update: %1</source>
        <translation>Não foi possível salvar a atualização: %1</translation>
    </message>
    <message>
        <source>The update has an unexpected size.</source>
        <translation>A atualização tem um tamanho inesperado.</translation>
    </message>
    <message>
        <source>Could not start the installer.</source>
        <translation>Não foi possível iniciar o instalador.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>Não foi possível baixar a atualização: %1</translation>
    </message>
    <message>
        <source>Could not read the update.</source>
        <translation>Não foi possível ler a atualização.</translation>
    </message>
    <message>
        <source>The update does not match the published checksum.</source>
        <translation>A atualização não corresponde à soma de verificação publicada.</translation>
    </message>
    <message>
        <source>The update is not signed by %1.</source>
        <translation>A atualização não está assinada por %1.</translation>
    </message>
    <message>
        <source>The update was downloaded. Install it with your package manager.</source>
        <translation>A atualização foi baixada. Instale-a com seu gerenciador de pacotes.</translation>
    </message>
    <message>
        <source>The update was not installed, because Windows did not get permission to install it.</source>
        <translation>A atualização não foi instalada porque o Windows não obteve permissão para instalá-la.</translation>
    </message>
    <message>
        <source>The connection to the update server timed out.</source>
        <translation>A conexão com o servidor de atualizações expirou.</translation>
    </message>
    <message>
        <source>The update is not the published version %1.</source>
        <translation>A atualização não é a versão publicada %1.</translation>
    </message>
</context>
<context>
    <name>fmt</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ontem</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>há %n dia</numerusform>
            <numerusform>há %n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>há %n semana</numerusform>
            <numerusform>há %n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>há %n mês</numerusform>
            <numerusform>há %n meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>há %n ano</numerusform>
            <numerusform>há %n anos</numerusform>
        </translation>
    </message>
</context>
</TS>
