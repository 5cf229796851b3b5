#pragma once

// What is never offered, wherever it turns up inside an offered cache: the
// kinds of user data that tools keep in or beside their caches, which no
// download or rebuild brings back. The catalogue leaves out whole folders of
// these kinds by name (syncFolderNames()); inside the items it does offer,
// the scanner leaves these entries out and the cleaner keeps them (see
// ExclusionMatcher).

#include <QString>
#include <QStringList>

namespace neveroffer {

// Folders of these names stay wherever they are met inside an item, by kind:
// - local histories: the record of edits that never reached version control
//   ("LocalHistory" of the JetBrains IDEs and Android Studio in their cache
//   folders, ".history" of the editors' local-history add-ons, "History" of
//   VS Code's timeline);
// - writes not yet uploaded: the write-back areas of sync and mount tools
//   ("vfs" of rclone's VFS cache, "upload", "uploads", "outbox", "unsynced");
// - editor recovery: swap, undo and backup folders that editors are commonly
//   pointed at below ~/.cache ("swap", "undo", "backup", "backups").
bool isKeptFolderName(const QString &name);

// Files of these names stay wherever they are met inside an item: access
// tokens and credentials ("token", "stored_tokens" of Hugging Face,
// "auth_tokens.json" of onedriver, "*credentials*", "*secret*"), key stores
// ("*.pem", "*.key", "*.p12", "*.pfx", "*.jks", "*.keystore", "*.kdbx"),
// cookie stores ("cookies", "Cookies.*") and command histories ("*history*").
bool isKeptFileName(const QString &name);

// A settings file: what a tool keeps at the top of its cache folder beside
// the data it downloads ("*.json", "*.yaml", "*.yml", "*.toml", "*.ini",
// "*.conf", "*.cfg", "*.properties"). Kept when it lies directly in an
// offered folder item.
bool isSettingsFileName(const QString &name);

// The cache folders of sync and network-mount tools (rclone, onedriver,
// Maestral, Nextcloud, ownCloud, Insync, MEGAsync, Dropbox, pCloud,
// Seafile, …): until the tool runs again they may hold the only copy of a
// write. Never offered, whole. Lower case.
const QStringList &syncFolderNames();

// Whether the folder at `path` belongs to what a build tool installed from
// the user's own projects into its local repository, which no server has.
// In a Maven repository (~/.m2/repository) an artifact folder with a
// "maven-metadata-local.xml" ("mvn install", Gradle's publishToMavenLocal)
// stays whole, and so does a version folder (one holding a .pom or .jar)
// unless its "_remote.repositories" names a remote repository for every
// artifact in it: Maven writes "name>central=" for a download and "name>="
// for an install. When in doubt, it stays.
bool isLocalBuild(const QString &path);

} // namespace neveroffer
