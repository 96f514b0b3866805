#pragma once

#include "field_binder.h"
#include "panel_context.h"
#include "scroll/scroll_params.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace kv::ui {

// The panel "滚动参数设置": how the units scroll, sent with "设置参数".
class ScrollParamsPanel : public QWidget {
    Q_OBJECT
public:
    explicit ScrollParamsPanel(PanelContext& context, QWidget* parent = nullptr);

    // The panel's choices as the operation takes them.
    ScrollParams params() const;

    QComboBox* repetitionBox() const { return repetition_; }
    QComboBox* brightnessBox() const { return brightness_; }
    QComboBox* backgroundBox() const { return background_; }
    QComboBox* barAboveBox() const { return barAbove_; }
    QComboBox* barBelowBox() const { return barBelow_; }
    QComboBox* speedBox() const { return speed_; }
    QComboBox* offsetBox() const { return offset_; }
    QComboBox* videoBox() const { return video_; }
    QLineEdit* positionBox() const { return position_; }
    QLineEdit* intervalBox() const { return interval_; }
    QCheckBox* saveBox() const { return save_; }
    QPushButton* setButton() const { return setButton_; }

private:
    void setParameters();

    PanelContext& context_;
    FieldBinder<ScrollParams> binder_;
    QComboBox* repetition_ = nullptr;
    QComboBox* brightness_ = nullptr;
    QComboBox* background_ = nullptr;
    QComboBox* barAbove_ = nullptr;
    QComboBox* barBelow_ = nullptr;
    QComboBox* speed_ = nullptr;
    QComboBox* offset_ = nullptr;
    QComboBox* video_ = nullptr;
    QLineEdit* position_ = nullptr;
    QLineEdit* interval_ = nullptr;
    QCheckBox* save_ = nullptr;
    QPushButton* setButton_ = nullptr;
};

} // namespace kv::ui
