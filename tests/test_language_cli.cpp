// kvctl in English against kvctl in Chinese on the simulated unit: the texts change,
// nothing else does: not the exit status, not a byte on the line, not a column of the
// --log capture but its meaning, not a file of the application folder.

#include "chinese_text.h"
#include "kvctl_process.h"
#include "sim_process.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv::test;

namespace {

// The --log rows without their time and meaning: baud, direction and bytes.
QStringList lineColumns(const QString& log)
{
    QFile file(log);
    QStringList rows;
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList columns = line.split(QLatin1Char('\t'));
        rows << (columns.size() == 5 ? columns.mid(1, 3).join(QLatin1Char('\t')) : QStringLiteral("bad row: ") + line);
    }
    return rows;
}

// Every file of an application folder but the run's log, by its path in the folder.
QMap<QString, QByteArray> folderFiles(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!path.endsWith(QLatin1String(".log")) && file.open(QIODevice::ReadOnly))
            files.insert(QDir(root).relativeFilePath(path), file.readAll());
    }
    return files;
}

} // namespace

TEST(KvctlInEnglish, ChangesTheTextsAndNothingElse)
{
    struct Case {
        const char* what;
        QStringList args;
        int status;
    };
    const QList<Case> cases = {
        {"a refusal by an input", {"write-address", "300"}, 1},
        {"a refusal by the target", {"--target", "255", "status"}, 1},
        {"a finished scroll send", {"send", "0", "--text", "Hello 123"}, 0},
        {"a finished static send of Chinese text",
         {"send", "6", "--text", QStringLiteral("AB静止\n中文12"), "--font", "Liberation Sans"},
         0},
        {"a usage error", {"send"}, 2},
        {"a usage error in an option", {"raw", "5A", "--reply", "0"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QMap<QString, KvctlRun> runs;
        QMap<QString, QStringList> lines;
        QMap<QString, QMap<QString, QByteArray>> files;
        for (const QString& lang : {QStringLiteral("zh"), QStringLiteral("en")}) {
            SimProcess sim({"--unit", "1:9600"});
            ASSERT_TRUE(sim.isRunning());
            QTemporaryDir dir;
            const QString log = dir.filePath(QStringLiteral("line.log"));
            runs[lang] = RunKvctl(QStringList{"--dir", dir.path(), "--port", sim.linkPath(), "--baud", "9600", "--log",
                                              log, "--lang", lang}
                                  + c.args);
            lines[lang] = lineColumns(log);
            files[lang] = folderFiles(dir.path());
        }
        const KvctlRun& zh = runs["zh"];
        const KvctlRun& en = runs["en"];
        EXPECT_EQ(zh.exitCode, c.status) << zh.err.toStdString();
        EXPECT_EQ(en.exitCode, c.status) << en.err.toStdString();
        EXPECT_EQ(lines["en"], lines["zh"]);
        EXPECT_EQ(files["en"], files["zh"]);
        if (c.status != 0) {
            EXPECT_FALSE(en.err.isEmpty());
        }
        EXPECT_FALSE(en.out.contains(ChineseCharacter())) << en.out.toStdString();
        EXPECT_FALSE(en.err.contains(ChineseCharacter())) << en.err.toStdString();
        if (c.status == 1) {
            EXPECT_TRUE(zh.err.contains(ChineseCharacter())) << zh.err.toStdString();
        }
    }
}

// The language of a run: --lang, else KV_LANG, else the window's choice in the
// application folder; a word naming neither language is a usage error.
TEST(KvctlInEnglish, TheLanguageComesFromTheOptionTheEnvironmentOrTheSavedChoice)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("savefiles"));
    const auto saveChoice = [&](const QByteArray& code) {
        QFile file(dir.filePath(QStringLiteral("savefiles/LANG.TXT")));
        return file.open(QIODevice::WriteOnly) && file.write(code) == code.size();
    };
    struct Case {
        QByteArray saved;
        QByteArray environment;
        QStringList option;
        bool english;
        int status;
    };
    // The refusal names the address box in the language of the run.
    const QList<Case> cases = {
        {"", "", {}, false, 1},
        {"en", "", {}, true, 1},
        {"en", "zh", {}, false, 1},
        {"zh", "en", {}, true, 1},
        {"en", "en", {"--lang", "zh"}, false, 1},
        {"zh", "", {"--lang=en"}, true, 1},
        {"", "", {"--lang", "fr"}, false, 2},
        {"", "de", {}, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("saved ") + c.saved.constData() + ", KV_LANG " + c.environment.constData() + ", "
                     + c.option.join(' ').toStdString());
        ASSERT_TRUE(saveChoice(c.saved));
        qputenv("KV_LANG", c.environment);
        const KvctlRun run = RunKvctl(QStringList{"--dir", dir.path()} + c.option + QStringList{"write-address", "300"});
        qunsetenv("KV_LANG");
        EXPECT_EQ(run.exitCode, c.status) << run.err.toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        if (c.status == 1) {
            EXPECT_EQ(run.err.contains(ChineseCharacter()), !c.english) << run.err.toStdString();
        }
    }
}
