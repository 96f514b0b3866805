// The English translation against the sources: lupdate lists every text the program
// passes through its translation, and each must have a finished English entry that
// keeps the source's arguments.

#include "chinese_text.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Entry {
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when finished
};

// The text of the element just started; lupdate writes a character that XML would not
// keep, such as a carriage return, as <byte value="xd"/>.
QString elementText(QXmlStreamReader& xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters: text += xml.text(); break;
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == QLatin1String("byte"))
                text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
            break;
        case QXmlStreamReader::EndElement: --depth; break;
        default: break;
        }
    }
    return text;
}

QList<Entry> readEntries(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> entries;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("message"))
            entries.append(Entry{});
        else if (xml.name() == QLatin1String("source") && !entries.isEmpty())
            entries.last().source = elementText(xml);
        else if (xml.name() == QLatin1String("translation") && !entries.isEmpty()) {
            entries.last().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.last().translation = elementText(xml);
        }
    }
    return entries;
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

QString quoted(const QString& text)
{
    return QStringLiteral("\"") + QString(text).replace(QLatin1Char('\n'), QLatin1String("\\n")) + QStringLiteral("\"");
}

} // namespace

TEST(EnglishTranslation, EveryTranslatableTextHasAFinishedEntryWithItsArguments)
{
    const QString tracked = QStringLiteral(KV_SOURCE_DIR "/translations/kvtool_en.ts");
    QTemporaryDir dir;
    const QString updated = dir.filePath(QStringLiteral("kvtool_en.ts"));
    ASSERT_TRUE(QFile::copy(tracked, updated));

    // The same run as the build's update_translations, on a copy: a text new in the
    // sources comes in unfinished, one gone from them is dropped.
    QProcess lupdate;
    lupdate.start(QStringLiteral(KV_LUPDATE_PATH),
                  {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                   QStringLiteral("-source-language"), QStringLiteral("zh_CN"), QStringLiteral(KV_SOURCE_DIR "/src"),
                   QStringLiteral(KV_SOURCE_DIR "/cli"), QStringLiteral("-ts"), updated});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const QList<Entry> inSources = readEntries(updated);
    const QList<Entry> inFile = readEntries(tracked);
    ASSERT_FALSE(inSources.isEmpty());
    QSet<QString> sourceTexts;
    QStringList faults;
    for (const Entry& entry : inSources) {
        sourceTexts.insert(entry.source);
        if (!entry.type.isEmpty() || entry.translation.trimmed().isEmpty())
            faults << QStringLiteral("unfinished: ") + quoted(entry.source);
        else if (placeholders(entry.source) != placeholders(entry.translation))
            faults << QStringLiteral("arguments differ: ") + quoted(entry.source) + QStringLiteral(" -> ")
                          + quoted(entry.translation);
        else if (entry.translation.contains(kv::test::ChineseCharacter()))
            faults << QStringLiteral("not English: ") + quoted(entry.translation);
    }
    for (const Entry& entry : inFile) {
        if (!sourceTexts.contains(entry.source))
            faults << QStringLiteral("no longer in the sources: ") + quoted(entry.source);
    }
    EXPECT_TRUE(faults.isEmpty()) << inSources.size() << " texts, " << faults.size() << " faults; run the target "
                                  << "update_translations and finish them:\n"
                                  << faults.join(QLatin1Char('\n')).toStdString();
}
