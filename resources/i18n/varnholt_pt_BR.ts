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
        <source>Cache folders in ~/.config and ~/.cache</source>
        <translation>Pastas de cache em ~/.config e ~/.cache</translation>
    </message>
    <message>
        <source>Xorg logs, crash reports</source>
        <translation>Logs do Xorg, relatórios de falhas</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <translation type="unfinished"></translation>
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
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It stays in the system tray so scheduled scans and alerts keep working. Right-click the icon to quit.</source>
        <translation type="unfinished"></translation>
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
