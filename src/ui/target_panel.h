#pragma once

#include "link/send_target.h"

#include <QGroupBox>
#include <functional>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace kv::ui {

struct PanelContext;

// The send-mode option group ("按广播", "按指定地址", "按地址队列"), the specified
// address box and the drop-down that plays a stored scroll. Other panels read the
// current choice through the window's target provider, which this panel installs.
class TargetPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit TargetPanel(PanelContext& context, QWidget* parent = nullptr);

    // Where the ticked queue addresses come from (QueueAddressString of the queue panel).
    void setQueueAddressSource(std::function<QString()> source) { queueAddressString_ = std::move(source); }

    TargetChoice choice() const;
    SendMode mode() const;
    void setMode(SendMode mode);
    void setSpecifiedAddress(const QString& text);

    QRadioButton* option(SendMode mode) const;
    QLineEdit* specifiedAddressBox() const { return specified_; }
    QComboBox* storedScrollBox() const { return stored_; }

private:
    void checkSpecifiedAddress(const QString& text);
    void playStored(int item);

    PanelContext& context_;
    std::function<QString()> queueAddressString_ = [] { return QString(); };
    QRadioButton* options_[3];
    QLineEdit* specified_;
    QComboBox* stored_;
};

} // namespace kv::ui
