// The window puts the same bytes on the line as kvctl for the same static sends, in
// every process: a fault that shows in some processes only (state shared between the
// window's thread and the operation's thread, a value read before it was set) shows
// as a difference in one of several fresh starts. Each fresh start of the window is a
// child process of this test program; every other one shows the window in English,
// which changes its texts and not a byte.

#include "app/language_setup.h"
#include "kvctl_process.h"
#include "link/traffic.h"
#include "scroll_editor_panel.h"
#include "scroll_panels.h"
#include "sim_process.h"
#include "static_send_inputs.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QProcessEnvironment>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

const QString kText = QStringLiteral("AB静止\n中文12");
const QString kFont = QStringLiteral("Liberation Sans");
const QString kSize = QStringLiteral("32");
const char* const kOutVariable = "KV_WINDOW_FRAMES_OUT";
const char* const kPictureVariable = "KV_WINDOW_FRAMES_PICTURE";
// "en": the fresh start shows the window in English; its bytes must not change.
const char* const kLanguageVariable = "KV_WINDOW_FRAMES_LANGUAGE";

// A picture with ink that tells every bit position and both halves of the height apart.
QString writeTestPicture(const QString& path)
{
    QImage image(100, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(3, 5, 1, 290, Qt::black);
    painter.fillRect(10, 260, 77, 3, Qt::black);
    painter.drawEllipse(20, 20, 60, 200);
    painter.end();
    image.save(path, "BMP");
    return path;
}

class WindowFrames : public WindowFixture {
protected:
    // Sends mode 6, mode 6 turned by "文字纵排" and mode 7 from the window; returns their
    // bytes.
    QList<QByteArray> sendFromTheWindow(const QString& picture)
    {
        auto window = openWindow();
        window->resize(1280, 720);
        window->show();
        ui::ScrollEditorPanel& panel = *window->scrollPanels().editor;
        // The bytes of one send, without the start-up's frames before it.
        const auto send = [&] {
            const qsizetype from = port->written.size();
            panel.refreshButton()->click();
            window->runner().waitIdle();
            return port->written.mid(from);
        };
        panel.chooseSendMode(6);
        panel.editor()->setPlainText(kText);
        panel.staticInputs()->fontBox()->setCurrentText(kFont);
        panel.staticInputs()->sizeBox()->setText(kSize);
        const QByteArray rendered = send();
        panel.staticInputs()->verticalButton()->setChecked(true);
        const QByteArray turned = send();
        panel.staticInputs()->horizontalButton()->setChecked(true);
        panel.chooseSendMode(7);
        prompter.files << picture;
        return {rendered, turned, send()};
    }
};

// The bytes kvctl wrote, from the rows of its --log capture.
QByteArray sentBytesOfLog(const QString& log)
{
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (const auto row = ParseTrafficLine(line); row && row->sent)
            bytes += row->bytes;
    return bytes;
}

} // namespace

// One fresh start: run alone, it checks that both sends put a picture on the line;
// started by the test below, it writes their bytes for the comparison.
TEST_F(WindowFrames, OneFreshStart)
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString picture = environment.value(kPictureVariable, writeTestPicture(dir.filePath("picture.bmp")));
    if (environment.value(kLanguageVariable) == QLatin1String("en")) {
        ASSERT_TRUE(InstallLanguage(UiApp(), Language::English));
    }
    const QList<QByteArray> frames = sendFromTheWindow(picture);
    ASSERT_EQ(frames.size(), 3);
    EXPECT_NE(frames.at(0), frames.at(1)) << "the turned text draws another picture";
    for (const QByteArray& sent : frames) {
        ASSERT_GT(sent.size(), 14) << prompter.texts().join(" | ").toStdString();
        EXPECT_EQ(quint8(sent.at(3)), 0x88);
    }
    const QString out = environment.value(kOutVariable);
    if (out.isEmpty())
        return;
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (const QByteArray& sent : frames)
        file.write(sent.toHex() + '\n');
}

TEST(WindowAndKvctl, PutTheSameStaticPicturesOnTheLineOverFreshStarts)
{
    UiApp();
    QTemporaryDir dir;
    const QString picture = writeTestPicture(dir.filePath("picture.bmp"));

    SimProcess sim;
    ASSERT_TRUE(sim.isRunning());
    const QStringList common = {"--dir", dir.filePath("kvctl"), "--port", sim.linkPath()};
    const QStringList rendered = {"send", "6", "--text", kText, "--font", kFont, "--size", kSize};
    const QList<QStringList> sends = {rendered, rendered + QStringList{"--vertical"}, {"send", "7", "--picture", picture}};
    QList<QByteArray> expected;
    for (const QStringList& send : sends) {
        const QString log = dir.filePath(QStringLiteral("send%1.log").arg(expected.size()));
        const KvctlRun run = RunKvctl(common + QStringList{"--log", log} + send);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        expected << sentBytesOfLog(log);
        ASSERT_GT(expected.last().size(), 14);
    }

    constexpr int kFreshStarts = 4;
    for (int start = 0; start < kFreshStarts; ++start) {
        const QString out = dir.filePath(QStringLiteral("window%1.txt").arg(start));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kOutVariable, out);
        environment.insert(kPictureVariable, picture);
        // Every other start shows the window in English.
        environment.insert(kLanguageVariable, start % 2 ? QStringLiteral("en") : QStringLiteral("zh"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=WindowFrames.OneFreshStart"});
        ASSERT_TRUE(child.waitForFinished(120000));
        ASSERT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        ASSERT_GE(lines.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            EXPECT_EQ(QByteArray::fromHex(lines.at(i)).toHex(' '), expected.at(i).toHex(' '))
                << sends.at(i).join(' ').toStdString() << ", start " << start;
    }
}

