#include "admin/bus_scan.h"
#include "admin_fixture.h"

#include <QMap>

using namespace kv;
using kv::test::AdminFixture;
using kv::test::Bytes;
using kv::test::MemoryPort;

namespace {

class BusScan : public AdminFixture {
protected:
    // Units on the line by address, each with the byte it answers the probe with.
    void unitsAnswering(const QMap<int, int>& answers)
    {
        port->onWrite = [answers](MemoryPort& memory, const QByteArray& frame) {
            if (frame.size() == 6 && quint8(frame.at(3)) == 0x12 && answers.contains(quint8(frame.at(2))))
                memory.arrive(3, QByteArray(1, char(answers.value(quint8(frame.at(2))))));
        };
    }
    TargetChoice queueOf(const QString& addresses, SendMode mode = SendMode::Broadcast)
    {
        return TargetChoice{mode, QStringLiteral("0"), addresses};
    }
    static QByteArray probe(int address) { return Bytes({0x5A, 0x5B, address, 0x12, 0x00, 0x00}); }
};

TEST_F(BusScan, ListsTheUnitsThatAnswerWithTheirOwnAddress)
{
    unitsAnswering({{3, 3}, {7, 8}, {12, 12}});
    const auto outcome = ScanConnectedDevices(queueOf("003007012", SendMode::SpecifiedAddress), link, prompter);
    EXPECT_EQ(port->writes, QList<QByteArray>({probe(3), probe(7), probe(12)}));
    EXPECT_EQ(outcome.found, QList<int>({3, 12}));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].kind, "message");
    EXPECT_EQ(prompter.shown[0].text, QStringLiteral("共检测到2个连接的设备，分别为：\r\n"
                                                     "地址码为：3的设备\r\n地址码为：12的设备\r\n"));
    EXPECT_EQ(prompter.shown[0].title, QString());
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(prompter.progressOpen, 0);
}

TEST_F(BusScan, NothingAnsweringIsAnError)
{
    const auto outcome = ScanConnectedDevices(queueOf("001002"), link, prompter);
    EXPECT_EQ(outcome.result.kind, OutcomeKind::Failed);
    EXPECT_TRUE(outcome.found.isEmpty());
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].kind, "error");
    EXPECT_EQ(prompter.shown[0].text, QStringLiteral("没有任何设备连接或通讯错误！"));
    EXPECT_EQ(prompter.shown[0].title, QString());
}

TEST_F(BusScan, NothingTickedSendsNothing)
{
    const auto outcome = ScanConnectedDevices(queueOf(QString(), SendMode::Broadcast), link, prompter);
    EXPECT_EQ(outcome.result.kind, OutcomeKind::Refused);
    EXPECT_EQ(prompter.texts("error"),
              QStringList{QStringLiteral("你选择了“按地址队列”发送方式，但尚未编辑设备地址，或没有选择对象地址！")});
    EXPECT_EQ(port->opens, 0);
}

TEST_F(BusScan, CancelStopsBeforeTheNextProbe)
{
    unitsAnswering({{1, 1}, {2, 2}, {3, 3}});
    prompter.cancelAtStep = 3;
    const auto outcome = ScanConnectedDevices(queueOf("001002003", SendMode::AddressQueue), link, prompter);
    EXPECT_EQ(outcome.result.kind, OutcomeKind::Cancelled);
    EXPECT_EQ(port->writes, QList<QByteArray>({probe(1), probe(2)}));
    EXPECT_EQ(outcome.found, QList<int>({1, 2}));
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(prompter.progressOpen, 0);
    EXPECT_EQ(prompter.progressMaximum, 3);
    EXPECT_FALSE(link.isOpen());
}

TEST_F(BusScan, PortFaultEndsTheScanWithItsMessage)
{
    port->failOpenWith = 8005;
    ScanConnectedDevices(queueOf("001", SendMode::SpecifiedAddress), link, prompter);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("串口COM1已被其它程序占用")});
    EXPECT_EQ(prompter.progressOpen, 0);
}

} // namespace
