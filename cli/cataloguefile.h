#pragma once

// A catalogue read from a JSON file, used in place of the system's when the
// environment variable VARNHOLT_CATALOGUE names one. It lets tests (and
// anyone curious) run the whole scan-and-clean flow over folders of their
// own. It only decides what is scanned: cleaning still works solely on what
// that scan found, and the scanner and cleaner apply the exclusions,
// protected locations and guarded applications to these roots as to any.
//
//     {"categories": [
//        {"id": "temp", "name": "Temporary files", "risk": 0,
//         "needsAdmin": false, "isTrash": false,
//         "roots": [{"path": "/abs/folder", "patterns": ["*.log"], "label": "",
//                    "ownEntriesOnly": false, "minAgeMs": 0, "filesOnly": false,
//                    "singleLinkFiles": false, "keepsLocalBuilds": false,
//                    "keepsTopSettings": false}]}]}
//
// "risk" is 0, 1, 2 or "Safe", "Review", "Permanent". Ids must be unique and
// root paths absolute.

#include "scan/category.h"

#include <QString>

// False with *error set when the file cannot be read or describes no valid
// catalogue. A run as root reads it only when it and every folder above it
// belong to root and nobody else may write to them, each opened without
// following a link: whoever could write one of them could otherwise point a
// root cleanup at another account's files.
bool loadCatalogueFile(const QString &fileName, QList<CategoryDef> *defs, QString *error);
// The same for the file's bytes, once read; `fileName` only goes into *error.
bool parseCatalogueFile(const QByteArray &data, const QString &fileName, QList<CategoryDef> *defs, QString *error);
