#include "language_selector.h"

#include "base/language.h"
#include "base/prompter.h"
#include "panel_context.h"
#include "text/operator_text.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace kv::ui {

namespace {
// The languages in the order of the combo's items.
constexpr Language kItems[] = {Language::Chinese, Language::English};
} // namespace

LanguageSelector::LanguageSelector(PanelContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    // The caption above the choice, as "产品型号" stands above its own, keeps the top strip
    // narrow enough for a 1280-pixel screen.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("languageCombo"));
    combo_->addItem(QStringLiteral("中文"));
    combo_->addItem(QStringLiteral("English"));
    showSaved();
    layout->addWidget(new QLabel(Text::tr("语言 / Language"), this));
    layout->addWidget(combo_);
    connect(combo_, &QComboBox::currentIndexChanged, this, &LanguageSelector::chosen);
}

void LanguageSelector::showSaved()
{
    const QSignalBlocker block(combo_);
    const Language saved = SavedLanguage(context_.folder);
    combo_->setCurrentIndex(int(std::find(std::begin(kItems), std::end(kItems), saved) - std::begin(kItems)));
}

void LanguageSelector::chosen(int index)
{
    if (index < 0 || index >= int(std::size(kItems)))
        return;
    const Language language = kItems[index];
    const AppFolder folder = context_.folder;
    // Saved as an operation, so that a choice while one runs gets the busy message and
    // changes nothing.
    if (!context_.startOperation([folder, language](const Operands& o) {
            if (SaveLanguage(folder, language, o.prompter).done())
                o.prompter.message(QStringLiteral("语言将在下次启动时改变。\nThe language changes at the next start."));
        }))
        showSaved();
}

} // namespace kv::ui
