// kvctl picture-text as a script sees it: usage errors and the refusals that send
// nothing.

#include "kvctl_folder_test.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PictureTextCli : public kv::test::KvctlFolderTest {};

} // namespace

TEST_F(PictureTextCli, ValuesTheListsDoNotHoldAreUsageErrors)
{
    for (const QStringList& args : QList<QStringList>{{"picture-text"}, {"picture-text", "a", "b"},
                                                      {"picture-text", "a", "--size", "33"},
                                                      {"picture-text", "a", "--size", "50"},
                                                      {"picture-text", "a", "--size", "x"},
                                                      {"picture-text", "a", "--vadjust", "21"},
                                                      {"picture-text", "a", "--vadjust", "-21"},
                                                      {"picture-text", "a", "--italic"}}) {
        const kv::test::KvctlRun run = kvctl(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("picture-text SEND-TEXT"))) << run.err.toStdString();
    }
}

TEST_F(PictureTextCli, RefusalsPrintWhyAndWriteNoSettings)
{
    struct Case {
        QStringList args;
        QString message;
    };
    const QList<Case> cases = {
        {{"picture-text", " "}, QStringLiteral("没有要发送的滚动信息，请输入")},
        {{"picture-text", QString(400, QChar(0x4E2D)), "--size", "48"}, QStringLiteral("Data is too large")},
        {{"--target", "queue", "picture-text", "a"},
         QStringLiteral("你选择了“按地址队列”发送方式，但尚未编辑设备地址，或没有选择对象地址！")},
    };
    for (const Case& c : cases) {
        const kv::test::KvctlRun run = kvctl(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.args.mid(0, 3).join(' ').toStdString();
        EXPECT_EQ(run.err, c.message);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("savefiles/gdzfcs.TXT"))));
}

TEST_F(PictureTextCli, PictureMessageNumbersAndArgumentsAreChecked)
{
    for (const QStringList& args : QList<QStringList>{{"picture-message"}, {"picture-message", "1"},
                                                      {"picture-message", "0", "a.bmp"},
                                                      {"picture-message", "31", "a.bmp"},
                                                      {"picture-message", "x", "a.bmp"},
                                                      {"picture-message", "1", "a.bmp", "--large"}}) {
        const kv::test::KvctlRun run = kvctl(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("picture-message N FILE"))) << run.err.toStdString();
    }
}
