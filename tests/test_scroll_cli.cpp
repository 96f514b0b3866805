// kvctl send, scroll-params and status as a script sees them: refusals, texts and exit
// codes, with no unit needed.

#include "base/app_folder.h"
#include "kvctl_folder_test.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;

namespace {

class ScrollCli : public test::KvctlFolderTest {};

} // namespace

TEST_F(ScrollCli, UsageErrorsExitWith2)
{
    for (const QStringList& args : QList<QStringList>{{"send"}, {"send", "5"}, {"send", "0", "--bogus"},
                                                      {"send", "0", "--text", "a", "--text-file", "f"},
                                                      {"send", "2", "--entry"},
                                                      {"scroll-params", "--speed", "fast"},
                                                      {"scroll-params", "--count"}, {"scroll-params", "--save=1"},
                                                      {"scroll-params", "--hoffset", "64"},
                                                      {"scroll-params", "--count", "-1"},
                                                      {"send", "0", "--", "--text", "a"}, {"status", "extra"}})
        EXPECT_EQ(kvctl(args).exitCode, 2) << args.join(' ').toStdString();
}

TEST_F(ScrollCli, StatusWithoutOneUnitAtTargetIsAUsageError)
{
    for (const QStringList& args : QList<QStringList>{{"status"}, {"--target", "broadcast", "status"},
                                                      {"--target", "queue", "status"}}) {
        const test::KvctlRun run = kvctl(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("--target ADDR status"))) << run.err.toStdString();
    }
}

TEST_F(ScrollCli, RefusedValuesPrintTheWindowsMessageAndSendNothing)
{
    struct Case {
        QStringList args;
        QString message;
    };
    const QList<Case> cases = {
        {{"--target", "255", "send", "3", "--entry", "1"}, QStringLiteral("这个操作只能制定特定设备")},
        {{"--target", "4", "send", "0", "--text", QString(2001, QLatin1Char('a'))},
         QStringLiteral("超出范围，最多能发送2000个字符")},
        {{"--target", "4", "send", "4", "--entry", "x"}, QStringLiteral("先选择要发送的信息")},
        {{"--target", "4", "send", "1", "--text", "a", "--timer", "60001"},
         QStringLiteral("定时时间不能大于60000秒(16.6小时)")},
        {{"--target", "queue", "send", "0", "--text", "a"},
         QStringLiteral("你选择了“按地址队列”发送方式，但尚未编辑设备地址，或没有选择对象地址！")},
        {{"scroll-params", "--vpos", "591"},
         QStringLiteral("Pal制式时，垂直位置的取值范围最大值为590，Ntsc制式时，取值范围最大值为490")},
        {{"scroll-params", "--vpos=591"},
         QStringLiteral("Pal制式时，垂直位置的取值范围最大值为590，Ntsc制式时，取值范围最大值为490")},
        {{"scroll-params", "--vpos", ""}, QStringLiteral("滚动垂直位置的参数不能为空")},
        {{"scroll-params", "--interval", "-1"}, QStringLiteral("循环间隔时间必须为0-60000的十进制数")},
        {{"--target", "255", "status"}, QStringLiteral("这个操作不能为广播地址，只能指定特定设备，请修改指定地址码！")},
    };
    for (const Case& c : cases) {
        const test::KvctlRun run = kvctl(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.args.join(' ').toStdString();
        EXPECT_EQ(run.err, c.message) << c.args.join(' ').toStdString();
    }
    // The entry mode still created its list, as choosing the mode in the window does.
    EXPECT_TRUE(QFile::exists(folder.settingsPath(QStringLiteral("ZhKj16.TXT"))));
    EXPECT_FALSE(QFile::exists(folder.settingsPath(QStringLiteral("DXX.TXT"))));
    EXPECT_FALSE(QFile::exists(folder.settingsPath(QStringLiteral("Fszk_Gdd.TXT"))));
}

TEST_F(ScrollCli, UnreadableTextFileIsAMessage)
{
    const test::KvctlRun run = kvctl({"--target", "4", "send", "0", "--text-file", dir.filePath("missing.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("无法读取文件"))) << run.err.toStdString();
}
