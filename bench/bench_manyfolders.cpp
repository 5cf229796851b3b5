// A cache folder with tens of thousands of sub-folders: every one of them is
// a root of its own. Times building the catalogue over such a home and a
// whole scan of it (catalogue, measuring, the per-root checks), and compares
// the de-duplication of the roots by hash with the pairwise comparison it
// replaced.
//
// bench_manyfolders [COUNT]   (default 30000)

#include "scan/catalogue.h"
#include "scan/scanner.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

double medianMs(int runs, const std::function<void()> &fn)
{
    std::vector<double> samples;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        fn();
        samples.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// What the catalogue did before: every new root compared with every kept one.
int pairwise(const QList<CategoryRoot> &roots)
{
    QList<CategoryRoot> kept;
    for (const CategoryRoot &r : roots) {
        const QString key = QDir::cleanPath(r.path);
        const bool twice = std::any_of(kept.cbegin(), kept.cend(), [&](const CategoryRoot &k) {
            return QDir::cleanPath(k.path) == key && k.patterns == r.patterns;
        });
        if (!twice)
            kept.append(r);
    }
    return int(kept.size());
}

int hashed(const QList<CategoryRoot> &roots)
{
    QSet<QString> seen;
    int kept = 0;
    for (const CategoryRoot &r : roots) {
        const QString key = QDir::cleanPath(r.path) + QChar(0) + r.patterns.join(QChar(0));
        if (!seen.contains(key)) {
            seen.insert(key);
            ++kept;
        }
    }
    return kept;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 30000;

    QTemporaryDir tmp;
    if (!tmp.isValid())
        return 1;
    LinuxBases bases;
    bases.home = tmp.path() + QStringLiteral("/home");
    bases.cache = bases.home + QStringLiteral("/.cache");
    bases.config = bases.home + QStringLiteral("/.config");
    bases.data = bases.home + QStringLiteral("/.local/share");
    bases.temp = tmp.path() + QStringLiteral("/tmp");
    bases.system = tmp.path() + QStringLiteral("/system");
    for (const QString &d : {bases.cache, bases.config, bases.data, bases.temp, bases.system})
        QDir().mkpath(d);
    const QByteArray cache = QFile::encodeName(bases.cache);
    for (int i = 0; i < count; ++i) {
        const QByteArray dir = cache + "/app" + QByteArray::number(i);
        ::mkdir(dir.constData(), 0700);
        const QByteArray file = dir + "/data";
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0) {
            [[maybe_unused]] const ssize_t n = ::write(fd, "cached", 6);
            ::close(fd);
        }
    }

    QList<CategoryDef> defs;
    const double catalogueMs = medianMs(3, [&] { defs = linuxCatalogue(bases); });
    QList<CategoryRoot> roots;
    for (const CategoryDef &d : defs)
        if (d.id == QLatin1String("appcache"))
            roots = d.roots;
    out << count << " cache folders, " << roots.size() << " app-cache roots\n";
    out << "catalogue build:        " << catalogueMs << " ms\n";

    volatile int sink = 0;
    const double hashMs = medianMs(3, [&] { sink = sink + hashed(roots); });
    const double pairMs = medianMs(1, [&] { sink = sink + pairwise(roots); });
    out << "de-duplicate by hash:   " << hashMs << " ms\n";
    out << "pairwise (before):      " << pairMs << " ms  (" << pairMs / std::max(hashMs, 0.001) << " x)\n";

    const double scanMs = medianMs(3, [&] {
        Scanner scanner([&] { return linuxCatalogue(bases); });
        QEventLoop loop;
        QObject::connect(&scanner, &Scanner::finished, &loop, &QEventLoop::quit);
        scanner.start({QStringLiteral("**/.git")});
        loop.exec();
    });
    out << "whole scan:             " << scanMs << " ms\n";
    return 0;
}
