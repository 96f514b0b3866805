#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

namespace kv::test {

// Answers every message box the window shows with its default button, as an operator
// pressing Enter would, and keeps the texts it answered.
class BoxAnswerer {
public:
    BoxAnswerer()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }

    QStringList texts;

private:
    void answer()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            QAbstractButton* button = box->defaultButton();
            if (!button && !box->buttons().isEmpty())
                button = box->buttons().first();
            if (!button)
                continue;
            texts << box->text();
            button->click();
            return;
        }
    }

    QTimer timer_;
};

} // namespace kv::test
