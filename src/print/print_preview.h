#pragma once
// The print preview: a report's pages on screen before paper. The document
// was drawn once by the report's own drawing function onto a
// ui::PreviewDocument; the pages shown, printed (印刷) and saved (PDF保存)
// are that document. Page thumbnails on the left, the page on the right;
// PageUp / PageDown / Home / End and the wheel (past the page's end) turn
// pages; the zoom fits the page, fits the width, or shows it at 100 %.

#include "ui/preview_document.h"

#include <QDialog>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;

class PrintPreview : public QDialog {
    Q_OBJECT
public:
    enum class Zoom { FitPage, FitWidth, Actual };

    // `report` names a saved PDF (plain ASCII, "summary"); `print` prints
    // the document as the print commands do.
    PrintPreview(QWidget* parent, const QString& title, const QString& report,
                 std::shared_ptr<const ui::PreviewDocument> document,
                 std::function<void(const ui::PreviewDocument&)> print);

    QListWidget* thumbnails = nullptr;
    QScrollArea* scroll = nullptr;
    QLabel* page_view = nullptr;
    QLabel* page_label = nullptr; // "3 / 8 ページ"
    QComboBox* zoom_box = nullptr;
    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdPdf = nullptr;
    QPushButton* cmdClose = nullptr;

    const ui::PreviewDocument& document() const { return *document_; }
    int current_page() const { return page_; }
    void show_page(int page);
    void set_zoom(Zoom zoom);
    Zoom zoom() const { return zoom_; }
    // The resolution the page is shown at.
    int page_dpi() const { return dpi_; }
    // Writes the document to `path` as a PDF and tells the user.
    ui::PrintOutcome save_pdf_to(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setup_tools();
    void fill_thumbnails();
    void render_page();
    int fitting_dpi() const;
    void ask_and_save_pdf();

    QString report_;
    std::shared_ptr<const ui::PreviewDocument> document_;
    std::function<void(const ui::PreviewDocument&)> print_;
    int page_ = -1;
    int dpi_ = 0;
    Zoom zoom_ = Zoom::FitPage;
};
