#pragma once

#include "field_binder.h"
#include "picture/static_send_fields.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kv {
class Prompter;
}

namespace kv::ui {

// The static inputs of the send panel in the modes 6 to 9; each mode shows the inputs
// its send uses.
class StaticSendInputs : public QWidget {
    Q_OBJECT
public:
    StaticSendInputs(Prompter& prompter, QWidget* parent = nullptr);

    void relayFor(int mode);
    StaticSendFields fields() const;
    void showFields(const StaticSendFields& fields);

    QComboBox* fontBox() const { return font_; }
    QLineEdit* sizeBox() const { return size_; }
    QCheckBox* boldBox() const { return bold_; }
    QComboBox* lineSpacingBox() const { return lineSpacing_; }
    QComboBox* extraHeightBox() const { return extraHeight_; }
    QComboBox* verticalShiftBox() const { return verticalShift_; }
    QComboBox* horizontalOffsetBox() const { return horizontalOffset_; }
    QLineEdit* verticalPositionBox() const { return verticalPosition_; }
    QComboBox* brightnessBox() const { return brightness_; }
    QComboBox* backgroundBox() const { return background_; }
    QRadioButton* horizontalButton() const { return horizontal_; }
    QRadioButton* verticalButton() const { return vertical_; }

signals:
    // "文字纵排" (true) or "文字横排" (false) was chosen.
    void directionChosen(bool vertical);

private:
    QLabel* label(const QString& text);

    FieldBinder<StaticSendFields> binder_;

    QComboBox* font_ = nullptr;
    QLineEdit* size_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QComboBox* lineSpacing_ = nullptr;
    QComboBox* extraHeight_ = nullptr;
    QComboBox* verticalShift_ = nullptr;
    QComboBox* horizontalOffset_ = nullptr;
    QLineEdit* verticalPosition_ = nullptr;
    QComboBox* brightness_ = nullptr;
    QComboBox* background_ = nullptr;
    QRadioButton* horizontal_ = nullptr;
    QRadioButton* vertical_ = nullptr;
    // The inputs only mode 6 (rendered text) uses, with their labels.
    QList<QWidget*> renderOnly_;
    // The inputs modes 6, 8 and 9 (typed text) use, with their labels; the text turns in
    // the built-in fonts as in a drawn picture, a character to a cell.
    QList<QWidget*> textOnly_;
};

} // namespace kv::ui
