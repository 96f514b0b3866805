#include "sim/simulator.h"

#include "decode/frame_layout.h"
#include "decode/hex_text.h"
#include "sim/picture_files.h"
#include "sim/state_writer.h"
#include "sim/traffic_log.h"
#include "sim/unit_store.h"

#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace kv::sim {

namespace {

// A file kvsim keeps that could not be written is told once: every later command would
// otherwise repeat the same line.
void tellOnce(bool written, const QString& error, bool& told)
{
    if (written || told)
        return;
    std::fprintf(stderr, "kvsim: %s\n", qPrintable(error));
    told = true;
}

QString describe(const QByteArray& frame)
{
    if (frame.size() < 2)
        return {};
    const bool addressed = static_cast<quint8>(frame.at(1)) == 0x5B;
    if (addressed && frame.size() < 4)
        return {};
    const quint8 code = static_cast<quint8>(frame.at(addressed ? 3 : 1));
    const QString name = CommandName(addressed ? Envelope::Addressed : Envelope::CheckByte, code);
    if (name.isEmpty())
        return {};
    return name + QStringLiteral(" 0x") + QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

QString unitList(const QStringList& addresses)
{
    return (addresses.size() == 1 ? QStringLiteral("unit ") : QStringLiteral("units "))
           + addresses.join(QLatin1Char(' '));
}

} // namespace

Simulator::Simulator(QList<Unit> units, bool pace, qint64 turnaroundUs)
    : units_(std::move(units)), pace_(pace), turnaroundUs_(turnaroundUs)
{
}

qint64 Simulator::byteTimeUs(int baud) const
{
    // Ten bit times per byte: start bit, eight data bits, stop bit.
    return baud > 0 ? 10'000'000 / baud : 0;
}

void Simulator::log(const QString& line)
{
    if (log_)
        log_->write(line);
}

void Simulator::receive(const QByteArray& bytes, int lineBaud, qint64 nowUs)
{
    if (!pace_) {
        deliver(bytes, lineBaud, nowUs);
        return;
    }
    inputFreeUs_ = std::max(inputFreeUs_, nowUs);
    for (char b : bytes) {
        inputFreeUs_ += byteTimeUs(lineBaud);
        incoming_.push_back({inputFreeUs_, lineBaud, b});
    }
}

void Simulator::advance(qint64 nowUs)
{
    while (!incoming_.empty() && incoming_.front().dueUs <= nowUs) {
        const int baud = incoming_.front().baud;
        QByteArray run;
        while (!incoming_.empty() && incoming_.front().dueUs <= nowUs && incoming_.front().baud == baud) {
            run.append(incoming_.front().byte);
            incoming_.pop_front();
        }
        deliver(run, baud, nowUs);
    }
    if (parser_.midFrame() && nowUs - lastDeliveryUs_ >= kQuietResetUs) {
        for (const ParseEvent& event : parser_.flush())
            handle(event, parserBaud_, nowUs);
    }
}

qint64 Simulator::nextWakeUs() const
{
    qint64 next = -1;
    auto consider = [&next](qint64 t) { next = next < 0 ? t : std::min(next, t); };
    if (!incoming_.empty())
        consider(incoming_.front().dueUs);
    if (!outgoing_.empty())
        consider(outgoing_.front().dueUs);
    if (parser_.midFrame())
        consider(lastDeliveryUs_ + kQuietResetUs);
    return next;
}

QList<Simulator::Output> Simulator::takeDueOutput(qint64 nowUs)
{
    QList<Output> due;
    while (!outgoing_.empty() && outgoing_.front().dueUs <= nowUs) {
        due.append(outgoing_.front());
        outgoing_.pop_front();
    }
    return due;
}

void Simulator::putBack(const Output& output)
{
    outgoing_.push_front(output);
}

// What was on the line at another rate is noise to a unit: a frame in progress at the
// old rate is given up when the rate changes.
void Simulator::deliver(const QByteArray& bytes, int baud, qint64 nowUs)
{
    if (baud != parserBaud_) {
        for (const ParseEvent& event : parser_.flush())
            handle(event, parserBaud_, nowUs);
        parserBaud_ = baud;
    }
    // A 5A that comes a while after a static picture starts a frame; one that follows
    // at once is the picture's sum byte.
    if (parser_.sumCouldBeStartByte() && nowUs - lastDeliveryUs_ >= kPictureSumWindowUs)
        parser_.forgetOptionalSum();
    lastDeliveryUs_ = nowUs;
    for (const ParseEvent& event : parser_.feed(bytes))
        handle(event, baud, nowUs);
}

void Simulator::handle(const ParseEvent& event, int baud, qint64 nowUs)
{
    const QString head = QStringLiteral("RX %1 %2").arg(baud).arg(SpacedHexPairs(event.bytes));
    const QString name = describe(event.bytes);
    auto named = [&](const QString& what) {
        log(name.isEmpty() ? head + QStringLiteral(" | ") + what
                           : head + QStringLiteral(" | ") + name + QStringLiteral(" | ") + what);
    };
    switch (event.kind) {
    case ParseEvent::Kind::Frame:
        handleFrame(event.bytes, baud, nowUs);
        return;
    case ParseEvent::Kind::Unknown:
        log(head + QStringLiteral(" | unknown"));
        return;
    case ParseEvent::Kind::BadCount: named(QStringLiteral("bad count")); return;
    case ParseEvent::Kind::BadCheck: named(QStringLiteral("bad check byte")); return;
    case ParseEvent::Kind::TooLong: named(QStringLiteral("too long")); return;
    case ParseEvent::Kind::Incomplete: named(QStringLiteral("incomplete")); return;
    case ParseEvent::Kind::PictureSum:
    case ParseEvent::Kind::WrongPictureSum:
        log(head + (event.kind == ParseEvent::Kind::PictureSum ? QStringLiteral(" | picture sum byte")
                                                               : QStringLiteral(" | wrong picture sum byte")));
        for (int index : lastActors_) {
            units_[index].pictureSumArrived(static_cast<quint8>(event.bytes.at(0)));
            passOnEvents(units_[index]);
        }
        writeState();
        writeStore();
        return;
    }
}

void Simulator::handleFrame(const QByteArray& bytes, int baud, qint64 nowUs)
{
    const Frame frame = DecodeFrame(bytes);
    QStringList actors;
    QList<Reply> replies;
    int lateMs = 0;
    int splitMs = 0;
    bool anyHears = false;
    lastActors_.clear();
    for (qsizetype i = 0; i < units_.size(); ++i) {
        Unit& unit = units_[i];
        if (!unit.hears(baud))
            continue;
        anyHears = true;
        if (!unit.isAddressed(frame))
            continue;
        actors.append(QString::number(unit.state().address));
        lastActors_.append(int(i));
        const Reply reply = unit.act(frame);
        if (!reply.empty()) {
            replies.append(reply);
            lateMs = std::max(lateMs, unit.faults().lateMs);
            splitMs = std::max(splitMs, unit.faults().splitMs);
        }
    }
    QString who;
    if (!anyHears && baud <= 0)
        who = QStringLiteral("no unit: the line's rate is not known yet");
    else if (!anyHears)
        who = QStringLiteral("no unit at %1 baud").arg(baud);
    else if (actors.isEmpty())
        who = QStringLiteral("no unit addressed");
    else
        who = unitList(actors);
    log(QStringLiteral("RX %1 %2 | %3 | %4").arg(baud).arg(SpacedHexPairs(bytes), describe(bytes), who));
    for (int index : lastActors_)
        passOnEvents(units_[index]);

    if (!replies.isEmpty()) {
        const bool collided = replies.size() > 1;
        QString label = QStringLiteral("reply of ") + unitList(actors);
        if (collided)
            label += QStringLiteral(" (collided)");
        schedule(CollideReplies(replies), baud, lateMs, splitMs, label, nowUs);
    }
    if (!actors.isEmpty()) {
        writeState();
        writeStore();
    }
}

// With the line paced, a byte reaches the tool when its stop bit is through, ten bit
// times after it was started.
void Simulator::schedule(const Reply& reply, int baud, int lateMs, int splitMs, const QString& label,
                         qint64 nowUs)
{
    const qint64 byteUs = pace_ ? byteTimeUs(baud) : 0;
    const qint64 splitUs = qint64(splitMs) * 1000;
    qint64 t = std::max(nowUs + turnaroundUs_ + qint64(lateMs) * 1000, outputFreeUs_);
    for (qsizetype p = 0; p < reply.parts.size(); ++p) {
        if (p > 0)
            t += kStatusGapUs;
        const QByteArray& part = reply.parts.at(p);
        if (part.isEmpty())
            continue;
        if (byteUs == 0 && splitUs == 0) {
            outgoing_.push_back({t, part, label});
            continue;
        }
        for (qsizetype i = 0; i < part.size(); ++i) {
            if (i > 0)
                t += splitUs;
            t += byteUs;
            outgoing_.push_back({t, QByteArray(1, part.at(i)), label});
        }
    }
    outputFreeUs_ = t;
}

void Simulator::passOnEvents(Unit& unit)
{
    const UnitEvents events = unit.takeEvents();
    for (const QString& note : events.notes)
        log(QStringLiteral("unit %1: %2").arg(unit.state().address).arg(note));
    if (!pictureFiles_)
        return;
    for (const ShownPicture& picture : events.pictures) {
        QString error;
        tellOnce(pictureFiles_->write(unit.state(), picture.name, picture.image, error), error, pictureErrorShown_);
    }
}

void Simulator::writeState()
{
    if (!stateWriter_)
        return;
    QString error;
    tellOnce(stateWriter_->write(units_, error), error, stateErrorShown_);
}

void Simulator::writeStore()
{
    if (!store_)
        return;
    QString error;
    tellOnce(store_->save(units_, error), error, storeErrorShown_);
}

} // namespace kv::sim
