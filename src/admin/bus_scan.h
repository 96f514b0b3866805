#pragma once

#include "base/outcome.h"
#include "link/send_target.h"

#include <QList>

namespace kv {

class Link;
class Prompter;

// "扫描连接的设备": probes each ticked queue address in turn and lists the units that
// answer with their own address. The scan always works on the queue, whatever send
// mode is chosen; a window shows the queue mode while it runs and then puts the
// operator's choice back.
// Done when a unit answered; failed when none did; cancelled with the units found so far.
struct BusScanOutcome {
    Outcome result;
    QList<int> found;      // in queue order
};
BusScanOutcome ScanConnectedDevices(const TargetChoice& choice, Link& link, Prompter& prompter);

} // namespace kv
