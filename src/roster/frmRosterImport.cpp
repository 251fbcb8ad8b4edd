#include "roster/frmRosterImport.h"

#include "book/text_rules.h"
#include "ui/fonts.h"
#include "ui/roster_line_note.h"
#include "ui/screen.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr quint32 kRefusedColor = 0x0000FF; // red: the line gives no name
constexpr quint32 kCutColor = 0x0060C0;     // brown: the name is taken, cut
constexpr int kLinesShown = 1000;           // lines of the file in the table
constexpr int kColumnsOffered = 100;        // columns offered as the names column

QColor color_of(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int(bgr >> 8 & 0xFF), int(bgr >> 16 & 0xFF));
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

frmRosterImport::frmRosterImport(const Book& book, const QByteArray& bytes,
                                 const QString& file_name, QWidget* parent)
    : QDialog(parent), book_(book), bytes_(bytes) {
    setObjectName(QStringLiteral("frmRosterImport"));
    setWindowTitle(QStringLiteral("名簿の読み込み － %1").arg(file_name));
    setFont(ui::gothic_font(9.75));

    cboEncoding = new QComboBox(this);
    cboEncoding->addItem(QStringLiteral("UTF-8"), int(RosterEncoding::Utf8));
    cboEncoding->addItem(QStringLiteral("UTF-16"), int(RosterEncoding::Utf16));
    cboEncoding->addItem(QStringLiteral("シフトJIS（CP932）"), int(RosterEncoding::Cp932));
    cboFormat = new QComboBox(this);
    cboFormat->addItem(QStringLiteral("CSV（カンマ区切り）"), int(RosterFormat::Csv));
    cboFormat->addItem(QStringLiteral("タブ区切り"), int(RosterFormat::Tsv));
    cboFormat->addItem(QStringLiteral("１行に １人"), int(RosterFormat::Lines));
    cboEncoding->setToolTip(QStringLiteral("字が 化けてたら ここを 変えてみてや"));
    cboColumn = new QComboBox(this);
    cboColumn->setToolTip(QStringLiteral("名前と ちゃう 列が 出てたら ここで 選んでや"));

    grdLines = new QTableWidget(0, kColumns, this);
    grdLines->setHorizontalHeaderLabels({QStringLiteral("行"), QStringLiteral("名前"),
                                         QStringLiteral("入る番号"), QStringLiteral("ひとこと")});
    grdLines->verticalHeader()->hide();
    grdLines->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLines->horizontalHeader()->setStretchLastSection(true);

    lblSummary = new QLabel(this);
    lblMissing = new QLabel(this);
    lblMissing->setWordWrap(true);
    cmdOk = new QPushButton(QStringLiteral("読み込む(&I)"), this);
    cmdCancel = new QPushButton(QStringLiteral("やめとく(&C)"), this);
    cmdOk->setDefault(true);

    auto* choices = new QHBoxLayout;
    // Each caption names its box for a screen reader.
    const std::pair<const char*, QComboBox*> captioned[] = {
        {"文字コード(&E)", cboEncoding}, {"形式(&F)", cboFormat}, {"名前の列(&N)", cboColumn}};
    for (const auto& [caption, box] : captioned) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(box);
        if (box != cboEncoding) choices->addSpacing(16);
        choices->addWidget(label);
        choices->addWidget(box);
    }
    choices->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(grdLines, 1);
    layout->addWidget(lblSummary);
    layout->addWidget(lblMissing);
    layout->addLayout(buttons);
    grdLines->setAccessibleName(QStringLiteral("読み込む名前の表"));
    // Tab leaves the table; the arrows move inside it.
    grdLines->setTabKeyNavigation(false);
    // Beside the sheet, no taller than the screen: the table scrolls.
    ui::place_beside(this, parent, QSize(640, 560));

    file_ = read_roster(bytes_);
    placement_ = place_roster(book_, file_.lines);
    cboEncoding->setCurrentIndex(cboEncoding->findData(int(file_.encoding)));
    cboFormat->setCurrentIndex(cboFormat->findData(int(file_.format)));
    fill();

    connect(cboEncoding, &QComboBox::currentIndexChanged, this, &frmRosterImport::reread);
    connect(cboFormat, &QComboBox::currentIndexChanged, this, &frmRosterImport::reread);
    connect(cboColumn, &QComboBox::currentIndexChanged, this, &frmRosterImport::reread_column);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmRosterImport::reread() {
    read({});
}

void frmRosterImport::reread_column() {
    if (cboColumn->currentIndex() >= 0) read(cboColumn->currentData().toInt());
}

void frmRosterImport::read(std::optional<int> column) {
    file_ = read_roster(bytes_, RosterEncoding(cboEncoding->currentData().toInt()),
                        RosterFormat(cboFormat->currentData().toInt()), column);
    placement_ = place_roster(book_, file_.lines);
    fill();
}

void frmRosterImport::fill() {
    {
        // Another encoding or format can make other columns.
        const QSignalBlocker quiet(cboColumn);
        cboColumn->clear();
        // A file of thousands of columns is no roster to pick among: the
        // first ones, and the one read, are offered.
        for (int c = 0; c < file_.column_titles.size(); ++c) {
            if (c >= kColumnsOffered && c != file_.column) continue;
            QString title = file_.column_titles[c];
            if (title.size() > 12) title = title.left(11) + u'…';
            cboColumn->addItem(QStringLiteral("%1列目「%2」").arg(c + 1).arg(title), c);
        }
        cboColumn->setCurrentIndex(cboColumn->findData(file_.column));
        cboColumn->setEnabled(cboColumn->count() > 1);
    }

    // The table shows the first lines; the summary counts them all. No
    // roster needs more, and a huge file then opens as fast as a small one.
    const int shown = std::min(int(file_.lines.size()), kLinesShown);
    const bool more = shown < int(file_.lines.size());
    grdLines->clearSpans();
    grdLines->setRowCount(shown + (more ? 1 : 0));
    int kept = 0, refused = 0;
    for (const RosterLine& line : file_.lines) {
        kept += line.kept ? 1 : 0;
        refused += line.taken() ? 0 : 1;
    }
    if (more) {
        grdLines->setSpan(shown, 0, 1, kColumns);
        grdLines->setItem(shown, 0,
                          cell(QStringLiteral("…ほか %1行 (表に 出すのは 最初の %2行 だけや)")
                                   .arg(file_.lines.size() - size_t(shown))
                                   .arg(shown)));
    }
    for (int r = 0; r < shown; ++r) {
        const RosterLine& line = file_.lines[size_t(r)];
        grdLines->setItem(r, kLine, cell(QString::number(line.line)));
        grdLines->setItem(r, kName, cell(line.taken() ? line.name : line.text));
        grdLines->setItem(
            r, kRow, cell(line.slot < 0 ? QStringLiteral("－") : QString::number(line.slot + 1)));
        grdLines->setItem(r, kNote, cell(roster_line_note(line)));
        const quint32 color = !line.taken()                   ? kRefusedColor
                              : (line.flags & kRosterTooLong) ? kCutColor
                                                              : 0;
        if (color != 0)
            for (int c = 0; c < kColumns; ++c) grdLines->item(r, c)->setForeground(color_of(color));
    }
    for (int c = 0; c < kNote; ++c) grdLines->resizeColumnToContents(c); // the note stretches

    const int added = int(placement_.filled.size());
    lblSummary->setText(
        QStringLiteral("新しく 入る人 %1人、もう おってはる人 %2人、入れへん行 %3行")
            .arg(added)
            .arg(kept)
            .arg(refused));
    if (placement_.missing.empty()) {
        lblMissing->setText(QString());
    } else {
        // A roster of others stays readable: the first ones, then how many more.
        constexpr size_t kShown = 24;
        QStringList names;
        for (size_t k = 0; k < placement_.missing.size() && k < kShown; ++k) {
            const int slot = placement_.missing[k];
            names << QStringLiteral("%1 %2").arg(slot + 1).arg(
                trim_blanks(book_.member_name[size_t(slot)]));
        }
        if (placement_.missing.size() > kShown)
            names << QStringLiteral("ほか %1人").arg(placement_.missing.size() - kShown);
        lblMissing->setText(QStringLiteral("ファイルに おらへん人（消さへんで）：") +
                            names.join(QStringLiteral("、")));
    }
    cmdOk->setEnabled(added > 0);
}
