#pragma once
// frmRosterImport: the preview of 名簿の読み込み. Before anything changes it
// shows each line of the file with the name the roster would hold, the row it
// takes and what is wrong with it, and the members the file does not name.
// The encoding, the format and the names column it guessed can be changed;
// the lines are read again at once. The book is only read here: the caller places the names
// when the dialog is accepted.
//
// State: the file's bytes, the lines as last read and their placement.

#include "book/book.h"
#include "book/roster_placement.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class frmRosterImport : public QDialog {
    Q_OBJECT
public:
    frmRosterImport(const Book& book, const QByteArray& bytes, const QString& file_name,
                    QWidget* parent = nullptr);

    enum Column { kLine, kName, kRow, kNote, kColumns };

    QComboBox* cboEncoding = nullptr;
    QComboBox* cboFormat = nullptr;
    QComboBox* cboColumn = nullptr; // the names column: 1列目「番号」, 2列目「氏名」…
    QTableWidget* grdLines = nullptr;
    QLabel* lblSummary = nullptr;
    QLabel* lblMissing = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;

    const RosterFile& file() const { return file_; }
    const RosterPlacement& placement() const { return placement_; }

    // Reads the bytes again with the encoding and format chosen, the names
    // column found anew.
    void reread();
    // Reads the bytes again taking the names from the column chosen.
    void reread_column();

private:
    void read(std::optional<int> column);
    void fill();

    const Book& book_;
    QByteArray bytes_;
    RosterFile file_;
    RosterPlacement placement_;
};
