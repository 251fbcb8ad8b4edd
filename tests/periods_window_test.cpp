// 過去の期間 as the user meets it: the list of closed periods (a damaged one
// said so), and the year's totals of a chosen run of them with the current
// period, as CSV and on paper.
#include "book/data_files.h"
#include "book/print_rules.h"
#include "periods/frmKako.h"
#include "periods/past_periods_model.h"
#include "support/roster_fixture.h"
#include "ui/modal.h"
#include "ui/print_recorder.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTableView>

namespace {

void archive(const QString& name, const QByteArray& bytes, int minute) {
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("kako/") + name));
    QFile f(QStringLiteral("kako/%1/allitem.hrm").arg(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.flush();
    f.setFileTime(QDateTime(QDate(2026, 12, 1), QTime(12, minute)),
                  QFileDevice::FileModificationTime);
}

QByteArray owing(const QString& period, const QStringList& members) {
    Book b;
    b.nengetu = period;
    b.komoku_name[0] = QStringLiteral("会費");
    for (int i = 0; i < members.size(); ++i) {
        const QStringList parts = members[i].split(u':');
        b.member_name[i] = parts[0];
        b.member_kingaku[i][0] = parts[1].toInt();
    }
    return pair_swap(data_text(b));
}

class PeriodsWindow : public RosterTest {
protected:
    void SetUp() override {
        RosterTest::SetUp();
        archive("2026-10", owing("2026年10月", {"山田:1000", "佐藤:500"}), 1);
        archive("broken", "\"cut", 2);
        archive("2026-11", owing("2026年11月", {"山田:700", "伊藤:300"}), 3);
        // 山田 paid 400 of 700 in 2026-11; 2026-10's payments cannot be read.
        write_bytes("kako/2026-11/allitem.pay",
                    "tavu-payments 1\nP\t1\t1\t400\t2026-11-05\t山田\t会費\n");
        write_bytes("kako/2026-10/allitem.pay", "not a payments file\n");
        // 2026-09 holds another book's payments file: its names are not the book's.
        archive("2026-09", owing("2026年9月", {"山田:800"}), 0);
        write_bytes("kako/2026-09/allitem.pay",
                    "tavu-payments 1\nP\t1\t1\t800\t2026-09-05\t鈴木\t会費\n");
        book.nengetu = QStringLiteral("2026年12月");
        book.member_name[0] = QStringLiteral("伊藤");
        book.komoku_name[0] = QStringLiteral("会費");
        book.komoku_kingaku[0] = 50; // 割勘, as start-up makes every item before reading
        book.mark[0][0] = 1;
        open();
    }

    // Opens 過去の期間 from the menu; `act` works the window until it closes.
    void in_kako(const std::function<void(frmKako&)>& act) {
        ui::ModalScript answer([&](QDialog& d) {
            auto& kako = dynamic_cast<frmKako&>(d);
            act(kako);
            return kako.result();
        });
        form->file_kako->trigger();
    }
    static QByteArray written_csv() {
        const QStringList written = QDir().entryList({"periods-*.csv"});
        EXPECT_EQ(written.size(), 1);
        QFile csv(written.value(0));
        return csv.open(QIODevice::ReadOnly) ? csv.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(PeriodsWindow, ListedAndTotalledAsCsv) {
    QStringList rows;
    in_kako([&](frmKako& kako) {
        for (int r = 0; r < kako.model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < PastPeriodsModel::kColumns; ++c)
                cells << kako.model->index(r, c).data().toString();
            rows << cells.join(u'|');
        }
        // Every column in sight, a damaged archive's note and all.
        kako.show();
        QApplication::processEvents();
        EXPECT_LE(kako.grdKako->horizontalHeader()->length(), kako.grdKako->viewport()->width());
        // The newest two: the damaged one is left out, the current one added.
        kako.grdKako->selectRow(0);
        kako.grdKako->selectionModel()->select(
            kako.model->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        kako.cmdCsv->click();
    });

    EXPECT_EQ(rows, QStringList({"2026年11月|2026/12/01 12:03|2人|1,000円|400円|600円",
                                 "broken（こわれてて 読まれへん）|2026/12/01 12:02||||",
                                 "2026年10月|2026/12/01 12:01|2人|1,500円|読まれへん|読まれへん",
                                 "2026年9月|2026/12/01 12:00|1人|800円|読まれへん|読まれへん"}));
    ASSERT_EQ(texts().size(), 2u);
    EXPECT_EQ(texts()[0], QStringLiteral("読まれへん 期間は 抜いとくで ！\r\n\r\nkako/broken"));
    // What remained, beside the periods that kept payments.
    EXPECT_EQ(written_csv(),
              QByteArray("\xEF\xBB\xBF名前,2026年11月,2026年11月 残り,2026年12月,合計,残り合計\r\n"
                         "山田,700,300,,700,300\r\n"
                         "伊藤,300,300,50,350,300\r\n"
                         "合計,1000,600,50,1050,600\r\n"));
}

TEST_F(PeriodsWindow, AllPeriodsOnPaper) {
    ui::PrinterCapture capture;
    in_kako([](frmKako& kako) {
        kako.chkIma->setChecked(false);
        kako.cmdPrint->click();
    });
    ASSERT_EQ(capture.documents.size(), 1u);
    const QStringList drawn = ui::drawn_pages(capture.documents[0]).front();
    EXPECT_TRUE(drawn.contains(QStringLiteral("text 15 18 11b 2026年9月 ～ 2026年11月")));
}

// Another book's payments are said when the archive opens, and claim no
// debts in the year's totals.
TEST_F(PeriodsWindow, AnotherBooksPaymentsAreNeverCounted) {
    for (const bool open : {true, false}) {
        in_kako([&](frmKako& kako) {
            kako.grdKako->setCurrentIndex(kako.model->index(3, 0));
            kako.grdKako->selectRow(3);
            kako.chkIma->setChecked(false);
            (open ? kako.cmdOpen : kako.cmdCsv)->click();
        });
        if (!open) continue;
        ASSERT_EQ(texts().size(), 1u);
        EXPECT_TRUE(texts()[0].startsWith(
            QStringLiteral("集金の 記録に、 名前か 項目が 帳面と 合わへんのが 1 件")));
    }
    EXPECT_EQ(written_csv(), QByteArray("\xEF\xBB\xBF名前,2026年9月,合計\r\n"
                                        "山田,800,800\r\n"
                                        "合計,800,800\r\n"));
}

TEST_F(PeriodsWindow, AnArchiveOpensBesideTheBookToLookAtOnly) {
    const QByteArray before = read_bytes("kako/2026-11/allitem.hrm");
    in_kako([](frmKako& kako) {
        kako.grdKako->setCurrentIndex(kako.model->index(0, 0));
        kako.cmdOpen->click();
    });
    const auto windows = form->findChildren<frmTavu*>();
    ASSERT_EQ(windows.size(), 1);
    frmTavu* past = windows[0];
    EXPECT_EQ(past->windowTitle(),
              QStringLiteral("過去の期間  2026年11月  【過去の期間：見るだけ】"));
    EXPECT_EQ(past->chk1[1]->text(), QStringLiteral("伊藤"));
    EXPECT_TRUE(past->file_end->isVisible() == false && past->data_reload->isVisible() == false);

    past->file_all_hozon_Click();
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_TRUE(texts()[0].startsWith(QStringLiteral("保存 は でけへんで ！")));
    script.shown.clear();
    past->txtKomoku->setText(QStringLiteral("書き換え"));
    past->txtKomoku_KeyPress(13);
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_TRUE(texts()[0].startsWith(QStringLiteral("項目の 書き換え は でけへんで ！")));
    EXPECT_EQ(past->book.komoku_name[0], QStringLiteral("会費"));
    script.shown.clear();
    past->txtNengetu->setText(QStringLiteral("書き換え")); // an edit: nothing to save
    QPointer<frmTavu> gone = past;
    past->close();
    QApplication::processEvents();
    EXPECT_TRUE(script.shown.empty());
    EXPECT_TRUE(gone.isNull());
    EXPECT_EQ(read_bytes("kako/2026-11/allitem.hrm"), before);
    EXPECT_EQ(book.nengetu, QStringLiteral("2026年12月")) << "the live book is untouched";
}
