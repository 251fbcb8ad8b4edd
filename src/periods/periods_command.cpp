#include "periods/periods_command.h"
#include "book/book_source.h"
#include "book/past_periods.h"
#include "book/print_rules.h"
#include "book/text_rules.h"
#include "book/year_totals.h"
#include "periods/year_report.h"

#include <QDir>
#include <memory>

namespace periods {

using namespace ui;

int run_periods_command(const QString& from, const QString& to, ui::ReportTarget target,
                        const QString& out_given) {
    QString unknown;
    const std::vector<PastPeriod> range =
        periods_between(list_past_periods(QDir::currentPath(), false), from, to, unknown);
    if (!unknown.isEmpty())
        return failed(
            kExitWrongArgument,
            QStringLiteral("no past period %1 in %2").arg(unknown, shown(QDir::currentPath())));
    // Both named and both there, yet nothing between: the range is backwards.
    if (range.empty() && !from.isEmpty() && !to.isEmpty())
        return failed(kExitWrongArgument,
                      QStringLiteral("--from %1 was closed after --to %2: nothing lies between")
                          .arg(from, to));

    PeriodBooks read = read_period_books(range);
    for (const QString& folder : read.left_out)
        say(stderr, QStringLiteral("tavu: %1 cannot be read and is left out").arg(folder));
    // The current period closes the range unless it ends at an archive.
    if (to.isEmpty()) {
        auto book = std::make_unique<Book>();
        BookSource source;
        switch (read_book_in_place(*book, source)) {
        case ReadResult::Damaged:
        case ReadResult::NotRegular:
        case ReadResult::TooLarge:
        case ReadResult::Unreadable:
            return failed(kExitDamagedDataFile,
                          QStringLiteral("the data file %1 cannot be read as a book")
                              .arg(shown(QDir::current().absoluteFilePath(source.file))));
        case ReadResult::Ok:
            print_syukei(*book);
            read.add_current(std::move(book));
            break;
        case ReadResult::Missing:
            break;
        }
    }
    const std::vector<PeriodCharges>& periods = read.periods;
    if (periods.empty())
        return failed(kExitNoDataFile,
                      QStringLiteral("no period to total in %1").arg(shown(QDir::currentPath())));

    QString out;
    if (!out_target(out_given, out)) return kExitNotWritten;
    const YearTotals totals = year_totals(periods);
    if (target == ReportTarget::Csv)
        return csv_output(year_totals_csv(totals), QStringLiteral("periods"), out);
    const QString heading =
        periods.size() == 1 ? periods.front().label
                            : periods.front().label + QStringLiteral(" ～ ") + periods.back().label;
    return paper_output(QStringLiteral("periods"), target == ReportTarget::Pdf, out,
                        [&](Printer& printer) { draw_year_report(totals, heading, printer); });
}

} // namespace periods
