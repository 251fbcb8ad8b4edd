#include "periods/past_book_window.h"

#include "book/text_rules.h"
#include "payments/payments_feature.h"
#include "sheet/frmTavu.h"
#include "ui/colors.h"
#include "ui/payments_messages.h"
#include "ui/screen.h"
#include "ui/write_refusal.h"

#include <QSignalBlocker>

namespace {

// The archive's book lives as long as its window.
struct BookHolder {
    std::unique_ptr<Book> held;
};

class PastBookWindow : private BookHolder, public frmTavu {
public:
    PastBookWindow(std::unique_ptr<Book> b, QWidget* parent)
        : BookHolder{std::move(b)}, frmTavu(*held, parent) {}
};

} // namespace

frmTavu* open_past_book(frmTavu& live, const PastPeriod& period) {
    auto book = std::make_unique<Book>();
    PayRead paid;
    if (read_past_book(period.folder, *book, nullptr, &paid) != PastPeriod::State::Ok)
        return nullptr;
    auto* w = new PastBookWindow(std::move(book), &live);
    w->setWindowFlag(Qt::Window);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->write_guard = WriteGuard::read_only(WriteGuard::Reason::PastPeriod);
    const QString label = period.period.isEmpty() ? period.name : period.period;
    w->setWindowTitle(
        ui::guarded_title(w->write_guard, QStringLiteral("過去の期間  %1").arg(label)));
    ui::tint_as_past_period(w);
    w->show_read_only();
    // Commands that would read the working folder's own book, or end the
    // whole program, are not this window's.
    for (QAction* a :
         {w->data_reload, w->file_restore, w->file_end, w->file_kako, w->hensyu_meibo_undo})
        a->setVisible(false);
    // Its payments, to look at.
    auto* payments = new payments::PaymentsFeature(*w);
    QObject::connect(w->syukin_check, &QAction::triggered, payments,
                     &payments::PaymentsFeature::open);

    Book& b = w->book;
    {
        // Only the option's look: the book read decides each item's mode,
        // and gamen_kosin below sets the option from it.
        const QSignalBlocker quiet(w->optKinto);
        w->optKinto->setChecked(true);
    }
    w->name_hyoji();
    w->name_font();
    w->txtMotojime->setText(trim_blanks(b.motojime));
    w->txtNengetu->setText(trim_blanks(b.nengetu));
    b.name_no = 1;
    b.cur_komoku = 0;
    b.name_mode = 0;
    w->gamen_kosin();
    b.hozon_flag = -1;
    // Beside the live sheet where the screen has room, else as far off it
    // as the screen allows.
    ui::place_beside(w, &live, w->sizeHint());
    w->show();
    // As start-up does: a record that is not whole, or names other members
    // or items, is said before its unpaid list is trusted.
    payments::report_read(paid, true);
    return w;
}
