#pragma once
// 印刷プレビュー and 印刷先の選択 as a feature of their own: under 印刷, the
// preview of 帳票, 個別 and セレクト (the preview menu, which the other
// reports join) and the printer choice.

#include "book/book.h"
#include "ui/printer.h"

#include <QObject>
#include <QString>
#include <functional>

class frmTavu;
class PrintPreview;
class QAction;
class QMenu;

namespace print {

class PreviewFeature : public QObject {
    Q_OBJECT
public:
    // Adds its entries to the print menu of `sheet` (a child of it).
    explicit PreviewFeature(frmTavu& sheet);

    QMenu* print_preview = nullptr; // 印刷プレビュー, which other reports join
    QAction* preview_thohyo = nullptr;
    QAction* preview_kobetu = nullptr;
    QAction* preview_select = nullptr;
    QAction* print_to = nullptr; // 印刷先の選択…

    void preview_thohyo_Click();
    void preview_kobetu_Click();
    void preview_select_Click(); // the selection dialog's 確定 opens the preview
    void print_to_Click();

private:
    frmTavu& w;
};

} // namespace print

// Opens the preview, beside `sheet`, of what `draw` draws of its book as it
// is now; any report's drawing function will do. Its 印刷 first asks what
// the report's print command asks (`check`: false stops it).
PrintPreview* open_preview(frmTavu& sheet, const QString& title, const QString& report,
                           const std::function<void(Book&, ui::Printer&)>& draw,
                           std::function<bool()> check);
