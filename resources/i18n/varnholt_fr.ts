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
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>Rien n’a été nettoyé&#x202f;: vos paramètres sont illisibles.</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>Impossible de lire ce journal de nettoyage&#x202f;; rien n’a été restauré.</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the %1</source>
        <translation>
            <numerusform>%n élément restauré depuis la %1</numerusform>
            <numerusform>%n éléments restaurés depuis la %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not restored: %2</source>
        <translation>%1 non restauré(s)&#x202f;: %2</translation>
    </message>
    <message>
        <source>found through the %1&apos;s own records (an older log)</source>
        <translation>retrouvés grâce aux fiches de la %1 elle-même (ancien journal)</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
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
        <translation>L’espace libre diminue d’environ %1 par jour</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <translation>L’espace libre augmente d’environ %1 par jour</translation>
    </message>
    <message>
        <source> · %1 could not be moved to the %2</source>
        <translation> · %1 n’ont pas pu être déplacés vers la %2</translation>
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
        <translation>Fichiers laissés après l’installation des mises à jour Windows. Sans risque une fois la mise à jour terminée&#x202f;; Windows les télécharge à nouveau s’il en a besoin.</translation>
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
        <source>Package cache</source>
        <translation>Cache des paquets</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>Paquets conservés par le gestionnaire de paquets après leur installation. Suppression sans risque&#x202f;; ils sont retéléchargés si nécessaire.</translation>
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
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <translation>%1 a été ignoré&#x202f;: il mène à %2 par un lien.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <translation>%1 a été ignoré&#x202f;: c’est le dossier personnel ou il le contient.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <translation>%1 a été ignoré&#x202f;: il se trouve dans un emplacement protégé.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
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
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <translation>%1 est ignoré&#x202f;: un autre programme l’utilise.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <translation>%1 est ignoré&#x202f;: utilisé par %2.</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <translation>%1 est ignoré&#x202f;: son nom n’est pas un texte valide.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <translation>Cache npm</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <translation>Cache Yarn</translation>
    </message>
    <message>
        <source>pip cache</source>
        <translation>Cache pip</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <translation>Cache HTTP NuGet</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <translation>Cache de compilation Go</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <translation>Caches Gradle</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <translation>Cache du registre Cargo</translation>
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
        <translation>NETTOYAGE SANS RISQUE</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <translation>À VÉRIFIER AVANT LE NETTOYAGE</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <translation>IRRÉVERSIBLE</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <translation>Aucune analyse pour l’instant</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>Trouvez les caches, les fichiers temporaires et les restes inutiles.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <translation>Lancer l’analyse intelligente</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Items checked</source>
        <translation>Éléments examinés</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Écoulé</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restant</translation>
    </message>
    <message>
        <source>found</source>
        <translation>trouvés</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <translation>Nettoyage terminé</translation>
    </message>
    <message>
        <source>Available before</source>
        <translation>Disponible avant</translation>
    </message>
    <message>
        <source>Available now</source>
        <translation>Disponible maintenant</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;Certains fichiers nécessitent des droits d’administrateur.&lt;/b&gt; Redémarrez Varnholt en tant qu’administrateur et relancez le nettoyage pour les supprimer.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>Redémarrer en tant qu’admin</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>Voir le journal</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>Les éléments ont été supprimés définitivement.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Par exemple&#x202f;: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <translation>&lt;b&gt;Caches des applications en cours d’exécution laissés intacts&#x202f;:&lt;/b&gt; %1. Quittez ces applications et relancez le nettoyage pour inclure leurs caches.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <translation>Droits d’administrateur requis</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <translation>Sélection recommandée</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Réanalyser</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
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
        <translation>%1 est ouvert. Quittez l’application pour inclure son cache.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <translation>%1 sont ouverts. Quittez ces applications pour inclure leurs caches.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <translation>Éléments les plus volumineux</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>Afficher dans %1</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <translation>%1 est en cours d’exécution</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <translation>Afficher %1 de plus</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <translation>Les éléments iront dans la %1</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <translation>Les éléments seront supprimés définitivement</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected%3</source>
        <translation>Sélection&#x202f;: &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt;%3</translation>
    </message>
    <message>
        <source> · some need admin</source>
        <translation> · droits d’admin requis pour certains</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>Nettoyer %1</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>Fichiers volumineux</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln élément</numerusform>
            <numerusform>%Ln éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <translation>
            <numerusform>et %Ln autre élément</numerusform>
            <numerusform>et %Ln autres éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the %2 and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <translation>Vos paramètres dans %1 sont illisibles&#x202f;: vos exclusions et votre choix entre la %2 et la suppression sont donc inconnus. Le nettoyage reste désactivé tant que le fichier ne peut pas être relu.</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Nettoyage partiel</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Rien n’a été nettoyé</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <translation>Rien n’a pu être nettoyé sur les %1 sélectionnés.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <translation>Aucune application n’a pu ouvrir %1</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>Le %1 n’a pas pu afficher %2</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>Relancez l’analyse pour voir ce qui peut être nettoyé.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Mesure…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <translation>Dont %1 qui nécessite des droits d’administrateur.</translation>
    </message>
    <message>
        <source>freed or moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>libéré ou déplacé vers la %1</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>déplacé vers la %1</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>libéré</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <translation>sur %1 sélectionnés · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>Tout restaurer</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the %1 back where it was</source>
        <translation>Remettre en place tout ce que ce nettoyage a déplacé vers la %1</translation>
    </message>
    <message>
        <source>Restoring…</source>
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
        <source>Some items were moved to the %1 and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Certains éléments ont été déplacés vers la %1 et les autres supprimés définitivement. Vous pouvez encore restaurer ce qui a été déplacé.</translation>
    </message>
    <message>
        <source>Moved to the %1. You can still restore anything.</source>
        <translation>Déplacé vers la %1. Vous pouvez encore tout restaurer.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the %1&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln élément n’a pas pu être déplacé vers la %1&lt;/b&gt; et a été laissé à sa place.</numerusform>
            <numerusform>&lt;b&gt;%Ln éléments n’ont pas pu être déplacés vers la %1&lt;/b&gt; et ont été laissés à leur place.</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>Ce nettoyage n’a écrit aucun journal&#x202f;; le dossier des journaux est ouvert à la place.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <translation>Le journal %1 n’existe plus&#x202f;; son dossier est ouvert à la place.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt n’a pas redémarré&#x202f;: les droits d’administrateur ont été refusés ou n’ont pas pu être demandés.</translation>
    </message>
    <message>
        <source>No %1 on this drive</source>
        <translation>Pas de %1 sur ce lecteur</translation>
    </message>
    <message>
        <source>Cannot go to the %1</source>
        <translation>Ne peut pas aller dans la %1</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <translation>Impossible de lire le fichier de catalogue %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <translation>Le fichier de catalogue %1 ne contient pas de JSON valide&#x202f;: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <translation>Le fichier de catalogue %1 est inutilisable&#x202f;: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>une catégorie n’a pas d’identifiant</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <translation>l’identifiant «&#x202f;%1&#x202f;» apparaît deux fois</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <translation>le risque de «&#x202f;%1&#x202f;» n’est ni Safe, ni Review, ni Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <translation>un dossier racine de «&#x202f;%1&#x202f;» n’est pas un chemin absolu</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>il ne contient aucune catégorie</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrompu.</translation>
    </message>
    <message>
        <source>Scanning %1 · %2 · %3 files · %4</source>
        <translation>Analyse&#x202f;: %1 · %2 · fichiers&#x202f;: %3 · %4</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risque</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <translation>(%1 est en cours d’exécution)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <translation>… %1 de plus (--json les affiche tous)</translation>
    </message>
    <message>
        <source>%1 found · %2 files checked · %3 s</source>
        <translation>Trouvé&#x202f;: %1 · fichiers examinés&#x202f;: %2 · %3 s</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <translation>Impossible de lire certains dossiers de «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <translation>%1 est conservé en entier&#x202f;: %2 se trouve à l’intérieur.</translation>
    </message>
    <message>
        <source>Freed %1 · %2 removed · %3 skipped</source>
        <translation>Espace libéré&#x202f;: %1 · supprimés&#x202f;: %2 · ignorés&#x202f;: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Catégories nettoyées&#x202f;: %1</translation>
    </message>
    <message>
        <source>Skipped (in use or access denied):</source>
        <translation>Ignorés (en cours d’utilisation ou accès refusé)&#x202f;:</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <translation>Applications en cours d’exécution laissées intactes&#x202f;: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>Certains éléments nécessitent des droits d’administrateur.</translation>
    </message>
    <message>
        <source>Log: %1</source>
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
        <translation>Nettoyage&#x202f;: %1 sur %2 · %3</translation>
    </message>
    <message>
        <source>%1 files checked · %2 found (%3) · %4</source>
        <translation>Fichiers examinés&#x202f;: %1 · trouvés&#x202f;: %2 (%3) · %4</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>La recherche de fichiers volumineux n’a pas abouti.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>Utilisé le</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <translation>
            <numerusform>%n fichier volumineux</numerusform>
            <numerusform>%n fichiers volumineux</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>Exécutez «&#x202f;varnholt-cli --help&#x202f;» pour afficher l’aide.</translation>
    </message>
    <message>
        <source>No command given.</source>
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
        <translation>Argument inattendu «&#x202f;%1&#x202f;» pour %2.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>La commande measure attend exactement un PATH.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <translation>Option inconnue «&#x202f;%1&#x202f;» pour %2. Options de %2&#x202f;: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 nécessite une valeur.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
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
        <translation>Catégorie inconnue&#x202f;: %1. Catégories disponibles&#x202f;: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <translation>un indicateur de «&#x202f;%1&#x202f;» n’est ni true ni false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <translation>les motifs d’un dossier racine de «&#x202f;%1&#x202f;» ne sont pas une liste de noms</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <translation>le minAgeMs d’un dossier racine de «&#x202f;%1&#x202f;» n’est pas un nombre entier de millisecondes entre 0 et 100 ans</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <translation>Avertissement&#x202f;: impossible de lire le fichier de paramètres %1&#x202f;; cette exécution risque de ne pas utiliser vos paramètres.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>Impossible de lire le fichier de paramètres %1&#x202f;: vos exclusions et votre choix entre la corbeille et la suppression sont donc inconnus. Rien n’a été nettoyé&#x202f;: corrigez ou supprimez d’abord ce fichier.</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <translation>--skip-item %1 ne désigne aucun élément des catégories indiquées.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <translation>Rien n’a été nettoyé.</translation>
    </message>
    <message>
        <source>Moved %1 to the %2 · freed %3 · %4 removed · %5 skipped</source>
        <translation>Déplacé vers la %2&#x202f;: %1 · espace libéré&#x202f;: %3 · supprimés&#x202f;: %4 · ignorés&#x202f;: %5</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>move to %1</source>
        <translation>déplacer vers %1</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>supprimer</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <translation>Resterait&#x202f;:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <translation>
            <numerusform>Aperçu seulement, rien n’a été supprimé&#x202f;: %n chemin partirait, %1.</numerusform>
            <numerusform>Aperçu seulement, rien n’a été supprimé&#x202f;: %n chemins partiraient, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>Le disque est déjà plein.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
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
        <translation>remet en place ce qu’un nettoyage a mis à la corbeille (sans LOG, le dernier)</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>estimer quand le disque sera plein d’après l’historique de l’espace libre</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>liste ce que clean supprimerait ou déplacerait, avec les tailles&#x202f;; ne supprime rien</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <translation>Commande inconnue «&#x202f;%1&#x202f;». Commandes&#x202f;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <translation>
            <numerusform>Utilisé par %1 (PID %2)&#x202f;: %n fichier</numerusform>
            <numerusform>Utilisé par %1 (PID %2)&#x202f;: %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <translation>Conservés car leur contenu a changé depuis l’analyse&#x202f;: %1</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the %1; there is nothing to restore.</source>
        <translation>Aucun nettoyage n’a déplacé quoi que ce soit vers la %1&#x202f;; il n’y a rien à restaurer.</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <translation>En tant que root, le fichier de catalogue %1 n’est utilisé que si lui et chaque dossier au-dessus appartiennent à root et que personne d’autre ne peut les modifier.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <translation>En tant que root, Varnholt travaille dans les dossiers propres à root (%1) et ignore %2&#x202f;: un autre utilisateur peut changer l’endroit où ils mènent.</translation>
    </message>
    <message>
        <source>Could not be moved to the %1, left where they are:</source>
        <translation>Impossible de déplacer vers la %1, laissés à leur place&#x202f;:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… et %n autre</numerusform>
            <numerusform>… et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>Impossible de lire le fichier de paramètres %1&#x202f;: vos exclusions et votre choix entre la Corbeille et la suppression sont donc inconnus. Rien n’a été nettoyé&#x202f;: corrigez ou supprimez d’abord ce fichier.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
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
        <translation>remet en place ce qu’un nettoyage a mis dans la Corbeille (sans LOG, le dernier)</translation>
    </message>
    <message>
        <source>delete permanently, or move to the trash</source>
        <translation>supprime définitivement, ou déplace vers la corbeille</translation>
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
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <translation>Carte du stockage</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Réanalyser</translation>
    </message>
    <message>
        <source>Find what&apos;s taking up space</source>
        <translation>Découvrez ce qui occupe de l’espace</translation>
    </message>
    <message>
        <source>Big files in your home folder. You decide what goes.</source>
        <translation>Les gros fichiers de votre dossier personnel. Vous décidez de ce qui part.</translation>
    </message>
    <message>
        <source>Find large files</source>
        <translation>Rechercher les fichiers volumineux</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <translation>Les plus volumineux jusqu’ici</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>Recherche de fichiers volumineux…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <translation>Inutilisés depuis %1+ mois</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Search files</source>
        <translation>Rechercher des fichiers</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>Afficher dans %1</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Déplacer vers la %1</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <translation>Dossier personnel · plus de %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <translation>
            <numerusform>Sélection&#x202f;: &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; sur %3 · %Ln fichier</numerusform>
            <numerusform>Sélection&#x202f;: &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; sur %3 · %Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <translation>Aucun fichier ne correspond à «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>Aucun fichier dans cette vue.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <translation>Aucun fichier de plus de %1 dans votre dossier personnel.</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>Le %1 n’a pas pu afficher %2</translation>
    </message>
    <message>
        <source>Files to show</source>
        <translation>Fichiers à afficher</translation>
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
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
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
        <translation>Site web de Varnholt</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <translation>À propos de Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Quitter Varnholt</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <translation>Le dossier des journaux %1 n’a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>Trouve l’espace dont votre ordinateur peut se passer.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <translation>Garder Varnholt actif&#x202f;?</translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window, so scheduled scans and low space alerts keep working. You can open it again from the tray icon.</source>
        <translation>Varnholt peut rester dans la zone de notification lorsque vous fermez la fenêtre, afin que les analyses planifiées et les alertes d’espace insuffisant continuent de fonctionner. Vous pouvez le rouvrir depuis son icône dans la zone de notification.</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Mémoriser mon choix</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>Vous pouvez modifier ce choix dans les Paramètres.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <translation>Garder en arrière-plan</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <translation>Nettoyer %1&#x202f;?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>La suppression définitive est activée. Ces fichiers ne pourront pas être récupérés.</translation>
    </message>
    <message>
        <source>Emptying the %1 can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>Le vidage de la %1 est irréversible. Tout le reste sera déplacé vers la %1.</translation>
    </message>
    <message>
        <source>Everything will be moved to the %1, so you can restore it later.</source>
        <translation>Tout sera déplacé vers la %1&#x202f;: vous pourrez donc le restaurer plus tard.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <translation>Nettoyer et supprimer</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt est à jour</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <translation>La version %1 est la plus récente.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>Une mise à jour est disponible</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
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
        <translation>Téléchargement de la mise à jour…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <translation>Installation de la mise à jour…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>Varnholt se ferme, puis redémarre une fois la mise à jour installée.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <translation>La version %1 est installée.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>Une partie nécessite des droits d’administrateur&#x202f;: sans eux, ces fichiers sont ignorés.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <translation>Tout ce qui partira</translation>
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
        <translation>Rien de la sélection ne serait supprimé.</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <translation>
            <numerusform>%n chemin · %1</numerusform>
            <numerusform>%n chemins · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>These cannot be moved to the %1</source>
        <translation>Ces éléments ne peuvent pas être déplacés vers la %1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>Les laisser</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <translation>Les supprimer définitivement</translation>
    </message>
    <message>
        <source>None of it can go to the %1: delete it permanently, or nothing is cleaned.</source>
        <translation>Rien de tout cela ne peut aller dans la %1&#x202f;: supprimez-le définitivement, sinon rien ne sera nettoyé.</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>Tout sera supprimé définitivement et ne pourra pas être récupéré.</translation>
    </message>
    <message>
        <source>Emptying the %1 and deleting what cannot go there can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>Le vidage de la %1 et la suppression de ce qui ne peut pas y aller sont irréversibles. Tout le reste sera déplacé vers la %1.</translation>
    </message>
    <message>
        <source>What cannot go to the %1 is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>Ce qui ne peut pas aller dans la %1 sera supprimé définitivement. Tout le reste y sera déplacé&#x202f;: vous pourrez donc le restaurer plus tard.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>La recherche n’a pas pu démarrer. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>La recherche a de nouveau échoué.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <translation>Analysé %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Analyse intelligente</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d’ensemble</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Réanalyser</translation>
    </message>
    <message>
        <source>See all</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Disk health</source>
        <translation>État du disque</translation>
    </message>
    <message>
        <source>System files protected</source>
        <translation>Fichiers système protégés</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
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
        <translation>libres sur %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <translation>Jamais analysé</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <translation>Libéré ce mois-ci</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Dernière analyse</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>Analyse planifiée</translation>
    </message>
    <message>
        <source>Top recommendations</source>
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
        <translation>Récupérable</translation>
    </message>
    <message>
        <source>Available</source>
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
        <translation>Historique de l’espace libre</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <translation>
            <numerusform>De %1 à %2 libres en %n jour</numerusform>
            <numerusform>De %1 à %2 libres en %n jours</numerusform>
        </translation>
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
    <name>Restore</name>
    <message>
        <source>no longer in the trash</source>
        <translation>n’est plus dans la corbeille</translation>
    </message>
    <message>
        <source>its place is taken</source>
        <translation>son emplacement est occupé</translation>
    </message>
    <message>
        <source>the log does not name a trash entry</source>
        <translation>le journal ne désigne pas un élément de la corbeille</translation>
    </message>
    <message>
        <source>more than one trash entry matches</source>
        <translation>plusieurs éléments de la corbeille correspondent</translation>
    </message>
    <message>
        <source>could not be moved back</source>
        <translation>n’a pas pu être remis en place</translation>
    </message>
    <message>
        <source>no longer in the Recycle Bin</source>
        <translation>n’est plus dans la Corbeille</translation>
    </message>
    <message>
        <source>the log does not name a Recycle Bin entry</source>
        <translation>le journal ne désigne pas un élément de la Corbeille</translation>
    </message>
    <message>
        <source>more than one Recycle Bin entry matches</source>
        <translation>plusieurs éléments de la Corbeille correspondent</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>Choisir un dossier à exclure</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Move items to the %1</source>
        <translation>Déplacer les éléments vers la %1</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>Recommandé. Désactivez cette option pour supprimer définitivement les fichiers.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <translation>Fichiers volumineux à partir de</translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation>100 Mo</translation>
    </message>
    <message>
        <source>250 MB</source>
        <translation>250 Mo</translation>
    </message>
    <message>
        <source>500 MB</source>
        <translation>500 Mo</translation>
    </message>
    <message>
        <source>1 GB</source>
        <translation>1 Go</translation>
    </message>
    <message>
        <source>Consider files old after</source>
        <translation>Fichiers considérés comme anciens après</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 mois</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 mois</translation>
    </message>
    <message>
        <source>12 months</source>
        <translation>12 mois</translation>
    </message>
    <message>
        <source>24 months</source>
        <translation>24 mois</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automatisation</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>Analyse planifiée</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>Lance une analyse au démarrage de Varnholt si la dernière analyse est plus ancienne. Ne nettoie jamais automatiquement.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <translation>Alertes d’espace insuffisant</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <translation>Avertir lorsque l’espace libre passe sous 10&#xa0;%.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Ouvrir à l’ouverture de session</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Lancer au démarrage de Windows</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Lancer à l’ouverture de session</translation>
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
        <source>Closing the window keeps Varnholt running there, so scheduled scans and low space alerts keep working.</source>
        <translation>Lorsque vous fermez la fenêtre, Varnholt y reste actif, afin que les analyses planifiées et les alertes d’espace insuffisant continuent de fonctionner.</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <translation>Toujours demander</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Continuer en arrière-plan</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Quitter Varnholt</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>À la fermeture de la fenêtre</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running so scheduled scans and low space alerts keep working.</source>
        <translation>Dans la zone de notification, Varnholt reste actif pour que les analyses planifiées et les alertes d’espace insuffisant continuent de fonctionner.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>Suivre le système, ou toujours utiliser le thème clair ou sombre.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Langue du système (%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Redémarrer maintenant</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>Varnholt redémarre pour changer de langue.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation>Exclusions</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <translation>Ne jamais toucher</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Dossiers et motifs que Varnholt ignore toujours.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <translation>Emplacements système protégés</translation>
    </message>
    <message>
        <source> — always skipped.</source>
        <translation> — toujours ignorés.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <translation>Applications protégées</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — leurs données ne sont jamais nettoyées. Les caches des applications en cours d’exécution et les fichiers ouverts sont également ignorés.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <translation>Autorisations et à propos</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
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
        <translation>Accès administrateur</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Accordé</translation>
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
        <translation>Redémarrer en tant qu’admin</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Open logs</source>
        <translation>Ouvrir les journaux</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>Chaque nettoyage crée un journal que vous pouvez consulter. Varnholt recherche les mises à jour au démarrage.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>Les fichiers plus volumineux apparaissent dans la Carte du stockage.</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <translation>Nettoyages récents</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <translation>Aucun nettoyage pour l’instant</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>Chaque nettoyage écrit un journal que vous pouvez consulter.</translation>
    </message>
    <message>
        <source>%1 moved to the %2</source>
        <translation>%1 déplacés vers la %2</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <translation>%1 supprimés définitivement</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the %1. Nothing that is in its place now is replaced.</source>
        <translation>Remet en place ce que ce nettoyage a déplacé vers la %1. Rien de ce qui occupe désormais son emplacement n’est remplacé.</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>Utilisé par le filtre «&#x202f;Inutilisés&#x202f;».</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, items deleted permanently or moved to it</source>
        <translation>%1 au total&#x202f;: %2 vidée, éléments supprimés définitivement ou déplacés vers elle</translation>
    </message>
    <message>
        <source>%1 moved to the %2 or deleted permanently</source>
        <translation>%1 déplacé vers la %2 ou supprimé définitivement</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, then items moved to it</source>
        <translation>%1 au total&#x202f;: %2 vidée, puis éléments déplacés vers elle</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the %2 emptied</source>
        <translation>%1 libéré&#x202f;: éléments supprimés définitivement et %2 vidée</translation>
    </message>
    <message>
        <source>The %1 was emptied: %2 freed</source>
        <translation>La %1 a été vidée&#x202f;: %2 libéré</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Rien n’a été nettoyé</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <translation>Vos paramètres dans %1 sont illisibles&#x202f;: leur contenu est donc inconnu. Les options qui y sont enregistrées restent verrouillées tant que le fichier ne peut pas être relu.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Varnholt n’a pas pu redémarrer. Fermez-le et rouvrez-le vous-même pour changer de langue.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <translation>%1 disponibles sur %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Analyse intelligente</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>Carte du stockage</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 libres</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <translation>Développer la barre latérale</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <translation>Réduire la barre latérale</translation>
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
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt est toujours actif</translation>
    </message>
    <message>
        <source>It stays in the system tray so scheduled scans and alerts keep working. Right-click the icon to quit.</source>
        <translation>Il reste dans la zone de notification pour que les analyses planifiées et les alertes continuent de fonctionner. Cliquez avec le bouton droit sur l’icône pour le quitter.</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <translation>Ouvrir Varnholt</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Analyse intelligente</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Quitter Varnholt</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <translation>%1 · %2 libres</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>Carte du stockage</translation>
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
        <translation>La mise à jour n’est pas la version publiée %1.</translation>
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
