#pragma once

#include "font/font_record.h"

#include <QByteArray>

namespace kv {

// The working copy of the unit's font: 256 records in code order, device order,
// 13 824 bytes. It starts all zero until a font is loaded.
class FontTable {
public:
    FontTable() : bytes_(kFontTableSize, '\0') {}
    // Takes the first 13 824 bytes; a shorter content is completed with zeros.
    static FontTable fromDeviceBytes(const QByteArray& bytes);

    const QByteArray& bytes() const { return bytes_; }
    QByteArray record(int code) const { return bytes_.mid(code * kRecordSize, kRecordSize); }
    void setRecord(int code, const QByteArray& record);

    bool operator==(const FontTable& other) const { return bytes_ == other.bytes_; }

private:
    QByteArray bytes_;
};

// Font files keep each record in stored order: device order reversed, except that
// bytes 26 and 27 stay where they are. The step is its own inverse.
QByteArray ToggleStoredOrder(const QByteArray& tableBytes);

} // namespace kv
