<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppGuard</name>
    <message>
        <source>Password managers, input methods, security and device-management agents, VPNs</source>
        <translation>Gestionnaires de mots de passe, méthodes de saisie, agents de sécurité et de gestion des appareils, VPN</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <source>%1 (%2) moved to the %3</source>
        <translation>%1 (%2) déplacé(s) vers la %3</translation>
    </message>
    <message>
        <source> · %1 in use, skipped</source>
        <translation> · %1 en cours d’utilisation, ignoré(s)</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <translation>
            <numerusform>%n fichier restauré</numerusform>
            <numerusform>%n fichiers restaurés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Scratch files that apps and the system create while working. They are not needed once the app closes.</source>
        <translation>Fichiers provisoires créés par les applications et le système pendant leur fonctionnement. Ils ne sont plus utiles une fois l’application fermée.</translation>
    </message>
    <message>
        <source>Data apps keep to load faster. Apps rebuild these automatically the next time they need them.</source>
        <translation>Données que les applications conservent pour se charger plus vite. Elles les recréent automatiquement la prochaine fois qu’elles en ont besoin.</translation>
    </message>
    <message>
        <source>Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched.</source>
        <translation>Images, scripts et pages en cache. Les connexions, l’historique, les favoris et les mots de passe ne sont jamais touchés.</translation>
    </message>
    <message>
        <source>Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem.</source>
        <translation>Journaux de diagnostic et rapports de plantage. Utiles uniquement pour analyser un problème récent.</translation>
    </message>
    <message>
        <source>Preview images of your files. They are regenerated the next time you open a folder.</source>
        <translation>Aperçus de vos fichiers. Ils sont recréés la prochaine fois que vous ouvrez un dossier.</translation>
    </message>
    <message>
        <source>Package manager caches and build output. Removing them is safe, but the next build or install will be slower.</source>
        <translation>Caches des gestionnaires de paquets et résultats de compilation. Leur suppression est sans risque, mais la prochaine compilation ou installation sera plus lente.</translation>
    </message>
    <message>
        <source>All drives</source>
        <translation>Tous les lecteurs</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>Éléments que vous avez déjà supprimés. Le vidage est irréversible.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Fichiers temporaires</translation>
    </message>
    <message>
        <source>App caches</source>
        <translation>Caches des applications</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <translation>Dossiers de cache dans %LOCALAPPDATA% et %APPDATA%</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <translation>Cache des shaders DirectX</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <translation>Caches des navigateurs</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <translation>Cache Internet</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>Journaux et rapports de plantage</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Cache des miniatures</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <translation>Restes de Windows Update</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Fichiers laissés après l’installation des mises à jour Windows. Sans risque une fois la mise à jour terminée ; Windows les télécharge à nouveau s’il en a besoin.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <translation>Téléchargements de Windows Update</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <translation>Cache de l’Optimisation de la distribution</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <translation>Caches de développement</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config and ~/.cache</source>
        <translation>Dossiers de cache dans ~/.config et ~/.cache</translation>
    </message>
    <message>
        <source>Xorg logs, crash reports</source>
        <translation>Journaux Xorg, rapports de plantage</translation>
    </message>
    <message>
        <source>Package cache</source>
        <translation>Cache des paquets</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>Paquets conservés par le gestionnaire de paquets après leur installation. Suppression sans risque ; ils sont retéléchargés si nécessaire.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <translation>Cache des paquets DNF</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Sûr</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>À vérifier</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Définitif</translation>
    </message>
    <message>
        <source>%1 (all drives)</source>
        <translation>%1 (tous les lecteurs)</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <translation>supprimer définitivement</translation>
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
        <translation>%1 est presque plein. Lancez l’analyse intelligente pour libérer de l’espace.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <translation>Varnholt a été mis à jour vers la version %1.</translation>
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
        <translation>Disque local</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <translation>Explorateur de fichiers</translation>
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
        <translation>Impossible de lire les informations de mise à jour.</translation>
    </message>
    <message>
        <source>The update is not on Varnholt&apos;s server.</source>
        <translation>La mise à jour ne se trouve pas sur le serveur de Varnholt.</translation>
    </message>
    <message>
        <source>Could not save the update: %1</source>
        <translation>Impossible d’enregistrer la mise à jour : %1</translation>
    </message>
    <message>
        <source>The update has an unexpected size.</source>
        <translation>La mise à jour a une taille inattendue.</translation>
    </message>
    <message>
        <source>Could not start the installer.</source>
        <translation>Impossible de lancer le programme d’installation.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>Impossible de télécharger la mise à jour : %1</translation>
    </message>
    <message>
        <source>Could not read the update.</source>
        <translation>Impossible de lire la mise à jour.</translation>
    </message>
    <message>
        <source>The update does not match the published checksum.</source>
        <translation>La mise à jour ne correspond pas à la somme de contrôle publiée.</translation>
    </message>
    <message>
        <source>The update is not signed by %1.</source>
        <translation>La mise à jour n’est pas signée par %1.</translation>
    </message>
    <message>
        <source>The update was downloaded. Install it with your package manager.</source>
        <translation>La mise à jour a été téléchargée. Installez-la avec votre gestionnaire de paquets.</translation>
    </message>
    <message>
        <source>The update was not installed, because Windows did not get permission to install it.</source>
        <translation>La mise à jour n’a pas été installée, car Windows n’a pas obtenu l’autorisation de l’installer.</translation>
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
        <translation>To</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>il y a %n jour</numerusform>
            <numerusform>il y a %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>il y a %n semaine</numerusform>
            <numerusform>il y a %n semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>il y a %n mois</numerusform>
            <numerusform>il y a %n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>il y a %n an</numerusform>
            <numerusform>il y a %n ans</numerusform>
        </translation>
    </message>
</context>
</TS>
