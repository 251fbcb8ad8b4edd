#pragma once
// 印刷先の選択: the print service's printers, the default one first, and "PDF
// ファイル"; the choice is remembered (ui/print_destination.h) and used by
// every print command until changed.

#include "ui/print_destination.h"

#include <QDialog>
#include <vector>

class QLabel;
class QListWidget;

class PrinterChoice : public QDialog {
    Q_OBJECT
public:
    explicit PrinterChoice(QWidget* parent = nullptr);

    QListWidget* lstPrinter = nullptr;
    QLabel* lblNote = nullptr; // why no printer is listed, when none is

    // The destination of each row of lstPrinter.
    std::vector<ui::Destination> rows;

    void accept() override; // keeps the selected row's destination
};
