#pragma once

#include "base/record_store.h"
#include "field_binder.h"
#include "panel_context.h"
#include "picture/edit_page.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kv::ui {

class PicturePreview;

// The logo and static edit page: four page buttons open it in their kind; it renders
// typed text ("字符下载") or loads a picture file ("下载图片") into the logo or the
// static slot, and changes a stored picture's display parameters ("修改参数").
class EditPagePanel : public QWidget {
    Q_OBJECT
public:
    explicit EditPagePanel(PanelContext& context, QWidget* parent = nullptr);

    // A page button.
    void openKind(EditPageKind kind);
    EditPageKind kind() const { return page_.kind; }
    // The page as its fields show it now.
    EditPage page() const;

    QPushButton* kindButton(EditPageKind kind) const { return kindButtons_[int(kind)]; }
    QLabel* titleLabel() const { return title_; }
    QLabel* sizeLabel() const { return sizeLabel_; }
    QPlainTextEdit* editor() const { return editor_; }
    QComboBox* fontBox() const { return font_; }
    QLineEdit* sizeBox() const { return size_; }
    QCheckBox* boldBox() const { return bold_; }
    QComboBox* lineSpacingBox() const { return lineSpacing_; }
    QComboBox* verticalShiftBox() const { return verticalShift_; }
    QComboBox* extraHeightBox() const { return extraHeight_; }
    QRadioButton* horizontalButton() const { return horizontal_; }
    QRadioButton* verticalButton() const { return vertical_; }
    QComboBox* horizontalOffsetBox() const { return horizontalOffset_; }
    QLineEdit* verticalPositionBox() const { return verticalPosition_; }
    QComboBox* brightnessBox() const { return brightness_; }
    QComboBox* backgroundBox() const { return background_; }
    QLineEdit* thresholdBox() const { return threshold_; }
    QCheckBox* powerOnBox() const { return powerOn_; }
    QComboBox* slotBox() const { return slot_; }
    QPushButton* textDownloadButton() const { return textDownload_; }
    QPushButton* pictureDownloadButton() const { return pictureDownload_; }
    QPushButton* changeParametersButton() const { return changeParameters_; }
    PicturePreview* preview() const { return preview_; }

private:
    // The steps that build the page, in the order of the widgets they make.
    QHBoxLayout* createKindButtons();
    void createTextInputs();
    void createDisplayInputs();
    QHBoxLayout* createButtons();
    QGroupBox* arrangeTextGroup();
    QGroupBox* arrangeShowGroup();
    void showPage(const EditPage& page);
    void directionChosen(bool vertical);
    void download();
    void changeParameters();

    PanelContext& context_;
    RecordStore store_;
    // The fields showPage and page() pass straight between the page and its widgets.
    FieldBinder<EditPage> binder_;
    EditPage page_;
    // The editor's own text while "文字纵排" shows it turned.
    QString horizontalText_;

    QPushButton* kindButtons_[kEditPageKinds] = {};
    QLabel* title_ = nullptr;
    QLabel* sizeLabel_ = nullptr;
    QPlainTextEdit* editor_ = nullptr;
    QComboBox* font_ = nullptr;
    QLineEdit* size_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QComboBox* lineSpacing_ = nullptr;
    QComboBox* verticalShift_ = nullptr;
    QComboBox* extraHeight_ = nullptr;
    QRadioButton* horizontal_ = nullptr;
    QRadioButton* vertical_ = nullptr;
    QComboBox* horizontalOffset_ = nullptr;
    QLineEdit* verticalPosition_ = nullptr;
    QComboBox* brightness_ = nullptr;
    QComboBox* background_ = nullptr;
    QLineEdit* threshold_ = nullptr;
    QCheckBox* powerOn_ = nullptr;
    QComboBox* slot_ = nullptr;
    QPushButton* textDownload_ = nullptr;
    QPushButton* pictureDownload_ = nullptr;
    QPushButton* changeParameters_ = nullptr;
    PicturePreview* preview_ = nullptr;
};

} // namespace kv::ui
