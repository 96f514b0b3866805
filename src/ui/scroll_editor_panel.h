#pragma once

#include "base/record_store.h"
#include "panel_context.h"
#include "picture/static_send_fields.h"
#include "scroll/scroll_text_cache.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTextEdit;

namespace kv::ui {

class PicturePreview;
class StaticSendInputs;

// The scroll editor with its send panel: the send mode list, the two send buttons, the
// entry number and description boxes, the timer box and "并设为开机滚动". In the
// built-in-font modes the editor holds the message; in the picture message and
// shortcut modes, and in the stored-picture mode 5, it shows the entry list and a
// click picks an entry. In the static modes 6 to 9 the static inputs and the preview
// of the picture sent join it.
class ScrollEditorPanel : public QWidget {
    Q_OBJECT
public:
    explicit ScrollEditorPanel(PanelContext& context, QWidget* parent = nullptr);

    // Chooses an entry of the send mode list, as the list itself does.
    void chooseSendMode(int mode);
    // Drops the send mode list open beside its button.
    void openModeList();
    // A resize of the window captions the send frame again and re-places its controls
    // for the current mode.
    void relayForResize();
    // The start-up step: the mode of end_fs_mode.txt when the list holds it.
    void applyStartupMode();
    int sendMode() const { return mode_; }
    // The record behind a mode's entry list changed: when that mode is on, its list
    // shows the record at once.
    void entryRecordChanged(int mode);

    QTextEdit* editor() const { return editor_; }
    QPushButton* modeButton() const { return modeButton_; }
    QPushButton* refreshButton() const { return refreshButton_; }
    QPushButton* secondButton() const { return secondButton_; }
    QLineEdit* entryNumberBox() const { return entryNumber_; }
    QLineEdit* entryDescriptionBox() const { return entryDescription_; }
    QLineEdit* timerBox() const { return timer_; }
    QCheckBox* powerOnBox() const { return powerOn_; }
    // The send controls' frame, captioned "当前发送模式 >> " and the mode.
    QGroupBox* sendFrame() const { return sendFrame_; }
    QMenu* modeMenu() const { return modeMenu_; }
    bool timerMarked() const { return timerMarked_; }
    StaticSendInputs* staticInputs() const { return staticInputs_; }
    PicturePreview* preview() const { return preview_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The send controls in their frame, in rows under the send-mode button.
    void arrangeSendFrame();
    void relayFor(int mode);
    void editorReleased();
    void send(bool secondButton);
    void sendStatic(bool secondButton);
    void directionChosen(bool vertical);
    void markTimer(bool marked);

    PanelContext& context_;
    RecordStore store_;
    ScrollTextCache cache_;
    int mode_ = 0;
    QStringList entries_;
    bool timerMarked_ = false;

    QTextEdit* editor_ = nullptr;
    QPushButton* modeButton_ = nullptr;
    QMenu* modeMenu_ = nullptr;
    QGroupBox* sendFrame_ = nullptr;
    QPushButton* refreshButton_ = nullptr;
    QPushButton* secondButton_ = nullptr;
    QLabel* entryNumberLabel_ = nullptr;
    QLineEdit* entryNumber_ = nullptr;
    QLineEdit* entryDescription_ = nullptr;
    QLineEdit* timer_ = nullptr;
    QCheckBox* powerOn_ = nullptr;
    StaticSendInputs* staticInputs_ = nullptr;
    PicturePreview* preview_ = nullptr;
    // The editor's own text while "文字纵排" shows it turned.
    QString horizontalText_;
};

} // namespace kv::ui
