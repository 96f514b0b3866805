#pragma once

#include "base/outcome.h"

#include <QString>
#include <optional>

namespace kv {

class Link;
class Prompter;

// The write-address dialog's "写入地址": every unit on the line takes the new address,
// so the operator confirms that only one is connected.
struct WriteAddressOutcome {
    Outcome result;
    std::optional<QString> specifiedAddress = {}; // the specified address box's new text
};
WriteAddressOutcome WriteUnitAddress(const QString& addressText, Link& link, Prompter& prompter);

} // namespace kv
