#pragma once

#include <QWidget>

class QComboBox;

namespace kv::ui {

struct PanelContext;

// "语言 / Language" in the window's top strip: Chinese or English, each named in its
// own words so that an operator who cannot read the other language finds their own.
// The choice is kept in savefiles/LANG.TXT and shown from the next start; kvctl on the
// same application folder follows it too.
class LanguageSelector : public QWidget {
    Q_OBJECT
public:
    LanguageSelector(PanelContext& context, QWidget* parent = nullptr);

    QComboBox* combo() const { return combo_; }

private:
    void chosen(int index);
    void showSaved();

    PanelContext& context_;
    QComboBox* combo_;
};

} // namespace kv::ui
