#include "support/testsupport.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

const QStringList kLanguages = {
    QStringLiteral("en"), QStringLiteral("zh_CN"), QStringLiteral("zh_TW"), QStringLiteral("ja"),
    QStringLiteral("ko"), QStringLiteral("es"),    QStringLiteral("fr"),    QStringLiteral("de"),
    QStringLiteral("pt_BR"), QStringLiteral("ru"),
};

QString cataloguePath(const QString &code)
{
    return QStringLiteral(VARNHOLT_FIXTURES "/../../resources/i18n/varnholt_%1.ts").arg(code);
}

struct Message
{
    QString key;              // context, source and comment
    QString source;
    QString type;             // "", "unfinished", "vanished", "obsolete"
    QStringList translations; // one entry, or one per numerus form
    int forms = 0;            // numerus forms, 0 for a plain message
};

struct Catalogue
{
    QString language;
    QList<Message> messages;
    QString error;
};

Catalogue read(const QString &path)
{
    Catalogue result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("cannot open ") + path;
        return result;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"TS") {
                result.language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == u"name") {
                context = xml.readElementText();
            } else if (name == u"message") {
                current = Message{};
                numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            } else if (name == u"source") {
                current.source = xml.readElementText();
                current.key = context + QStringLiteral(": \"") + current.source + u'"';
            } else if (name == u"comment") {
                current.key += QStringLiteral(" (") + xml.readElementText() + u')';
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
                ++current.forms;
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            result.messages.append(current);
        }
    }
    if (xml.hasError())
        result.error = xml.errorString();
    return result;
}

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

// Plural forms each language's rules produce (Qt's numerus rules).
int formsFor(const QString &code)
{
    if (code == u"ru")
        return 3;
    if (code.startsWith(u"zh") || code == u"ja" || code == u"ko")
        return 1;
    return 2;
}

// Where a translation breaks its language's typography: French wants a
// no-break space (U+00A0 or U+202F) before : ; ! ? and inside « »; Chinese and
// Japanese wrap text in full-width brackets.
bool typographyFault(const QString &code, const QString &text)
{
    static const QRegularExpression french(
        QStringLiteral("(?<![\\x{00A0}\\x{202F}])[:;!?»](?=\\s|$|<)|«(?![\\x{00A0}\\x{202F}])"));
    static const QRegularExpression bracketed(QStringLiteral("\\(([^()]*)\\)"));
    if (code == u"fr")
        return text.contains(french);
    if (code != u"ja" && !code.startsWith(u"zh"))
        return false;
    for (auto it = bracketed.globalMatch(text); it.hasNext();) {
        const QString inside = it.next().captured(1).remove(QRegularExpression(QStringLiteral("%L?[0-9n]+")));
        if (std::any_of(inside.cbegin(), inside.cend(), [](QChar c) { return c.isLetter(); }))
            return true;
    }
    return false;
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
    const Catalogue catalogue = read(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QVERIFY2(catalogue.language == code || catalogue.language.startsWith(code + u'_'),
             qPrintable(QStringLiteral("language attribute %1").arg(catalogue.language)));

    // Every language carries exactly the English catalogue's messages.
    const Catalogue english = read(cataloguePath(QStringLiteral("en")));
    QVERIFY(!english.messages.isEmpty());
    QSet<QString> expectedKeys;
    for (const Message &m : english.messages)
        expectedKeys.insert(m.key);
    QSet<QString> keys;
    for (const Message &m : catalogue.messages)
        keys.insert(m.key);
    QStringList faults;
    QStringList typography;
    for (const QString &k : expectedKeys - keys)
        faults << k + QStringLiteral(" is missing");
    for (const QString &k : keys - expectedKeys)
        faults << k + QStringLiteral(" is not in the English catalogue");

    for (const Message &m : catalogue.messages) {
        if (!m.type.isEmpty()) {
            faults << m.key + QStringLiteral(" is ") + m.type;
            continue;
        }
        if (m.translations.isEmpty()) {
            faults << m.key + QStringLiteral(" has no translation");
            continue;
        }
        if (m.forms > 0 && m.forms != formsFor(code))
            faults << m.key + QStringLiteral(" has %1 plural forms").arg(m.forms);
        const QStringList expected = placeholders(m.source);
        for (const QString &t : m.translations) {
            if (t.trimmed().isEmpty())
                faults << m.key + QStringLiteral(" has an empty form");
            else if (placeholders(t) != expected)
                faults << m.key + QStringLiteral(" placeholders differ in \"") + t + u'"';
            if (typographyFault(code, t))
                typography << m.key + QStringLiteral(": \"") + t + u'"';
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    QVERIFY2(typography.isEmpty(), qPrintable(typography.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
