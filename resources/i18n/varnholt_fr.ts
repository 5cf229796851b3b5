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
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <extracomment>Toast after Undo put the files moved from the Space Map back</extracomment>
        <translation>
            <numerusform>%n fichier restauré</numerusform>
            <numerusform>%n fichiers restaurés</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>Rien n’a été nettoyé&#x202f;: vos paramètres sont illisibles.</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>Impossible de lire ce journal de nettoyage&#x202f;; rien n’a été restauré.</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
        <extracomment>Forecast on the Overview, from the history of free space</extracomment>
        <translation>
            <numerusform>À ce rythme, le disque sera plein dans environ %n semaine</numerusform>
            <numerusform>À ce rythme, le disque sera plein dans environ %n semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n day(s)</source>
        <translation>
            <numerusform>À ce rythme, le disque sera plein dans environ %n jour</numerusform>
            <numerusform>À ce rythme, le disque sera plein dans environ %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Free space falls by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>L’espace libre diminue d’environ %1 par jour</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>L’espace libre augmente d’environ %1 par jour</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Recycle Bin</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%Ln fichier (%1) déplacé vers la Corbeille</numerusform>
            <numerusform>%Ln fichiers (%1) déplacés vers la Corbeille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Trash</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%Ln fichier (%1) déplacé vers la Corbeille</numerusform>
            <numerusform>%Ln fichiers (%1) déplacés vers la Corbeille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln in use, skipped</source>
        <comment>follows the files moved; the number of files left alone</comment>
        <translation>
            <numerusform> · %Ln en cours d’utilisation, ignoré</numerusform>
            <numerusform> · %Ln en cours d’utilisation, ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Recycle Bin</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln n’a pas pu être déplacé vers la Corbeille</numerusform>
            <numerusform> · %Ln n’ont pas pu être déplacés vers la Corbeille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Trash</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln n’a pas pu être déplacé vers la Corbeille</numerusform>
            <numerusform> · %Ln n’ont pas pu être déplacés vers la Corbeille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Recycle Bin</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>%n élément restauré depuis la Corbeille</numerusform>
            <numerusform>%n éléments restaurés depuis la Corbeille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Trash</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>%n élément restauré depuis la Corbeille</numerusform>
            <numerusform>%n éléments restaurés depuis la Corbeille</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not restored: %1</source>
        <comment>%1: why, e.g. no longer in the bin</comment>
        <translation>
            <numerusform>%Ln non restauré&#x202f;: %1</numerusform>
            <numerusform>%Ln non restaurés&#x202f;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>found through the Recycle Bin&apos;s own records (an older log)</source>
        <translation>éléments retrouvés grâce aux informations de la Corbeille (ancien journal)</translation>
    </message>
    <message>
        <source>found through the Trash&apos;s own records (an older log)</source>
        <translation>éléments retrouvés grâce aux informations de la Corbeille (ancien journal)</translation>
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
        <extracomment>Where a category looks: every drive, not one folder</extracomment>
        <translation>Tous les lecteurs</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>Éléments que vous avez déjà supprimés. Le vidage est irréversible.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Fichiers temporaires</translation>
    </message>
    <message>
        <source>App caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Caches des applications</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <extracomment>Description of a category; %LOCALAPPDATA% and %APPDATA% are Windows folder names, keep them</extracomment>
        <translation>Dossiers de cache dans %LOCALAPPDATA% et %APPDATA%</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <extracomment>Item of the app caches; DirectX is the name of a program</extracomment>
        <translation>Cache des shaders DirectX</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Caches des navigateurs</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <extracomment>Item of the browser caches</extracomment>
        <translation>Cache Internet</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>Journaux et rapports de plantage</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <extracomment>Name of a cleanup category: small preview pictures of files</extracomment>
        <translation>Cache des miniatures</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Restes de Windows Update</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Fichiers laissés après l’installation des mises à jour Windows. Sans risque une fois la mise à jour terminée&#x202f;; Windows les télécharge à nouveau s’il en a besoin.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <extracomment>Item of the Windows Update leftovers</extracomment>
        <translation>Téléchargements de Windows Update</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <extracomment>Item of the Windows Update leftovers; Delivery Optimization is a Windows service</extracomment>
        <translation>Cache de l’Optimisation de la distribution</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <extracomment>Name of a cleanup category: caches of programming tools</extracomment>
        <translation>Caches de développement</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>Name of the cleanup category that empties the Recycle Bin</extracomment>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Package cache</source>
        <extracomment>Name of a cleanup category: downloaded software packages</extracomment>
        <translation>Cache des paquets</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>Paquets conservés par le gestionnaire de paquets après leur installation. Suppression sans risque&#x202f;; ils sont retéléchargés si nécessaire.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <extracomment>Item of the package cache; DNF is the name of a program</extracomment>
        <translation>Cache des paquets DNF</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>Name of the cleanup category that empties the Trash</extracomment>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>Risk level of a category: cleaning it loses nothing the user needs</extracomment>
        <translation>Sans risque</translation>
    </message>
    <message>
        <source>Review</source>
        <extracomment>Risk level of a category: look at it before cleaning (an adjective, not a command)</extracomment>
        <translation>À vérifier</translation>
    </message>
    <message>
        <source>Permanent</source>
        <extracomment>Risk level of a category: what goes cannot be restored</extracomment>
        <translation>Définitif</translation>
    </message>
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: where its link leads</extracomment>
        <translation>%1 a été ignoré&#x202f;: il mène à %2 par un lien.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>%1 a été ignoré&#x202f;: c’est le dossier personnel ou il le contient.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>%1 a été ignoré&#x202f;: il se trouve dans un emplacement protégé.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: the category it overlaps</extracomment>
        <translation>%1 a été ignoré&#x202f;: il chevauche %2.</translation>
    </message>
    <message>
        <source>App logs, crash reports</source>
        <translation>Journaux d’applications, rapports de plantage</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps</source>
        <translation>Dossiers de cache dans ~/.config, ~/.cache et les applications Flatpak et Snap</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>%1 est ignoré&#x202f;: son nom n’est pas un texte valide.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <extracomment>Item of the developer caches; npm is the name of a program</extracomment>
        <translation>Cache npm</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <extracomment>Item of the developer caches; Yarn is the name of a program</extracomment>
        <translation>Cache Yarn</translation>
    </message>
    <message>
        <source>pip cache</source>
        <extracomment>Item of the developer caches; pip is the name of a program</extracomment>
        <translation>Cache pip</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <extracomment>Item of the developer caches; NuGet is the name of a program</extracomment>
        <translation>Cache HTTP NuGet</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <extracomment>Item of the developer caches; Go is a programming language</extracomment>
        <translation>Cache de compilation Go</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <extracomment>Item of the developer caches; Gradle is the name of a program</extracomment>
        <translation>Caches Gradle</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <extracomment>Item of the developer caches; Cargo is the name of a program</extracomment>
        <translation>Cache du registre Cargo</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <comment>%1: a folder</comment>
        <translation>%1 est ignoré&#x202f;: un autre programme l’utilise.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <comment>%1: a folder; %2: the programs using it</comment>
        <translation>%1 est ignoré&#x202f;: utilisé par %2.</translation>
    </message>
    <message>
        <source>Recycle Bin (all drives)</source>
        <translation>Corbeille (tous les lecteurs)</translation>
    </message>
    <message>
        <source>Trash (all drives)</source>
        <extracomment>The one item of the Trash category: the Trash of every drive</extracomment>
        <translation>Corbeille (tous les lecteurs)</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <extracomment>Mode line of the cleanup log: the files are removed for good</extracomment>
        <translation>supprimer définitivement</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>SAFE TO CLEAN</source>
        <extracomment>Heading over the categories of the Safe risk level</extracomment>
        <translation>NETTOYAGE SANS RISQUE</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <extracomment>Heading over the categories of the Review risk level</extracomment>
        <translation>À VÉRIFIER AVANT LE NETTOYAGE</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <extracomment>Heading over the categories of the Permanent risk level</extracomment>
        <translation>IRRÉVERSIBLE</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Title of the Cleanup page</extracomment>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <extracomment>Heading of the Cleanup page before the first scan</extracomment>
        <translation>Aucune analyse pour l’instant</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>Trouvez les caches, les fichiers temporaires et les restes inutiles.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <extracomment>Button; Smart Scan is the scan of every cleanup category</extracomment>
        <translation>Lancer l’analyse intelligente</translation>
    </message>
    <message>
        <source>Scanning</source>
        <extracomment>Heading of the Cleanup page while the scan runs</extracomment>
        <translation>Analyse en cours</translation>
    </message>
    <message>
        <source>In progress</source>
        <extracomment>Eyebrow over the heading while a scan or cleanup runs</extracomment>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button that stops the running scan</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Items checked</source>
        <extracomment>Caption under the number of files looked at so far</extracomment>
        <translation>Éléments examinés</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <extracomment>Caption under the time a scan has run so far</extracomment>
        <translation>Écoulé</translation>
    </message>
    <message>
        <source>Remaining</source>
        <extracomment>Caption under the estimated time a scan still needs</extracomment>
        <translation>Restant</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>Caption under the size found so far, inside the scan&apos;s radar</extracomment>
        <translation>trouvés</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of the Cleanup page while the cleanup runs</extracomment>
        <translation>Nettoyage en cours</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>Under the size cleaned so far, inside the progress ring; %1: the total size</extracomment>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <extracomment>Heading once a cleanup ended</extracomment>
        <translation>Nettoyage terminé</translation>
    </message>
    <message>
        <source>Available before</source>
        <extracomment>Caption: free disk space before the cleanup</extracomment>
        <translation>Disponible avant</translation>
    </message>
    <message>
        <source>Available now</source>
        <extracomment>Caption: free disk space after the cleanup</extracomment>
        <translation>Disponible après</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;Certains fichiers nécessitent des droits d’administrateur.&lt;/b&gt; Redémarrez Varnholt en tant qu’administrateur et relancez le nettoyage pour les supprimer.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>Relancer en admin</translation>
    </message>
    <message>
        <source>View log</source>
        <extracomment>Button: open the cleanup&apos;s log file</extracomment>
        <translation>Voir le journal</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Button that closes the cleanup&apos;s result</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>Les éléments ont été supprimés définitivement.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Par exemple&#x202f;: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>&lt;b&gt;Caches des applications en cours d’exécution laissés intacts&#x202f;:&lt;/b&gt; %1. Quittez ces applications et relancez le nettoyage pour inclure leurs caches.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <extracomment>In place of a category&apos;s item count: it could only be read with administrator rights</extracomment>
        <translation>Droits d’administrateur requis</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <extracomment>Button in the results&apos; header: check the safe categories</extracomment>
        <translation>Cocher les recommandés</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the results&apos; header: scan again</extracomment>
        <translation>Réanalyser</translation>
    </message>
    <message>
        <source>Select all</source>
        <extracomment>Check box: check every category (or every item of one)</extracomment>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
        <extracomment>%1: a size, written in larger type</extracomment>
        <translation>Vous pouvez nettoyer %1</translation>
    </message>
    <message>
        <source>Nothing left to clean. Rescan any time.</source>
        <translation>Plus rien à nettoyer. Vous pouvez relancer l’analyse à tout moment.</translation>
    </message>
    <message>
        <source>These files need administrator rights.</source>
        <translation>Ces fichiers nécessitent des droits d’administrateur.</translation>
    </message>
    <message>
        <source>Some folders need administrator rights.</source>
        <translation>Certains dossiers nécessitent des droits d’administrateur.</translation>
    </message>
    <message>
        <source>%1 is open. Quit it to include its cache.</source>
        <extracomment>%1: an app&apos;s name</extracomment>
        <translation>%1 est ouvert. Quittez l’application pour inclure son cache.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>%1 sont ouverts. Quittez ces applications pour inclure leurs caches.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <extracomment>Heading over the biggest items of an opened category</extracomment>
        <translation>Les plus gros</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <extracomment>Beside an item; %1: the app using it</extracomment>
        <translation>%1 est en cours d’exécution</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <extracomment>Link below a category&apos;s items; %1: how many more are shown</extracomment>
        <translation>Afficher %1 de plus</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <extracomment>Tooltip of the Clean button: what happens to the selection</extracomment>
        <translation>Les éléments seront supprimés définitivement</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <extracomment>The footer&apos;s main button; %1: the selected size</extracomment>
        <translation>Nettoyer %1</translation>
    </message>
    <message>
        <source>Large files</source>
        <extracomment>Caption: how many large files were found</extracomment>
        <translation>Gros fichiers</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <extracomment>Below the items shown of a category</extracomment>
        <translation>
            <numerusform>et %Ln autre élément</numerusform>
            <numerusform>et %Ln autres éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <extracomment>Heading once a cleanup left part of the selection</extracomment>
        <translation>Nettoyage partiel</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>Heading once a cleanup removed nothing</extracomment>
        <translation>Rien n’a été nettoyé</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <extracomment>%1: a size</extracomment>
        <translation>Rien n’a pu être nettoyé sur les %1 sélectionnés.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <extracomment>%1: a file or folder</extracomment>
        <translation>Aucune application n’a pu ouvrir %1</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>Relancez l’analyse pour voir ce qui peut être nettoyé.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <extracomment>In place of a category&apos;s item count while its size is measured</extracomment>
        <translation>Mesure en cours…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <extracomment>%1: a size</extracomment>
        <translation>Une partie (%1) nécessite des droits d’administrateur.</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>libérés</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <extracomment>Under the cleaned size; %1: the selected size; %2: what became of it, e.g. &quot;freed&quot;</extracomment>
        <translation>sur %1 sélectionnés · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <extracomment>Button: put back everything the cleanup moved to the bin</extracomment>
        <translation>Tout restaurer</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <extracomment>The Restore all button while the files go back</extracomment>
        <translation>Restauration…</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two programs that hold files</comment>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other program(s)</source>
        <comment>programs that hold files</comment>
        <translation>
            <numerusform>%1 et %n autre programme</numerusform>
            <numerusform>%1 et %n autres programmes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) are in use by %1.</source>
        <comment>%1: one or more programs</comment>
        <translation>
            <numerusform>%n fichier est utilisé par %1.</numerusform>
            <numerusform>%n fichiers sont utilisés par %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>Button: clean again what was skipped</extracomment>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Clean the skipped files again, the same way</source>
        <translation>Nettoyer à nouveau les fichiers ignorés, de la même façon</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln élément conservé&lt;/b&gt; car son contenu a changé depuis l’analyse. Relancez l’analyse pour voir ce qui peut être supprimé.</numerusform>
            <numerusform>&lt;b&gt;%Ln éléments conservés&lt;/b&gt; car leur contenu a changé depuis l’analyse. Relancez l’analyse pour voir ce qui peut être supprimé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt; because they were in use or protected. Quit the apps using them and rescan to remove them.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln fichier ignoré&lt;/b&gt; car il était en cours d’utilisation ou protégé. Quittez les applications qui l’utilisent et relancez l’analyse pour le supprimer.</numerusform>
            <numerusform>&lt;b&gt;%Ln fichiers ignorés&lt;/b&gt; car ils étaient en cours d’utilisation ou protégés. Quittez les applications qui les utilisent et relancez l’analyse pour les supprimer.</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>Ce nettoyage n’a écrit aucun journal&#x202f;; le dossier des journaux est ouvert à la place.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt n’a pas redémarré&#x202f;: les droits d’administrateur ont été refusés ou n’ont pas pu être demandés.</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Recycle Bin back where it was</source>
        <translation>Remettre à leur place tous les éléments que ce nettoyage a déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Trash back where it was</source>
        <translation>Remettre à leur place tous les éléments que ce nettoyage a déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>freed or moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>libérés ou déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>freed or moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>libérés ou déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>déplacés vers la Corbeille</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Recycle Bin&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln élément n’a pas pu être déplacé vers la Corbeille&lt;/b&gt; et a été laissé à sa place.</numerusform>
            <numerusform>&lt;b&gt;%Ln éléments n’ont pas pu être déplacés vers la Corbeille&lt;/b&gt; et ont été laissés à leur place.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Trash&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln élément n’a pas pu être déplacé vers la Corbeille&lt;/b&gt; et a été laissé à sa place.</numerusform>
            <numerusform>&lt;b&gt;%Ln éléments n’ont pas pu être déplacés vers la Corbeille&lt;/b&gt; et ont été laissés à leur place.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the Recycle Bin and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Certains éléments ont été déplacés vers la Corbeille et les autres supprimés définitivement. Vous pouvez encore restaurer ce qui a été déplacé.</translation>
    </message>
    <message>
        <source>Some items were moved to the Trash and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Certains éléments ont été déplacés vers la Corbeille et les autres supprimés définitivement. Vous pouvez encore restaurer ce qui a été déplacé.</translation>
    </message>
    <message>
        <source>Moved to the Recycle Bin. You can still restore anything.</source>
        <translation>Éléments déplacés vers la Corbeille. Vous pouvez encore tout restaurer.</translation>
    </message>
    <message>
        <source>Moved to the Trash. You can still restore anything.</source>
        <translation>Éléments déplacés vers la Corbeille. Vous pouvez encore tout restaurer.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <comment>%1: a path</comment>
        <translation>Le journal %1 n’existe plus&#x202f;; son dossier est ouvert à la place.</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>L’Explorateur de fichiers n’a pas pu afficher %1</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>Le gestionnaire de fichiers n’a pas pu afficher %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <comment>on a category&apos;s card</comment>
        <translation>
            <numerusform>%Ln élément</numerusform>
            <numerusform>%Ln éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Link beside a category&apos;s largest items; opens File Explorer there</extracomment>
        <translation>Afficher dans l’Explorateur</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Link beside a category&apos;s largest items; opens the file manager there</extracomment>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>No Recycle Bin on this drive</source>
        <translation>Aucune Corbeille sur ce lecteur</translation>
    </message>
    <message>
        <source>No Trash on this drive</source>
        <translation>Aucune Corbeille sur ce lecteur</translation>
    </message>
    <message>
        <source>Cannot go to the Recycle Bin</source>
        <translation>Déplacement vers la Corbeille impossible</translation>
    </message>
    <message>
        <source>Cannot go to the Trash</source>
        <translation>Déplacement vers la Corbeille impossible</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>Les éléments seront déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>Les éléments seront déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected · some need admin</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>Sélection&#x202f;: &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; · droits d’administrateur requis pour une partie</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>Sélection&#x202f;: &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>Vos paramètres dans %1 sont illisibles&#x202f;: vos exclusions et votre choix entre la Corbeille et la suppression sont donc inconnus. Le nettoyage reste désactivé tant que le fichier ne peut pas être relu.</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Trash and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>Vos paramètres dans %1 sont illisibles&#x202f;: vos exclusions et votre choix entre la Corbeille et la suppression sont donc inconnus. Le nettoyage reste désactivé tant que le fichier ne peut pas être relu.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt;. The log says why for each one.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln fichier ignoré&lt;/b&gt;. Le journal en indique la raison.</numerusform>
            <numerusform>&lt;b&gt;%Ln fichiers ignorés&lt;/b&gt;. Le journal indique la raison de chacun.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <extracomment>%1: a file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>Impossible de lire le fichier de catalogue %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <extracomment>%1: a file&apos;s path; %2: what the JSON reader says</extracomment>
        <translation>Le fichier de catalogue %1 ne contient pas de JSON valide&#x202f;: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <extracomment>%1: a file&apos;s path; %2: one of the reasons below</extracomment>
        <translation>Le fichier de catalogue %1 est inutilisable&#x202f;: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>une catégorie n’a pas d’identifiant</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <extracomment>%1: a category id</extracomment>
        <translation>l’identifiant «&#x202f;%1&#x202f;» apparaît deux fois</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <extracomment>%1: a category id; Safe, Review and Permanent are keys of the file, keep them</extracomment>
        <translation>le risque de «&#x202f;%1&#x202f;» n’est ni Safe, ni Review, ni Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <extracomment>%1: a category id</extracomment>
        <translation>un dossier racine de «&#x202f;%1&#x202f;» n’est pas un chemin absolu</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>il ne contient aucune catégorie</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <extracomment>Printed when Ctrl+C stopped the command</extracomment>
        <translation>Interrompu.</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>Column heading of the scan table</extracomment>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Risk</source>
        <extracomment>Column heading of the scan table: Safe, Review or Permanent</extracomment>
        <translation>Risque</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column heading</extracomment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Files</source>
        <extracomment>Column heading: a number of files</extracomment>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Items</source>
        <extracomment>Column heading: a number of items (folders or files)</extracomment>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <extracomment>After an item of the scan table; %1: an app&apos;s name</extracomment>
        <translation>(%1 est en cours d’exécution)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <extracomment>%1: a number of items not printed</extracomment>
        <translation>… %1 de plus (--json les affiche tous)</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <extracomment>%1: a category</extracomment>
        <translation>Impossible de lire certains dossiers de «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <extracomment>%1: a folder; %2: the file or folder that keeps it</extracomment>
        <translation>%1 est conservé en entier&#x202f;: %2 se trouve à l’intérieur.</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <extracomment>%1: a list of categories</extracomment>
        <translation>Catégories nettoyées&#x202f;: %1</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>Applications en cours d’exécution laissées intactes&#x202f;: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>Certains éléments nécessitent des droits d’administrateur.</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <extracomment>%1: the path of the log file</extracomment>
        <translation>Journal&#x202f;: %1</translation>
    </message>
    <message>
        <source>The scan did not complete.</source>
        <translation>L’analyse n’a pas abouti.</translation>
    </message>
    <message>
        <source>The scan did not complete; nothing was cleaned.</source>
        <translation>L’analyse n’a pas abouti&#x202f;; rien n’a été nettoyé.</translation>
    </message>
    <message>
        <source>Nothing to clean in the categories given.</source>
        <translation>Rien à nettoyer dans les catégories indiquées.</translation>
    </message>
    <message>
        <source>Cleaning %1 of %2 · %3</source>
        <extracomment>Progress line; %1: the size cleaned; %2: the total; %3: the category</extracomment>
        <translation>Nettoyage&#x202f;: %1 sur %2 · %3</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>La recherche de fichiers volumineux n’a pas abouti.</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column heading of the large-file table: Video, Archive, …</extracomment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Last used</source>
        <extracomment>Column heading of the large-file table: a date</extracomment>
        <translation>Dernière utilisation</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>Column heading</extracomment>
        <translation>Chemin</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <extracomment>Below the large-file table</extracomment>
        <translation>
            <numerusform>%n fichier volumineux</numerusform>
            <numerusform>%n fichiers volumineux</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>Newest</source>
        <extracomment>Column heading of the history table: the latest record</extracomment>
        <translation>Plus récent</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heading of the timing table</extracomment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <extracomment>%1: a number of milliseconds</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>Exécutez «&#x202f;varnholt-cli --help&#x202f;» pour afficher l’aide.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <extracomment>Error when varnholt-cli ran without a command</extracomment>
        <translation>Aucune commande indiquée.</translation>
    </message>
    <message>
        <source>--help takes nothing else.</source>
        <translation>--help n’accepte aucun autre argument.</translation>
    </message>
    <message>
        <source>--version takes nothing else.</source>
        <translation>--version n’accepte aucun autre argument.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot; for %2.</source>
        <extracomment>%1: what was typed; %2: the command</extracomment>
        <translation>Argument inattendu «&#x202f;%1&#x202f;» pour %2.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>La commande measure attend exactement un PATH.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for an empty list of options</extracomment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <extracomment>%1: what was typed; %2: the command; %3: its options</extracomment>
        <translation>Option inconnue «&#x202f;%1&#x202f;» pour %2. Options de %2&#x202f;: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1: an option, e.g. --threshold-mb</extracomment>
        <translation>%1 nécessite une valeur.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <extracomment>%1: an option, e.g. --json</extracomment>
        <translation>%1 n’accepte pas de valeur.</translation>
    </message>
    <message>
        <source>--skip-item needs a path.</source>
        <translation>--skip-item nécessite un chemin.</translation>
    </message>
    <message>
        <source>Choose either --delete or --trash, not both.</source>
        <translation>Choisissez --delete ou --trash, mais pas les deux.</translation>
    </message>
    <message>
        <source>--threshold-mb needs a positive number of megabytes (for example 500), not &quot;%1&quot;.</source>
        <extracomment>%1: what was typed</extracomment>
        <translation>--threshold-mb nécessite un nombre positif de mégaoctets (par exemple 500), et non «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>measure needs a PATH.</source>
        <translation>La commande measure nécessite un PATH.</translation>
    </message>
    <message>
        <source>clean needs at least one --category ID.</source>
        <translation>La commande clean nécessite au moins une option --category ID.</translation>
    </message>
    <message>
        <source>clean removes files: add --yes to confirm.</source>
        <translation>La commande clean supprime des fichiers&#x202f;: ajoutez --yes pour confirmer.</translation>
    </message>
    <message>
        <source>Unknown category %1. Categories: %2.</source>
        <extracomment>%1: what was typed; %2: the list of category ids</extracomment>
        <translation>Catégorie inconnue&#x202f;: %1. Catégories disponibles&#x202f;: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <extracomment>%1: a category id; true and false are words of the file, keep them</extracomment>
        <translation>un indicateur de «&#x202f;%1&#x202f;» n’est ni true ni false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <extracomment>%1: a category id</extracomment>
        <translation>les motifs d’un dossier racine de «&#x202f;%1&#x202f;» ne sont pas une liste de noms</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <extracomment>%1: a category id; minAgeMs is a key of the file, keep it</extracomment>
        <translation>le minAgeMs d’un dossier racine de «&#x202f;%1&#x202f;» n’est pas un nombre entier de millisecondes entre 0 et 100 ans</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Avertissement&#x202f;: impossible de lire le fichier de paramètres %1&#x202f;; cette exécution risque de ne pas utiliser vos paramètres.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Impossible de lire le fichier de paramètres %1&#x202f;: vos exclusions et votre choix entre la Corbeille et la suppression sont donc inconnus. Rien n’a été nettoyé&#x202f;: corrigez ou supprimez d’abord ce fichier.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <extracomment>Printed when a cleanup removed nothing</extracomment>
        <translation>Rien n’a été nettoyé.</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column heading of the --dry-run table: what would happen to the path</extracomment>
        <translation>Action</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <extracomment>Heading over the paths --dry-run would keep</extracomment>
        <translation>Seraient conservés&#x202f;:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <extracomment>&quot;would go&quot;: would be removed; %1: their size</extracomment>
        <translation>
            <numerusform>Aperçu seulement, rien n’a été supprimé&#x202f;: %n chemin serait supprimé, %1.</numerusform>
            <numerusform>Aperçu seulement, rien n’a été supprimé&#x202f;: %n chemins seraient supprimés, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>Le disque est déjà plein.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <extracomment>%1: a number of days</extracomment>
        <translation>
            <numerusform>Pas encore de prévision&#x202f;: les relevés d’espace libre couvrent %n jour&#x202f;; une prévision en demande au moins %1.</numerusform>
            <numerusform>Pas encore de prévision&#x202f;: les relevés d’espace libre couvrent %n jours&#x202f;; une prévision en demande au moins %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No forecast: free space is not falling.</source>
        <translation>Pas de prévision&#x202f;: l’espace libre ne diminue pas.</translation>
    </message>
    <message>
        <source>No forecast: at this rate the disk is not full within a year.</source>
        <translation>Pas de prévision&#x202f;: à ce rythme, le disque ne sera pas plein d’ici un an.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of free space since %1</source>
        <extracomment>%1: a date</extracomment>
        <translation>
            <numerusform>%n relevé d’espace libre depuis le %1</numerusform>
            <numerusform>%n relevés d’espace libre depuis le %1</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>restore accepte au plus un LOG.</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the trash (the latest one without LOG)</source>
        <translation>remet en place ce qu’un nettoyage a déplacé vers la Corbeille (sans LOG, le dernier)</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>estime quand le disque sera plein d’après l’historique de l’espace libre</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>liste ce que clean supprimerait ou déplacerait, avec les tailles&#x202f;; ne supprime rien</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <extracomment>%1: what was typed; %2: the list of commands</extracomment>
        <translation>Commande inconnue «&#x202f;%1&#x202f;». Commandes&#x202f;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>
            <numerusform>Utilisé par %1 (PID %2)&#x202f;: %n fichier</numerusform>
            <numerusform>Utilisé par %1 (PID %2)&#x202f;: %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <extracomment>%1: a list of paths</extracomment>
        <translation>Conservés car leur contenu a changé depuis l’analyse&#x202f;: %1</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>En tant que root, le fichier de catalogue %1 n’est utilisé que si lui et chaque dossier au-dessus appartiennent à root et que personne d’autre ne peut les modifier.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <extracomment>%1: a list of folders; %2: the environment variables ignored</extracomment>
        <translation>En tant que root, Varnholt travaille dans les dossiers propres à root (%1) et ignore %2&#x202f;: un autre utilisateur peut changer l’endroit où ils mènent.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <extracomment>Below the skipped paths printed</extracomment>
        <translation>
            <numerusform>… et %n autre</numerusform>
            <numerusform>… et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Impossible de lire le fichier de paramètres %1&#x202f;: vos exclusions et votre choix entre la Corbeille et la suppression sont donc inconnus. Rien n’a été nettoyé&#x202f;: corrigez ou supprimez d’abord ce fichier.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <extracomment>%1: a number of records</extracomment>
        <translation>
            <numerusform>Pas encore de prévision&#x202f;: l’espace libre a été relevé %n fois (l’application Varnholt le relève à chaque démarrage)&#x202f;; une prévision en demande au moins %1.</numerusform>
            <numerusform>Pas encore de prévision&#x202f;: l’espace libre a été relevé %n fois (l’application Varnholt le relève à chaque démarrage)&#x202f;; une prévision en demande au moins %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete permanently, or move to the Recycle Bin</source>
        <translation>supprime définitivement, ou déplace vers la Corbeille</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the Recycle Bin (the latest one without LOG)</source>
        <translation>remet en place ce qu’un nettoyage a déplacé vers la Corbeille (sans LOG, le dernier)</translation>
    </message>
    <message>
        <source>delete permanently, or move to the trash</source>
        <translation>supprime définitivement, ou déplace vers la Corbeille</translation>
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
        <translation>Utilisation&#x202f;:
  varnholt-cli scan [--json] [--exclude PATTERN]...
  varnholt-cli clean --category ID [--category ID]... [--skip-item PATH]...
                     [--delete | --trash] [--exclude PATTERN]... --yes [--json]
  varnholt-cli large [--threshold-mb N] [--exclude PATTERN]... [--json]
  varnholt-cli measure PATH [--json]
  varnholt-cli --help | --version

Commandes&#x202f;:
  scan      mesure chaque catégorie de nettoyage
  clean     relance l’analyse, puis nettoie exactement les catégories indiquées
  large     liste les fichiers volumineux du dossier personnel
  measure   espace occupé, nombre de fichiers et dernière modification d’un chemin

Options&#x202f;:
  --json              affiche du JSON au lieu d’un tableau
  --exclude PATTERN   ignore les dossiers et fichiers correspondant à PATTERN&#x202f;; si
                      indiqués, ces motifs remplacent les exclusions des paramètres
                      pour cette exécution
  --category ID       catégorie à nettoyer (temp, appcache, browser, logs, thumbs,
                      update, dev, trash)
  --skip-item PATH    conserve cet élément d’une catégorie nettoyée
  --delete, --trash   %1
  --threshold-mb N    taille minimale d’un fichier volumineux, en Mo
  --yes               confirme que clean peut supprimer des fichiers

Les valeurs par défaut proviennent des paramètres de Varnholt&#x202f;; les options ne
valent que pour cette exécution.
Code de sortie&#x202f;: 0 terminé, 1 échec (clean&#x202f;: un élément sélectionné est resté),
2 erreur d’utilisation.
</translation>
    </message>
    <message numerus="yes">
        <source>Scanning %1 · %2 · %Ln file(s) · %3</source>
        <extracomment>Progress line; %1: a category; %2: the size found; %3: a folder</extracomment>
        <translation>
            <numerusform>Analyse&#x202f;: %1 · %2 · %Ln fichier · %3</numerusform>
            <numerusform>Analyse&#x202f;: %1 · %2 · %Ln fichiers · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 found · %Ln file(s) checked · %2 s</source>
        <comment>%1: a size; %2: seconds</comment>
        <translation>
            <numerusform>Trouvé&#x202f;: %1 · %Ln fichier examiné · %2 s</numerusform>
            <numerusform>Trouvé&#x202f;: %1 · %Ln fichiers examinés · %2 s</numerusform>
        </translation>
    </message>
    <message>
        <source>move to Recycle Bin</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Recycle Bin</extracomment>
        <translation>déplacer vers la Corbeille</translation>
    </message>
    <message>
        <source>move to Trash</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Trash</extracomment>
        <translation>déplacer vers la Corbeille</translation>
    </message>
    <message>
        <source>delete</source>
        <comment>the Action column of --dry-run&apos;s table: the file is deleted for good</comment>
        <translation>supprimer</translation>
    </message>
    <message>
        <source>Moved %1 to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>Déplacé vers la Corbeille&#x202f;: %1</translation>
    </message>
    <message>
        <source>Moved %1 to the Trash</source>
        <comment>%1: a size</comment>
        <translation>Déplacé vers la Corbeille&#x202f;: %1</translation>
    </message>
    <message>
        <source>freed %1</source>
        <comment>follows what was moved to the bin; %1: a size</comment>
        <translation>espace libéré&#x202f;: %1</translation>
    </message>
    <message>
        <source>Freed %1</source>
        <comment>%1: a size</comment>
        <translation>Espace libéré&#x202f;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) removed</source>
        <extracomment>Clause of the line that sums up a cleanup</extracomment>
        <translation>
            <numerusform>%n fichier supprimé</numerusform>
            <numerusform>%n fichiers supprimés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln skipped</source>
        <comment>a number of files and folders left alone</comment>
        <translation>
            <numerusform>%Ln ignoré</numerusform>
            <numerusform>%Ln ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source> · </source>
        <extracomment>Between the clauses of the line that sums up a cleanup</extracomment>
        <translation> · </translation>
    </message>
    <message>
        <source>Could not be moved to the Recycle Bin, left where they are:</source>
        <translation>Non déplacés vers la Corbeille, laissés à leur place&#x202f;:</translation>
    </message>
    <message>
        <source>Could not be moved to the Trash, left where they are:</source>
        <translation>Non déplacés vers la Corbeille, laissés à leur place&#x202f;:</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <comment>%1: the path given</comment>
        <translation>--skip-item %1 ne désigne aucun élément des catégories indiquées.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) checked · %1 found (%2) · %3</source>
        <extracomment>Progress line; %1: the number of large files found; %2: their size; %3: a folder</extracomment>
        <translation>
            <numerusform>%Ln fichier examiné · fichiers volumineux&#x202f;: %1 (%2) · %3</numerusform>
            <numerusform>%Ln fichiers examinés · fichiers volumineux&#x202f;: %1 (%2) · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded the sizes of %n folder(s) in %1 (%2 in all).</source>
        <translation>
            <numerusform>Taille de %n dossier relevée dans %1 (%2 au total).</numerusform>
            <numerusform>Tailles de %n dossiers relevées dans %1 (%2 au total).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) of folder sizes kept.</source>
        <translation>
            <numerusform>%n relevé de la taille des dossiers conservé.</numerusform>
            <numerusform>%n relevés de la taille des dossiers conservés.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reading of folder sizes did not complete.</source>
        <translation>Le relevé de la taille des dossiers n’a pas abouti.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to compare yet: %n reading(s) of folder sizes so far, and a comparison needs two. The Varnholt app takes one a day while its history of folder sizes is on; &quot;varnholt-cli grew --record&quot; takes one now.</source>
        <translation>
            <numerusform>Rien à comparer pour l’instant&#x202f;: %n relevé de la taille des dossiers jusqu’ici, et une comparaison en demande deux. L’application Varnholt en fait un par jour tant que son historique de la taille des dossiers est activé&#x202f;; «&#x202f;varnholt-cli grew --record&#x202f;» en fait un immédiatement.</numerusform>
            <numerusform>Rien à comparer pour l’instant&#x202f;: %n relevés de la taille des dossiers jusqu’ici, et une comparaison en demande deux. L’application Varnholt en fait un par jour tant que son historique de la taille des dossiers est activé&#x202f;; «&#x202f;varnholt-cli grew --record&#x202f;» en fait un immédiatement.</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes in %1 between %2 and %3:</source>
        <translation>Changements dans %1 entre %2 et %3&#x202f;:</translation>
    </message>
    <message>
        <source>No folder changed by %1 or more.</source>
        <translation>Aucun dossier n’a varié de %1 ou plus.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Variation</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message numerus="yes">
        <source>and %n more (--json lists them all)</source>
        <translation>
            <numerusform>et %n autre (--json les liste tous)</numerusform>
            <numerusform>et %n autres (--json les liste tous)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: clean it with: %2</source>
        <translation>%1&#x202f;: à nettoyer avec&#x202f;: %2</translation>
    </message>
    <message>
        <source>In all: %1 then, %2 now (%3).</source>
        <translation>Au total&#x202f;: %1 avant, %2 maintenant (%3).</translation>
    </message>
    <message>
        <source>--since needs an age such as 7d, 2w or 12h, not &quot;%1&quot;.</source>
        <translation>--since nécessite une durée comme 7d, 2w ou 12h, et non «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>Choose either --record or --since, not both.</source>
        <translation>Choisissez --record ou --since, mais pas les deux.</translation>
    </message>
    <message>
        <source>the folders that grew or shrank most since an earlier reading</source>
        <translation>les dossiers qui ont le plus grossi ou diminué depuis un relevé antérieur</translation>
    </message>
    <message>
        <source>grew: compare with about AGE ago: 7d, 2w, 12h (default 7d)</source>
        <translation>grew&#x202f;: compare avec l’état d’il y a environ AGE&#x202f;: 7d, 2w, 12h (7d par défaut)</translation>
    </message>
    <message>
        <source>grew: take a reading of the folder sizes now</source>
        <translation>grew&#x202f;: relève maintenant la taille des dossiers</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Recycle Bin; there is nothing to restore.</source>
        <translation>Aucun nettoyage n’a déplacé d’éléments vers la Corbeille&#x202f;; il n’y a rien à restaurer.</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Trash; there is nothing to restore.</source>
        <translation>Aucun nettoyage n’a déplacé d’éléments vers la Corbeille&#x202f;; il n’y a rien à restaurer.</translation>
    </message>
    <message>
        <source>Skipped (the log gives each reason):</source>
        <extracomment>Heading over paths a cleanup left alone, for reasons of several kinds</extracomment>
        <translation>Ignorés (le journal indique la raison de chacun)&#x202f;:</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Recycle Bin; there is nothing to restore.</source>
        <translation>Ce nettoyage n’a rien déplacé vers la Corbeille&#x202f;; il n’y a rien à restaurer.</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Trash; there is nothing to restore.</source>
        <translation>Ce nettoyage n’a rien déplacé vers la Corbeille&#x202f;; il n’y a rien à restaurer.</translation>
    </message>
</context>
<context>
    <name>LargeFileKind</name>
    <message>
        <source>Disk image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Image disque</translation>
    </message>
    <message>
        <source>Partial download</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Téléchargement partiel</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Installer</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Installateur</translation>
    </message>
    <message>
        <source>Audio</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Image</translation>
    </message>
    <message>
        <source>Document</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Document</translation>
    </message>
    <message>
        <source>Backup</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <extracomment>Title of the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>Carte du stockage</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Space Map&apos;s header: look for large files again</extracomment>
        <translation>Réanalyser</translation>
    </message>
    <message>
        <source>Find what&apos;s taking up space</source>
        <translation>Découvrez ce qui occupe de l’espace</translation>
    </message>
    <message>
        <source>Big files in your home folder. You decide what goes.</source>
        <translation>Les gros fichiers de votre dossier personnel. Vous décidez de ce qui est supprimé.</translation>
    </message>
    <message>
        <source>Find large files</source>
        <extracomment>Heading while the search for large files runs</extracomment>
        <translation>Recherche de gros fichiers</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <extracomment>Heading over the biggest files found while the search runs</extracomment>
        <translation>Les plus volumineux jusqu’ici</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>Recherche de fichiers volumineux…</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Filter of the large-file list: every file</extracomment>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <extracomment>Filter of the large-file list; %1: a number of months</extracomment>
        <translation>Inutilisés depuis %1+ mois</translation>
    </message>
    <message>
        <source>Downloads</source>
        <extracomment>Filter of the large-file list: files in the Downloads folder</extracomment>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Search files</source>
        <extracomment>Placeholder of the search field</extracomment>
        <translation>Rechercher des fichiers</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <extracomment>Eyebrow of the Space Map: where it looks and above which size; %1: a size</extracomment>
        <translation>Dossier personnel · plus de %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <extracomment>The footer&apos;s summary; %1: style, keep as is; %2: the checked size; %3: the total size</extracomment>
        <translation>
            <numerusform>Sélection&#x202f;: &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; sur %3 · %Ln fichier</numerusform>
            <numerusform>Sélection&#x202f;: &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; sur %3 · %Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button in the Space Map&apos;s header: stop the search for large files</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <extracomment>%1: what was typed in the search field</extracomment>
        <translation>Aucun fichier ne correspond à «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>Aucun fichier dans cette vue.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <extracomment>%1: a size</extracomment>
        <translation>Aucun fichier de plus de %1 dans votre dossier personnel.</translation>
    </message>
    <message>
        <source>Files to show</source>
        <extracomment>Accessible name of the row of filters</extracomment>
        <translation>Fichiers à afficher</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Remonter</translation>
    </message>
    <message>
        <source>Change since</source>
        <translation>Évolution depuis</translation>
    </message>
    <message>
        <source>Folders by change</source>
        <translation>Dossiers par évolution</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>The history of folder sizes is off. Turn it on in Settings to see what grew.</source>
        <translation>L’historique de la taille des dossiers est désactivé. Activez-le dans les Paramètres pour voir ce qui a grossi.</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready after two readings.</source>
        <translation>Varnholt relève une fois par jour la taille de vos dossiers. La première comparaison est possible après deux relevés.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column title of the Space Map&apos;s list (shown upper-cased): the file&apos;s name</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column title (shown upper-cased): Video, Archive, …</extracomment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Last opened</source>
        <extracomment>Column title (shown upper-cased) over relative dates such as &quot;3 months ago&quot;</extracomment>
        <translation>Dernière ouverture</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column title (shown upper-cased): the file&apos;s size</extracomment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Grew</source>
        <extracomment>View of the Space Map: the folders coloured by how much they grew since an earlier reading</extracomment>
        <translation>Croissance</translation>
    </message>
    <message>
        <source>Clear search</source>
        <comment>button in the search field that empties it</comment>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Button in the Space Map&apos;s footer; opens File Explorer at the checked file</extracomment>
        <translation>Afficher dans l’Explorateur</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Button in the Space Map&apos;s footer; opens the file manager at the checked file</extracomment>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Move to Recycle Bin</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Recycle Bin</extracomment>
        <translation>Déplacer vers la Corbeille</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Trash</extracomment>
        <translation>Mettre à la Corbeille</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>L’Explorateur de fichiers n’a pas pu afficher %1</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>Le gestionnaire de fichiers n’a pas pu afficher %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1 is almost full. Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>%1 est presque plein. Lancez l’analyse intelligente pour libérer de l’espace.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Varnholt a été mis à jour vers la version %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>
            <numerusform>%1 se remplit&#x202f;: à ce rythme, il sera plein dans environ %n jour. Lancez l’analyse intelligente pour libérer de l’espace.</numerusform>
            <numerusform>%1 se remplit&#x202f;: à ce rythme, il sera plein dans environ %n jours. Lancez l’analyse intelligente pour libérer de l’espace.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <extracomment>Link in the About dialog</extracomment>
        <translation>Site web de Varnholt</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the app menu: open the Settings page</extracomment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Submenu of the app menu</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Entry of the Help menu: the user guide on the website</extracomment>
        <translation>Guide</translation>
    </message>
    <message>
        <source>FAQ</source>
        <extracomment>Entry of the Help menu: frequently asked questions</extracomment>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>À propos de Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Quitter Varnholt</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>Le dossier des journaux %1 n’a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>Trouve l’espace dont votre ordinateur peut se passer.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes a dialog</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that closes a dialog without doing anything</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Button in a notification: take the last action back</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <extracomment>Title of the dialog shown when the window is closed</extracomment>
        <translation>Garder Varnholt actif&#x202f;?</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <extracomment>Check box of the close dialog</extracomment>
        <translation>Mémoriser mon choix</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>Vous pouvez modifier ce choix dans les Paramètres.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <extracomment>Button of the close dialog: hide the window, keep the tray icon</extracomment>
        <translation>Garder en arrière-plan</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button of the close dialog: end the program</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <extracomment>Title of the confirmation; %1: a size</extracomment>
        <translation>Nettoyer %1&#x202f;?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>La suppression définitive est activée. Ces fichiers ne pourront pas être récupérés.</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <extracomment>Heading over the release notes of an update</extracomment>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Button of the update dialog after a failure</extracomment>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Update now</source>
        <extracomment>Button of the update dialog</extracomment>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt est à jour</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>La version %1 est la plus récente.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>Une mise à jour est disponible</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
        <extracomment>%1, %2: version numbers</extracomment>
        <translation>La version %1 est disponible. Vous avez la version %2.</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Impossible de rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Check your internet connection and try again.</source>
        <translation>Vérifiez votre connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Téléchargement de la mise à jour…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Download progress; %1, %2: sizes</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Installation de la mise à jour…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>Varnholt se ferme, puis redémarre une fois la mise à jour installée.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>La version %1 est installée.</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog: do not update now</extracomment>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>Une partie nécessite des droits d’administrateur&#x202f;: sans eux, ces fichiers sont ignorés.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <extracomment>Link of the confirmation that lists every path the cleanup removes (&quot;go&quot;: be removed, not leave)</extracomment>
        <translation>Tout ce qui sera supprimé</translation>
    </message>
    <message>
        <source>Working out the list…</source>
        <translation>Établissement de la liste…</translation>
    </message>
    <message>
        <source>The list cannot be worked out now.</source>
        <translation>La liste ne peut pas être établie pour le moment.</translation>
    </message>
    <message>
        <source>Nothing in the selection would be removed.</source>
        <translation>Aucun élément de la sélection ne serait supprimé.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Below the paths listed in the confirmation</extracomment>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <extracomment>Choice for what cannot go to the bin: keep those files</extracomment>
        <translation>Les laisser</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <extracomment>Choice for what cannot go to the bin</extracomment>
        <translation>Les supprimer définitivement</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>Tout sera supprimé définitivement et ne pourra pas être récupéré.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>La vérification n’a pas pu démarrer. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>La vérification a de nouveau échoué.</translation>
    </message>
    <message>
        <source>These cannot be moved to the Recycle Bin</source>
        <translation>Ces éléments ne peuvent pas être déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>These cannot be moved to the Trash</source>
        <translation>Ces éléments ne peuvent pas être déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>None of it can go to the Recycle Bin: delete it permanently, or nothing is cleaned.</source>
        <translation>Rien ne peut aller dans la Corbeille&#x202f;: supprimez tout définitivement, sinon rien ne sera nettoyé.</translation>
    </message>
    <message>
        <source>None of it can go to the Trash: delete it permanently, or nothing is cleaned.</source>
        <translation>Rien ne peut aller dans la Corbeille&#x202f;: supprimez tout définitivement, sinon rien ne sera nettoyé.</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin and deleting what cannot go there can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>Le vidage de la Corbeille et la suppression de ce qui ne peut pas y aller sont irréversibles. Tout le reste est déplacé vers la Corbeille.</translation>
    </message>
    <message>
        <source>Emptying the Trash and deleting what cannot go there can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>Le vidage de la Corbeille et la suppression de ce qui ne peut pas y aller sont irréversibles. Tout le reste est déplacé vers la Corbeille.</translation>
    </message>
    <message>
        <source>What cannot go to the Recycle Bin is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>Ce qui ne peut pas aller dans la Corbeille est supprimé définitivement. Tout le reste y est déplacé, et vous pourrez le restaurer plus tard.</translation>
    </message>
    <message>
        <source>What cannot go to the Trash is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>Ce qui ne peut pas aller dans la Corbeille est supprimé définitivement. Tout le reste y est déplacé, et vous pourrez le restaurer plus tard.</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>Le vidage de la Corbeille est irréversible. Tout le reste est déplacé vers la Corbeille.</translation>
    </message>
    <message>
        <source>Emptying the Trash can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>Le vidage de la Corbeille est irréversible. Tout le reste est déplacé vers la Corbeille.</translation>
    </message>
    <message>
        <source>Everything will be moved to the Recycle Bin, so you can restore it later.</source>
        <translation>Tout sera déplacé vers la Corbeille, et vous pourrez tout restaurer plus tard.</translation>
    </message>
    <message>
        <source>Everything will be moved to the Trash, so you can restore it later.</source>
        <translation>Tout sera déplacé vers la Corbeille, et vous pourrez tout restaurer plus tard.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <comment>button: clean, part of it for good</comment>
        <translation>Nettoyer et supprimer</translation>
    </message>
    <message>
        <source>Clean</source>
        <comment>button: start the cleanup</comment>
        <translation>Nettoyer</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%n chemin · %1</numerusform>
            <numerusform>%n chemins · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window. You can open it again from the tray icon.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>Varnholt peut rester dans la zone de notification lorsque vous fermez la fenêtre. Vous pouvez le rouvrir depuis son icône dans la zone de notification.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <extracomment>Chip; %1: when, e.g. &quot;2 days ago&quot;</extracomment>
        <translation>Analysé %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Button in the Overview&apos;s header: scan every cleanup category</extracomment>
        <translation>Analyse intelligente</translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Title of the Overview page</extracomment>
        <translation>Vue d’ensemble</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Overview&apos;s header: scan again</extracomment>
        <translation>Réanalyser</translation>
    </message>
    <message>
        <source>See all</source>
        <extracomment>Link beside the top recommendations: open the Cleanup page</extracomment>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Disk health</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>État du disque</translation>
    </message>
    <message>
        <source>System files protected</source>
        <extracomment>Line of the disk health card</extracomment>
        <translation>Fichiers système protégés</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
        <extracomment>%1: a size</extracomment>
        <translation>%1 à nettoyer</translation>
    </message>
    <message>
        <source>Your startup disk is almost full</source>
        <translation>Votre disque système est presque plein</translation>
    </message>
    <message>
        <source>Keep your disk in shape</source>
        <translation>Gardez votre disque en forme</translation>
    </message>
    <message>
        <source>free of %1</source>
        <extracomment>Under the free size in the disk ring; %1: the disk&apos;s size</extracomment>
        <translation>libres sur %1</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <extracomment>Caption of an Overview card under a size</extracomment>
        <translation>Libéré ce mois-ci</translation>
    </message>
    <message>
        <source>Last scan</source>
        <extracomment>Caption of an Overview card under a relative date</extracomment>
        <translation>Dernière analyse</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Caption of an Overview card</extracomment>
        <translation>Analyse planifiée</translation>
    </message>
    <message>
        <source>Top recommendations</source>
        <extracomment>Heading over the biggest safe categories</extracomment>
        <translation>Principales recommandations</translation>
    </message>
    <message>
        <source>What Smart Scan looks at</source>
        <translation>Ce qu’examine l’analyse intelligente</translation>
    </message>
    <message>
        <source>Apps, documents &amp; system</source>
        <translation>Applications, documents et système</translation>
    </message>
    <message>
        <source>Reclaimable</source>
        <extracomment>Legend of the disk bar: space a cleanup can free</extracomment>
        <translation>Récupérable</translation>
    </message>
    <message>
        <source>Available</source>
        <extracomment>Legend of the disk bar: free space</extracomment>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Space freed in the last six months</source>
        <translation>Espace libéré ces six derniers mois</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned</source>
        <translation>Relancez l’analyse pour voir ce qui peut être nettoyé</translation>
    </message>
    <message>
        <source>Free space history</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>Historique de l’espace libre</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <extracomment>%1, %2: sizes</extracomment>
        <translation>
            <numerusform>De %1 à %2 libres en %n jour</numerusform>
            <numerusform>De %1 à %2 libres en %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Show it in the Space Map</source>
        <translation>Afficher dans la Carte du stockage</translation>
    </message>
    <message>
        <source>What grew</source>
        <translation>Ce qui a grossi</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready once two readings lie a week apart.</source>
        <translation>Varnholt relève une fois par jour la taille de vos dossiers. La première comparaison est possible dès que deux relevés ont une semaine d’écart.</translation>
    </message>
    <message>
        <source>Growing fastest this week</source>
        <translation>Ce qui a le plus grossi cette semaine</translation>
    </message>
    <message numerus="yes">
        <source>Growing fastest in the last %n day(s)</source>
        <translation>
            <numerusform>Ce qui a le plus grossi depuis %n jour</numerusform>
            <numerusform>Ce qui a le plus grossi ces %n derniers jours</numerusform>
        </translation>
    </message>
    <message>
        <source>No folder grew by more than %1.</source>
        <translation>Aucun dossier n’a grossi de plus de %1.</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>Nettoyer %1</translation>
    </message>
    <message>
        <source>%1 is the folder of this cleanup category</source>
        <translation>%1 est le dossier de cette catégorie de nettoyage</translation>
    </message>
    <message>
        <source>Review</source>
        <comment>button in the disk ring: open the scan results</comment>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Scan</source>
        <comment>button in the disk ring: start a scan</comment>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <comment>chip and card caption</comment>
        <translation>Jamais analysé</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>Mensuelle</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Local Disk</source>
        <extracomment>Name of a drive without a label</extracomment>
        <translation>Disque local</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>The bin of Linux desktops, standing alone (a list entry, a log line)</extracomment>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>File Manager</source>
        <extracomment>The file manager of Linux desktops, standing alone</extracomment>
        <translation>Gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>The Windows bin, standing alone (a list entry, a log line)</extracomment>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <extracomment>The Windows file manager, standing alone</extracomment>
        <translation>Explorateur de fichiers</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>no longer in the trash</source>
        <translation>introuvable dans la Corbeille</translation>
    </message>
    <message>
        <source>its place is taken</source>
        <translation>emplacement d’origine déjà occupé</translation>
    </message>
    <message>
        <source>the log does not name a trash entry</source>
        <translation>aucun élément de la Corbeille indiqué dans le journal</translation>
    </message>
    <message>
        <source>more than one trash entry matches</source>
        <translation>plusieurs éléments correspondants dans la Corbeille</translation>
    </message>
    <message>
        <source>could not be moved back</source>
        <translation>remise en place impossible</translation>
    </message>
    <message>
        <source>no longer in the Recycle Bin</source>
        <translation>introuvable dans la Corbeille</translation>
    </message>
    <message>
        <source>the log does not name a Recycle Bin entry</source>
        <translation>aucun élément de la Corbeille indiqué dans le journal</translation>
    </message>
    <message>
        <source>more than one Recycle Bin entry matches</source>
        <translation>plusieurs éléments correspondants dans la Corbeille</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <extracomment>Title of the Settings page</extracomment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>Choisir un dossier à exclure</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>Recommandé. Désactivez cette option pour supprimer définitivement les fichiers.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <extracomment>Setting: from which size a file counts as large</extracomment>
        <translation>Fichiers volumineux à partir de</translation>
    </message>
    <message>
        <source>100 MB</source>
        <extracomment>Choice of the large-file size</extracomment>
        <translation>100 Mo</translation>
    </message>
    <message>
        <source>250 MB</source>
        <extracomment>Choice of the large-file size</extracomment>
        <translation>250 Mo</translation>
    </message>
    <message>
        <source>500 MB</source>
        <extracomment>Choice of the large-file size</extracomment>
        <translation>500 Mo</translation>
    </message>
    <message>
        <source>1 GB</source>
        <extracomment>Choice of the large-file size</extracomment>
        <translation>1 Go</translation>
    </message>
    <message>
        <source>Consider files old after</source>
        <translation>Fichiers considérés comme anciens après</translation>
    </message>
    <message>
        <source>3 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>3 mois</translation>
    </message>
    <message>
        <source>6 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>6 mois</translation>
    </message>
    <message>
        <source>12 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>12 mois</translation>
    </message>
    <message>
        <source>24 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>24 mois</translation>
    </message>
    <message>
        <source>Automation</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Automatisation</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Setting: how often Varnholt scans by itself</extracomment>
        <translation>Analyse planifiée</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>Lance une analyse au démarrage de Varnholt si la dernière analyse est plus ancienne. Ne nettoie jamais automatiquement.</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <extracomment>Setting: notify when the disk is nearly full</extracomment>
        <translation>Alertes d’espace insuffisant</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <extracomment>The % sign is part of &quot;10%&quot;, not a placeholder</extracomment>
        <translation>Avertir lorsque l’espace libre passe sous 10&#x202f;%.</translation>
    </message>
    <message>
        <source>Starts Varnholt in the background so scheduled scans can run.</source>
        <translation>Lance Varnholt en arrière-plan pour que les analyses planifiées puissent s’exécuter.</translation>
    </message>
    <message>
        <source>Show Varnholt in the menu bar</source>
        <translation>Afficher Varnholt dans la barre des menus</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>Toujours demander</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Rester dans la zone de notification</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>Quitter Varnholt</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>À la fermeture de la fenêtre</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Theme</source>
        <extracomment>Setting: light or dark colours</extracomment>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>Suivre le système, ou toujours utiliser le thème clair ou sombre.</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <extracomment>Choice of the language; %1: the system&apos;s language</extracomment>
        <translation>Langue du système (%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <extracomment>Button: restart to show the new language</extracomment>
        <translation>Redémarrer maintenant</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Setting: the language of the interface</extracomment>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>Varnholt redémarre pour changer de langue.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <extracomment>Heading of a Settings section: folders never cleaned</extracomment>
        <translation>Exclusions</translation>
    </message>
    <message>
        <source>Add folder</source>
        <extracomment>Button: add a folder to the exclusions</extracomment>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <extracomment>Description of the exclusions</extracomment>
        <translation>À ne jamais toucher</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Dossiers et motifs que Varnholt ignore toujours.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <extracomment>Row of the exclusions: folders Varnholt never cleans</extracomment>
        <translation>Emplacements système protégés</translation>
    </message>
    <message>
        <source>Locked</source>
        <extracomment>Badge beside the protected system locations: they cannot be changed</extracomment>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <extracomment>Row of the exclusions: apps whose data Varnholt never cleans</extracomment>
        <translation>Applications protégées</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — leurs données ne sont jamais nettoyées. Les caches des applications en cours d’exécution et les fichiers ouverts sont également ignorés.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Autorisations et à propos</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
        <extracomment>A macOS permission</extracomment>
        <translation>Accès complet au disque</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean Windows Update files.</source>
        <translation>Varnholt s’exécute en tant qu’administrateur et peut nettoyer les fichiers de Windows Update.</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean the package cache.</source>
        <translation>Varnholt s’exécute en tant qu’administrateur et peut nettoyer le cache des paquets.</translation>
    </message>
    <message>
        <source>Administrator access</source>
        <extracomment>Row: whether Varnholt runs with administrator rights</extracomment>
        <translation>Droits d’administrateur</translation>
    </message>
    <message>
        <source>Granted</source>
        <extracomment>Badge: administrator rights are held</extracomment>
        <translation>Accordés</translation>
    </message>
    <message>
        <source>Only needed to clean Windows Update leftovers.</source>
        <translation>Nécessaire uniquement pour nettoyer les restes de Windows Update.</translation>
    </message>
    <message>
        <source>Only needed to clean the package cache.</source>
        <translation>Nécessaire uniquement pour nettoyer le cache des paquets.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>Relancer en admin</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>Button</extracomment>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Open logs</source>
        <extracomment>Button: open the folder of the cleanup logs</extracomment>
        <translation>Ouvrir les journaux</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>Chaque nettoyage crée un journal que vous pouvez consulter. Varnholt recherche les mises à jour au démarrage.</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button beside an excluded folder: take it off the list</extracomment>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>Les fichiers plus volumineux apparaissent dans la Carte du stockage.</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Nettoyages récents</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <extracomment>In place of the list of recent cleanups</extracomment>
        <translation>Aucun nettoyage pour l’instant</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>Chaque nettoyage crée un journal que vous pouvez consulter.</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Button beside a past cleanup: put back what it moved to the bin</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>Utilisé par le filtre «&#x202f;Inutilisés&#x202f;».</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>What a past cleanup did</extracomment>
        <translation>Rien n’a été nettoyé</translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Vos paramètres dans %1 sont illisibles&#x202f;: leur contenu est donc inconnu. Les options qui y sont enregistrées restent verrouillées tant que le fichier ne peut pas être relu.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Varnholt n’a pas pu redémarrer. Fermez-le et rouvrez-le vous-même pour changer de langue.</translation>
    </message>
    <message>
        <source>Move items to the Recycle Bin</source>
        <translation>Déplacer les éléments vers la Corbeille</translation>
    </message>
    <message>
        <source>Move items to the Trash</source>
        <translation>Déplacer les éléments vers la Corbeille</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Keep a history of folder sizes</source>
        <translation>Conserver l’historique de la taille des dossiers</translation>
    </message>
    <message>
        <source>Once a day, Varnholt notes how big your folders are so it can show what grew. Nothing leaves this computer.</source>
        <translation>Une fois par jour, Varnholt relève la taille de vos dossiers pour vous montrer ce qui a grossi. Rien ne quitte cet ordinateur.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Lancer au démarrage de Windows</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>System</source>
        <comment>theme that follows the system&apos;s light or dark mode</comment>
        <translation>Système</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>theme</comment>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>theme</comment>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>C:\Windows\System32, WinSxS, Program Files, drive roots — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>C:\Windows\System32, WinSxS, Program Files, racines des lecteurs — toujours ignorés.</translation>
    </message>
    <message>
        <source>/usr, /etc, /boot, /var/lib, system folders — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>/usr, /etc, /boot, /var/lib, dossiers système — toujours ignorés.</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 au total&#x202f;: Corbeille vidée, éléments supprimés définitivement ou déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 au total&#x202f;: Corbeille vidée, éléments supprimés définitivement ou déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 déplacés vers la Corbeille ou supprimés définitivement</translation>
    </message>
    <message>
        <source>%1 moved to the Trash or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 déplacés vers la Corbeille ou supprimés définitivement</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 au total&#x202f;: Corbeille vidée, puis éléments déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 au total&#x202f;: Corbeille vidée, puis éléments déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>%1 déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>%1 moved to the Trash</source>
        <comment>%1: a size</comment>
        <translation>%1 déplacés vers la Corbeille</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Recycle Bin emptied</source>
        <comment>%1: a size</comment>
        <translation>%1 libérés&#x202f;: éléments supprimés définitivement et Corbeille vidée</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Trash emptied</source>
        <comment>%1: a size</comment>
        <translation>%1 libérés&#x202f;: éléments supprimés définitivement et Corbeille vidée</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 supprimés définitivement</translation>
    </message>
    <message>
        <source>The Recycle Bin was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>La Corbeille a été vidée&#x202f;: %1 libérés</translation>
    </message>
    <message>
        <source>The Trash was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>La Corbeille a été vidée&#x202f;: %1 libérés</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Recycle Bin. Nothing that is in its place now is replaced.</source>
        <translation>Remettre en place ce que ce nettoyage a déplacé vers la Corbeille. Aucun fichier qui occupe aujourd’hui l’emplacement d’origine n’est remplacé.</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Trash. Nothing that is in its place now is replaced.</source>
        <translation>Remettre en place ce que ce nettoyage a déplacé vers la Corbeille. Aucun fichier qui occupe aujourd’hui l’emplacement d’origine n’est remplacé.</translation>
    </message>
    <message>
        <source>Forget history</source>
        <translation>Effacer l’historique</translation>
    </message>
    <message>
        <source>Forget the history of folder sizes?</source>
        <translation>Effacer l’historique de la taille des dossiers&#x202f;?</translation>
    </message>
    <message>
        <source>Every reading Varnholt took of your folder sizes is removed. What grew shows again once new readings have been taken.</source>
        <translation>Tous les relevés de la taille de vos dossiers effectués par Varnholt sont supprimés. Ce qui a grossi s’affichera à nouveau une fois d’autres relevés effectués.</translation>
    </message>
    <message>
        <source>The history of folder sizes is forgotten</source>
        <translation>L’historique de la taille des dossiers a été effacé</translation>
    </message>
    <message>
        <source>Some readings of folder sizes could not be removed</source>
        <translation>Certains relevés de la taille des dossiers n’ont pas pu être supprimés</translation>
    </message>
    <message>
        <source>Closing the window keeps Varnholt running there.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the menu bar</extracomment>
        <translation>Lorsque vous fermez la fenêtre, Varnholt y reste actif.</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running until you quit it.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>Dans la zone de notification, Varnholt reste actif jusqu’à ce que vous le quittiez.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <extracomment>%1: the free size; %2: the disk&apos;s size</extracomment>
        <translation>%1 disponibles sur %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Sidebar entry: the Overview page with its scan of every cleanup category</extracomment>
        <translation>Analyse intelligente</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Sidebar entry: the page of the scan&apos;s results and the cleanup</extracomment>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Sidebar entry: the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>Carte du stockage</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Sidebar entry</extracomment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The collapsed sidebar&apos;s drive line; %1: a size</extracomment>
        <translation>%1 libres</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Heading over the sidebar&apos;s pages (a section title, not a command)</extracomment>
        <translation>Entretien</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <comment>tooltip: widen the sidebar</comment>
        <translation>Développer la barre latérale</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <comment>tooltip: narrow the sidebar to icons</comment>
        <translation>Réduire la barre latérale</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <extracomment>Tooltip of the title bar&apos;s button that opens the app menu</extracomment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>window button: unmaximize</comment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximize</source>
        <comment>window button</comment>
        <translation>Agrandir</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt est toujours actif</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Ouvrir Varnholt</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Entry of the tray menu: scan every cleanup category</extracomment>
        <translation>Analyse intelligente</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Quitter Varnholt</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <extracomment>Tray tooltip; %1: a drive; %2: a size</extracomment>
        <translation>%1 · %2 libres</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Entry of the tray menu: open the page that maps where disk space goes</extracomment>
        <translation>Carte du stockage</translation>
    </message>
    <message>
        <source>It stays in the system tray. Right-click the icon to quit.</source>
        <extracomment>Balloon shown once the window first hides in the tray</extracomment>
        <translation>Il reste dans la zone de notification. Cliquez avec le bouton droit sur l’icône pour le quitter.</translation>
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
        <extracomment>%1: the system&apos;s reason</extracomment>
        <translation>Impossible d’enregistrer la mise à jour&#x202f;: %1</translation>
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
        <extracomment>%1: the network&apos;s reason</extracomment>
        <translation>Impossible de télécharger la mise à jour&#x202f;: %1</translation>
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
        <extracomment>%1: the publisher&apos;s name</extracomment>
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
    <message>
        <source>The connection to the update server timed out.</source>
        <translation>La connexion au serveur de mises à jour a expiré.</translation>
    </message>
    <message>
        <source>The update is not the published version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>La mise à jour n’est pas la version publiée %1.</translation>
    </message>
</context>
<context>
    <name>fmt</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A size; %1: the number; %2: the unit (KB, MB, …)</extracomment>
        <translation>%1&#xa0;%2</translation>
    </message>
    <message>
        <source>TB</source>
        <extracomment>Unit of size: terabyte</extracomment>
        <translation>To</translation>
    </message>
    <message>
        <source>GB</source>
        <extracomment>Unit of size: gigabyte</extracomment>
        <translation>Go</translation>
    </message>
    <message>
        <source>MB</source>
        <extracomment>Unit of size: megabyte</extracomment>
        <translation>Mo</translation>
    </message>
    <message>
        <source>KB</source>
        <extracomment>Unit of size: kilobyte</extracomment>
        <translation>Ko</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>A relative date, also in the Opened column of the Space Map</extracomment>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <extracomment>A relative date</extracomment>
        <translation>Hier</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>il y a %n jour</numerusform>
            <numerusform>il y a %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>il y a %n semaine</numerusform>
            <numerusform>il y a %n semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>il y a %n mois</numerusform>
            <numerusform>il y a %n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>il y a %n an</numerusform>
            <numerusform>il y a %n ans</numerusform>
        </translation>
    </message>
</context>
</TS>
