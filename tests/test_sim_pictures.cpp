// What the simulated unit makes of the picture frames: the pictures it keeps, the sums
// it checks, the PNG files it writes for them. Every frame here is put together by
// hand from the frame tables, never with the tool's builders.
#include "test_bytes.h"
#include "sim/options.h"
#include "sim/picture_files.h"
#include "sim/png_image.h"
#include "sim/shortcut_frames.h"
#include "sim/simulator.h"
#include "sim/state_writer.h"
#include "sim/status_reply.h"
#include "sim/traffic_log.h"
#include "sim/unit_store.h"
#include "sim/unit_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace kv::sim;

using kv::test::hex;

namespace {

bool inkAt(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

char byte(int value)
{
    return static_cast<char>(value & 0xFF);
}

QByteArray sumOf(const QByteArray& matrix)
{
    int sum = 0;
    for (char b : matrix)
        sum += quint8(b);
    return QByteArray(1, byte(sum));
}

QByteArray queueBytes(const QList<int>& queue)
{
    QByteArray bytes;
    for (int address : queue)
        bytes.append(byte(address));
    return bytes;
}

// Header 0x88: bytes per row, height, offset, position, shade, slot kind, queue.
QByteArray pictureHeader(int widthBytes, int height, int kind, int shade = 0x00, QList<int> queue = {},
                         int target = 1)
{
    QByteArray f = hex("5A5B");
    f.append(byte(target)).append(byte(0x88)).append(byte(widthBytes));
    f.append(byte(height >> 8)).append(byte(height)).append(byte(4));
    f.append(byte(0)).append(byte(150)).append(byte(shade)).append(byte(kind));
    f.append(byte(queue.size())).append(byte(kind == 2 ? 1 : 0));
    return f + queueBytes(queue);
}

// Frame 0x81 of the rendered scroll picture: size flag, power-on, queue, block count.
QByteArray scrollPictureHeader(bool small, int blocks, bool powerOn = false)
{
    QByteArray f = hex("5A5B0181");
    f.append(byte(small ? 1 : 0)).append(byte(0)).append(byte(powerOn ? 1 : 0)).append(byte(0));
    f.append(byte(blocks >> 8)).append(byte(blocks));
    return f;
}

// Frame 0x81 of a stored picture message: cells, size, number - 1, power-on, queue.
QByteArray messageHeader(int cells, bool small, int index, QList<int> queue = {})
{
    QByteArray f = hex("5A5B");
    f.append(byte(queue.isEmpty() ? 1 : 255)).append(byte(0x81)).append(byte(1)).append(byte(cells));
    f.append(byte(small ? 1 : 0)).append(byte(index)).append(byte(0)).append(byte(queue.size()));
    f.append(byte(cells));
    return f + queueBytes(queue);
}

QByteArray messageTrailer(int cells)
{
    QByteArray t = hex("01");
    t.append(byte(cells)).append(byte(cells)).append(hex("A1F2"));
    for (int i = 0; i < cells; ++i)
        t.append(hex("A1F5"));
    return t;
}

// Frame 0x8B: offset, position, shade, slot kind, no queue.
QByteArray slotParameters(int offset, int position, int shade, int kind)
{
    QByteArray f = hex("5A5B018B");
    f.append(byte(offset)).append(byte(position >> 8)).append(byte(position)).append(byte(shade));
    f.append(byte(kind)).append(byte(0)).append(byte(kind == 2 ? 1 : 0));
    return f;
}

// Frame 0x89: button, picture number - 1, no queue, timed-display seconds.
QByteArray recall(int index, int seconds = 0)
{
    QByteArray f = hex("5A5B0189");
    f.append(byte(0)).append(byte(index)).append(byte(0)).append(byte(seconds >> 8)).append(byte(seconds));
    return f;
}

// A simulator with its picture folder and traffic log, on a clock the test moves.
struct PictureBench {
    PictureBench() : sim({unit()}, false, Simulator::kDefaultTurnaroundUs), files(dir.path())
    {
        sim.setPictureFiles(&files);
        QString error;
        log.open(dir.filePath(QStringLiteral("traffic.log")), error);
        sim.setLog(&log);
    }
    static Unit unit()
    {
        UnitState state;
        state.product = DefaultProduct(1);
        return Unit(state, {});
    }
    // Bytes that arrive together, then a quiet while.
    void send(const QByteArray& bytes)
    {
        sim.receive(bytes, 9600, now);
        sim.advance(now);
        now += 100'000;
    }
    const UnitState& state() const { return sim.units().at(0).state(); }
    QImage picture(const char* name) const
    {
        return QImage(dir.filePath(QStringLiteral("unit1-%1.png").arg(QLatin1String(name))));
    }
    QString logText() const
    {
        QFile file(dir.filePath(QStringLiteral("traffic.log")));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }
    QJsonObject stateJson() const
    {
        return StateDocument(sim.units()).value(QStringLiteral("units")).toArray().at(0).toObject();
    }

    QTemporaryDir dir;
    Simulator sim;
    PictureFiles files;
    TrafficLog log;
    qint64 now = 1'000'000;
};

QByteArray statusBlock(const UnitState& state)
{
    return BuildStatusReply(state).parts.at(1).right(kStatusBlockSize);
}

} // namespace

TEST(SimPictureFiles, PngShowsInkBlackOnWhiteLeftmostPixelInTheTopBit)
{
    // Row 0: 80 01 -> pixels 0 and 15; row 1: 40 00 -> pixel 1; row 2 missing: white.
    const GreyImage image = InkImage(hex("8001 4000"), 2, 3);
    const QImage png = QImage::fromData(EncodePng(image), "PNG");
    ASSERT_FALSE(png.isNull());
    ASSERT_EQ(png.size(), QSize(16, 3));
    EXPECT_TRUE(inkAt(png, 0, 0));
    EXPECT_FALSE(inkAt(png, 1, 0));
    EXPECT_TRUE(inkAt(png, 15, 0));
    EXPECT_TRUE(inkAt(png, 1, 1));
    EXPECT_FALSE(inkAt(png, 0, 1));
    for (int x = 0; x < 16; ++x)
        EXPECT_FALSE(inkAt(png, x, 2)) << x;
    EXPECT_EQ(qGray(png.pixel(3, 0)), 255);
    EXPECT_EQ(qGray(png.pixel(0, 0)), 0);
}

TEST(SimPictureFiles, EmptyImageGivesNoFile)
{
    EXPECT_TRUE(EncodePng(InkImage({}, 0, 5)).isEmpty());
    QTemporaryDir dir;
    const PictureFiles files(dir.path());
    UnitState unit;
    QString error;
    EXPECT_FALSE(files.write(unit, QStringLiteral("logo"), GreyImage{}, error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SimPictureFiles, FileIsNamedByUnitAndPictureAndTheLatestReplacesTheOneBefore)
{
    QTemporaryDir dir;
    const PictureFiles files(dir.path());
    UnitState unit;
    unit.address = 7;
    QString error;
    ASSERT_TRUE(files.write(unit, QStringLiteral("slot3"), InkImage(hex("FFFF"), 2, 1), error)) << qPrintable(error);
    ASSERT_TRUE(files.write(unit, QStringLiteral("slot3"), InkImage(hex("0000 0000"), 2, 2), error));
    const QImage png(dir.filePath(QStringLiteral("unit7-slot3.png")));
    ASSERT_EQ(png.size(), QSize(16, 2));
    EXPECT_FALSE(inkAt(png, 0, 0));
}

TEST(SimPictureFrames, LogoArrivesBitForBitAndAWrongSumDropsIt)
{
    PictureBench bench;
    // 16 x 2: top-left and bottom-right pixels.
    const QByteArray matrix = hex("8000 0001");
    bench.send(pictureHeader(2, 2, 0, 0x45) + matrix + sumOf(matrix));
    const UnitState& s = bench.state();
    EXPECT_EQ(s.logo.bits, matrix);
    EXPECT_EQ(s.logo.widthBytes, 2);
    EXPECT_EQ(s.logo.height, 2);
    EXPECT_EQ(s.logo.kind, 0);
    EXPECT_EQ(s.logo.shade, 0x40 | 14); // dim on the grey cover of the seven-entry list
    const QImage png = bench.picture("logo");
    ASSERT_EQ(png.size(), QSize(16, 2));
    EXPECT_TRUE(inkAt(png, 0, 0));
    EXPECT_TRUE(inkAt(png, 15, 1));
    EXPECT_FALSE(inkAt(png, 15, 0));
    EXPECT_EQ(bench.stateJson().value("logo").toObject().value("bits").toString(), QStringLiteral("80000001"));

    bench.send(pictureHeader(2, 1, 0) + hex("FFFF") + hex("FF")); // the sum is FE
    EXPECT_EQ(bench.state().logo.bits, matrix);
    EXPECT_EQ(bench.state().droppedPictures, 1);
    EXPECT_TRUE(bench.logText().contains(QStringLiteral("dropped: sum byte ff, the matrix sums to fe")));
    EXPECT_EQ(bench.picture("logo").height(), 2);
}

TEST(SimPictureFrames, StaticPictureGoesToTheSendPageOrToTheStoredPictureShown)
{
    PictureBench bench;
    // The static send page: kind 1, 17-code shade, no sum byte.
    bench.send(pictureHeader(2, 1, 1, 0x2C) + hex("C000"));
    EXPECT_EQ(bench.state().currentStatic, 1);
    EXPECT_EQ(bench.state().staticPicture.shade, 0x2C);
    EXPECT_TRUE(bench.state().storedPictures.isEmpty());
    EXPECT_TRUE(inkAt(bench.picture("static"), 1, 0));

    // A slot page of kind 1 sends the sum byte at once: stored picture 1 when none is shown.
    bench.sim.receive(pictureHeader(2, 1, 1, 0x22) + hex("0102") + hex("03"), 9600, bench.now);
    bench.sim.advance(bench.now);
    bench.now += 100'000;
    ASSERT_TRUE(bench.state().storedPictures.contains(0));
    EXPECT_EQ(bench.state().storedPictures.value(0).bits, hex("0102"));
    EXPECT_EQ(bench.state().storedPictures.value(0).shade, 0x20 | 10);
    EXPECT_EQ(bench.state().currentStatic, 2);
    EXPECT_FALSE(bench.picture("slot1").isNull());

    // A slot page's picture whose sum byte is wrong is dropped: the unit keeps what it had.
    bench.sim.receive(pictureHeader(2, 1, 1, 0x22) + hex("0F0F") + hex("1F"), 9600, bench.now);
    bench.sim.advance(bench.now);
    bench.now += 100'000;
    EXPECT_EQ(bench.state().storedPictures.value(0).bits, hex("0102"));
    EXPECT_EQ(bench.state().staticPicture.bits, hex("0102"));
    EXPECT_EQ(bench.state().currentStatic, 2);
    EXPECT_EQ(bench.state().droppedPictures, 1);
    EXPECT_TRUE(bench.logText().contains(QStringLiteral("picture of slot kind 1 dropped: sum byte 1f, the matrix sums to 1e")))
        << bench.logText().toStdString();

    // Recall picture 3, then a power-on download: it replaces picture 3 and is the power-on one.
    bench.send(recall(2, 300));
    EXPECT_EQ(bench.state().timedDisplaySeconds, 300);
    bench.send(pictureHeader(2, 1, 2, 0x01, {1}, 255) + hex("FFFF") + hex("FE"));
    EXPECT_EQ(bench.state().storedPictures.value(2).bits, hex("FFFF"));
    EXPECT_EQ(bench.state().storedPictures.value(2).kind, 2);
    const QByteArray block = statusBlock(bench.state());
    EXPECT_EQ(quint8(block[17]), 2);  // power-on picture 3
    EXPECT_EQ(quint8(block[35]), 4);  // stored picture 3 shown
    EXPECT_EQ(quint8(block[28]), 2);
    EXPECT_TRUE(inkAt(bench.picture("slot3"), 15, 0));

    // Recalling picture 1 shows its own size and parameters again.
    bench.send(recall(0));
    EXPECT_EQ(bench.state().staticPicture.bits, hex("0102"));
    EXPECT_EQ(quint8(statusBlock(bench.state())[34]), 0x20 | 10);
}

TEST(SimPictureFrames, ParameterChangeActsOnTheLogoOrTheStoredPictureShown)
{
    PictureBench bench;
    bench.send(recall(4));
    bench.send(pictureHeader(2, 1, 2) + hex("0101") + hex("02"));
    bench.send(slotParameters(9, 260, 0x63, 1));
    EXPECT_EQ(bench.state().storedPictures.value(4).horizontalOffset, 9);
    EXPECT_EQ(bench.state().storedPictures.value(4).verticalPosition, 260);
    EXPECT_EQ(bench.state().storedPictures.value(4).shade, 0x60 | 11);
    EXPECT_EQ(bench.state().storedPictures.value(4).kind, 1);
    EXPECT_EQ(bench.state().staticPicture.horizontalOffset, 9);

    bench.send(slotParameters(3, 100, 0x00, 0));
    EXPECT_EQ(bench.state().logo.horizontalOffset, 3);
    EXPECT_EQ(bench.state().logo.shade, 8);
    EXPECT_EQ(bench.state().storedPictures.value(4).horizontalOffset, 9);

    // With the temporary picture shown no stored picture changes.
    bench.send(pictureHeader(2, 1, 1) + hex("0000"));
    bench.now += Simulator::kPictureSumWindowUs;
    bench.send(slotParameters(20, 100, 0x00, 2));
    EXPECT_EQ(bench.state().storedPictures.value(4).horizontalOffset, 9);
    EXPECT_EQ(bench.state().staticPicture.horizontalOffset, 20);
    EXPECT_EQ(bench.state().powerOnStatic, 4);
}

TEST(SimPictureFrames, StaticTextIsReadBackAsText)
{
    PictureBench bench;
    // Queue of one address; small font, spacing 5, offset 2, position 150, shade 0x30.
    const QByteArray codes = hex("A3C1A3C2FFD6D0A1A1A3B1");
    QByteArray frame = hex("5A5BFF2301010502009630");
    frame.append(byte(codes.size())).append(byte(1));
    bench.send(frame + codes);
    const QJsonObject text = bench.stateJson().value("staticText").toObject();
    EXPECT_TRUE(text.value("small").toBool());
    EXPECT_EQ(text.value("lineSpacing").toInt(), 5);
    EXPECT_EQ(text.value("text").toString(), QStringLiteral("A3C1A3C2FFD6D0A1A1A3B1"));
    EXPECT_EQ(text.value("decoded").toString(), QStringLiteral("AB\n中 1"));
    EXPECT_EQ(bench.state().currentStatic, 1);
}

TEST(SimPictureFrames, UnitTextDecodingNeverReadsPastTheEnd)
{
    EXPECT_EQ(DecodeUnitText(hex("D6")), QString(QChar::ReplacementCharacter));
    EXPECT_EQ(DecodeUnitText(hex("41FF")), QStringLiteral("A\n"));
    EXPECT_EQ(DecodeUnitText({}), QString());
}

TEST(SimPictureFrames, RenderedScrollPictureIsCutIntoCellsAndChecked)
{
    PictureBench bench;
    // Two 48-pixel cells: cell 0 has its top-left pixel, cell 1 its bottom-right one.
    QByteArray bits(2 * 288, '\0');
    bits[0] = byte(0x80);
    bits[288 + 287] = byte(0x01);
    bench.send(scrollPictureHeader(false, 2, true) + bits + sumOf(bits));
    EXPECT_EQ(bench.state().scrollPicture.blocks, 2);
    EXPECT_TRUE(bench.state().scrollPicture.powerOn);
    EXPECT_EQ(bench.state().scrollPicture.bits, bits);
    const QImage png = bench.picture("scroll");
    ASSERT_EQ(png.size(), QSize(96, 48));
    EXPECT_TRUE(inkAt(png, 0, 0));
    EXPECT_TRUE(inkAt(png, 95, 47));
    EXPECT_FALSE(inkAt(png, 47, 47));
    EXPECT_FALSE(inkAt(png, 48, 0));

    // A small picture with a wrong sum is dropped: the big one stays.
    QByteArray small(128, '\0');
    small[0] = byte(0xFF);
    small[1] = byte(0x02);
    bench.send(scrollPictureHeader(true, 1) + small + hex("02")); // the sum is 01
    EXPECT_EQ(bench.state().scrollPicture.blocks, 2);
    EXPECT_FALSE(bench.state().scrollPicture.small);
    EXPECT_EQ(bench.state().droppedPictures, 1);
    EXPECT_TRUE(bench.logText().contains(QStringLiteral("scroll picture dropped")));

    bench.send(scrollPictureHeader(true, 1) + small + hex("01"));
    EXPECT_TRUE(bench.state().scrollPicture.small);
    EXPECT_EQ(bench.picture("scroll").size(), QSize(32, 32));
}

TEST(SimPictureFrames, StoredPictureMessagesKeepLargeAndSmallApartAndCheckTheirTrailer)
{
    PictureBench bench;
    QByteArray large(2 * 288, '\0');
    large[6] = byte(0x80); // cell 0, row 1, pixel 0
    bench.send(messageHeader(2, false, 4, {1}) + large + messageTrailer(2));
    QByteArray small(128, '\0');
    small[127] = byte(0x01);
    bench.send(messageHeader(1, true, 4) + small + messageTrailer(1));

    ASSERT_EQ(bench.state().pictureMessages.size(), 2);
    EXPECT_EQ(bench.state().pictureMessages.value({false, 4}).cells, 2);
    EXPECT_EQ(bench.state().pictureMessages.value({false, 4}).bits, large);
    EXPECT_EQ(bench.state().pictureMessages.value({true, 4}).bits, small);
    const QImage png = bench.picture("message-large-5");
    ASSERT_EQ(png.size(), QSize(96, 48));
    EXPECT_TRUE(inkAt(png, 0, 1));
    EXPECT_FALSE(inkAt(png, 0, 0));
    EXPECT_TRUE(inkAt(bench.picture("message-small-5"), 31, 31));
    const QJsonArray json = bench.stateJson().value("pictureMessages").toArray();
    ASSERT_EQ(json.size(), 2);
    EXPECT_EQ(json.at(0).toObject().value("number").toInt(), 5);

    // A trailer that ends A1 F2 A1 F5 for two cells, and message 31: both dropped.
    QByteArray shortTrailer = messageTrailer(2);
    shortTrailer[shortTrailer.size() - 1] = byte(0xF6);
    bench.send(messageHeader(2, false, 0) + large + shortTrailer);
    bench.send(messageHeader(1, true, 30) + small + messageTrailer(1));
    EXPECT_EQ(bench.state().pictureMessages.size(), 2);
    EXPECT_EQ(bench.state().droppedPictures, 2);
    EXPECT_TRUE(bench.logText().contains(QStringLiteral("picture message 1 (large) dropped: wrong trailer")));
    EXPECT_TRUE(bench.logText().contains(QStringLiteral("picture message 31 (small) dropped")));
}

TEST(SimPictureFrames, ShortcutSegmentsAreReadBackAsTextAndPictureNumbers)
{
    PictureBench bench;
    // Shortcut 16, small, power-on: AB, then picture message 3.
    const QByteArray content = hex("FE000004A3C1A3C2FE010002");
    QByteArray frame = hex("5A5B0180");
    frame.append(byte(15)).append(byte(1)).append(byte(0)).append(byte(content.size()));
    frame.append(byte(0)).append(byte(1));
    bench.send(frame + content);
    EXPECT_EQ(bench.state().powerOnShortcut, 15);
    EXPECT_EQ(quint8(statusBlock(bench.state())[18]), 15);
    const QJsonObject shortcut = bench.stateJson().value("shortcuts").toArray().at(0).toObject();
    EXPECT_EQ(shortcut.value("number").toInt(), 16);
    EXPECT_TRUE(shortcut.value("small").toBool());
    const QJsonArray segments = shortcut.value("segments").toArray();
    ASSERT_EQ(segments.size(), 2);
    EXPECT_EQ(segments.at(0).toObject().value("text").toString(), QStringLiteral("AB"));
    EXPECT_EQ(segments.at(0).toObject().value("bytes").toString(), QStringLiteral("A3C1A3C2"));
    EXPECT_EQ(segments.at(1).toObject().value("pictureMessage").toInt(), 3);

    // Shortcut 17 does not exist on the unit.
    frame[4] = byte(16);
    bench.send(frame + content);
    EXPECT_EQ(bench.state().shortcuts.size(), 1);
    EXPECT_TRUE(bench.logText().contains(QStringLiteral("no shortcut 17")));
}

TEST(SimPictureFrames, SegmentsThatDoNotParseAreKeptAsTheyAre)
{
    const QJsonArray cut = ShortcutSegmentsJson(hex("FE000005A3C1FE01"));
    ASSERT_EQ(cut.size(), 1);
    EXPECT_EQ(cut.at(0).toObject().value("undecoded").toString(), QStringLiteral("FE000005A3C1FE01"));
    const QJsonArray tail = ShortcutSegmentsJson(hex("FE01001D 0102"));
    ASSERT_EQ(tail.size(), 2);
    EXPECT_EQ(tail.at(0).toObject().value("pictureMessage").toInt(), 30);
    EXPECT_EQ(tail.at(1).toObject().value("undecoded").toString(), QStringLiteral("0102"));
}

TEST(SimPictureFrames, PicturesComeBackFromTheStoreAfterARestart)
{
    PictureBench bench;
    UnitStore store(bench.dir.filePath(QStringLiteral("store.json")));
    bench.sim.setStore(&store);
    bench.send(pictureHeader(2, 1, 0) + hex("F00F") + sumOf(hex("F00F")));
    QByteArray cell(288, '\0');
    cell[0] = byte(0xAA);
    bench.send(messageHeader(1, false, 29) + cell + messageTrailer(1));
    bench.send(scrollPictureHeader(false, 1, true) + cell + sumOf(cell));
    bench.send(recall(1));
    // Last of all a stored picture that only its sum byte tells from a temporary one.
    bench.send(pictureHeader(2, 1, 1) + hex("0F0F") + sumOf(hex("0F0F")));

    QString error;
    QString note;
    UnitStore again(store.path());
    const QJsonArray entries = again.load(note);
    ASSERT_EQ(entries.size(), 1);
    UnitState restarted;
    ASSERT_TRUE(RestoreStoredSettings(entries.at(0).toObject(), restarted, error)) << qPrintable(error);
    EXPECT_EQ(restarted.logo.bits, hex("F00F"));
    EXPECT_EQ(restarted.storedPictures.value(1).bits, hex("0F0F"));
    EXPECT_EQ(restarted.pictureMessages.value({false, 29}).bits, cell);
    EXPECT_EQ(restarted.scrollPicture.bits, cell);
    EXPECT_TRUE(restarted.scrollPicture.powerOn);

    QJsonObject bad = entries.at(0).toObject();
    bad.insert(QStringLiteral("storedPictures"), QJsonArray{QJsonObject{{"number", 13}}});
    UnitState refused;
    EXPECT_FALSE(RestoreStoredSettings(bad, refused, error));
    EXPECT_TRUE(error.contains(QStringLiteral("storedPictures")));
}

// Whatever comes down the line, cut short or garbled, the unit takes it without a fault
// and keeps serving: a status request afterwards, at the address and rate the garbled
// bytes may have given it, still gets its answer.
TEST(SimPictureFrames, TruncatedAndGarbledPictureFramesNeverBreakTheUnit)
{
    QByteArray cell(288, '\x11');
    QByteArray content = hex("FE000004A3C1A3C2FE010002");
    QByteArray shortcut = hex("5A5B018003000000000C") + content;
    const QList<QByteArray> frames{
        pictureHeader(2, 2, 0) + hex("80000001") + hex("81"),
        pictureHeader(2, 1, 1) + hex("C000"),
        scrollPictureHeader(false, 1) + cell + sumOf(cell),
        messageHeader(1, false, 3) + cell + messageTrailer(1),
        hex("5A5B012301000000009600") + hex("02") + hex("A3C1"),
        slotParameters(1, 2, 3, 2),
        recall(11),
        shortcut,
    };
    QRandomGenerator random(20261208);
    for (const QByteArray& frame : frames) {
        for (qsizetype cut = 1; cut < frame.size(); cut += std::max<qsizetype>(1, frame.size() / 40)) {
            PictureBench bench;
            bench.send(frame.left(cut));
            bench.now += Simulator::kQuietResetUs;
            bench.sim.advance(bench.now);
            bench.send(frame);
        }
        for (int round = 0; round < 30; ++round) {
            QByteArray garbled = frame;
            for (int n = 0; n < 3; ++n)
                garbled[random.bounded(int(garbled.size()))] = byte(random.bounded(256));
            PictureBench bench;
            bench.send(garbled + garbled.left(random.bounded(int(garbled.size()))));
            bench.now += Simulator::kQuietResetUs;
            bench.sim.advance(bench.now);
            QByteArray request = hex("5A5B0184FE");
            request[2] = byte(bench.state().address);
            bench.sim.receive(request, bench.state().baud, bench.now);
            bench.sim.advance(bench.now);
            QByteArray answer;
            for (qint64 wake = bench.sim.nextWakeUs(); wake >= 0; wake = bench.sim.nextWakeUs()) {
                bench.now = std::max(bench.now, wake);
                bench.sim.advance(bench.now);
                for (const Simulator::Output& out : bench.sim.takeDueOutput(bench.now))
                    answer += out.bytes;
            }
            EXPECT_GE(answer.size(), 3 + kStatusBlockSize);
        }
    }
}
