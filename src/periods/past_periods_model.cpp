#include "periods/past_periods_model.h"

#include "book/print_rules.h"
#include "book/yen_text.h"

#include <QColor>

namespace {} // namespace

PastPeriodsModel::PastPeriodsModel(std::vector<PastPeriod> periods, QObject* parent)
    : QAbstractTableModel(parent), periods_(std::move(periods)) {}

int PastPeriodsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(periods_.size());
}

int PastPeriodsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant PastPeriodsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= periods_.size()) return {};
    const PastPeriod& p = periods_[size_t(index.row())];
    const bool ok = p.state == PastPeriod::State::Ok;
    if (role == Qt::ForegroundRole && !ok) return QColor(Qt::red);
    if (role == Qt::TextAlignmentRole && index.column() >= kMembers)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (Column(index.column())) {
    case kPeriod:
        if (ok) return p.period.isEmpty() ? p.name : p.period;
        return p.name + (p.state == PastPeriod::State::Empty
                             ? QStringLiteral("（データが おまへん）")
                             : QStringLiteral("（こわれてて 読まれへん）"));
    case kClosed:
        return p.closed.isValid() ? p.closed.toString(QStringLiteral("yyyy/MM/dd HH:mm"))
                                  : QString();
    case kMembers:
        return ok ? QStringLiteral("%1人").arg(p.members_charged) : QString();
    case kTotal:
        return ok ? yen(p.total) : QString();
    case kReceived:
    case kStillOwed:
        if (!ok || p.payments == PastPeriod::Payments::None) return QString();
        if (p.payments == PastPeriod::Payments::Damaged) return QStringLiteral("読まれへん");
        return yen(index.column() == kReceived ? p.received : p.still_owed);
    case kColumns:
        break;
    }
    return {};
}

QVariant PastPeriodsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (Column(section)) {
    case kPeriod:
        return QStringLiteral("期間");
    case kClosed:
        return QStringLiteral("締めた日");
    case kMembers:
        return QStringLiteral("払う人");
    case kTotal:
        return QStringLiteral("合計");
    case kReceived:
        return QStringLiteral("受け取った");
    case kStillOwed:
        return QStringLiteral("残り");
    case kColumns:
        break;
    }
    return {};
}
