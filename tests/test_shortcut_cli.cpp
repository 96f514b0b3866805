// kvctl shortcut as a script sees it: usage errors, the editor's refusals with nothing
// sent, and the list of what each shortcut holds.

#include "base/app_folder.h"
#include "base/bounded_read.h"
#include "base/record_store.h"
#include "base/send_modes.h"
#include "file_bytes.h"
#include "kvctl_folder_test.h"
#include "scroll/entry_list.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;

namespace {

class ShortcutCli : public test::KvctlFolderTest {
protected:
    RecordStore store{folder};
};

} // namespace

TEST_F(ShortcutCli, UsageErrorsExitWith2)
{
    for (const QStringList& args : QList<QStringList>{{"shortcut"}, {"shortcut", "show"}, {"shortcut", "save"},
                                                      {"shortcut", "save", "0", "chr:A"},
                                                      {"shortcut", "save", "17", "chr:A"},
                                                      {"shortcut", "save", "x", "chr:A"},
                                                      {"shortcut", "save", "1", "text:A"},
                                                      {"shortcut", "save", "1", "--large", "chr:A"},
                                                      {"shortcut", "list", "extra"}}) {
        const test::KvctlRun run = kvctl(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("shortcut save N"))) << run.err.toStdString();
    }
}

TEST_F(ShortcutCli, RefusedSegmentsPrintTheEditorsMessageAndSendNothing)
{
    struct Case {
        QStringList args;
        QString message;
    };
    const QList<Case> cases = {
        {{"shortcut", "save", "1", "chr:A", "pic:31"}, QStringLiteral("添加的图文短信编号必须为1-30的十进制数")},
        {{"shortcut", "save", "1", "pic:0"}, QStringLiteral("添加的图文短信编号必须为1-30的十进制数")},
        {{"shortcut", "save", "1", "chr:"}, QStringLiteral("没有要添加的字符，请输入")},
        {{"shortcut", "save", "1", QStringLiteral("chr:") + QString(511, QLatin1Char('a'))},
         QStringLiteral("每段字符数不能大于510个，请安排分段插入")},
        {{"shortcut", "save", "1", "--small"}, QStringLiteral("还没有添加滚动信息")},
        {{"--target", "queue", "shortcut", "save", "1", "chr:A"},
         QStringLiteral("你选择了“按地址队列”发送方式，但尚未编辑设备地址，或没有选择对象地址！")},
    };
    for (const Case& c : cases) {
        const test::KvctlRun run = kvctl(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.args.join(' ').toStdString();
        EXPECT_EQ(run.err, c.message) << c.args.join(' ').toStdString();
    }
    const test::KvctlRun run = kvctl({"shortcut", "save", "1", QStringLiteral("chr:A\U0001F600")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("\U0001F600"))) << run.err.toStdString();
    EXPECT_FALSE(store.exists(QStringLiteral("ZhKj16")));
}

TEST_F(ShortcutCli, ListCreatesThePlaceholdersAndPrintsTheRecord)
{
    test::KvctlRun run = kvctl({"shortcut", "list"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList lines = run.out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines.at(0), QStringLiteral("[01]:计算机无信息记录(设备端未知)"));
    EXPECT_EQ(lines.at(15), QStringLiteral("[16]:计算机无信息记录(设备端未知)"));
    EXPECT_TRUE(store.exists(QStringLiteral("ZhKj16")));

    QString error;
    QStringList record = *store.readLines(QStringLiteral("ZhKj16"));
    record[9] = QStringLiteral("[10]:小号>> [天气] ");
    store.writeLines(QStringLiteral("ZhKj16"), record, &error);
    run = kvctl({"shortcut", "list"});
    lines = run.out.split(QLatin1Char('\n'));
    EXPECT_EQ(lines.value(9), QStringLiteral("[10]:小号>> [天气] "));
}

// A record larger than any the program writes is not one of its own: the command that
// needs it says so and stops, and the record is left as it is.
TEST_F(ShortcutCli, ARecordTooLargeToBeOursIsReportedAndLeftAsItIs)
{
    struct Case {
        QString record;
        qint64 limit;
        QStringList args;
    };
    const QList<Case> cases = {
        {QStringLiteral("ZhKj16"), EntryListBytes(kModeShortcut), {"shortcut", "list"}},
        {QStringLiteral("JzPic"), kTextFileLimit,
         {"--port", dir.filePath(QStringLiteral("no-such-line")), "send", "5", "--entry", "1"}},
    };
    for (const Case& c : cases) {
        QString error;
        ASSERT_TRUE(store.write(c.record, QStringLiteral("[01]:") + QString(c.limit - 4, QLatin1Char('x')), &error));
        const QByteArray kept = test::FileBytes(store.path(c.record));
        const test::KvctlRun run = kvctl(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("无法读取文件 %1：文件太大")
                                           .arg(QDir::toNativeSeparators(store.path(c.record)))))
            << run.err.toStdString();
        EXPECT_EQ(test::FileBytes(store.path(c.record)), kept) << c.record.toStdString();
    }
}
