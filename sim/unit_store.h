#pragma once

#include "sim/unit.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace kv::sim {

// What a unit keeps over a power cycle, as one entry of the --store document: address,
// rate, product number, font, stored shortcuts and picture messages, the logo and the
// stored static pictures, the power-on settings (with the scroll picture when it is the
// power-on scroll), the saved scroll parameters, the stored video mode and screen
// settings.
QJsonObject StoredSettings(const UnitState& state);

// The stored shortcuts, picture messages and static pictures, a picture layer and the
// scroll picture as JSON, as the store and --state show them; bits as hex.
QJsonObject LayerJson(const PictureLayer& layer);
QJsonArray StoredPicturesJson(const UnitState& state);
QJsonObject ScrollPictureJson(const ScrollPicture& picture);
QJsonArray ShortcutsJson(const UnitState& state);
QJsonArray PictureMessagesJson(const UnitState& state);

// The unit as it comes up with these stored settings: they replace the defaults, and
// what it shows at power-on follows from them (kept display items, stored video mode,
// saved scroll parameters and screen settings). An absent key keeps its default, so a
// store written before a setting was kept still loads. A key that is there but
// malformed refuses the whole entry: false with the reason in error, state unchanged.
bool RestoreStoredSettings(const QJsonObject& stored, UnitState& state, QString& error);

// The --store file: {"format": 1, "units": [entry, ...]}, entry i for the i-th --unit
// option. Entries beyond the units on the line are carried along as they are.
class UnitStore {
public:
    explicit UnitStore(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }

    // The stored entries. A missing, unreadable or corrupt file gives none, with the
    // reason in note.
    QJsonArray load(QString& note);
    // Writes the file whole when a unit's stored settings differ from what it holds.
    // False, with the reason in error, when the write failed.
    bool save(const QList<Unit>& units, QString& error);

private:
    QString path_;
    QJsonArray entries_; // what the file holds
};

} // namespace kv::sim
