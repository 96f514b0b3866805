#pragma once

#include <QLabel>

class QTabWidget;

namespace kv::ui {

// The clickable label "打开其他功能" / "收起其他功能" that shows and folds away the
// other-functions page. Folded, the page's tab is hidden and the page the operator was
// on before comes back. The window folds it as it loads.
class OtherFunctionsToggle : public QLabel {
    Q_OBJECT
public:
    OtherFunctionsToggle(QTabWidget& pages, QWidget& page, QWidget* parent = nullptr);

    bool unfolded() const;
    // What a click does: folds the page away when it shows, shows it otherwise.
    void toggle();
    void fold();
    void unfold();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int pageIndex() const;

    QTabWidget& pages_;
    QWidget& page_;
    int covered_ = 0;
};

} // namespace kv::ui
