#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kv {
class AppFolder;
}

namespace kv::ui {

// The help viewer: a secondary window with one read-only text box showing a help text
// under the caption "使用帮助---" and its topic. It stays open beside the main window
// until the operator closes it; the next help replaces its text.
class HelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows help/FILE of the folder ("帮助文件未找到" when there is none) and brings the
    // viewer to the front.
    void showHelp(const AppFolder& folder, const QString& file, const QString& topic);

    QPlainTextEdit* textBox() const { return text_; }

private:
    QPlainTextEdit* text_;
};

} // namespace kv::ui
