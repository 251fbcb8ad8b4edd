#pragma once
// 過去の期間 as a feature of its own: the closed periods listed in frmKako;
// one of them opened read-only beside the sheet, or the year's totals of
// those chosen (with the current period as the sheet shows it) printed or
// written as CSV into the working folder.

#include <QObject>

class frmTavu;

namespace periods {

class PeriodsFeature : public QObject {
    Q_OBJECT
public:
    // Serves `sheet` (a child of it).
    explicit PeriodsFeature(frmTavu& sheet);

    // 過去の期間
    void open();

signals:
    // A closed period's window was opened beside the sheet, for what the
    // features offer there too (printing, previews, CSV).
    void past_window_opened(frmTavu* window);

private:
    frmTavu& sheet_;
};

} // namespace periods
