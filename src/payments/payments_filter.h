#pragma once
// What the payments table shows of the model: every row, or only members
// who still owe, narrowed to names holding the searched text.

#include <QSortFilterProxyModel>

namespace payments {

class PaymentsFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void set_only_owing(bool only);
    void set_name_search(const QString& text);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    bool only_owing_ = false;
    QString search_;
};

} // namespace payments
