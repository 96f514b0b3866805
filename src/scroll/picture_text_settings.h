#pragma once

#include "base/record_store.h"

#include <QString>

namespace kv {

// The inputs of "发送滚动" that gdzfcs.TXT keeps from one send to the next.
struct PictureTextSettings {
    int size = 32;                  // the character size as the size list shows it
    int verticalAdjustment = 20;    // the vertical adjustment list's index, 20 "原形"
    QString fontName = QStringLiteral("Microsoft Sans Serif");
    bool bold = false;
    QString text;                   // line breaks as spaces
    bool filterNoise = false;
};

// The record's name, "gdzfcs".
QString PictureTextSettingsRecord();

// The six lines of gdzfcs.TXT: size, adjustment index, font name, bold 0/1, text,
// noise filter 0/1.
QStringList PictureTextSettingsLines(const PictureTextSettings& settings);

// The settings the record holds over the defaults: a record without exactly six lines is
// ignored, and so is each line whose value its input could not show.
PictureTextSettings LoadPictureTextSettings(const RecordStore& store);

bool SavePictureTextSettings(const RecordStore& store, const PictureTextSettings& settings, QString* error);

// A size the size list holds: 16 to 48, even.
bool IsPictureTextSize(int size);
// An index of the vertical adjustment list: 0 to 40.
bool IsVerticalAdjustmentIndex(int index);

} // namespace kv
