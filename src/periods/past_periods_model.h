#pragma once
// The archives of the working folder as a table: period, when it was closed,
// members charged, total, and for an archive that kept payments what came
// in and what is still owed. A damaged or empty archive is a row too,
// saying so.

#include "book/past_periods.h"

#include <QAbstractTableModel>
#include <vector>

class PastPeriodsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kPeriod, kClosed, kMembers, kTotal, kReceived, kStillOwed, kColumns };

    explicit PastPeriodsModel(std::vector<PastPeriod> periods, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const std::vector<PastPeriod>& periods() const { return periods_; }

private:
    std::vector<PastPeriod> periods_; // newest first
};
