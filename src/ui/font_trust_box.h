#pragma once

#include "font/font_table.h"

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace kv::ui {

// What tells the operator which font is where and lets a whole-font write be trusted:
// the fingerprints of the open table and of the font last read from the unit, the
// retry count, the read-back after a write, the comparison of the unit's font with the
// open table, and the offer to go on after a write that stopped.
class FontTrustBox : public QGroupBox {
    Q_OBJECT
public:
    explicit FontTrustBox(QWidget* parent = nullptr);

    int retries() const;
    bool verifiesAfterWrite() const;
    // The code a resumed write starts at; -1 while nothing is offered.
    int resumeFrom() const { return resumeFrom_; }

    void showTableFingerprint(const FontTable& table);
    void showUnitFingerprint(const FontTable& table);
    // After a whole-font write: offers "从字符 N 继续写入" for the code it stopped at, or
    // takes the offer back (-1) once a write went through.
    void offerResume(int stoppedAt);

    QSpinBox* retriesBox() const { return retries_; }
    QCheckBox* verifyBox() const { return verify_; }
    QPushButton* compareButton() const { return compare_; }
    QPushButton* resumeButton() const { return resume_; }
    QLabel* tableFingerprint() const { return tablePrint_; }
    QLabel* unitFingerprint() const { return unitPrint_; }

private:
    QSpinBox* retries_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QPushButton* compare_ = nullptr;
    QPushButton* resume_ = nullptr;
    QLabel* tablePrint_ = nullptr;
    QLabel* unitPrint_ = nullptr;
    int resumeFrom_ = -1;
};

} // namespace kv::ui
