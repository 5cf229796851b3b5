#include "scan/scanner.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

bool Scanner::isOwnEntry(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return st.st_uid == ::geteuid();
}
