#include "sim/picture_frames.h"

#include "sim/unit.h"

#include <utility>

namespace kv::sim {

namespace {

constexpr int kLogoKind = 0;
constexpr int kStaticKind = 1;
constexpr int kPowerOnStaticKind = 2;

QString slotName(int slot)
{
    return QStringLiteral("slot%1").arg(slot + 1);
}

void showRows(UnitEvents& events, const QString& name, const PictureLayer& layer)
{
    events.pictures.append({name, InkImage(layer.bits, layer.widthBytes, layer.height)});
}

void storeInSlot(UnitState& state, UnitEvents& events, int slot, const PictureLayer& layer)
{
    state.storedPictures.insert(slot, layer);
    state.staticPicture = layer;
    state.currentStatic = slot + 2;
    showRows(events, slotName(slot), layer);
}

bool sumFits(const QByteArray& matrix, quint8 sent, const QString& what, UnitState& state,
             UnitEvents& events)
{
    const int sum = MatrixSum(matrix);
    if (sum == sent)
        return true;
    ++state.droppedPictures;
    events.notes.append(QStringLiteral("%1 dropped: sum byte %2, the matrix sums to %3")
                            .arg(what)
                            .arg(sent, 2, 16, QLatin1Char('0'))
                            .arg(sum, 2, 16, QLatin1Char('0')));
    return false;
}

QByteArray messageTrailer(int cells)
{
    QByteArray trailer;
    trailer.append(char(0x01)).append(char(cells)).append(char(cells));
    trailer.append(char(0xA1)).append(char(0xF2));
    for (int i = 0; i < cells; ++i)
        trailer.append(char(0xA1)).append(char(0xF5));
    return trailer;
}

void takeScrollPicture(const Frame& f, UnitState& state, UnitEvents& events)
{
    const bool small = f.at(4) == 1;
    const int size = small ? 32 : 48;
    const int blocks = f.word(8);
    const QByteArray bits = f.bytes.mid(10 + f.queue.size(), qsizetype(blocks) * size * size / 8);
    if (!sumFits(bits, static_cast<quint8>(f.bytes.back()), QStringLiteral("scroll picture"), state, events))
        return;
    state.scrollPicture = {small, blocks, f.at(6) == 1, bits};
    events.pictures.append({QStringLiteral("scroll"),
                            InkImage(CellsToRows(bits, blocks, size), blocks * size / 8, size)});
}

void takeStoredMessage(const Frame& f, UnitState& state, UnitEvents& events)
{
    const int cells = f.at(5);
    const bool small = f.at(6) == 1;
    const int size = small ? 32 : 48;
    const int index = f.at(7);
    const QString what = QStringLiteral("picture message %1 (%2)")
                             .arg(index + 1)
                             .arg(small ? QStringLiteral("small") : QStringLiteral("large"));
    const qsizetype start = 11 + f.queue.size();
    const QByteArray matrix = f.bytes.mid(start, qsizetype(cells) * size * size / 8);
    const QByteArray trailer = f.bytes.mid(start + matrix.size());
    QString fault;
    if (f.at(4) != 1)
        fault = QStringLiteral("byte 4 is %1, not 1").arg(f.at(4));
    else if (f.at(10) != cells)
        fault = QStringLiteral("the second cell count %1 differs from %2").arg(f.at(10)).arg(cells);
    else if (trailer != messageTrailer(cells))
        fault = QStringLiteral("wrong trailer %1").arg(QString::fromLatin1(trailer.toHex(' ').toUpper()));
    else if (index >= kPictureMessageCount)
        fault = QStringLiteral("the unit holds messages 1 to %1").arg(kPictureMessageCount);
    if (!fault.isEmpty()) {
        ++state.droppedPictures;
        events.notes.append(what + QStringLiteral(" dropped: ") + fault);
        return;
    }
    state.pictureMessages.insert({small, index}, PictureMessage{cells, f.at(8) == 1, matrix});
    events.pictures.append({QStringLiteral("message-%1-%2")
                                .arg(small ? QStringLiteral("small") : QStringLiteral("large"))
                                .arg(index + 1),
                            InkImage(CellsToRows(matrix, cells, size), cells * size / 8, size)});
}

} // namespace

int MatrixSum(const QByteArray& matrix)
{
    int sum = 0;
    for (char b : matrix)
        sum += static_cast<quint8>(b);
    return sum & 0xFF;
}

QByteArray CellsToRows(const QByteArray& cells, int count, int size)
{
    const int cellRow = size / 8;
    const qsizetype cellBytes = qsizetype(cellRow) * size;
    QByteArray rows(cellBytes * count, '\0');
    for (int cell = 0; cell < count; ++cell) {
        for (int y = 0; y < size; ++y) {
            const qsizetype from = cell * cellBytes + qsizetype(y) * cellRow;
            const qsizetype to = qsizetype(y) * cellRow * count + qsizetype(cell) * cellRow;
            for (int k = 0; k < cellRow && from + k < cells.size(); ++k)
                rows[to + k] = cells.at(from + k);
        }
    }
    return rows;
}

int ShownSlot(const UnitState& state)
{
    const int slot = state.currentStatic - 2;
    return slot >= 0 && slot < kStoredPictureCount ? slot : -1;
}

void TakePictureHeader(const Frame& f, UnitState& state, UnitEvents& events, PendingSlotPicture& pending)
{
    PictureLayer layer;
    layer.widthBytes = f.at(4);
    layer.height = f.word(5);
    layer.horizontalOffset = f.at(7);
    layer.verticalPosition = f.word(8);
    layer.kind = f.at(11);
    const int raw = f.at(10);
    layer.bits = f.bytes.mid(14 + f.queue.size(), qsizetype(layer.widthBytes) * layer.height);
    const QString what = QStringLiteral("picture of slot kind %1").arg(layer.kind);
    if (layer.kind != kStaticKind
        && !sumFits(layer.bits, static_cast<quint8>(f.bytes.back()), what, state, events))
        return;
    const int slot = std::max(ShownSlot(state), 0);
    switch (layer.kind) {
    case kLogoKind:
        layer.shade = ShadeOfListByte(raw);
        state.logo = layer;
        showRows(events, QStringLiteral("logo"), layer);
        return;
    case kStaticKind:
        // The static send page's 17-entry background list, unless a sum byte follows.
        layer.shade = raw;
        pending = {true, slot, raw, state.staticPicture, state.currentStatic};
        state.staticPicture = layer;
        state.currentStatic = 1;
        showRows(events, QStringLiteral("static"), layer);
        return;
    case kPowerOnStaticKind:
        layer.shade = ShadeOfListByte(raw);
        storeInSlot(state, events, slot, layer);
        state.powerOnStatic = slot;
        return;
    default:
        events.notes.append(what + QStringLiteral(" ignored: the unit knows kinds 0 to 2"));
        return;
    }
}

void TakePictureSum(UnitState& state, UnitEvents& events, PendingSlotPicture& pending, quint8 sum)
{
    if (!pending.waiting)
        return;
    const PendingSlotPicture slot = std::exchange(pending, {});
    if (!sumFits(state.staticPicture.bits, sum, QStringLiteral("picture of slot kind %1").arg(kStaticKind), state,
                 events)) {
        state.staticPicture = slot.shownBefore;
        state.currentStatic = slot.currentStaticBefore;
        return;
    }
    PictureLayer layer = state.staticPicture;
    layer.shade = ShadeOfListByte(slot.rawShade);
    storeInSlot(state, events, slot.slot, layer);
}

void TakePictureMessage(const Frame& f, UnitState& state, UnitEvents& events)
{
    if (f.at(5) == 0)
        takeScrollPicture(f, state, events);
    else
        takeStoredMessage(f, state, events);
}

void TakeSlotParameters(const Frame& f, UnitState& state, UnitEvents& events)
{
    const int kind = f.at(8);
    auto apply = [&f](PictureLayer& layer) {
        layer.horizontalOffset = f.at(4);
        layer.verticalPosition = f.word(5);
        layer.shade = ShadeOfListByte(f.at(7));
    };
    if (kind == kLogoKind) {
        apply(state.logo);
        return;
    }
    if (kind != kStaticKind && kind != kPowerOnStaticKind) {
        events.notes.append(QStringLiteral("parameters of slot kind %1 ignored: the unit knows kinds 0 to 2").arg(kind));
        return;
    }
    apply(state.staticPicture);
    const int slot = ShownSlot(state);
    if (slot < 0)
        return;
    auto stored = state.storedPictures.find(slot);
    if (stored != state.storedPictures.end()) {
        apply(*stored);
        stored->kind = kind;
    }
    if (kind == kPowerOnStaticKind)
        state.powerOnStatic = slot;
}

void TakeRecall(const Frame& f, UnitState& state)
{
    const int slot = f.at(5);
    state.currentStatic = slot + 2;
    state.timedDisplaySeconds = f.word(7);
    const auto stored = state.storedPictures.constFind(slot);
    if (stored != state.storedPictures.cend())
        state.staticPicture = *stored;
}

} // namespace kv::sim
