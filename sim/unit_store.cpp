#include "sim/unit_store.h"

#include "decode/baud_rates.h"
#include "sim/picture_frames.h"
#include "sim/shortcut_frames.h"
#include "sim/whole_file.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonValue>
#include <cmath>

namespace kv::sim {

namespace {

constexpr int kFormat = 1;

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QJsonObject paramsObject(const ScrollParams& p)
{
    return {{"repetition", p.repetition}, {"verticalPosition", p.verticalPosition},
            {"brightness", p.brightness}, {"background", p.background},
            {"barAbove", p.barAbove},     {"barBelow", p.barBelow},
            {"speed", p.speed},           {"horizontalOffset", p.horizontalOffset},
            {"interval", p.interval}};
}

QJsonObject screenObject(const ScreenSettings& s)
{
    return {{"horizontalOffset", s.horizontalOffset}, {"verticalOffset", s.verticalOffset},
            {"shape", s.shape}, {"row", s.row}, {"column", s.column}};
}

// Reads the values of one JSON object, each checked against what a unit can hold. The
// first value that is there but wrong is remembered, and the reading counts as failed.
class Fields {
public:
    Fields(const QJsonObject& object, QString where, QString& bad)
        : object_(object), where_(std::move(where)), bad_(bad) {}

    bool has(const char* key) const { return object_.contains(QLatin1String(key)); }

    void integer(const char* key, int low, int high, int& into)
    {
        if (!has(key))
            return;
        const QJsonValue v = value(key);
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::floor(d) || d < low || d > high)
            return refuse(key);
        into = int(d);
    }
    void boolean(const char* key, bool& into)
    {
        if (!has(key))
            return;
        if (!value(key).isBool())
            return refuse(key);
        into = value(key).toBool();
    }
    // Upper- or lower-case hex, two digits a byte; size -1 takes any length.
    void bytes(const char* key, qsizetype size, QByteArray& into)
    {
        if (!has(key))
            return;
        const QByteArray text = value(key).toString().toLatin1();
        const QByteArray decoded = QByteArray::fromHex(text);
        if (!value(key).isString() || decoded.toHex() != text.toLower() || (size >= 0 && decoded.size() != size))
            return refuse(key);
        into = decoded;
    }
    Fields object(const char* key)
    {
        if (has(key) && !value(key).isObject())
            refuse(key);
        return Fields(value(key).toObject(), where_ + QLatin1String(key) + QLatin1Char('.'), bad_);
    }
    QJsonArray array(const char* key)
    {
        if (has(key) && !value(key).isArray())
            refuse(key);
        return value(key).toArray();
    }
    Fields element(const QJsonArray& list, qsizetype index, const char* key)
    {
        if (!list.at(index).isObject())
            refuse(key);
        return Fields(list.at(index).toObject(),
                      where_ + QStringLiteral("%1[%2].").arg(QLatin1String(key)).arg(index), bad_);
    }

    void refuse(const char* key)
    {
        if (bad_.isEmpty())
            bad_ = where_ + QLatin1String(key);
    }

private:
    QJsonValue value(const char* key) const { return object_.value(QLatin1String(key)); }

    QJsonObject object_;
    QString where_;
    QString& bad_;
};

void readLayer(Fields fields, PictureLayer& layer)
{
    fields.integer("widthBytes", 0, 255, layer.widthBytes);
    fields.integer("height", 0, 0xFFFF, layer.height);
    fields.integer("horizontalOffset", 0, 255, layer.horizontalOffset);
    fields.integer("verticalPosition", 0, 0xFFFF, layer.verticalPosition);
    fields.integer("shade", 0, 255, layer.shade);
    fields.integer("kind", 0, 255, layer.kind);
    fields.bytes("bits", -1, layer.bits);
}

// A list of entries numbered from 1 to highest, which replaces the defaults when it is
// there. read takes an entry's other values and stores it at its index (number - 1); an
// entry without a number is refused, after its other values.
template <class Map, class Read>
void readNumbered(Fields& fields, const char* key, int highest, Map& into, Read read)
{
    const QJsonArray list = fields.array(key);
    if (fields.has(key))
        into.clear();
    for (qsizetype i = 0; i < list.size(); ++i) {
        Fields entry = fields.element(list, i, key);
        int number = 0;
        entry.integer("number", 1, highest, number);
        read(entry, number - 1);
        if (number == 0)
            entry.refuse("number");
    }
}

void readParams(Fields fields, ScrollParams& p)
{
    fields.integer("repetition", 0, 255, p.repetition);
    fields.integer("verticalPosition", 0, 0xFFFF, p.verticalPosition);
    fields.integer("brightness", 0, 255, p.brightness);
    fields.integer("background", 0, 255, p.background);
    fields.integer("barAbove", 0, 255, p.barAbove);
    fields.integer("barBelow", 0, 255, p.barBelow);
    fields.integer("speed", 0, 255, p.speed);
    fields.integer("horizontalOffset", 0, 255, p.horizontalOffset);
    fields.integer("interval", 0, 0xFFFF, p.interval);
}

void readScreen(Fields fields, ScreenSettings& s)
{
    fields.integer("horizontalOffset", 0, 255, s.horizontalOffset);
    fields.integer("verticalOffset", 0, 255, s.verticalOffset);
    fields.integer("shape", 0, 255, s.shape);
    fields.integer("row", 0, 255, s.row);
    fields.integer("column", 0, 255, s.column);
}

} // namespace

QJsonObject LayerJson(const PictureLayer& layer)
{
    return {{"widthBytes", layer.widthBytes},
            {"height", layer.height},
            {"horizontalOffset", layer.horizontalOffset},
            {"verticalPosition", layer.verticalPosition},
            {"shade", layer.shade},
            {"kind", layer.kind},
            {"bits", hex(layer.bits)}};
}

QJsonArray StoredPicturesJson(const UnitState& s)
{
    QJsonArray pictures;
    for (auto it = s.storedPictures.cbegin(); it != s.storedPictures.cend(); ++it) {
        QJsonObject picture = LayerJson(*it);
        picture.insert(QStringLiteral("number"), it.key() + 1);
        pictures.append(picture);
    }
    return pictures;
}

QJsonObject ScrollPictureJson(const ScrollPicture& p)
{
    return {{"small", p.small}, {"blocks", p.blocks}, {"powerOn", p.powerOn}, {"bits", hex(p.bits)}};
}

QJsonArray ShortcutsJson(const UnitState& s)
{
    QJsonArray shortcuts;
    for (auto it = s.shortcuts.cbegin(); it != s.shortcuts.cend(); ++it) {
        shortcuts.append(QJsonObject{{"number", it.key() + 1},
                                     {"small", it->small},
                                     {"powerOn", it->powerOn},
                                     {"content", hex(it->content)},
                                     {"segments", ShortcutSegmentsJson(it->content)}});
    }
    return shortcuts;
}

QJsonArray PictureMessagesJson(const UnitState& s)
{
    QJsonArray pictureMessages;
    for (auto it = s.pictureMessages.cbegin(); it != s.pictureMessages.cend(); ++it) {
        pictureMessages.append(QJsonObject{{"number", it.key().second + 1},
                                           {"small", it.key().first},
                                           {"cells", it->cells},
                                           {"powerOn", it->powerOn},
                                           {"bits", hex(it->bits)}});
    }
    return pictureMessages;
}

QJsonObject StoredSettings(const UnitState& s)
{
    const QJsonArray shortcuts = ShortcutsJson(s);
    const QJsonArray pictureMessages = PictureMessagesJson(s);
    QJsonObject stored{
        {"address", s.address},
        {"baud", s.baud},
        {"product", hex(s.product)},
        {"powerOn", QJsonObject{{"scroll", hex(s.powerOnScroll)},
                                {"staticPicture", s.powerOnStatic},
                                {"staticSeconds", s.powerOnStaticSeconds},
                                {"shortcut", s.powerOnShortcut},
                                {"displayItems", s.keptDisplayItems}}},
        {"shortcuts", shortcuts},
        {"pictureMessages", pictureMessages},
        {"logo", LayerJson(s.logo)},
        {"storedPictures", StoredPicturesJson(s)},
        {"videoMode", s.storedVideoMode},
        {"font", hex(s.font)},
    };
    if (s.savedParams.saved)
        stored.insert(QStringLiteral("scrollParams"), paramsObject(s.savedParams));
    if (s.storedScreen.stored)
        stored.insert(QStringLiteral("screen"), screenObject(s.storedScreen));
    // The scroll picture outlives a power cycle only as the power-on scroll.
    if (s.scrollPicture.powerOn)
        stored.insert(QStringLiteral("scrollPicture"), ScrollPictureJson(s.scrollPicture));
    return stored;
}

bool RestoreStoredSettings(const QJsonObject& stored, UnitState& state, QString& error)
{
    UnitState s = state;
    QString bad;
    Fields fields(stored, QString(), bad);
    fields.integer("address", 0, 255, s.address);
    if (fields.has("baud")) {
        int baud = 0;
        fields.integer("baud", 0, 115200, baud);
        if (bad.isEmpty() && !IsUnitBaud(baud))
            bad = QStringLiteral("baud");
        s.baud = baud;
    }
    fields.bytes("product", 4, s.product);
    fields.bytes("font", kFontSize, s.font);

    Fields powerOn = fields.object("powerOn");
    powerOn.bytes("scroll", -1, s.powerOnScroll);
    powerOn.integer("staticPicture", 0, 255, s.powerOnStatic);
    powerOn.integer("staticSeconds", 0, 0xFFFF, s.powerOnStaticSeconds);
    powerOn.integer("shortcut", 0, 255, s.powerOnShortcut);
    powerOn.integer("displayItems", 0, 7, s.keptDisplayItems);

    readNumbered(fields, "shortcuts", 256, s.shortcuts, [&](Fields& entry, int index) {
        Shortcut shortcut;
        entry.boolean("small", shortcut.small);
        entry.boolean("powerOn", shortcut.powerOn);
        entry.bytes("content", -1, shortcut.content);
        s.shortcuts.insert(index, shortcut);
    });
    readNumbered(fields, "pictureMessages", kPictureMessageCount, s.pictureMessages, [&](Fields& entry, int index) {
        bool small = false;
        PictureMessage message;
        entry.boolean("small", small);
        entry.integer("cells", 0, 255, message.cells);
        entry.boolean("powerOn", message.powerOn);
        entry.bytes("bits", -1, message.bits);
        s.pictureMessages.insert({small, index}, message);
    });
    readLayer(fields.object("logo"), s.logo);
    readNumbered(fields, "storedPictures", kStoredPictureCount, s.storedPictures, [&](Fields& entry, int index) {
        PictureLayer picture;
        readLayer(entry, picture);
        s.storedPictures.insert(index, picture);
    });
    if (fields.has("scrollPicture")) {
        Fields picture = fields.object("scrollPicture");
        picture.boolean("small", s.scrollPicture.small);
        picture.integer("blocks", 0, 0xFFFF, s.scrollPicture.blocks);
        picture.boolean("powerOn", s.scrollPicture.powerOn);
        picture.bytes("bits", -1, s.scrollPicture.bits);
    }
    fields.integer("videoMode", 0, 255, s.storedVideoMode);
    if (fields.has("scrollParams")) {
        readParams(fields.object("scrollParams"), s.savedParams);
        s.savedParams.saved = true;
    }
    if (fields.has("screen")) {
        readScreen(fields.object("screen"), s.storedScreen);
        s.storedScreen.stored = true;
    }
    if (!bad.isEmpty()) {
        error = QStringLiteral("bad %1").arg(bad);
        return false;
    }

    // Power-on: what the unit shows comes from what it kept.
    s.displayItems = s.keptDisplayItems;
    s.videoMode = s.storedVideoMode;
    if (s.savedParams.saved)
        s.params = s.savedParams;
    if (s.storedScreen.stored)
        s.screen = s.storedScreen;
    state = s;
    return true;
}

QJsonArray UnitStore::load(QString& note)
{
    entries_ = {};
    QFile file(path_);
    if (!file.exists()) {
        note = QStringLiteral("no store %1 yet: the units start from their defaults").arg(path_);
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        note = QStringLiteral("cannot read store %1 (%2): the units start from their defaults")
                   .arg(path_, file.errorString());
        return {};
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonObject root = document.object();
    const QJsonValue units = root.value(QStringLiteral("units"));
    QString why;
    if (parseError.error != QJsonParseError::NoError)
        why = parseError.errorString();
    else if (root.value(QStringLiteral("format")).toInt(-1) != kFormat)
        why = QStringLiteral("not format %1").arg(kFormat);
    else if (!units.isArray())
        why = QStringLiteral("no list of units");
    if (!why.isEmpty()) {
        note = QStringLiteral("store %1 is unreadable (%2): the units start from their defaults").arg(path_, why);
        return {};
    }
    entries_ = units.toArray();
    return entries_;
}

bool UnitStore::save(const QList<Unit>& units, QString& error)
{
    QJsonArray entries;
    for (const Unit& unit : units)
        entries.append(StoredSettings(unit.state()));
    for (qsizetype i = units.size(); i < entries_.size(); ++i)
        entries.append(entries_.at(i));
    if (entries == entries_)
        return true;
    const QJsonObject root{{"format", kFormat}, {"units", entries}};
    if (!WriteWholeFile(path_, QJsonDocument(root).toJson(QJsonDocument::Indented), error))
        return false;
    entries_ = entries;
    return true;
}

} // namespace kv::sim
