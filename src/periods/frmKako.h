#pragma once
// frmKako: 過去の期間, the periods closed with 新しい期間, newest first. The
// user picks the periods of a year (a run of rows; the current period can be
// added) and asks for their totals on paper or as CSV; the dialog closes with
// the choice and the main window makes the report.
//
// State: the list as read when the dialog opened, the choice.

#include "book/past_periods.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;
class PastPeriodsModel;

class frmKako : public QDialog {
    Q_OBJECT
public:
    frmKako(std::vector<PastPeriod> periods, QWidget* parent = nullptr);

    enum class Action { None, Print, Csv, Open };

    QTableView* grdKako = nullptr;
    QCheckBox* chkIma = nullptr; // the current period as the last column
    QLabel* lblHint = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdCsv = nullptr;
    QPushButton* cmdClose = nullptr;
    PastPeriodsModel* model = nullptr;

    Action action = Action::None;
    // The periods chosen, oldest first: every row from the first selected to
    // the last (all rows when none is selected).
    std::vector<PastPeriod> chosen() const;
    // The period of the current row, to open (none when no row is current).
    std::optional<PastPeriod> current() const;

private:
    void choose(Action chosen_action);
};
