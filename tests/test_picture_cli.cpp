// kvctl send 5 to 9 and kvctl page as a script sees them: usage errors, the fields'
// messages and the refusals, all before anything is sent (no unit needed).

#include "base/app_folder.h"
#include "base/record_store.h"
#include "kvctl_folder_test.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;

namespace {

class PictureCli : public test::KvctlFolderTest {
protected:
    PictureCli() { options = {QStringLiteral("--port"), dir.filePath(QStringLiteral("no-such-line"))}; }
};

} // namespace

TEST_F(PictureCli, UsageErrorsExitWith2)
{
    for (const QStringList& args : QList<QStringList>{
             {"send", "10"},
             {"send", "7"},
             {"send", "7", "--text", "a"},
             {"send", "6", "--text", "a", "--text-file", "f"},
             {"send", "8", "--font", "Arial", "--text", "a"},
             {"send", "6", "--text", "a", "--spacing", "two"},
             {"page", "logo", "download", "--text", "a"},
             {"page", "logo-text", "upload", "--text", "a"},
             {"page", "logo-text", "download", "--text", "a", "--power-on"},
             {"page", "logo-picture", "change-params", "--slot", "2", "--power-on"},
             {"page", "static-picture", "download", "--text", "a"},
             {"page", "static-picture", "download"},
             {"page", "static-text", "download", "--picture", "x.bmp"},
             {"page", "static-text", "download"},
         })
        EXPECT_EQ(kvctl(args).exitCode, 2) << args.join(' ').toStdString();
}

TEST_F(PictureCli, NumbersOutsideAnOptionsRangeAreUsageErrorsThatNameTheRange)
{
    // The largest numbers are those that overflowed the shift arithmetic once.
    const QList<std::pair<QStringList, QString>> cases = {
        {{"send", "6", "--text", "a", "--vshift", "2147483647"}, "--vshift takes a whole number from -20 to 20"},
        {{"send", "6", "--text", "a", "--vshift", "21"}, "--vshift takes a whole number from -20 to 20"},
        {{"page", "logo-text", "download", "--text", "a", "--vshift", "-2147483648"},
         "--vshift takes a whole number from -20 to 20"},
        {{"picture-text", "a", "--vadjust", "2147483647"}, "--vadjust takes a whole number from -20 to 20"},
        {{"send", "8", "--text", "a", "--spacing", "17"}, "--spacing takes a whole number from 0 to 16"},
        {{"send", "6", "--text", "a", "--hoffset", "43"}, "--hoffset takes a whole number from 0 to 42"},
        {{"page", "static-text", "download", "--text", "a", "--hoffset", "73"},
         "--hoffset takes a whole number from 0 to 72"},
        {{"page", "logo-picture", "change-params", "--slot", "14"}, "--slot takes a whole number from 0 to 13"},
        {{"send", "9", "--text", "a", "--background", "-1"}, "--background takes a whole number from 0 to 16"},
        {{"scroll-params", "--speed", "2147483647"}, "--speed takes a whole number from 0 to 15"},
        {{"raw", "00", "--reply", "65536"}, "--reply takes a whole number from 1 to 65535"},
    };
    for (const auto& [args, reason] : cases) {
        const test::KvctlRun run = kvctl(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(reason + QLatin1Char('\n') + QStringLiteral("usage: kvctl")))
            << run.err.toStdString();
    }
}

TEST_F(PictureCli, FieldMessagesStopTheSendWith1)
{
    const QList<std::pair<QStringList, QString>> cases = {
        {{"send", "6", "--text", "a", "--size", "abc"}, "输入应为数字"},
        {{"send", "6", "--text", "a", "--size", "365"}, "字符原形最大点阵不能超过360*360，最大像素不能超过133120"},
        {{"send", "8", "--text", "a", "--vpos", "600"},
         "Pal制式时，垂直位置的取值范围最大值为590，Ntsc制式时，取值范围最大值为490"},
        {{"send", "9", "--text", "a", "--timer", "60001"}, "定时时间不能大于60000秒(16.6小时)"},
        {{"send", "5", "--entry", "13"}, "先选择要发送的信息"},
        {{"send", "8", "--text", QString(49, QChar(0x4E2D))},
         "输入的字符加上行距所占的点阵数据超出设备缓存容量，请调整输入字符或行距"},
        {{"page", "logo-text", "download", "--text", "a", "--size", "311"},
         "字符原形最大点阵不能超过310*310，最大像素不能超过96256"},
        {{"page", "static-picture", "download", "--picture", "x.bmp", "--threshold", "-651"}, "数值应在-650～650之间"},
        {{"page", "static-text", "change-params"}, "台标、角标不能单独修改显示参数。"},
    };
    for (const auto& [args, message] : cases) {
        const test::KvctlRun run = kvctl(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err, message) << args.join(' ').toStdString();
    }
    // Nothing was sent, so nothing was kept.
    EXPECT_FALSE(QFileInfo::exists(folder.settingsPath(QStringLiteral("Fszk_jzd.TXT"))));
    EXPECT_FALSE(QFileInfo::exists(folder.settingsPath(QStringLiteral("TbChar.TXT"))));
}

TEST_F(PictureCli, AMissingPictureFileIsNamedAndNothingIsSent)
{
    const QString missing = dir.filePath(QStringLiteral("missing.bmp"));
    const test::KvctlRun run = kvctl({"send", "7", "--picture", missing});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(missing)) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder.settingsPath(QStringLiteral("ls_pic_cs.txt"))));
}

// A text file that is neither UTF-8 nor code page 936, or that holds a character the
// record written after the send could not keep, is refused with a message before
// anything is sent: the line here leads nowhere, so a send would end in a port error.
TEST_F(PictureCli, TextFilesThatCannotBeReadOrKeptAreRefusedBeforeSending)
{
    const QString neither = dir.filePath(QStringLiteral("neither.txt"));
    const QString emoji = dir.filePath(QStringLiteral("emoji.txt"));
    for (const auto& [path, bytes] : {std::pair{neither, QByteArray("ab\xFF" "cd")},
                                      std::pair{emoji, QStringLiteral("笑😀").toUtf8()}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QString unreadable = QStringLiteral("文件 %1 既不是 UTF-8 文本，也不是 GBK（代码页 936）文本")
                                   .arg(QDir::toNativeSeparators(neither));
    const QString unkeepable = QStringLiteral("字符“😀”无法以GBK编码保存，发送后无法记下这段文字，所以没有发送；"
                                              "请删除或替换该字符");
    const QList<std::pair<QStringList, QString>> cases = {
        {{"send", "0", "--text-file", neither}, unreadable},
        {{"send", "6", "--text-file", neither}, unreadable},
        {{"send", "8", "--text-file", neither}, unreadable},
        {{"page", "logo-text", "download", "--text-file", neither}, unreadable},
        {{"send", "6", "--text-file", emoji}, unkeepable},
        {{"page", "static-text", "download", "--text-file", emoji}, unkeepable},
    };
    for (const auto& [args, message] : cases) {
        const test::KvctlRun run = kvctl(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err, message) << args.join(' ').toStdString();
        EXPECT_EQ(run.out, "") << args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(folder.settingsPath(QStringLiteral("Fs_User_JzChar.TXT"))));
    EXPECT_FALSE(QFileInfo::exists(folder.settingsPath(QStringLiteral("TbChar.TXT"))));
    EXPECT_FALSE(QFileInfo::exists(folder.settingsPath(QStringLiteral("JbChar.TXT"))));
}

TEST_F(PictureCli, NothingToSendAndTextsFarBeyondEveryLimitAreRefusedWithTheirMessage)
{
    const QString nothing = QStringLiteral("没有要发送的字符，请输入");
    const QString tooWide = QStringLiteral("单行字符长度过长，每行转换成图片的后的宽度不能大于816像素");
    const QString tenThousandLines = QStringList(10000, QStringLiteral("测试")).join(QLatin1Char('\n'));
    // 129 KB that turn into 2 billion characters.
    const QString turnsIntoGigabytes =
        QString(65000, QLatin1Char('a')) + QLatin1Char('\n') + QStringList(32000, QStringLiteral("b")).join('\n');
    // Each is refused by its measure, long before it could take a gigabyte.
    memoryCap = qint64(1) << 30;
    const QList<std::pair<QStringList, QString>> cases = {
        {{"send", "6", "--text", " "}, nothing},
        {{"page", "logo-text", "download", "--text", " "}, nothing},
        {{"send", "9", "--text", "   "}, nothing},
        {{"send", "8", "--text", ""}, nothing},
        {{"send", "8", "--text", "\n\n"}, nothing},
        {{"send", "9"}, nothing},
        {{"send", "6", "--text", QString(2000, QChar(0x4E2D)), "--size", "360"}, tooWide},
        {{"send", "6", "--text", QString(10000, QLatin1Char('W')), "--size", "364"}, tooWide},
        {{"send", "6", "--vertical", "--text", tenThousandLines}, tooWide},
        {{"send", "6", "--vertical", "--text", turnsIntoGigabytes}, tooWide},
        {{"send", "8", "--vertical", "--text", turnsIntoGigabytes},
         QStringLiteral("输入的字符加上行距所占的点阵数据超出设备缓存容量，请调整输入字符或行距")},
        {{"page", "logo-text", "download", "--vertical", "--text", turnsIntoGigabytes},
         QStringLiteral("单行字符转换成图片后宽度太大，不能大于816像素")},
        {{"page", "logo-text", "download", "--text", QString(10000, QLatin1Char('W')), "--size", "310"},
         QStringLiteral("单行字符转换成图片后宽度太大，不能大于816像素")},
    };
    for (const auto& [args, message] : cases) {
        const test::KvctlRun run = kvctl(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').left(60).toStdString();
        EXPECT_EQ(run.err, message) << args.join(' ').left(60).toStdString();
    }

    // A last text far beyond every limit is refused as a typed one.
    QString error;
    ASSERT_TRUE(RecordStore(folder).write(QStringLiteral("Fs_User_JzChar"), QString(20000, QChar(0x4E2D)), &error));
    const test::KvctlRun resent = kvctl({"send", "6"});
    EXPECT_EQ(resent.exitCode, 1);
    EXPECT_EQ(resent.err, tooWide);
}
