// The window on a COMk mapped to a serial device server: ser2net in front of the
// simulated unit, the address in the status text, a scroll send reaching the unit, and
// the port map's connection test of a typed address.

#include "base/app_folder.h"
#include "link/network_address.h"
#include "link/path_port.h"
#include "link/port_map.h"
#include "line_folder.h"
#include "main_window.h"
#include "operation_runner.h"
#include "port_map_dialog.h"
#include "recording_prompter.h"
#include "screenshot.h"
#include "scroll_editor_panel.h"
#include "ser2net_process.h"
#include "sim_process.h"
#include "ui_app.h"
#include "wait_until.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

// A unit at 9600 behind ser2net, and an application folder for the window.
class WindowThroughSer2net : public ::testing::Test {
protected:
    SimProcess sim{{"--unit", "1:9600"}};
    Ser2netProcess server{QFileInfo(sim.linkPath()).canonicalFilePath()};
    QTemporaryDir dir;
    const AppFolder folder{dir.path()};
};

} // namespace

TEST_F(WindowThroughSer2net, AComkMappedToAnAddressCarriesAScrollSendToTheUnit)
{
    if (Ser2netProcess::program().isEmpty())
        GTEST_SKIP() << "ser2net is not installed (scripts/packages.sh installs it)";
    ASSERT_TRUE(sim.isRunning());
    ASSERT_TRUE(server.isRunning()) << server.output().toStdString();
    UiApp();
    ASSERT_TRUE(StartsOnLine(folder, server.rfc2217Address(), 3));

    SteadyClock clock;
    RecordingPrompter prompter;
    ui::MainWindow window(folder, PathPorts(), clock, &prompter);
    ASSERT_TRUE(WaitUntil([&] { return !window.startTimer()->isActive() && !window.runner().busy(); }, 20000));
    EXPECT_TRUE(prompter.texts("error").isEmpty()) << prompter.texts().join(" | ").toStdString();
    const QString status = "  串 口：" + server.rfc2217Address() + "  波特率：9600,N,8,1";
    EXPECT_TRUE(WaitUntil([&] {
        for (const QLineEdit* pane : window.findChildren<QLineEdit*>())
            if (pane->text() == status)
                return true;
        return false;
    }));

    auto* panel = window.findChild<ui::ScrollEditorPanel*>();
    ASSERT_NE(panel, nullptr);
    panel->editor()->setPlainText(QStringLiteral("AB"));
    panel->secondButton()->click();
    ASSERT_TRUE(WaitUntil([&] { return !window.runner().busy(); }, 20000));
    EXPECT_TRUE(prompter.texts("error").isEmpty()) << prompter.texts().join(" | ").toStdString();
    EXPECT_TRUE(sim.waitFor([&] {
        return sim.unitState(1).value("scroll").toObject().value("message").toString().toUpper() == "A3C1A3C2";
    })) << sim.logText().toStdString();
}

TEST_F(WindowThroughSer2net, ThePortMapTestsATypedAddressAndRefusesAMalformedOne)
{
    if (Ser2netProcess::program().isEmpty())
        GTEST_SKIP() << "ser2net is not installed (scripts/packages.sh installs it)";
    ASSERT_TRUE(sim.isRunning());
    ASSERT_TRUE(server.isRunning()) << server.output().toStdString();
    UiApp();
    ASSERT_TRUE(folder.ensureSettingsFolder());
    ui::PortMapDialog dialog(folder, {}, 9600);
    dialog.resize(dialog.sizeHint());
    dialog.show();

    struct Case {
        int k;
        QString typed;
        QString said;
    };
    const QList<Case> cases = {
        {5, "rfc2217://127.0.0.1", "COM5：连接失败："},
        // No server listens on port 1.
        {4, "socket://127.0.0.1:1", "COM4：连接失败："},
        {3, server.rfc2217Address(), "COM3：已连接 " + server.rfc2217Address() + "：RFC 2217，服务器已确认 9600 波特"},
    };
    for (const Case& c : cases) {
        dialog.pathBox(c.k)->setCurrentText(c.typed);
        dialog.testButton(c.k)->click();
        EXPECT_TRUE(WaitUntil([&] { return !dialog.testing(); }, 10000)) << c.k;
        EXPECT_TRUE(dialog.testResult()->text().startsWith(c.said)) << dialog.testResult()->text().toStdString();
        EXPECT_EQ(dialog.testButton(c.k)->text(), "测试连接");
    }
    SaveScreenshot(dialog, "port_map_network");

    // A malformed address is not saved; the well-formed ones are once it is mended.
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    EXPECT_FALSE(QFile::exists(folder.settingsPath("COMMAP.TXT")));
    EXPECT_EQ(dialog.testResult()->text(), "COM5：" + ParseNetworkAddress("rfc2217://127.0.0.1").problem);
    dialog.pathBox(5)->setCurrentText(PortMap::defaultPath(5));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    EXPECT_EQ(PortMap::load(folder).pathFor(3), server.rfc2217Address());
    EXPECT_EQ(PortMap::load(folder).pathFor(4), "socket://127.0.0.1:1");
}
