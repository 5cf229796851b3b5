// Peak memory (maximum resident set size) of `varnholt-cli scan --json` over a
// big tree, read from the kernel's accounting of the finished child (wait4).
// The catalogue handed to the program has one listing root over the tree, so
// every folder of it is walked and every top-level entry becomes an item of
// the JSON. The program runs with its own home and settings in a temporary
// folder: the user's settings never see these runs.
//
//     bench_climemory [--rounds N] [TREE]
//
// TREE is the shared 200,000-file benchmark tree (treegen.h), by default in
// the temp folder; it is generated when missing and kept. Target: under
// 100 MB.

#include "bench/treegen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Sample
{
    bool ok = false;
    qint64 maxRssKb = 0;
    double ms = 0;
};

// Runs program with arguments and environment, stdout into outFile.
Sample runChild(const QString &program, const QStringList &arguments, const QProcessEnvironment &env,
                const QString &outFile)
{
    std::vector<QByteArray> argStore{QFile::encodeName(program)};
    for (const QString &a : arguments)
        argStore.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : argStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> envStore;
    for (const QString &kv : env.toStringList())
        envStore.push_back(kv.toLocal8Bit());
    std::vector<char *> envp;
    for (QByteArray &e : envStore)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const QByteArray out = QFile::encodeName(outFile);

    timeval start, end;
    gettimeofday(&start, nullptr);
    const pid_t pid = ::fork();
    if (pid < 0)
        return {};
    if (pid == 0) {
        const int fd = ::open(out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0) {
            ::dup2(fd, STDOUT_FILENO);
            ::close(fd);
        }
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid)
        return {};
    gettimeofday(&end, nullptr);
    Sample s;
    s.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    s.maxRssKb = usage.ru_maxrss;  // kilobytes on Linux
    s.ms = (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_usec - start.tv_usec) / 1e3;
    return s;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList args = app.arguments().mid(1);
    int rounds = 3;
    QString tree;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--rounds") && !args.isEmpty())
            rounds = std::max(1, args.takeFirst().toInt());
        else
            tree = a;
    }
    if (tree.startsWith(u'-')) {
        QTextStream(stderr) << "usage: bench_climemory [--rounds N] [TREE]\n";
        return 2;
    }
    if (tree.isEmpty())
        tree = QDir::tempPath() + QStringLiteral("/varnholt-bench-tree");
    tree = QDir(tree).absolutePath();
    const std::string root = QFile::encodeName(tree).toStdString();
    if (!benchtree::isComplete(root)) {
        out << "generating tree in " << tree << " ..." << Qt::endl;
        QDir().mkpath(tree);
        if (benchtree::generate(root) < 0) {
            QTextStream(stderr) << "could not generate the tree in " << tree << "\n";
            return 1;
        }
    }
    const QString cli = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../varnholt-cli"));
    if (!QFileInfo(cli).isExecutable()) {
        QTextStream(stderr) << "varnholt-cli not found at " << cli << " (build the varnholt-cli target)\n";
        return 2;
    }

    QTemporaryDir sandbox;
    if (!sandbox.isValid())
        return 1;
    const QString catalogue = sandbox.filePath(QStringLiteral("catalogue.json"));
    {
        QFile f(catalogue);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        const QJsonObject root{{QStringLiteral("path"), tree}};
        const QJsonObject category{{QStringLiteral("id"), QStringLiteral("temp")},
                                   {QStringLiteral("name"), QStringLiteral("Tree")},
                                   {QStringLiteral("roots"), QJsonArray{root}}};
        f.write(QJsonDocument(QJsonObject{{QStringLiteral("categories"), QJsonArray{category}}}).toJson());
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *dir : {"home", "config", "data", "cache"})
        QDir(sandbox.path()).mkpath(QLatin1String(dir));
    env.insert(QStringLiteral("HOME"), sandbox.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), sandbox.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), sandbox.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), sandbox.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("VARNHOLT_CATALOGUE"), catalogue);
    const QString jsonOut = sandbox.filePath(QStringLiteral("scan.json"));

    runChild(cli, {QStringLiteral("scan"), QStringLiteral("--json")}, env, jsonOut);  // warm the cache
    std::vector<qint64> peaks;
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        const Sample s = runChild(cli, {QStringLiteral("scan"), QStringLiteral("--json")}, env, jsonOut);
        if (!s.ok) {
            QTextStream(stderr) << "varnholt-cli scan --json failed\n";
            return 1;
        }
        peaks.push_back(s.maxRssKb);
        times.push_back(s.ms);
    }
    std::sort(peaks.begin(), peaks.end());
    std::sort(times.begin(), times.end());

    QFile json(jsonOut);
    qint64 filesChecked = 0;
    qint64 items = 0;
    if (json.open(QIODevice::ReadOnly)) {
        const QJsonObject o = QJsonDocument::fromJson(json.readAll()).object();
        filesChecked = o.value(QLatin1String("filesChecked")).toInteger();
        for (const QJsonValue &c : o.value(QLatin1String("categories")).toArray())
            items += c.toObject().value(QLatin1String("items")).toArray().size();
    }
    const double peakMb = double(peaks.back()) / 1024.0;
    out << "tree " << tree << ": " << filesChecked << " files, " << items << " items, " << QFileInfo(jsonOut).size()
        << " bytes of JSON\n";
    out << "varnholt-cli scan --json: peak RSS " << QString::number(peakMb, 'f', 1) << " MB (largest of " << rounds
        << " runs, median " << QString::number(double(peaks[peaks.size() / 2]) / 1024.0, 'f', 1) << " MB), median "
        << qRound(times[times.size() / 2]) << " ms (target under 100 MB: " << (peakMb < 100.0 ? "met" : "MISSED")
        << ")\n";
    return 0;
}
