#include "link_bridge.h"

namespace kv::ui {

// Signals emitted here reach the window through queued connections when the link is
// used on the worker thread.

void LinkBridge::portChoiceChanged(int index)
{
    emit portChoice(index);
}

void LinkBridge::baudChoiceChanged(int index)
{
    emit baudChoice(index);
}

void LinkBridge::statusTextChanged(const QString& text)
{
    emit statusText(text);
}

void LinkBridge::sentDataShown(const QString& paneText)
{
    emit sentData(paneText);
}

void LinkBridge::trafficLogged(const TrafficEntry& entry)
{
    for (const TrafficRow& row : decoder_.rows(entry))
        emit traffic(row);
}

} // namespace kv::ui
