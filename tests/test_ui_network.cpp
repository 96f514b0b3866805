// The window on a COMk mapped to a serial device server: ser2net in front of the
// simulated unit, the address in the status text, a scroll send reaching the unit.

#include "base/app_folder.h"
#include "link/path_port.h"
#include "main_window.h"
#include "operation_runner.h"
#include "recording_prompter.h"
#include "scroll_editor_panel.h"
#include "ser2net_process.h"
#include "sim_process.h"
#include "ui_app.h"
#include "wait_until.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

TEST(WindowThroughSer2net, AComkMappedToAnAddressCarriesAScrollSendToTheUnit)
{
    if (Ser2netProcess::program().isEmpty())
        GTEST_SKIP() << "ser2net is not installed (scripts/packages.sh installs it)";
    SimProcess sim({"--unit", "1:9600"});
    ASSERT_TRUE(sim.isRunning());
    Ser2netProcess server(QFileInfo(sim.linkPath()).canonicalFilePath());
    ASSERT_TRUE(server.isRunning()) << server.output().toStdString();
    UiApp();
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    ASSERT_TRUE(folder.ensureSettingsFolder());
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("COMMAP.TXT"), "COM1=" + server.rfc2217Address()));
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("COM.TXT"), "1"));
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("BTL.TXT"), "3"));

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
