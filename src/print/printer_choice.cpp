#include "print/printer_choice.h"
#include "ui/print_service.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PrinterChoice::PrinterChoice(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("印刷先の選択"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("どこに 出すか 選んでや：")));
    lstPrinter = new QListWidget;
    layout->addWidget(lstPrinter);
    lblNote = new QLabel;
    lblNote->setWordWrap(true);
    layout->addWidget(lblNote);

    using Kind = ui::Destination::Kind;
    const QString missing = ui::print_service::missing();
    const QString fallback = ui::print_service::default_destination();
    lstPrinter->addItem(fallback.isEmpty()
                            ? QStringLiteral("いつもの プリンタ（いまは 無いから PDF）")
                            : QStringLiteral("いつもの プリンタ（%1）").arg(fallback));
    rows.push_back({});
    const QStringList printers = ui::print_service::destinations();
    for (const QString& printer : printers) {
        lstPrinter->addItem(QStringLiteral("プリンタ「%1」").arg(printer));
        rows.push_back({Kind::Printer, printer});
    }
    // The printer chosen before, while the print service does not list it
    // (down for now, or the queue removed): shown as the choice it still is.
    const ui::Destination chosen = ui::chosen_destination();
    if (chosen.kind == Kind::Printer && !printers.contains(chosen.printer)) {
        lstPrinter->addItem(
            QStringLiteral("プリンタ「%1」（いまは 見つからへん）").arg(chosen.printer));
        rows.push_back(chosen);
    }
    lstPrinter->addItem(QStringLiteral("PDF ファイル（作業フォルダに）"));
    rows.push_back({Kind::PdfFile, {}});
    if (!missing.isEmpty())
        lblNote->setText(QStringLiteral("印刷の ライブラリ (libcups) が 見つからへんから、"
                                        "プリンタは 選ばれへん。（%1）")
                             .arg(missing));
    else if (printers.isEmpty())
        lblNote->setText(QStringLiteral("プリンタが 一台も 見つからへん。"));
    lblNote->setVisible(!lblNote->text().isEmpty());

    int row = 0;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i] == chosen) row = static_cast<int>(i);
    lstPrinter->setCurrentRow(row);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("ＯＫ"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("やめとく"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrinterChoice::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrinterChoice::reject);
    connect(lstPrinter, &QListWidget::itemDoubleClicked, this, &PrinterChoice::accept);
    resize(420, 300);
}

void PrinterChoice::accept() {
    const int row = lstPrinter->currentRow();
    if (row >= 0 && row < static_cast<int>(rows.size()))
        ui::choose_destination(rows[static_cast<size_t>(row)]);
    QDialog::accept();
}
