#include "cli/options.h"

#include "cli/clitext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

// Which options each command accepts.
const QStringList &allowedFor(Options::Command command)
{
    static const QStringList scan{QStringLiteral("--json"), QStringLiteral("--exclude")};
    static const QStringList clean{QStringLiteral("--category"), QStringLiteral("--skip-item"),
                                   QStringLiteral("--delete"),   QStringLiteral("--trash"),
                                   QStringLiteral("--exclude"),  QStringLiteral("--yes"),
                                   QStringLiteral("--json"),     QStringLiteral("--preview")};
    static const QStringList large{QStringLiteral("--threshold-mb"), QStringLiteral("--exclude"),
                                   QStringLiteral("--json")};
    static const QStringList measure{QStringLiteral("--json")};
    static const QStringList grew{QStringLiteral("--since"), QStringLiteral("--record"), QStringLiteral("--json")};
    static const QStringList none;
    switch (command) {
    case Options::Scan: return scan;
    case Options::Clean: return clean;
    case Options::Large: return large;
    case Options::Measure: return measure;
    case Options::Restore: return measure;
    case Options::Forecast: return measure;  // --json only
    case Options::Grew: return grew;
    default: return none;
    }
}

bool takesValue(const QString &option)
{
    return option == QLatin1String("--exclude") || option == QLatin1String("--category")
        || option == QLatin1String("--skip-item") || option == QLatin1String("--threshold-mb")
        || option == QLatin1String("--since");
}

// "500", "0.5": a finite number above zero, at most what a byte count holds.
std::optional<qint64> thresholdFromText(const QString &text)
{
    bool ok = false;
    const double mb = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(mb) || mb <= 0 || mb > 8.0e12)
        return std::nullopt;
    const qint64 bytes = qint64(std::llround(mb * 1024.0 * 1024.0));
    if (bytes < 1)
        return std::nullopt;
    return bytes;
}

// "7d", "2w", "12h": a whole number of days, weeks or hours above zero, in
// seconds; none for anything else.
std::optional<qint64> ageFromText(const QString &text)
{
    const QString t = text.trimmed().toLower();
    static const QList<std::pair<QChar, qint64>> units{{u'h', 3600}, {u'd', 24 * 3600}, {u'w', 7 * 24 * 3600}};
    for (const auto &[unit, secs] : units) {
        bool ok = false;
        const qint64 n = t.endsWith(unit) ? t.chopped(1).toLongLong(&ok) : 0;
        if (ok && n > 0 && n <= 100 * 52 && !t.startsWith(u'+'))
            return n * secs;
    }
    return std::nullopt;
}

// A leading "~" alone or before a separator is the home folder. The shell
// does this for a word of its own but not after "=" in "--exclude=~/x", and
// not in quotes; leaving it would name a folder called "~" in the current one.
QString expandHome(const QString &value)
{
    if (value == QLatin1String("~"))
        return QDir::homePath();
    if (value.startsWith(QLatin1String("~/")))
        return QDir::homePath() + value.mid(1);
#ifdef Q_OS_WIN
    if (value.startsWith(QLatin1String("~\\")))
        return QDir::homePath() + QLatin1Char('/') + value.mid(2);
#endif
    return value;
}

// A pattern with '/' that is neither absolute, nor below '~', nor spanning
// folders ("**/x") names a place below the working folder, as a relative
// --skip-item does: left as it is it could never match, and what the user
// meant to keep would go. It is resolved against the working folder as the
// shell spells it ($PWD, when that is the working folder) and as the system
// does, so that a folder reached through a link matches either way. Every
// other pattern stays as given.
QStringList resolvedPatterns(const QString &pattern)
{
    const QString p = QDir::fromNativeSeparators(pattern);
    if (!p.contains(QLatin1Char('/')) || QDir::isAbsolutePath(p) || p.startsWith(QLatin1String("**"))
        || p.startsWith(QLatin1Char('~')))
        return {pattern};
    QStringList folders{QDir::currentPath()};
    const QString pwd = qEnvironmentVariable("PWD");
    if (QDir::isAbsolutePath(pwd) && QFileInfo(pwd).canonicalFilePath() == QFileInfo(folders.first()).canonicalFilePath())
        folders.prepend(pwd);
    QStringList out;
    for (const QString &folder : std::as_const(folders))
        out.append(QDir::cleanPath(folder + QLatin1Char('/') + p));
    out.removeDuplicates();
    return out;
}

Options failed(Options o, const QString &message)
{
    o.error = message;
    return o;
}

} // namespace

Options parseOptions(const QStringList &arguments)
{
    Options o;
    if (arguments.isEmpty())
        //: Error when varnholt-cli ran without a command
        return failed(o, CliText::tr("No command given."));

    const QString &first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        o.command = Options::Help;
        return arguments.size() == 1 ? o : failed(o, CliText::tr("--help takes nothing else."));
    }
    if (first == QLatin1String("--version")) {
        o.command = Options::Version;
        return arguments.size() == 1 ? o : failed(o, CliText::tr("--version takes nothing else."));
    }
    if (first == QLatin1String("scan"))
        o.command = Options::Scan;
    else if (first == QLatin1String("clean"))
        o.command = Options::Clean;
    else if (first == QLatin1String("large"))
        o.command = Options::Large;
    else if (first == QLatin1String("measure"))
        o.command = Options::Measure;
    else if (first == QLatin1String("restore"))
        o.command = Options::Restore;
    else if (first == QLatin1String("forecast"))
        o.command = Options::Forecast;
    else if (first == QLatin1String("grew"))
        o.command = Options::Grew;
    else
        //: %1: what was typed; %2: the list of commands
        return failed(o, CliText::tr("Unknown command \"%1\". Commands: %2.")
                                .arg(first, QStringLiteral("scan, clean, large, measure, restore, forecast, grew")));

    const QStringList &allowed = allowedFor(o.command);
    bool optionsEnded = false;
    bool sinceGiven = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString arg = arguments.at(i);
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            if (o.command != Options::Measure && o.command != Options::Restore)
                //: %1: what was typed; %2: the command
                return failed(o, CliText::tr("Unexpected argument \"%1\" for %2.").arg(arg, first));
            if (!o.path.isEmpty())
                return failed(o, o.command == Options::Restore ? CliText::tr("restore takes at most one LOG.")
                                                               : CliText::tr("measure takes exactly one PATH."));
            o.path = arg;
            continue;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            o.command = Options::Help;
            return o;
        }

        QString value;
        bool hasValue = false;
        if (const qsizetype eq = arg.indexOf(QLatin1Char('=')); eq > 0) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
            hasValue = true;
        }
        if (!allowed.contains(arg)) {
            //: Stands for an empty list of options
            const QString list = allowed.isEmpty() ? CliText::tr("none") : allowed.join(QLatin1String(", "));
            //: %1: what was typed; %2: the command; %3: its options
            return failed(o, CliText::tr("Unknown option \"%1\" for %2. Options of %2: %3.").arg(arg, first, list));
        }
        if (takesValue(arg)) {
            if (!hasValue) {
                if (i + 1 >= arguments.size())
                    //: %1: an option, e.g. --threshold-mb
                    return failed(o, CliText::tr("%1 needs a value.").arg(arg));
                value = arguments.at(++i);
            }
        } else if (hasValue) {
            //: %1: an option, e.g. --json
            return failed(o, CliText::tr("%1 takes no value.").arg(arg));
        }

        if (arg == QLatin1String("--json")) {
            o.json = true;
        } else if (arg == QLatin1String("--yes")) {
            o.yes = true;
        } else if (arg == QLatin1String("--preview")) {
            o.preview = true;
        } else if (arg == QLatin1String("--record")) {
            o.record = true;
        } else if (arg == QLatin1String("--since")) {
            const std::optional<qint64> age = ageFromText(value);
            if (!age)
                return failed(o, CliText::tr("--since needs an age such as 7d, 2w or 12h, not \"%1\".").arg(value));
            o.sinceSecs = *age;
            sinceGiven = true;
        } else if (arg == QLatin1String("--exclude")) {
            if (!o.exclusions)
                o.exclusions = QStringList();
            o.exclusions->append(resolvedPatterns(expandHome(value)));
        } else if (arg == QLatin1String("--category")) {
            if (!o.categories.contains(value))
                o.categories.append(value);
        } else if (arg == QLatin1String("--skip-item")) {
            if (value.isEmpty())
                return failed(o, CliText::tr("--skip-item needs a path."));
            o.skipItems.append(expandHome(value));
        } else if (arg == QLatin1String("--delete") || arg == QLatin1String("--trash")) {
            const bool trash = arg == QLatin1String("--trash");
            if (o.moveToTrash && *o.moveToTrash != trash)
                return failed(o, CliText::tr("Choose either --delete or --trash, not both."));
            o.moveToTrash = trash;
        } else if (arg == QLatin1String("--threshold-mb")) {
            o.thresholdBytes = thresholdFromText(value);
            if (!o.thresholdBytes)
                //: %1: what was typed
                return failed(o, CliText::tr("--threshold-mb needs a positive number of megabytes (for example 500), "
                                    "not \"%1\".")
                                     .arg(value));
        }
    }

    if (o.record && sinceGiven)
        return failed(o, CliText::tr("Choose either --record or --since, not both."));
    if (o.command == Options::Measure && o.path.isEmpty())
        return failed(o, CliText::tr("measure needs a PATH."));
    if (o.command == Options::Clean) {
        if (o.categories.isEmpty())
            return failed(o, CliText::tr("clean needs at least one --category ID."));
        // A preview removes nothing, so it needs no confirmation.
        if (!o.yes && !o.preview)
            return failed(o, CliText::tr("clean removes files: add --yes to confirm."));
    }
    return o;
}

QString checkCategories(const QStringList &ids, const QStringList &knownIds)
{
    QStringList unknown;
    for (const QString &id : ids)
        if (!knownIds.contains(id))
            unknown.append(id);
    if (unknown.isEmpty())
        return {};
    //: %1: what was typed; %2: the list of category ids
    return CliText::tr("Unknown category %1. Categories: %2.")
        .arg(QLatin1Char('"') + unknown.join(QLatin1String("\", \"")) + QLatin1Char('"'),
             knownIds.join(QLatin1String(", ")));
}

QString usageText()
{
#ifdef Q_OS_WIN
    const QString trash = CliText::tr("delete permanently, or move to the Recycle Bin");
    const QString restore = CliText::tr("put back what a cleanup moved to the Recycle Bin (the latest one without LOG)");
#else
    const QString trash = CliText::tr("delete permanently, or move to the trash");
    const QString restore = CliText::tr("put back what a cleanup moved to the trash (the latest one without LOG)");
#endif
    //: %1 says what --delete and --trash do, in the words of the system
    QString text = CliText::tr("Usage:\n"
              "  varnholt-cli scan [--json] [--exclude PATTERN]...\n"
              "  varnholt-cli clean --category ID [--category ID]... [--skip-item PATH]...\n"
              "                     [--delete | --trash] [--exclude PATTERN]... --yes [--json]\n"
              "  varnholt-cli large [--threshold-mb N] [--exclude PATTERN]... [--json]\n"
              "  varnholt-cli measure PATH [--json]\n"
              "  varnholt-cli --help | --version\n"
              "\n"
              "Commands:\n"
              "  scan      measure every cleanup category\n"
              "  clean     scan afresh, then clean exactly the categories given\n"
              "  large     list large files in the home folder\n"
              "  measure   size on disk, file count and newest change of one path\n"
              "\n"
              "Options:\n"
              "  --json              print JSON instead of a table\n"
              "  --exclude PATTERN   leave out folders and files matching PATTERN; when given, these\n"
              "                      patterns replace the exclusions of the settings for this run\n"
              "  --category ID       a category to clean (temp, appcache, browser, logs, thumbs,\n"
              "                      update, dev, trash)\n"
              "  --skip-item PATH    keep this item of a cleaned category\n"
              "  --delete, --trash   %1\n"
              "  --threshold-mb N    smallest size of a large file, in MB\n"
              "  --yes               confirm that clean may remove files\n"
              "\n"
              "Defaults come from the settings of Varnholt; options apply to this run only.\n"
              "Exit status: 0 done, 1 failed (clean: something selected stayed), 2 usage error.\n")
                       .arg(trash);
    // The restore command's lines go in after those of measure, whose
    // syntax line and command word every translation keeps.
    const QString syntax = QStringLiteral("  varnholt-cli restore [LOG] [--json]\n");
    const QString command = QStringLiteral("  restore   ") + restore + QLatin1Char('\n');
    const auto insertAfter = [&text](const QString &lineStart, const QString &lines) {
        const qsizetype at = text.indexOf(lineStart);
        const qsizetype end = at < 0 ? -1 : text.indexOf(QLatin1Char('\n'), at + 1);
        if (end < 0)
            text += lines;
        else
            text.insert(end + 1, lines);
    };
    insertAfter(QStringLiteral("  varnholt-cli measure PATH"), syntax);
    insertAfter(QStringLiteral("\n  measure "), command);
    insertAfter(QStringLiteral("  varnholt-cli measure PATH"), QStringLiteral("  varnholt-cli forecast [--json]\n"));
    insertAfter(QStringLiteral("\n  measure "),
                QStringLiteral("  forecast  ") + CliText::tr("estimate when the disk is full from its history of free space")
                    + QLatin1Char('\n'));
    // grew: after forecast, its options after --preview.
    insertAfter(QStringLiteral("  varnholt-cli forecast [--json]"),
                QStringLiteral("  varnholt-cli grew [--since AGE] [--json]\n  varnholt-cli grew --record [--json]\n"));
    insertAfter(QStringLiteral("\n  forecast  "),
                QStringLiteral("  grew      ")
                    + CliText::tr("the folders that grew or shrank most since an earlier reading")
                    + QLatin1Char('\n'));
    // clean --preview: its syntax line after clean's, its option after --yes.
    insertAfter(QStringLiteral("--yes [--json]"), QStringLiteral("  varnholt-cli clean ... --preview [--json]\n"));
    insertAfter(QStringLiteral("\n  --yes "),
                QStringLiteral("  --preview           ")
                    + CliText::tr("list what clean would remove or move, with sizes; removes nothing") + QLatin1Char('\n'));
    insertAfter(QStringLiteral("\n  --preview "),
                QStringLiteral("  --since AGE         ")
                    + CliText::tr("grew: compare with about AGE ago: 7d, 2w, 12h (default 7d)")
                    + QStringLiteral("\n  --record            ")
                    + CliText::tr("grew: take a reading of the folder sizes now") + QLatin1Char('\n'));
    return text;
}
