// The book and its payments saved as one: which payments file goes with the
// book on disk, what a save does with a payments file it could not read
// whole or that is no file at all, a save cut short finished at start-up,
// and the previous save put back and forth.

#include "book/data_files.h"
#include "book/new_period.h"
#include "book/pair_save.h"
#include "book/payments_file.h"
#include "book/previous_save.h"
#include "support/temp_workdir.h"

#include <QDir>
#include <QFile>
#include <memory>
#include <sys/stat.h>

namespace {

const QDate kDay(2026, 12, 8);
const QString kPay = QStringLiteral("allitem.pay");
const QString kPayBak = QStringLiteral("allitem.pay.bak");
const QString kHrm = QStringLiteral("allitem.hrm");

// Four members, two items; `n` sets the period and what member 1 paid.
std::unique_ptr<Book> book_of(int n) {
    auto book = std::make_unique<Book>();
    for (int m = 0; m < 4; ++m) book->member_name[m] = QStringLiteral("人%1").arg(m);
    for (int k = 0; k < 2; ++k) book->komoku_name[k] = QStringLiteral("項目%1").arg(k);
    book->nengetu = QString::number(n);
    book->motojime = QStringLiteral("係");
    book->payments.cell[0][0] = {100 * n, kDay};
    return book;
}

// What member 1 has paid after the folder is read as start-up reads it; -1
// when the payments were not credited.
qint64 paid_after_read(const Book& like, PayRead* read_out = nullptr) {
    auto read = std::make_unique<Book>(like);
    const PayRead read_result = payments_read(*read);
    if (read_out) *read_out = read_result;
    return read->payments.cell[0][0].recorded() ? read->payments.cell[0][0].received : -1;
}

QByteArray hrm_bytes(const Book& book) {
    return pair_swap(data_text(book));
}

class PairSaveTest : public TempWorkdir {};

// Lines that cannot be read cost only themselves; a file that cannot be
// read at all reads nothing and says so.
TEST(PaymentsLines, OneBadLineCostsOneLine) {
    const QByteArray good1 = "P\t1\t1\t100\t2026-12-08\t人0\t項目0";
    const QByteArray good2 = "P\t2\t2\t200\t2026-12-08\t人1\t項目1";
    struct Row {
        const char* what;
        QByteArray text;
        ReadResult result;
        int credited, damaged;
        bool unread_whole;
    };
    const Row rows[] = {
        {"LF", "tavu-payments 1\n" + good1 + "\n" + good2 + "\n", ReadResult::Ok, 2, 0, false},
        {"CR LF", "tavu-payments 1\r\n" + good1 + "\r\n" + good2 + "\r\n", ReadResult::Ok, 2, 0,
         false},
        {"CR only", "tavu-payments 1\r" + good1 + "\r" + good2 + "\r", ReadResult::Ok, 2, 0, false},
        {"a bad byte", "tavu-payments 1\n" + good1 + "\xff\n" + good2 + "\n", ReadResult::Damaged,
         1, 1, false},
        {"a NUL", "tavu-payments 1\n" + good1 + QByteArray(1, '\0') + "\n" + good2 + "\n",
         ReadResult::Damaged, 1, 1, false},
        {"a field too many", "tavu-payments 1\n" + good1 + "\tx\n" + good2 + "\n",
         ReadResult::Damaged, 1, 1, false},
        {"the book line and comments", "tavu-payments 1\n# book 1 00\n# note\n" + good2 + "\n",
         ReadResult::Ok, 1, 0, false},
        {"a newer header", "tavu-payments 2\n" + good1 + "\n", ReadResult::Damaged, 0, 0, true},
        {"UTF-16", QByteArray("\xff\xfet\0a\0v\0u\0", 10), ReadResult::Damaged, 0, 0, true},
        {"no header", good1 + "\n", ReadResult::Damaged, 0, 0, true},
    };
    for (const Row& r : rows) {
        auto book = book_of(1);
        book->payments = {};
        const PayRead read = parse_payments_text(r.text, *book);
        int credited = 0;
        for (int m = 0; m < 4; ++m)
            for (int k = 0; k < 2; ++k) credited += book->payments.cell[m][k].recorded() ? 1 : 0;
        EXPECT_EQ(read.result, r.result) << r.what;
        EXPECT_EQ(credited, r.credited) << r.what;
        EXPECT_EQ(read.damaged_lines, r.damaged) << r.what;
        EXPECT_EQ(read.unread_whole, r.unread_whole) << r.what;
        EXPECT_EQ(payments_text_whole(r.text), r.result == ReadResult::Ok) << r.what;
    }
}

TEST(PaymentsLines, BookLineSetOnceAfterTheHeader) {
    const BookId a = book_id_of(QByteArray("book a")), b = book_id_of(QByteArray("book b"));
    const QByteArray text = naming_book("tavu-payments 1\n# x\nP\t1\n", a);
    EXPECT_EQ(named_book(text), a);
    const QByteArray again = naming_book(text, b);
    EXPECT_EQ(named_book(again), b);
    EXPECT_EQ(again.count("# book "), 1);
    EXPECT_TRUE(again.startsWith("tavu-payments 1\n# book "));
    EXPECT_TRUE(again.endsWith("# x\nP\t1\n"));
    // A book line after the first entry is no book line.
    EXPECT_FALSE(named_book("tavu-payments 1\nP\t1\n# book 6 " + a.sha256.toHex() + "\n").valid());
}

// Which file holds the payments of the book on disk, one row per way the
// folder can be left.
TEST_F(PairSaveTest, ThePaymentsThatNameTheBookOnDiskAreRead) {
    const auto older = book_of(1), newer = book_of(2);
    const QByteArray old_pay = payments_text(*older, book_id_of(hrm_bytes(*older)));
    const QByteArray new_pay = payments_text(*newer, book_id_of(hrm_bytes(*newer)));
    struct Row {
        const char* what;
        QByteArray pay, temp, bak;
        PayOrigin origin;
        qint64 paid; // what member 1 is credited with beside the newer book
    };
    const Row rows[] = {
        {"saved together", new_pay, {}, {}, PayOrigin::File, 200},
        {"cut short before the payments took their name", old_pay, new_pay, old_pay,
         PayOrigin::Temporary, 200},
        {"cut short after the older file went aside", {}, new_pay, {}, PayOrigin::Temporary, 200},
        {"written before payments named their book",
         payments_text(*newer),
         {},
         {},
         PayOrigin::File,
         200},
        {"the book put back by hand beside its copy", old_pay, {}, new_pay, PayOrigin::Bak, 200},
        {"older payments and nothing else", old_pay, {}, {}, PayOrigin::OtherBook, -1},
        {"a temporary file of another save",
         old_pay,
         naming_book(new_pay, book_id_of("x")),
         {},
         PayOrigin::OtherBook,
         -1},
    };
    for (const Row& r : rows) {
        for (const QString& f : files()) QFile::remove(path(f));
        write_bytes(kHrm, hrm_bytes(*newer));
        if (!r.pay.isEmpty()) write_bytes(kPay, r.pay);
        if (!r.temp.isEmpty()) write_bytes(QStringLiteral(".allitem.pay.Ab12Cd"), r.temp);
        if (!r.bak.isEmpty()) write_bytes(kPayBak, r.bak);
        PayRead read;
        EXPECT_EQ(paid_after_read(*newer, &read), r.paid) << r.what;
        EXPECT_EQ(read.origin, r.origin) << r.what;
        // Older payments are never credited without a word: all set aside.
        if (r.origin == PayOrigin::OtherBook) {
            EXPECT_EQ(read.set_aside, 1) << r.what;
        }
    }
}

// Each save names its book; the payments it replaces become the copy.
TEST_F(PairSaveTest, OneSaveWritesBothFilesAsAPair) {
    const auto first = book_of(1), second = book_of(2);
    ASSERT_EQ(save_book(*first).outcome, PairSave::Outcome::Saved);
    ASSERT_EQ(save_book(*second).outcome, PairSave::Outcome::Saved);
    EXPECT_EQ(files(), QStringList({QStringLiteral("allitem.bak"), kHrm, kPay, kPayBak}));
    EXPECT_EQ(named_book(read_bytes(kPay)), book_id_of(read_bytes(kHrm)));
    EXPECT_EQ(named_book(read_bytes(kPayBak)),
              book_id_of(read_bytes(QStringLiteral("allitem.bak"))));
    EXPECT_EQ(paid_after_read(*second), 200);

    // No payments and no file: no file is made.
    for (const QString& f : files()) QFile::remove(path(f));
    auto none = book_of(3);
    none->payments = {};
    ASSERT_EQ(save_book(*none).outcome, PairSave::Outcome::Saved);
    EXPECT_EQ(files(), QStringList({kHrm}));
}

// A save cut short after the book was replaced: start-up puts the
// payments of that save in place, and the older ones become the copy.
TEST_F(PairSaveTest, StartUpFinishesASaveCutShort) {
    const auto older = book_of(1), newer = book_of(2);
    ASSERT_EQ(save_book(*older).outcome, PairSave::Outcome::Saved);
    const QByteArray old_pay = read_bytes(kPay);
    write_bytes(kHrm, hrm_bytes(*newer));
    write_bytes(QStringLiteral(".allitem.pay.Zz9Yy8"),
                payments_text(*newer, book_id_of(hrm_bytes(*newer))));
    PayCommit done;
    ASSERT_TRUE(settle_interrupted_save(done));
    EXPECT_EQ(done.written, WriteResult::Ok);
    EXPECT_EQ(files(), QStringList({kHrm, kPay, kPayBak}));
    EXPECT_EQ(read_bytes(kPayBak), old_pay);
    EXPECT_EQ(paid_after_read(*newer), 200);
    EXPECT_FALSE(settle_interrupted_save(done)); // nothing left to finish
}

// What bears the name "allitem.pay" before a save: nothing hangs, nothing
// not read is overwritten, a link is written through.
TEST_F(PairSaveTest, HostilePaymentsFilesThroughASave) {
    const QString aside = QStringLiteral("allitem.pay.unread-");
    QTemporaryDir elsewhere;
    const QString shared = elsewhere.filePath(QStringLiteral("shared.pay"));
    struct Row {
        const char* what;
        std::function<void()> make;
        bool moved_aside; // a file allitem.pay.unread-... holds what was there
        bool link_stays;  // allitem.pay is still the link, its file rewritten
    };
    const QByteArray damaged = "tavu-payments 1\nP\t1\t1\t5\t2026-12-08\t人0\t項目0\xff\n";
    const Row rows[] = {
        {"a FIFO", [&] { ::mkfifo(qPrintable(path(kPay)), 0644); }, true, false},
        {"a link to /dev/zero", [&] { QFile::link(QStringLiteral("/dev/zero"), path(kPay)); }, true,
         false},
        {"a folder", [&] { QDir().mkdir(path(kPay)); }, true, false},
        {"5 MiB", [&] { write_bytes(kPay, "tavu-payments 1\n" + QByteArray(5 << 20, '#')); }, true,
         false},
        {"one bad line", [&] { write_bytes(kPay, damaged); }, true, false},
        {"a newer header", [&] { write_bytes(kPay, "tavu-payments 2\n"); }, true, false},
        {"a link to a record elsewhere",
         [&] {
             QFile f(shared);
             f.open(QIODevice::WriteOnly);
             f.write(payments_text(*book_of(1)));
             f.close();
             QFile::link(shared, path(kPay));
         },
         false, true},
    };
    for (const Row& r : rows) {
        for (const QString& f : QDir(path(QString()))
                                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                               QDir::NoDotAndDotDot)) {
            QFile::remove(path(f));
            QDir(path(f)).removeRecursively();
        }
        r.make();
        const auto book = book_of(2);
        const PairSave saved = save_book(*book);
        EXPECT_EQ(saved.outcome, PairSave::Outcome::Saved) << r.what;
        EXPECT_EQ(!saved.pay.moved_aside.isEmpty(), r.moved_aside) << r.what;
        EXPECT_EQ(saved.pay.moved_aside.startsWith(aside), r.moved_aside) << r.what;
        EXPECT_EQ(paid_after_read(*book), 200) << r.what;
        EXPECT_EQ(QFileInfo(path(kPay)).isSymLink(), r.link_stays) << r.what;
        if (r.link_stays) {
            EXPECT_EQ(named_book(read_bytes(kPay)), book_id_of(read_bytes(kHrm))) << r.what;
            EXPECT_FALSE(QFileInfo(path(kPayBak)).isSymLink()) << r.what;
            EXPECT_EQ(read_bytes(kPayBak), payments_text(*book_of(1))) << r.what;
        }
        if (QByteArray(r.what) == "one bad line") {
            EXPECT_EQ(read_bytes(saved.pay.moved_aside), damaged) << r.what;
        }
        // A second save keeps the record it wrote as the copy; what was
        // moved aside stays.
        EXPECT_EQ(save_book(*book).outcome, PairSave::Outcome::Saved) << r.what;
        if (r.moved_aside) {
            EXPECT_TRUE(entry_exists(path(saved.pay.moved_aside))) << r.what;
        }
    }
}

// 前の保存に戻す: the pair before, put back as one; again, and it goes forward.
TEST_F(PairSaveTest, PreviousSaveThereAndBack) {
    EXPECT_EQ(look_at_previous_save().state, PreviousSave::State::Missing);
    const auto first = book_of(1), second = book_of(2);
    ASSERT_EQ(save_book(*first).outcome, PairSave::Outcome::Saved);
    ASSERT_EQ(save_book(*second).outcome, PairSave::Outcome::Saved);
    const QByteArray hrm1 = hrm_bytes(*first), hrm2 = hrm_bytes(*second);

    for (const auto& [hrm, paid] : {std::pair{hrm1, 100}, std::pair{hrm2, 200}}) {
        const PreviousSave previous = look_at_previous_save();
        ASSERT_EQ(previous.state, PreviousSave::State::Ready);
        EXPECT_TRUE(previous.saved.isValid());
        ASSERT_EQ(put_back_previous_save(previous).outcome, PairSave::Outcome::Saved);
        EXPECT_EQ(read_bytes(kHrm), hrm);
        EXPECT_EQ(paid_after_read(*first), paid);
        EXPECT_EQ(named_book(read_bytes(kPay)), book_id_of(hrm));
    }

    // A copy of the payments saved with another book is not put back half.
    write_bytes(kPayBak, payments_text(*first, book_id_of("another book")));
    EXPECT_EQ(look_at_previous_save().state, PreviousSave::State::PaymentsApart);
    // A book saved before it had payments: the record goes empty with it.
    QFile::remove(path(kPayBak));
    const PreviousSave previous = look_at_previous_save();
    ASSERT_EQ(previous.state, PreviousSave::State::Ready);
    ASSERT_EQ(put_back_previous_save(previous).outcome, PairSave::Outcome::Saved);
    EXPECT_EQ(paid_after_read(*first), -1);
    EXPECT_EQ(read_bytes(kHrm), hrm1);
}

// Each close carries a title of its own, and the carried item is known as
// one (the year's totals count it once).
TEST(CarryTitle, UniquePerClose) {
    auto book = book_of(1);
    book->komoku_mode[0] = 0;
    book->member_kingaku[0][0] = 500;
    struct Row {
        QString period;
        int number;
        QString title;
    };
    const Row rows[] = {
        {QStringLiteral("2026-12"), 1, QStringLiteral("前期未収2026-12")},
        {QStringLiteral("2026-12"), 2, QStringLiteral("前期未収2026-12-2")},
        {QStringLiteral("令和八年十二月分"), 1, QStringLiteral("前期未収令和八年十二")},
        {QStringLiteral("令和八年十二月分"), 12, QStringLiteral("前期未収令和八年-12")},
    };
    for (const Row& r : rows) {
        const CarryOver carry = carry_over_of(*book, r.period, r.number);
        EXPECT_EQ(carry.title, r.title) << qPrintable(r.period) << r.number;
        EXPECT_TRUE(is_carried_item(carry.title));
    }
    EXPECT_FALSE(is_carried_item(QStringLiteral("忘年会")));
}

} // namespace
