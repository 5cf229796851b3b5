#include "testsupport.h"

#include <QFile>
#include <QTest>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace testsupport {

bool runsUnderWine()
{
#ifdef Q_OS_WIN
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

QList<QStringList> fixtureRows(const QString &path, int columns)
{
    QFile file(QStringLiteral(VARNHOLT_FIXTURES "/") + path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTest::qFail(qPrintable(QStringLiteral("cannot read the fixture ") + path), __FILE__, __LINE__);
        return {};
    }
    QList<QStringList> rows;
    int number = 0;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        if (line.endsWith(u'\n'))
            line.chop(1);
        ++number;
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u'\t');
        if (cells.size() != columns) {
            QTest::qFail(qPrintable(QStringLiteral("%1:%2 has %3 columns, not %4")
                                        .arg(path).arg(number).arg(cells.size()).arg(columns)),
                         __FILE__, __LINE__);
            return {};
        }
        rows.append(cells);
    }
    if (rows.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("no cases in the fixture ") + path), __FILE__, __LINE__);
    return rows;
}

} // namespace testsupport
