// The help command: the bundled page covers the program's commands and shows
// in a window of its own, silently.
#include "app/help_window.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QImage>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

TEST(HelpPage, NamesEveryMenuCommandAndButton) {
    HelpWindow window;
    ASSERT_TRUE(window.load());
    const QString text = window.browser->toPlainText();
    for (const char* caption : {"ファイル",
                                "再読込",
                                "全体保存",
                                "ＣＳＶ出力",
                                "ＣＳＶ出力 (集金の記録)",
                                "名簿の読み込み",
                                "名簿の書き出し",
                                "名簿の読み込みを取り消す",
                                "新しい期間",
                                "過去の期間",
                                "終了",
                                "帳票の印刷",
                                "個別印刷",
                                "セレクト印刷",
                                "未収一覧",
                                "名前の編集",
                                "項目の並び替え",
                                "集金チェック",
                                "全マーク",
                                "全マークＯＦＦ",
                                "Ｔａｖｕのヘルプ",
                                "Ｎｅｘｔ",
                                "Ｂａｃｋ",
                                "Ｄｅｌ",
                                "割勘",
                                "任意",
                                "計算",
                                "インサート",
                                "デリート",
                                "終 了"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(caption))) << caption;
    }
    // The typical use, from names to statements, is walked through.
    EXPECT_TRUE(text.contains(QStringLiteral("1300")));
}

// Every picture the page shows is in the program.
TEST(HelpPage, PicturesAreBundled) {
    HelpWindow window;
    ASSERT_TRUE(window.load());
    int pictures = 0;
    for (QTextBlock block = window.browser->document()->begin(); block.isValid();
         block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat()) continue;
            ++pictures;
            const QString name = format.toImageFormat().name();
            // The browser hands over the file's bytes or an image.
            const QVariant data =
                window.browser->loadResource(QTextDocument::ImageResource, QUrl(name));
            const QImage image = data.typeId() == QMetaType::QImage
                                     ? data.value<QImage>()
                                     : QImage::fromData(data.toByteArray());
            EXPECT_FALSE(image.isNull()) << name.toStdString();
        }
    EXPECT_EQ(pictures, 1);
}

TEST(HelpCommand, ShowsOneWindowWithoutAnyMessage) {
    ui::MessageScript script;
    Book book;
    frmTavu form(book);
    form.tavu_help_Click();
    form.tavu_help_Click();
    const auto windows = form.findChildren<HelpWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_FALSE(windows.front()->isHidden());
    EXPECT_EQ(windows.front()->windowTitle(), QStringLiteral("Ｔａｖｕのヘルプ"));
    EXPECT_TRUE(script.shown.empty());
}
