#pragma once
// 新しい期間 as a feature of its own: the closed period is archived whole
// into kako/<name>, and the book starts again with the same roster and no
// items (what is still owed carried over, when the user says so). Either all
// of it happens or, on a failure, the book and the files stay as they were.
// The document tells its listeners that the period was closed.

#include <QObject>

class frmTavu;

namespace periods {

class NewPeriodFeature : public QObject {
    Q_OBJECT
public:
    // Serves `sheet` (a child of it).
    explicit NewPeriodFeature(frmTavu& sheet);

    void file_new_period_Click();

private:
    frmTavu& w;
};

} // namespace periods
