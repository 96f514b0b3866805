#include "admin/identity.h"
#include "admin/write_address.h"
#include "admin_fixture.h"
#include "link/baud.h"
#include "link/device_address.h"

#include <QFile>

using namespace kv;
using kv::test::AdminFixture;
using kv::test::Bytes;
using kv::test::MemoryPort;

namespace {

const QByteArray kIdentityQuery = Bytes({0x5A, 0xF7, 0x00, 0x01, 0xAC});
const QString kCommFailure = QStringLiteral("通信错误，请检查通信端口及连接线等是否正确");

class Identity : public AdminFixture {
protected:
    // A unit that answers the identity query only at its own rate.
    void unitAt(int baud, int address, bool goodCheck = true)
    {
        port->onWrite = [=, this](MemoryPort& memory, const QByteArray& frame) {
            if (frame == kIdentityQuery && currentBaud() == baud)
                memory.arrive(5, Bytes({0x10, address, goodCheck ? (0x10 ^ address) : 0x00}));
        };
    }
    void replyTo(quint8 code, const QByteArray& reply)
    {
        port->onWrite = [=](MemoryPort& memory, const QByteArray& frame) {
            if (frame.size() > 1 && quint8(frame.at(1)) == code)
                memory.arrive(5, reply);
        };
    }
    QString savedBaud()
    {
        QFile file(folder.settingsPath("BTL.TXT"));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }
    int queriesSent() const { return int(port->writes.count(kIdentityQuery)); }
};

TEST_F(Identity, SweepFindsAUnitAtItsRateAndFollowsIt)
{
    unitAt(19200, 5);
    prompter.answers = {true};
    const auto outcome = ReadIdentity(choice, link, prompter);
    ASSERT_TRUE(outcome.result.done());
    EXPECT_EQ(outcome.baudIndex, 4);
    EXPECT_EQ(outcome.deviceAddress, QString("5"));

    // 1200 first; the fifth rate answers.
    EXPECT_EQ(port->openBauds.mid(0, 5), QList<int>({1200, 2400, 4800, 9600, 19200}));
    EXPECT_EQ(queriesSent(), 5);
    ASSERT_EQ(prompter.texts("message").size(), 1);
    EXPECT_EQ(prompter.texts("message").first(),
              QStringLiteral("读出成功!\r\n\r\n波特率：19200 BPS\r\n地址码：5 (十进制)"));
    EXPECT_EQ(prompter.shown.last().title, QString());

    // The baud choice moves to 19200: its broadcast goes out at 19200 and is saved.
    EXPECT_EQ(port->writes.last(), Bytes({0x5A, 0x5B, 0xFF, 0x17, 0x77, 0x04}));
    EXPECT_EQ(choice.baudChoice(), 4);
    EXPECT_EQ(link.lineBaud(), 19200);
    EXPECT_EQ(savedBaud(), "4");
    EXPECT_FALSE(link.isOpen());
}

TEST_F(Identity, SweepWithNoAnswerRestoresTheLine)
{
    unitAt(19200, 5, false); // answers with a wrong check byte: no answer
    prompter.answers = {true};
    EXPECT_FALSE(ReadIdentity(choice, link, prompter).result.done());
    EXPECT_EQ(queriesSent(), 8);
    EXPECT_EQ(port->openBauds.last(), 115200);
    EXPECT_EQ(link.lineBaud(), 9600);
    EXPECT_EQ(prompter.texts("error"), QStringList{kCommFailure});
    EXPECT_EQ(savedBaud(), "");
    EXPECT_FALSE(link.isOpen());
}

TEST_F(Identity, SweepNeedsAPortAndTheOperatorsYes)
{
    prompter.answers = {false};
    EXPECT_FALSE(ReadIdentity(choice, link, prompter).result.done());
    EXPECT_EQ(prompter.texts("ask").first(),
              QStringLiteral("这个操作将读出设备的波特率、地址码及版本号，不能有多台设备连接\r\n\r\n"
                             "                         确认只有单台设备连接吗？"));
    EXPECT_EQ(port->opens, 0);

    prompter.shown.clear();
    choice.setPortChoiceQuietly(0);
    EXPECT_FALSE(ReadIdentity(choice, link, prompter).result.done());
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("还没选择串口！")});
    EXPECT_EQ(prompter.shown[0].kind, "error");
}

TEST_F(Identity, SweepPortFaultRestoresTheLine)
{
    port->failOpenWith = 8005;
    prompter.answers = {true};
    EXPECT_FALSE(ReadIdentity(choice, link, prompter).result.done());
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("串口COM1已被其它程序占用")});
    EXPECT_EQ(link.lineBaud(), 9600);
}

TEST_F(Identity, ModifyWritesTheChangeAndFollowsTheUnitOnAcknowledge)
{
    replyTo(0xF8, Bytes({0x88}));
    const auto outcome = ModifyIdentity({5, "9"}, choice, link, prompter);
    ASSERT_TRUE(outcome.result.done());
    const QByteArray head = Bytes({0x5A, 0xF8, 0x00, 0x03, 0x05, 0x09});
    EXPECT_EQ(port->writes.first(), head + char(XorOf(head)));
    EXPECT_EQ(prompter.texts("message"), QStringList{QStringLiteral("写入成功")});
    // The baud broadcast still goes out at the old rate, then the line switches.
    EXPECT_EQ(port->writes.last(), Bytes({0x5A, 0x5B, 0xFF, 0x17, 0x77, 0x05}));
    EXPECT_EQ(port->openBauds.last(), 9600);
    EXPECT_EQ(link.lineBaud(), 38400);
    EXPECT_EQ(outcome.deviceAddress, QString("9"));
    EXPECT_FALSE(link.isOpen());
}

TEST_F(Identity, ModifyWithoutAcknowledgeChangesNothing)
{
    replyTo(0xF8, Bytes({0x55}));
    EXPECT_FALSE(ModifyIdentity({5, "9"}, choice, link, prompter).result.done());
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("写入失败")});
    EXPECT_EQ(port->writes.size(), 1);
    EXPECT_EQ(link.lineBaud(), 9600);
    EXPECT_FALSE(link.isOpen());
}

TEST_F(Identity, ModifyRefusesAnUnusableNewAddress)
{
    for (const QString& bad : {QString("0"), QString("255"), QString(""), QString("x")}) {
        prompter.shown.clear();
        EXPECT_FALSE(ModifyIdentity({5, bad}, choice, link, prompter).result.done());
        EXPECT_EQ(prompter.texts("error").size(), 1) << bad.toStdString();
    }
    EXPECT_EQ(port->opens, 0);
}

TEST_F(Identity, ProductNumberWithAGoodCheckByte)
{
    replyTo(0xF9, Bytes({0x12, 0x34, 0x56, 0x78, 0x08}));
    const auto outcome = ReadProductNumber("1", link, prompter);
    ASSERT_TRUE(outcome.result.done());
    EXPECT_EQ(port->writes.first(), Bytes({0x5A, 0xF9, 0x01, 0x01, 0xA3}));
    EXPECT_EQ(prompter.texts("message"), QStringList{QStringLiteral("产品编号：1234567808")});
    EXPECT_FALSE(link.isOpen());
}

TEST_F(Identity, ProductNumberFailsOnAWrongCheckByteOrSilence)
{
    replyTo(0xF9, Bytes({0x12, 0x34, 0x56, 0x78, 0x09}));
    EXPECT_FALSE(ReadProductNumber("3", link, prompter).result.done());
    EXPECT_EQ(port->writes.first(), Bytes({0x5A, 0xF9, 0x03, 0x01, 0xA1}));
    port->onWrite = nullptr;
    EXPECT_FALSE(ReadProductNumber("3", link, prompter).result.done());
    EXPECT_EQ(prompter.texts("failure"), QStringList({QStringLiteral("读出失败"), QStringLiteral("读出失败")}));
    EXPECT_FALSE(link.isOpen());
}

TEST_F(Identity, ProductNumberNeedsAUsableDeviceAddress)
{
    EXPECT_FALSE(ReadProductNumber("", link, prompter).result.done());
    EXPECT_FALSE(ReadProductNumber("255", link, prompter).result.done());
    EXPECT_EQ(prompter.texts("error").size(), 2);
    EXPECT_EQ(port->opens, 0);
}

TEST(DeviceAddressBox, RemovesSpacesAndRefusesWhatIsNoUnit)
{
    EXPECT_EQ(CheckDeviceAddressText("1 2").text, "12");
    EXPECT_EQ(CheckDeviceAddressText("1 2").message, QString());
    EXPECT_EQ(CheckDeviceAddressText("254").message, QString());
    EXPECT_EQ(CheckDeviceAddressText(" ").text, "");
    for (const char* outOfRange : {"255", "0", "000", "99999999999"}) {
        const auto check = CheckDeviceAddressText(outOfRange);
        EXPECT_EQ(check.message, QStringLiteral("有效数值1-255,0为广播地址")) << outOfRange;
        EXPECT_EQ(check.text, "1");
    }
    for (const char* text : {"abc", "-3", "+3", "0x10", "1.5"}) {
        const auto check = CheckDeviceAddressText(text);
        EXPECT_EQ(check.message, QStringLiteral("有效数值必须为1-255的十进制数0为广播地址")) << text;
        EXPECT_EQ(check.text, "1");
    }
}

class WriteAddress : public AdminFixture {};

TEST_F(WriteAddress, WritesToEveryUnitAfterConfirmation)
{
    prompter.answers = {true};
    const auto outcome = WriteUnitAddress("200", link, prompter);
    ASSERT_TRUE(outcome.result.done());
    EXPECT_EQ(port->written, Bytes({0x5A, 0x5B, 0xFF, 0x11, 0x00, 0xC8}));
    EXPECT_EQ(outcome.specifiedAddress, QString("200"));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text,
              QStringLiteral("向设备写入地址码时不能有多台设备连接\r\n\r\n确认只有单台设备连接吗？"));
    EXPECT_EQ(prompter.shown[0].title, QStringLiteral("向设备写入地址码"));
    EXPECT_FALSE(link.isOpen());
}

TEST_F(WriteAddress, RefusesBadAddressesAndANo)
{
    EXPECT_FALSE(WriteUnitAddress("abc", link, prompter).result.done());
    EXPECT_FALSE(WriteUnitAddress("-1", link, prompter).result.done());
    EXPECT_FALSE(WriteUnitAddress("255", link, prompter).result.done());
    EXPECT_EQ(prompter.texts("error"), QStringList({QStringLiteral("地址码必须为0-254的十进制数"),
                                                    QStringLiteral("地址码必须为0-254的十进制数"),
                                                    QStringLiteral("地址码不能大于254")}));
    prompter.answers = {false};
    EXPECT_FALSE(WriteUnitAddress("0", link, prompter).result.done());
    EXPECT_EQ(port->opens, 0);
}

} // namespace
