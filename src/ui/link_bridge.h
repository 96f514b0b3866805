#pragma once

#include "link/link.h"

#include <QObject>

namespace kv::ui {

// Carries the link's notices from the worker thread to the window's thread as signals.
class LinkBridge : public QObject, public LinkObserver {
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
    void traffic(const QString& line);
};

} // namespace kv::ui
