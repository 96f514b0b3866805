#include "font_trust_box.h"

#include "font/font_fingerprint.h"
#include "font/font_transfer.h"
#include "text/operator_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace kv::ui {

FontTrustBox::FontTrustBox(QWidget* parent) : QGroupBox(Text::tr("字库校验"), parent)
{
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(Text::tr("当前字库"), this), 0, 0);
    tablePrint_ = new QLabel(this);
    tablePrint_->setObjectName(QStringLiteral("tableFingerprint"));
    tablePrint_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(tablePrint_, 0, 1, 1, 2);
    layout->addWidget(new QLabel(Text::tr("叠加器读出"), this), 1, 0);
    unitPrint_ = new QLabel(Text::tr("（尚未读取）"), this);
    unitPrint_->setObjectName(QStringLiteral("unitFingerprint"));
    unitPrint_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(unitPrint_, 1, 1, 1, 2);

    layout->addWidget(new QLabel(Text::tr("重试次数："), this), 2, 0);
    retries_ = new QSpinBox(this);
    retries_->setRange(0, kMostCharacterRetries);
    layout->addWidget(retries_, 2, 1);
    verify_ = new QCheckBox(Text::tr("写入后校验"), this);
    layout->addWidget(verify_, 2, 2);

    compare_ = new QPushButton(Text::tr("校验叠加器字库"), this);
    layout->addWidget(compare_, 3, 0, 1, 2);
    resume_ = new QPushButton(this);
    resume_->setVisible(false);
    layout->addWidget(resume_, 3, 2);
}

int FontTrustBox::retries() const
{
    return retries_->value();
}

bool FontTrustBox::verifiesAfterWrite() const
{
    return verify_->isChecked();
}

void FontTrustBox::showTableFingerprint(const FontTable& table)
{
    tablePrint_->setText(FontFingerprintText(table));
}

void FontTrustBox::showUnitFingerprint(const FontTable& table)
{
    unitPrint_->setText(FontFingerprintText(table));
}

void FontTrustBox::offerResume(int stoppedAt)
{
    resumeFrom_ = stoppedAt;
    resume_->setText(Text::tr("从字符 %1 继续写入").arg(stoppedAt));
    resume_->setVisible(stoppedAt >= 0);
}

} // namespace kv::ui
