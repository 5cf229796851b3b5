#include "support/testsupport.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// Contexts whose catalogue entries must be complete in every language.
const QStringList kCheckedContexts = {
    QStringLiteral("fmt"),     QStringLiteral("Platform"), QStringLiteral("Categories"),
    QStringLiteral("AppGuard"), QStringLiteral("Cleaner"), QStringLiteral("AppState"),
    QStringLiteral("Updater"), QStringLiteral("Main"),     QStringLiteral("CleanupLog"),
};

const QStringList kLanguages = {
    QStringLiteral("en"), QStringLiteral("zh_CN"), QStringLiteral("zh_TW"), QStringLiteral("ja"),
    QStringLiteral("ko"), QStringLiteral("es"),    QStringLiteral("fr"),    QStringLiteral("de"),
    QStringLiteral("pt_BR"), QStringLiteral("ru"),
};

QString catalogueDir()
{
    return QStringLiteral(VARNHOLT_FIXTURES "/../../resources/i18n");
}

struct Message
{
    QString context;
    QString source;
    QString type;           // "", "unfinished", "vanished", "obsolete"
    QStringList translations; // one entry, or one per numerus form
};

// Placeholders Qt substitutes at run time; a translation must carry the same
// multiset or arguments end up in the wrong place or vanish.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%(?:L?[1-9][0-9]?|L?n)(?![A-Za-z])"));
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations final : public QObject
{
    Q_OBJECT

private slots:
    void catalogue_data();
    void catalogue();
};

void TestTranslations::catalogue_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : kLanguages)
        QTest::newRow(qPrintable(code)) << code;
}

void TestTranslations::catalogue()
{
    QFETCH(QString, code);
    const QString path = catalogueDir() + QStringLiteral("/varnholt_%1.ts").arg(code);
    QVERIFY2(QFile::exists(path), qPrintable(path));

    QList<Message> messages;
    QString language;
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context;
        Message current;
        bool numerus = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                const auto name = xml.name();
                if (name == u"TS") {
                    language = xml.attributes().value(QLatin1String("language")).toString();
                } else if (name == u"name") {
                    context = xml.readElementText();
                } else if (name == u"message") {
                    current = Message{context, {}, {}, {}};
                    numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
                } else if (name == u"source") {
                    current.source = xml.readElementText();
                } else if (name == u"translation") {
                    current.type = xml.attributes().value(QLatin1String("type")).toString();
                    // Plural translations keep their text in <numerusform> children.
                    if (!numerus) {
                        const QString text = xml.readElementText();
                        if (!text.isEmpty())
                            current.translations << text;
                    }
                } else if (name == u"numerusform") {
                    current.translations << xml.readElementText();
                }
            } else if (xml.isEndElement() && xml.name() == u"message") {
                messages.append(current);
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }

    QVERIFY2(language == code || language.startsWith(code + u'_'),
             qPrintable(QStringLiteral("language attribute %1").arg(language)));

    QStringList faults;
    for (const Message &m : std::as_const(messages)) {
        if (!kCheckedContexts.contains(m.context))
            continue;
        const QString where = m.context + QStringLiteral(": \"") + m.source + u'"';
        if (!m.type.isEmpty()) {
            faults << where + QStringLiteral(" is ") + m.type;
            continue;
        }
        if (m.translations.isEmpty()) {
            faults << where + QStringLiteral(" has no translation");
            continue;
        }
        const QStringList expected = placeholders(m.source);
        for (const QString &t : m.translations) {
            if (t.trimmed().isEmpty())
                faults << where + QStringLiteral(" has an empty form");
            else if (placeholders(t) != expected)
                faults << where + QStringLiteral(" placeholders differ in \"") + t + u'"';
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
