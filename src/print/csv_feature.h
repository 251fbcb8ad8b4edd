#pragma once
// ＣＳＶ出力 and ＣＳＶ出力 (集金の記録) as a feature of their own: the book
// and the payments record as tables for spreadsheets, written into the
// working folder under the naming rule of the reports.

#include <QObject>

class frmTavu;

namespace print {

class CsvFeature : public QObject {
    Q_OBJECT
public:
    // Serves `sheet` (a child of it).
    explicit CsvFeature(frmTavu& sheet);

    void file_csv_Click();
    void file_csv_pay_Click();

private:
    frmTavu& w;
};

} // namespace print
