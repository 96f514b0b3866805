#pragma once

#include <QWidget>
#include <functional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kv::ui {

struct PanelContext;

// The panel "应用测试（串口）": the unit's character display tests, the offsets and the
// crosshair, the video mode, and storing them in the unit; with "复位" and "产品编号".
class DisplayTestPanel : public QWidget {
    Q_OBJECT
public:
    // ready tells whether start-up has finished; until then choosing a video mode
    // sends nothing.
    DisplayTestPanel(PanelContext& context, std::function<bool()> ready, QWidget* parent = nullptr);

    QComboBox* rowList() const { return row_; }
    QComboBox* columnList() const { return column_; }
    QComboBox* shapeList() const { return shape_; }
    QComboBox* horizontalOffsetList() const { return horizontal_; }
    QComboBox* verticalOffsetList() const { return vertical_; }
    QComboBox* attributeList() const { return attribute_; }
    QComboBox* clearList() const { return clear_; }
    QComboBox* videoModeList() const { return videoMode_; }
    QLineEdit* codeBox() const { return codes_; }
    // The button of the panel with this caption (several "确定": the first).
    QPushButton* button(const QString& caption) const;
    QPushButton* horizontalOffsetButton() const { return horizontalApply_; }
    QPushButton* verticalOffsetButton() const { return verticalApply_; }
    QPushButton* clearButton() const { return clearApply_; }

private:
    void createInputs(QWidget* group);
    // The rows of the panel's grid, top to bottom; each goes on from line and leaves it
    // on the next free line.
    void addCrosshairRows(QGridLayout& grid, int& line);
    void addOffsetRows(QGridLayout& grid, int& line);
    void addCharacterRows(QGridLayout& grid, int& line);
    void addVideoModeAndUnitRows(QGridLayout& grid, int& line);
    static QLabel* label(const QGridLayout& grid, const QString& text);
    QPushButton* addButton(const QString& caption, const std::function<void()>& action);
    void tryVideoMode(int mode);
    void stepCrosshair(bool next);

    PanelContext& context_;
    std::function<bool()> ready_;
    QComboBox* row_ = nullptr;
    QComboBox* column_ = nullptr;
    QComboBox* shape_ = nullptr;
    QComboBox* horizontal_ = nullptr;
    QComboBox* vertical_ = nullptr;
    QComboBox* attribute_ = nullptr;
    QComboBox* clear_ = nullptr;
    QComboBox* videoMode_ = nullptr;
    QLineEdit* codes_ = nullptr;
    QPushButton* horizontalApply_ = nullptr;
    QPushButton* verticalApply_ = nullptr;
    QPushButton* clearApply_ = nullptr;
    QList<QPushButton*> buttons_;
};

} // namespace kv::ui
