// Which help text each entry point shows, the model choice file and the notice time.

#include "app/device_model.h"
#include "app/help_topics.h"
#include "base/app_folder.h"
#include "base/notice_time.h"
#include "recording_prompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

using namespace kv;
using namespace kv::test;

TEST(HelpTopics, MainButtonFollowsTheLastEditorElseTheSendMode)
{
    struct Row {
        int context;
        int mode;
        HelpTopic topic;
    };
    const QString scroll = QStringLiteral("编辑滚动信息");
    const Row rows[] = {
        {4, 0, {"edit_dx_readme.txt", scroll}},
        {4, 7, {"edit_dx_readme.txt", scroll}},
        {2, 3, {"edit_jztw_readme.txt", QStringLiteral("编辑静止图文及台标")}},
        {3, 9, {"edit_zhkj_readme.txt", QStringLiteral("编辑组合滚动快捷")}},
        {0, 0, {"gd_nzzk_readme.txt", QStringLiteral("滚动—内置大号字库")}},
        {0, 1, {"gd_nzzk_readme.txt", QStringLiteral("滚动—内置小号字库")}},
        {0, 2, {"fstwdx_readme.txt", QStringLiteral("滚动—大号图文短信")}},
        {0, 3, {"fstwdx_readme.txt", QStringLiteral("滚动—小号图文短信")}},
        {0, 4, {"fszhkj_readme.txt", QStringLiteral("滚动—组合快捷信息")}},
        {0, 5, {"dytp_readme.txt", QStringLiteral("静止—调用预存图片")}},
        {0, 6, {"jz_user_char_readme.txt", QStringLiteral("静止—自定义字体")}},
        {0, 7, {"jz_ls_tp_readme.txt", QStringLiteral("静止—临时图片")}},
        {0, 8, {"jz_nzzk_readme.txt", QStringLiteral("静止—内置大号字库")}},
        {0, 9, {"jz_nzzk_readme.txt", QStringLiteral("静止—内置小号字库")}},
        // No editor sets 1, and no list holds a mode outside 0 to 9.
        {1, 5, {"dytp_readme.txt", QStringLiteral("静止—调用预存图片")}},
        {0, 10, {"gd_nzzk_readme.txt", QStringLiteral("滚动—内置大号字库")}},
        {0, -1, {"gd_nzzk_readme.txt", QStringLiteral("滚动—内置大号字库")}},
    };
    for (const Row& row : rows) {
        const HelpTopic topic = MainHelpTopic(row.context, row.mode);
        EXPECT_EQ(topic.file, row.topic.file) << row.context << " " << row.mode;
        EXPECT_EQ(topic.topic, row.topic.topic) << row.context << " " << row.mode;
    }
    EXPECT_EQ(AddressQueueHelpTopic(), (HelpTopic{"edit_addr_readme.txt", QStringLiteral("编辑设备地址")}));
    EXPECT_EQ(OtherFunctionsHelpTopic(), (HelpTopic{"other_readme.txt", QStringLiteral("其他功能")}));
    // Every file an entry point names is among the shipped ones.
    for (int mode = 0; mode < 10; ++mode)
        EXPECT_TRUE(HelpFileNames().contains(MainHelpTopic(0, mode).file));
    EXPECT_EQ(HelpFileNames().size(), 12);
}

TEST(DeviceModel, StartupReadsZeroOneAndAnythingElse)
{
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    EXPECT_FALSE(ReadDeviceModel(folder)) << "no file: no option set";
    folder.ensureSettingsFolder();
    const auto holding = [&](const QByteArray& content) {
        QFile file(folder.settingsPath("xinghao.txt"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        return ReadDeviceModel(folder);
    };
    EXPECT_EQ(holding("0"), 0);
    EXPECT_EQ(holding("1"), 1);
    EXPECT_EQ(holding("2"), 2);
    EXPECT_EQ(holding("7"), 2);
    EXPECT_EQ(holding(""), 2);
    EXPECT_EQ(holding("1\r\n0"), 1);
    EXPECT_TRUE(HasVerticalAdjust(0));
    EXPECT_FALSE(HasVerticalAdjust(1));
    EXPECT_FALSE(HasVerticalAdjust(2));
}

TEST(DeviceModel, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    RecordingPrompter prompter;
    ASSERT_TRUE(WriteDeviceModel(folder, 1, prompter)) << "savefiles is created when missing";
    QFile written(folder.settingsPath("xinghao.txt"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "1");
    written.close();

    // The temporary file of the write cannot be made.
    QDir().mkpath(UnfinishedWritePath(folder.settingsPath("xinghao.txt")));
    EXPECT_FALSE(WriteDeviceModel(folder, 2, prompter));
    ASSERT_EQ(prompter.texts("error").size(), 1);
    EXPECT_TRUE(prompter.texts("error").first().contains("xinghao.txt"));
    EXPECT_EQ(ReadDeviceModel(folder), 1);
}

TEST(NoticeTime, TakesTheSecondsAsGiven)
{
    EXPECT_EQ(NoticeMilliseconds(2), 2000);
    EXPECT_EQ(NoticeMilliseconds(33), 33000) << "past 32 s no 16-bit wrap";
    EXPECT_EQ(NoticeMilliseconds(66), 66000);
    EXPECT_EQ(NoticeMilliseconds(0), 1000);
    EXPECT_EQ(NoticeMilliseconds(-5), 1000);
    EXPECT_EQ(NoticeMilliseconds(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
}
