#pragma once

#include "link/link.h"
#include "link/port_choice.h"

#include <QObject>

namespace kv::ui {

// Carries the notices of the link and the port choice from the worker thread to the
// window's thread as signals.
class LinkBridge : public QObject, public LinkObserver, public PortChoiceObserver {
    Q_OBJECT
public:
    using QObject::QObject;

    void portChoiceChanged(int index) override;
    void baudChoiceChanged(int index) override;
    void statusTextChanged(const QString& text) override;
    void sentDataShown(const QString& paneText) override;
    void trafficLogged(const TrafficEntry& entry) override;

signals:
    void portChoice(int index);
    void baudChoice(int index);
    void statusText(const QString& text);
    void sentData(const QString& paneText);
    void traffic(const kv::TrafficRow& row);

private:
    // Called on the operation's thread only, one entry after another.
    TrafficDecoder decoder_;
};

} // namespace kv::ui

Q_DECLARE_METATYPE(kv::TrafficRow)
