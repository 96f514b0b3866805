#pragma once

#include "link/traffic.h"

#include <QGroupBox>

class QComboBox;
class QTableWidget;

namespace kv::ui {

// The traffic pane "通信记录": a row per frame written and per reply read (time, rate,
// direction, bytes, meaning), a filter by direction, "复制为十六进制" of the selected
// rows and "清除". It keeps the newest rows up to a bound.
class TrafficTable : public QGroupBox {
    Q_OBJECT
public:
    explicit TrafficTable(QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    QComboBox* directionFilter() const { return filter_; }
    // The selected rows' bytes as spaced upper-case hex, a line per row.
    QString selectedHex() const;

    // The pane's height when its table shows this many rows.
    int heightForRows(int rows) const;

public slots:
    void addRow(const kv::TrafficRow& row);
    void copySelectedHex() const;

private:
    int tableHeightForRows(int rows) const;
    void applyFilter(int row);

    QTableWidget* table_;
    QComboBox* filter_;
};

} // namespace kv::ui
