#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kv {

// The unit's character codes: two bytes per character from code page 936, high byte
// first. ASCII goes as its full-width form, a space as the full-width space, each CR
// and each LF as the single byte A1.
struct UnitText {
    QByteArray bytes;
    QString hex() const; // two upper-case hex digits per byte, no separators
};

// Encodes a text for the unit. Trailing spaces, CRs and LFs are dropped (a text made
// only of them is kept whole); control characters without a unit code (0 to 16 apart
// from CR and LF) are removed. Returns nothing when a character has no code in code
// page 936, and names it in *unencodable.
std::optional<UnitText> EncodeUnitText(const QString& text, QString* unencodable = nullptr);

// A space, CR or LF: what an encoded text drops from its end.
bool IsTailCharacter(QChar c);

// The message refusing a text with a character the unit cannot show.
QString UnencodableCharacterText(const QString& character);

// Line breaks of any kind (LF, CR, CR LF, paragraph separators) as CR LF, the form the
// unit and the records expect.
QString WithCrLfLineBreaks(const QString& text);

} // namespace kv
