// The document of the open book: the windows that show the book hear when it
// changed, went to disk or was read again, and only then; a save that did not
// happen is no "saved", a reload the user called off no "reloaded".
#include "app/features.h"
#include "book/book_document.h"
#include "book/data_files.h"
#include "payments/frmSyukin.h"
#include "sheet/frmTavu.h"
#include "support/temp_workdir.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <functional>
#include <memory>

class DocumentTest : public TempWorkdir {
protected:
    void SetUp() override {
        TempWorkdir::SetUp();
        document = std::make_unique<BookDocument>(book, QDir::currentPath());
        w = std::make_unique<frmTavu>(*document);
        app::attach_features(*w);
        w->Form_Load();
        w->show();
        for (int i = 0; i < 3; ++i) {
            w->lbl1[i]->setText(QStringLiteral("人%1").arg(i));
            w->chk1[i]->setText(QStringLiteral("人%1").arg(i));
        }
        script.shown.clear();
    }
    void TearDown() override {
        w.reset();
        document.reset();
        TempWorkdir::TearDown();
    }

public:
    Book book;
    ui::MessageScript script;
    std::unique_ptr<BookDocument> document;
    std::unique_ptr<frmTavu> w;
};

TEST_F(DocumentTest, TellsChangesSavesAndReloadsAsTheyHappen) {
    struct Case {
        const char* what;
        std::function<void(DocumentTest&)> before; // unheard
        std::function<void(DocumentTest&)> act;
        int changed; // 1: heard, 0: not, -1: either
        int saved, reloaded;
    };
    auto save = [](DocumentTest& t) { t.w->file_all_hozon_Click(); };
    const Case cases[] = {
        {"paging", nullptr, [](DocumentTest& t) { t.w->cmdNext_Click(); }, 1, 0, 0},
        {"a save", nullptr, save, -1, 1, 0},
        {"a save of a read-only book",
         [](DocumentTest& t) {
             t.w->write_guard = WriteGuard::read_only(WriteGuard::Reason::HeldByAnother);
         },
         save, 0, 0, 0},
        {"a save over another program's save",
         [](DocumentTest& t) {
             t.w->file_all_hozon_Click();
             Book other;
             other.komoku_name[0] = QStringLiteral("よそ");
             ASSERT_TRUE(is_written(dat_write(other)));
             ASSERT_TRUE(is_written(dat_to_hrm()));
         },
         save, -1, 0, 0},
        {"a reload", [](DocumentTest& t) { t.w->file_all_hozon_Click(); },
         [](DocumentTest& t) { t.w->data_reload_Click(); }, 1, 0, 1},
        {"a reload called off",
         [](DocumentTest& t) {
             t.w->file_all_hozon_Click();
             t.script.answer(ui::Answer::Cancel);
         },
         [](DocumentTest& t) { t.w->data_reload_Click(); }, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        for (const QString& file : files()) QFile::remove(path(file));
        SetUp();
        if (c.before) c.before(*this);
        QSignalSpy changed(document.get(), &BookDocument::changed);
        QSignalSpy saved(document.get(), &BookDocument::saved);
        QSignalSpy reloaded(document.get(), &BookDocument::reloaded);
        c.act(*this);
        if (c.changed != -1) {
            EXPECT_EQ(!changed.isEmpty(), c.changed == 1);
        }
        EXPECT_EQ(saved.size(), c.saved);
        EXPECT_EQ(reloaded.size(), c.reloaded);
    }
}

// The payments window shows the book the document holds: a reload under it
// is shown there at once.
TEST_F(DocumentTest, ThePaymentsWindowFollowsAReload) {
    w->file_all_hozon_Click();
    w->syukin_check->trigger();
    auto* payments = w->findChild<frmSyukin*>();
    ASSERT_NE(payments, nullptr);
    const int columns = payments->model.columnCount(); // one per titled item, and the sums

    Book other;
    for (int i = 0; i < 5; ++i) other.member_name[i] = QStringLiteral("別%1").arg(i);
    other.komoku_name[0] = QStringLiteral("歓迎会");
    other.komoku_name[1] = QStringLiteral("送別会");
    ASSERT_TRUE(is_written(dat_write(other)));
    ASSERT_TRUE(is_written(dat_to_hrm()));
    w->hrm_stamp = stamp_file(QStringLiteral("allitem.hrm"));
    w->data_reload_Click();
    EXPECT_EQ(payments->model.columnCount(), columns + 2);
}
