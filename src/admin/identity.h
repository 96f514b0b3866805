#pragma once

#include "base/outcome.h"

#include <QString>
#include <optional>

namespace kv {

class Link;
class PortChoice;
class Prompter;

// Identity operations address every unit (address 0), so only one unit may be on the
// line while they run; the read asks the operator to confirm that.

// "读出波特率地址码": sweeps the eight rates, 1200 first, with the identity query.
// Done once a unit answered and the baud choice followed it.
struct IdentityReadOutcome {
    Outcome result;
    int baudIndex = -1;
    int address = 0;                     // the unit's address, in decimal
    std::optional<QString> deviceAddress; // the device address box's new text, once a unit answered
};
IdentityReadOutcome ReadIdentity(PortChoice& choice, Link& link, Prompter& prompter);

// "修改地址码及波特率": the new-baud list index and the new-address box.
struct IdentityChange {
    int baudIndex = 7;
    QString newAddress = QStringLiteral("1");
};
struct IdentityChangeOutcome {
    Outcome result;
    std::optional<QString> deviceAddress; // the device address box's new text
};
IdentityChangeOutcome ModifyIdentity(const IdentityChange& change, PortChoice& choice, Link& link,
                                     Prompter& prompter);

// "产品编号": asks the unit of the device address box for its product number.
struct ProductNumberOutcome {
    Outcome result;
    QString number; // ten hex digits, check byte included
};
ProductNumberOutcome ReadProductNumber(const QString& deviceAddress, Link& link, Prompter& prompter);

} // namespace kv
