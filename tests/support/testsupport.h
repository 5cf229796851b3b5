#pragma once

// Shared helpers for every test executable.
#include "privileges.h"
#include "tempfolder.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace testsupport {

// Whether this Windows program runs under Wine, whose private prefix holds
// the registry and profile, and whose Restart Manager is an empty stub.
// Always false elsewhere.
bool runsUnderWine();

// The cases of a data table kept as a text file under tests/fixtures
// (`path` relative to it): one case a line, tab-separated, the first column
// the row's name; blank lines and lines starting with '#' are left out. A
// line without exactly `columns` columns fails the test that reads it (and
// an unreadable or empty file), and the list is then empty.
QList<QStringList> fixtureRows(const QString &path, int columns);

} // namespace testsupport
