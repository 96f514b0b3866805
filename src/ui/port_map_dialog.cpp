#include "port_map_dialog.h"

#include "link/connection_check.h"
#include "link/network_address.h"
#include "link/port_map.h"
#include "text/operator_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kv::ui {

namespace {
// The list of the ports found is as wide as its columns, so every description and USB
// id shows whole, up to this share of the screen; past it the list scrolls sideways.
constexpr double kWidestShareOfScreen = 0.9;
// It is as high as its rows, up to this many; a machine with more ports scrolls them.
constexpr int kRowsShown = 8;

void fitToTable(QTreeWidget& list, const QWidget& dialog)
{
    for (int column = 0; column < list.columnCount(); ++column)
        list.resizeColumnToContents(column);
    const int frames = 2 * list.frameWidth();
    const int wanted = list.header()->length() + frames + list.verticalScrollBar()->sizeHint().width();
    const QScreen* screen = dialog.screen();
    const int widest = screen ? int(screen->availableGeometry().width() * kWidestShareOfScreen) : wanted;
    list.setMinimumWidth(qMin(wanted, widest));
    const int rows = qBound(1, list.topLevelItemCount(), kRowsShown);
    const int rowHeight = qMax(list.sizeHintForRow(0), list.fontMetrics().height());
    list.setMinimumHeight(list.header()->sizeHint().height() + rows * rowHeight + frames
                          + list.horizontalScrollBar()->sizeHint().height());
}
} // namespace

PortMapDialog::PortMapDialog(const AppFolder& folder, const QList<SystemPort>& found, int baud, QWidget* parent)
    : QDialog(parent), folder_(folder), baud_(baud)
{
    setWindowTitle(Text::tr("串口对应"));
    const PortMap map = PortMap::load(folder_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text::tr("本机找到的串口："), this));
    auto* list = new QTreeWidget(this);
    list->setHeaderLabels({Text::tr("名称"), Text::tr("设备"), Text::tr("说明"),
                           Text::tr("USB 编号")});
    for (const SystemPort& port : found)
        list->addTopLevelItem(new QTreeWidgetItem({port.name, port.path, port.description, port.usbIds}));
    list->setRootIsDecorated(false);
    fitToTable(*list, *this);
    layout->addWidget(list);

    layout->addWidget(new QLabel(Text::tr("设备路径，或网络串口 rfc2217://主机:端口、socket://主机:端口："), this));
    auto* form = new QGridLayout;
    for (int k = 1; k < kPortChoices; ++k) {
        auto* path = new QComboBox(this);
        path->setEditable(true);
        path->addItem(PortMap::defaultPath(k));
        for (const SystemPort& port : found)
            if (path->findText(port.path) < 0)
                path->addItem(port.path);
        path->setCurrentText(map.pathFor(k));
        auto* test = new QPushButton(Text::tr("测试连接"), this);
        connect(test, &QPushButton::clicked, this, [this, k] { this->test(k); });
        form->addWidget(new QLabel(PortChoiceText(k), this), k - 1, 0);
        form->addWidget(path, k - 1, 1);
        form->addWidget(test, k - 1, 2);
        form->setColumnStretch(1, 1);
        paths_ << path;
        tests_ << test;
    }
    layout->addLayout(form);
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("connectionTestResult"));
    result_->setWordWrap(true);
    layout->addWidget(result_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PortMapDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

PortMapDialog::~PortMapDialog()
{
    cancel_.request();
    if (tester_.joinable())
        tester_.join();
}

void PortMapDialog::test(int k)
{
    if (testing()) {
        // The button of the row under test stops it; the others wait for it.
        if (k == testing_)
            cancel_.request();
        return;
    }
    if (tester_.joinable())
        tester_.join();
    const QString path = paths_.at(k - 1)->currentText().trimmed();
    testing_ = k;
    testDone_ = false;
    cancel_.clear();
    tests_.at(k - 1)->setText(Text::tr("停止测试"));
    result_->setText(Text::tr("%1：正在连接 %2 …").arg(PortChoiceText(k), path));
    tester_ = std::thread([this, path, baud = baud_] {
        const ConnectionCheck check = CheckPortConnection(path, baud, cancel_);
        QMetaObject::invokeMethod(
            this, [this, check] { testFinished(check.connected, check.text); }, Qt::QueuedConnection);
    });
}

void PortMapDialog::testFinished(bool connected, const QString& text)
{
    testDone_ = true;
    tests_.at(testing_ - 1)->setText(Text::tr("测试连接"));
    result_->setText(connected ? Text::tr("%1：%2").arg(PortChoiceText(testing_), text)
                               : Text::tr("%1：连接失败：%2").arg(PortChoiceText(testing_), text));
}

void PortMapDialog::save()
{
    PortMap map;
    for (int k = 1; k < kPortChoices; ++k) {
        const QString path = paths_.at(k - 1)->currentText().trimmed();
        if (IsNetworkPortName(path)) {
            if (const NetworkAddressParse parse = ParseNetworkAddress(path); !parse.address) {
                result_->setText(Text::tr("%1：%2").arg(PortChoiceText(k), parse.problem));
                return;
            }
        }
        // The default needs no line; only real assignments are written.
        if (path != PortMap::defaultPath(k))
            map.assign(k, path);
    }
    QString error;
    if (!map.save(folder_, &error)) {
        QMessageBox::critical(this, Text::tr("错误"),
                              FileWriteErrorText(folder_.settingsPath(QStringLiteral("COMMAP.TXT")), error));
        return;
    }
    accept();
}

} // namespace kv::ui
