// The picture and static sends on an in-memory line: the writes in order, the chunked
// matrix with its progress and cancel, the sum byte, refusals that send nothing, and
// sends that fail half-way.

#include "link/comm_error.h"
#include "link/line_session.h"
#include "link_fixture.h"
#include "picture/chunked_write.h"
#include "picture/frame_send.h"
#include "picture/picture_send.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {
TargetChoice unit(const char* address)
{
    return {SendMode::SpecifiedAddress, QString::fromLatin1(address), QString()};
}

TargetChoice emptyQueue()
{
    return {SendMode::AddressQueue, QStringLiteral("0"), QString()};
}

PackedPicture picture(int width, int height, char fill)
{
    return {width, height, QByteArray(qsizetype(width) / 8 * height, fill)};
}
} // namespace

class PictureSend : public LinkFixture {
protected:
    void expectNothingSent()
    {
        EXPECT_TRUE(port->writes.isEmpty());
        EXPECT_EQ(port->opens, 0);
    }

    // The write with this (0-based) index and every one after it never leave the
    // line, so the first of them times out in its drain.
    void stallFromWrite(int index)
    {
        if (index == 0) {
            port->stallOutput = true;
            return;
        }
        port->onWrite = [index](MemoryPort& p, const QByteArray&) {
            if (p.writes.size() == index)
                p.stallOutput = true;
        };
    }
};

TEST_F(PictureSend, ChunksOfExactlyOneChunkAndOneByteMore)
{
    link.ensurePortOpen();
    LineSession session(link);
    EXPECT_EQ(SendInChunks(session, QByteArray(1024, 'a')), ChunkedWrite::Complete);
    ASSERT_EQ(port->writes.size(), 1);
    EXPECT_EQ(port->writes.at(0).size(), 1024);

    port->writes.clear();
    QList<qint64> progress;
    const QByteArray bytes = QByteArray(1024, 'b') + 'c';
    EXPECT_EQ(SendInChunks(session, bytes, 1024, [&](qint64 n) { progress << n; return true; }),
              ChunkedWrite::Complete);
    ASSERT_EQ(port->writes.size(), 2);
    EXPECT_EQ(port->writes.at(0), QByteArray(1024, 'b'));
    EXPECT_EQ(port->writes.at(1), QByteArray("c"));
    EXPECT_EQ(progress, (QList<qint64>{1024, 1025}));
}

TEST_F(PictureSend, SlotPictureIsHeaderChunksAndSumByte)
{
    // 128 x 80 pixels: 1280 bytes, one chunk and 256 bytes more.
    SlotPictureRequest request;
    request.picture = picture(128, 80, '\xFF');
    request.placement = {5, 150, 0, 6};
    request.logoPage = false;
    request.powerOn = true;
    request.target = unit("9");
    const PictureSendOutcome outcome = SendPictureToSlot(request, link, prompter);
    EXPECT_TRUE(outcome.result.done());
    ASSERT_EQ(port->writes.size(), 4);
    EXPECT_EQ(port->writes.at(0), hex("5A5B 09 88 10 00 50 05 00 96 06 02 00 01"));
    EXPECT_EQ(port->writes.at(1).size(), 1024);
    EXPECT_EQ(port->writes.at(2).size(), 256);
    EXPECT_EQ(port->writes.at(3), hex("00")); // 1280 x FF = 0x4FB00
    EXPECT_EQ(outcome.header, port->writes.at(0));
    EXPECT_EQ(outcome.picture, request.picture);
    EXPECT_EQ(prompter.progressMaximum, 1280);
    EXPECT_EQ(prompter.progressOpen, 0);
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(PictureSend, LogoPageNeverSendsAPowerOnKind)
{
    SlotPictureRequest request;
    request.picture = {16, 1, hex("FFFF")};
    request.logoPage = true;
    request.powerOn = true;
    request.target = unit("1");
    ASSERT_TRUE(SendPictureToSlot(request, link, prompter).result.done());
    EXPECT_EQ(port->writes.at(0).at(11), '\0');
    EXPECT_EQ(port->writes.at(0).at(13), '\0');
    EXPECT_EQ(port->writes.last(), hex("FE"));
}

TEST_F(PictureSend, CancelBetweenChunksStopsAndSaysThePictureMayBePartial)
{
    SlotPictureRequest request;
    request.picture = picture(816, 80, '\x0F'); // 8160 bytes, eight chunks
    request.target = unit("1");
    prompter.cancelAtStep = 2;
    const PictureSendOutcome outcome = SendPictureToSlot(request, link, prompter);
    EXPECT_FALSE(outcome.result.done());
    EXPECT_EQ(port->writes.size(), 3); // header and two chunks, no sum byte
    EXPECT_EQ(prompter.texts("failure"), QStringList{PictureSendCancelledText()});
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(prompter.progressOpen, 0);
}

TEST_F(PictureSend, PortFaultHalfWayEndsWithItsMessageAndIsNotCompleted)
{
    StaticPictureRequest request;
    request.picture = picture(768, 40, '\x01'); // 3840 bytes
    request.target = unit("1");
    stallFromWrite(2); // from the second chunk on, nothing leaves
    const PictureSendOutcome outcome = SendStaticPicture(request, link, prompter);
    EXPECT_FALSE(outcome.result.done());
    EXPECT_EQ(port->writes.size(), 3);
    ASSERT_EQ(prompter.texts("error").size(), 1);
    EXPECT_EQ(prompter.texts("error").at(0), CommErrorText(comm::kDrainTimeout, choice.portText()));
    // Neither the closing notice nor the cancel text: the fault's message is the end.
    EXPECT_TRUE(prompter.texts("notice").isEmpty());
    EXPECT_TRUE(prompter.texts("failure").isEmpty());
    EXPECT_FALSE(link.isOpen());
}

TEST_F(PictureSend, StaticPictureOfRenderedTextEndsWithTheNotice)
{
    StaticPictureRequest request;
    request.picture = {16, 2, hex("8000 0001")};
    request.placement = {2, 150, 1, 16};
    request.target = unit("3");
    const PictureSendOutcome outcome = SendStaticPicture(request, link, prompter);
    EXPECT_TRUE(outcome.result.done());
    ASSERT_EQ(port->writes.size(), 2);
    EXPECT_EQ(port->writes.at(0), hex("5A5B 03 88 02 00 02 02 00 96 30 01 00 00"));
    EXPECT_EQ(port->writes.at(1), hex("8000 0001"));
    EXPECT_EQ(prompter.texts("notice"), QStringList{QStringLiteral("静止-自定义字体，发送完毕！")});

    prompter.shown.clear();
    request.source = StaticPictureSource::PictureFile;
    EXPECT_TRUE(SendStaticPicture(request, link, prompter).result.done());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(PictureSend, PictureMessageOf96By48)
{
    PictureMessageRequest request;
    request.picture = picture(96, 48, '\0');
    request.number = 5;
    request.target = unit("2");
    const PictureSendOutcome outcome = SendPictureMessage(request, link, prompter);
    EXPECT_TRUE(outcome.result.done());
    ASSERT_EQ(port->writes.size(), 2);
    EXPECT_EQ(port->writes.at(0), hex("5A5B 02 81 01 02 00 04 00 00 02"));
    const QByteArray data = port->writes.at(1);
    EXPECT_EQ(data.size(), 576 + 9);
    EXPECT_TRUE(data.endsWith(hex("A1F2 A1F5 A1F5")));
    EXPECT_EQ(prompter.texts("message"), QStringList{QStringLiteral("操作完成！")});
}

TEST_F(PictureSend, EmptyQueueSendsNothing)
{
    SlotPictureRequest slot;
    slot.picture = picture(16, 1, '\0');
    slot.target = emptyQueue();
    EXPECT_FALSE(SendPictureToSlot(slot, link, prompter).result.done());
    StaticTextRequest text;
    text.text = hex("A3C1");
    text.target = emptyQueue();
    EXPECT_FALSE(SendStaticText(text, link, prompter).result.done());
    expectNothingSent();
    EXPECT_EQ(prompter.texts("error").size(), 2);
}

TEST_F(PictureSend, StaticTextIsHeaderThenTextBytes)
{
    StaticTextRequest request;
    request.text = hex("A3C1A3C2FFD6D0");
    request.smallFont = true;
    request.lineSpacing = 4;
    request.placement = {1, 150, 0, 16};
    request.target = unit("6");
    const FrameSendOutcome outcome = SendStaticText(request, link, prompter);
    EXPECT_TRUE(outcome.result.done());
    EXPECT_EQ(port->writes, (QList<QByteArray>{hex("5A5B 06 23 00 01 04 01 00 96 10 07"), request.text}));
    EXPECT_EQ(outcome.writes, port->writes);
}

TEST_F(PictureSend, StaticTextPastTheCountByteIsRefused)
{
    StaticTextRequest request;
    request.target = unit("6");
    request.text = QByteArray(255, '\xA1');
    EXPECT_TRUE(SendStaticText(request, link, prompter).result.done());
    EXPECT_EQ(port->writes.at(0).at(11), '\xFF');

    port->writes.clear();
    request.text = QByteArray(256, '\xA1');
    EXPECT_FALSE(SendStaticText(request, link, prompter).result.done());
    EXPECT_TRUE(port->writes.isEmpty());
    EXPECT_EQ(prompter.texts("error"), QStringList{StaticTextTooLongText(256)});
    EXPECT_TRUE(StaticTextTooLongText(256).contains(QStringLiteral("256")));
    EXPECT_TRUE(StaticTextTooLongText(256).contains(QStringLiteral("255")));
}

TEST_F(PictureSend, StaticTextWhoseHeaderStallsSendsNoText)
{
    StaticTextRequest request;
    request.text = hex("A3C1");
    request.target = unit("6");
    stallFromWrite(0);
    EXPECT_FALSE(SendStaticText(request, link, prompter).result.done());
    EXPECT_EQ(port->writes.size(), 1);
    EXPECT_EQ(prompter.texts("error").size(), 1);
}

TEST_F(PictureSend, SlotParametersRefuseTheLogoSlot)
{
    SlotParametersRequest request;
    request.slotIndex = 0;
    request.target = unit("4");
    EXPECT_FALSE(ChangeSlotParameters(request, link, prompter).result.done());
    expectNothingSent();
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("台标、角标不能单独修改显示参数。")});

    request.slotIndex = 3;
    request.powerOn = true;
    request.placement = {72, 150, 0, 6};
    EXPECT_TRUE(ChangeSlotParameters(request, link, prompter).result.done());
    EXPECT_EQ(port->writes, QList<QByteArray>{hex("5A5B 04 8B 48 00 96 06 02 00 01")});
}

TEST_F(PictureSend, RecallAndTimedDisplayOnTheirOwn)
{
    RecallPictureRequest recall;
    recall.append = true;
    recall.number = 12;
    recall.timerSeconds = 90;
    recall.target = unit("8");
    EXPECT_TRUE(RecallStoredPicture(recall, link, prompter).result.done());

    TimedDisplayRequest timer;
    timer.seconds = 90;
    timer.target = unit("8");
    const qint64 before = clock.now;
    EXPECT_TRUE(SendTimedDisplay(timer, link, prompter).result.done());
    EXPECT_GE(clock.now - before, 20);
    EXPECT_EQ(port->writes, (QList<QByteArray>{hex("5A5B 08 89 01 0B 00 005A"), hex("5A5B 08 24 00 005A 00")}));
    EXPECT_FALSE(link.isOpen());
}
