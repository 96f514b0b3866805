#include "traffic_table.h"

#include "text/operator_text.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kv::ui {

namespace {

constexpr int kMostRows = 5000;
// A long write (a picture chunk) shows its first bytes only; the copy takes them all.
constexpr qsizetype kShownBytes = 32;
constexpr int kMinimumRows = 4;
enum Column { Time, Baud, Direction, Bytes, Meaning };
enum Filter { All, SentOnly, ReceivedOnly };

QString shownBytes(const QByteArray& bytes)
{
    const QString hex = QString::fromLatin1(bytes.left(kShownBytes).toHex(' ').toUpper());
    if (bytes.size() <= kShownBytes)
        return hex;
    return hex + Text::tr(" … (%1 字节)").arg(bytes.size());
}

// Hex columns line up only in a fixed-width font.
QFont hexFont()
{
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

TrafficTable::TrafficTable(QWidget* parent) : QGroupBox(Text::tr("通信记录"), parent)
{
    table_ = new QTableWidget(0, 5, this);
    table_->setObjectName(QStringLiteral("trafficTable"));
    table_->setHorizontalHeaderLabels(
        {Text::tr("时间"), Text::tr("波特率"), Text::tr("方向"), Text::tr("字节"), Text::tr("含义")});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setWordWrap(false);
    table_->setShowGrid(false);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView* header = table_->horizontalHeader();
    const QFontMetrics metrics = table_->fontMetrics();
    table_->setColumnWidth(Time, metrics.horizontalAdvance(QStringLiteral("00:00:00.000")) + 16);
    table_->setColumnWidth(Baud, metrics.horizontalAdvance(QStringLiteral("115200")) + 16);
    // As wide as three Chinese characters, or the widest direction word with a margin.
    const int directionWord = std::max({metrics.horizontalAdvance(Text::tr("方向")), metrics.horizontalAdvance(Text::tr("发送")),
                                        metrics.horizontalAdvance(Text::tr("接收"))})
                              + metrics.horizontalAdvance(QLatin1Char('0'));
    table_->setColumnWidth(Direction, std::max(metrics.horizontalAdvance(QStringLiteral("方向方")), directionWord) + 8);
    table_->setColumnWidth(Bytes, QFontMetrics(hexFont()).horizontalAdvance(QStringLiteral("5A 5B FF 22 02 00 04 09 00 00 0C")) + 16);
    header->setStretchLastSection(true);
    table_->setMinimumHeight(tableHeightForRows(kMinimumRows));

    filter_ = new QComboBox(this);
    filter_->setObjectName(QStringLiteral("trafficFilter"));
    filter_->addItems({Text::tr("全部"), Text::tr("发送"), Text::tr("接收")});
    connect(filter_, &QComboBox::currentIndexChanged, this, [this] {
        for (int row = 0; row < table_->rowCount(); ++row)
            applyFilter(row);
    });
    auto* copy = new QPushButton(Text::tr("复制为十六进制"), this);
    connect(copy, &QPushButton::clicked, this, &TrafficTable::copySelectedHex);
    auto* clear = new QPushButton(Text::tr("清除"), this);
    connect(clear, &QPushButton::clicked, this, [this] { table_->setRowCount(0); });

    auto* controls = new QVBoxLayout;
    controls->addWidget(filter_);
    controls->addWidget(copy);
    controls->addWidget(clear);
    controls->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(controls);
}

int TrafficTable::tableHeightForRows(int rows) const
{
    return table_->horizontalHeader()->sizeHint().height() + rows * table_->verticalHeader()->defaultSectionSize()
           + 2 * table_->frameWidth() + table_->horizontalScrollBar()->sizeHint().height();
}

int TrafficTable::heightForRows(int rows) const
{
    return sizeHint().height() - table_->sizeHint().height() + tableHeightForRows(rows);
}

void TrafficTable::addRow(const kv::TrafficRow& row)
{
    // The view follows new rows only while the operator has not scrolled up.
    QScrollBar* scroll = table_->verticalScrollBar();
    const bool atEnd = scroll->value() == scroll->maximum();
    if (table_->rowCount() >= kMostRows)
        table_->removeRow(0);
    const int at = table_->rowCount();
    table_->insertRow(at);
    table_->setItem(at, Time, cell(QDateTime::fromMSecsSinceEpoch(row.msSinceEpoch).toString(QStringLiteral("HH:mm:ss.zzz"))));
    table_->setItem(at, Baud, cell(QString::number(row.baud)));
    QTableWidgetItem* direction = cell(row.sent ? Text::tr("发送") : Text::tr("接收"));
    direction->setData(Qt::UserRole, row.sent);
    table_->setItem(at, Direction, direction);
    QTableWidgetItem* bytes = cell(shownBytes(row.bytes));
    bytes->setData(Qt::UserRole, row.bytes);
    bytes->setFont(hexFont());
    table_->setItem(at, Bytes, bytes);
    QTableWidgetItem* meaning = cell(row.meaning);
    meaning->setToolTip(row.meaning);
    table_->setItem(at, Meaning, meaning);
    applyFilter(at);
    if (atEnd)
        table_->scrollToBottom();
}

void TrafficTable::applyFilter(int row)
{
    const bool sent = table_->item(row, Direction)->data(Qt::UserRole).toBool();
    const int filter = filter_->currentIndex();
    table_->setRowHidden(row, (filter == SentOnly && !sent) || (filter == ReceivedOnly && sent));
}

QString TrafficTable::selectedHex() const
{
    QStringList lines;
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (table_->isRowHidden(row) || !table_->item(row, Bytes)->isSelected())
            continue;
        lines.append(QString::fromLatin1(table_->item(row, Bytes)->data(Qt::UserRole).toByteArray().toHex(' ').toUpper()));
    }
    return lines.join(QLatin1Char('\n'));
}

void TrafficTable::copySelectedHex() const
{
    QApplication::clipboard()->setText(selectedHex());
}

} // namespace kv::ui
