#include "sim/state_writer.h"

#include "sim/unit_store.h"
#include "sim/unit_text.h"
#include "sim/whole_file.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace kv::sim {

namespace {

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString wordHex(int value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

QJsonObject unitObject(const UnitState& s)
{
    const ScrollParams& p = s.params;
    const QJsonArray shortcuts = ShortcutsJson(s);
    const QJsonArray pictureMessages = PictureMessagesJson(s);
    return {
        {"address", s.address},
        {"baud", s.baud},
        {"product", hex(s.product)},
        {"lastCommand", s.lastCommand},
        {"lastOperation", wordHex(s.lastOperation)},
        {"scroll", QJsonObject{{"message", hex(s.scroll.text)},
                               {"length", int(s.scroll.text.size())},
                               {"small", s.scroll.small},
                               {"append", s.scroll.append}}},
        {"powerOnScroll", hex(s.powerOnScroll)},
        {"params", QJsonObject{{"repetition", p.repetition},
                               {"verticalPosition", p.verticalPosition},
                               {"brightness", p.brightness},
                               {"background", p.background},
                               {"barAbove", p.barAbove},
                               {"barBelow", p.barBelow},
                               {"speed", p.speed},
                               {"horizontalOffset", p.horizontalOffset},
                               {"saved", p.saved},
                               {"interval", p.interval}}},
        {"displayItems", s.displayItems},
        {"keptDisplayItems", s.keptDisplayItems},
        {"captionsOn", s.captionsOn},
        {"pauseEnabled", s.pauseEnabled},
        {"cornerLogo", s.cornerLogo},
        {"logo", LayerJson(s.logo)},
        {"staticPicture", LayerJson(s.staticPicture)},
        {"storedPictures", StoredPicturesJson(s)},
        {"currentStatic", s.currentStatic},
        {"powerOnStatic", s.powerOnStatic},
        {"powerOnShortcut", s.powerOnShortcut},
        {"staticText", QJsonObject{{"small", s.staticText.small},
                                   {"lineSpacing", s.staticText.lineSpacing},
                                   {"horizontalOffset", s.staticText.horizontalOffset},
                                   {"verticalPosition", s.staticText.verticalPosition},
                                   {"shade", s.staticText.shade},
                                   {"text", hex(s.staticText.text)},
                                   {"decoded", DecodeUnitText(s.staticText.text)}}},
        {"timedDisplay", QJsonObject{{"seconds", s.timedDisplaySeconds},
                                     {"scroll", s.timedDisplayScroll}}},
        {"shortcuts", shortcuts},
        {"pictureMessages", pictureMessages},
        {"scrollPicture", ScrollPictureJson(s.scrollPicture)},
        {"droppedPictures", s.droppedPictures},
        {"playedScroll", s.playedScroll},
        {"crosshair", s.crosshair},
        {"videoMode", s.videoMode},
        {"storedVideoMode", s.storedVideoMode},
        {"screen", QJsonObject{{"horizontalOffset", s.screen.horizontalOffset},
                               {"verticalOffset", s.screen.verticalOffset},
                               {"shape", s.screen.shape},
                               {"row", s.screen.row},
                               {"column", s.screen.column},
                               {"stored", s.screen.stored}}},
        {"clearedLine", s.clearedLine},
        {"displayTest", QJsonObject{{"row", s.displayTest.row},
                                    {"column", s.displayTest.column},
                                    {"codes", hex(s.displayTest.codes)}}},
        {"attribute", hex(s.attribute)},
        {"characterTest", s.characterTest},
        {"resets", s.resets},
        {"restarts", s.restarts},
        {"fontDownloadStarted", s.fontDownloadStarted},
        {"font", hex(s.font)},
    };
}

} // namespace

// The document: {"units": [unit, ...]} in the order the units were given. Per unit:
//   address, baud, product (8 hex digits), lastCommand ("0x22"), lastOperation (the
//   status block's last-operation word, 4 hex digits, FFFF none);
//   scroll {message (hex of the unit character codes), length (bytes), small, append};
//   powerOnScroll (hex); params {repetition (count code), verticalPosition,
//   brightness, background (index of the seven-entry list), barAbove, barBelow,
//   speed, horizontalOffset (as sent), saved, interval};
//   displayItems and keptDisplayItems (bit 0 scroll, 1 static, 2 logo), captionsOn,
//   pauseEnabled, cornerLogo;
//   logo and staticPicture {widthBytes, height, horizontalOffset, verticalPosition,
//   shade (brightness in bits 5-6, effect code in bits 0-4), kind (slot kind of the
//   header), bits (hex of the matrix in row order)}; storedPictures [{number 1-12, and
//   the layer's keys}]; currentStatic (0 none, 1 temporary, n+1 stored picture n);
//   powerOnStatic and powerOnShortcut (number - 1);
//   staticText {small, lineSpacing, horizontalOffset, verticalPosition, shade, text
//   (hex of the character codes), decoded (the codes read back as text)};
//   timedDisplay {seconds, scroll}; shortcuts [{number, small, powerOn, content (hex),
//   segments [{text, bytes} | {pictureMessage} | {undecoded}]}];
//   pictureMessages [{number, small, cells, powerOn, bits (hex, cell order)}];
//   scrollPicture {small, blocks, powerOn, bits (hex, cell order)}; droppedPictures
//   (pictures given up for a wrong sum byte or trailer); playedScroll (-1 none, 0 power-on
//   scroll, n shortcut n); crosshair, videoMode, storedVideoMode;
//   screen {horizontalOffset, verticalOffset, shape, row, column, stored};
//   clearedLine; displayTest {row, column, codes}; attribute (hex of row, column,
//   attribute); characterTest (1 first 128, 2 last 128); resets; restarts;
//   fontDownloadStarted; font (hex of the 13824 bytes, device order).
QJsonObject StateDocument(const QList<Unit>& units)
{
    QJsonArray list;
    for (const Unit& unit : units)
        list.append(unitObject(unit.state()));
    return {{"units", list}};
}

bool StateWriter::write(const QList<Unit>& units, QString& error) const
{
    return WriteWholeFile(path_, QJsonDocument(StateDocument(units)).toJson(QJsonDocument::Compact), error);
}

} // namespace kv::sim
