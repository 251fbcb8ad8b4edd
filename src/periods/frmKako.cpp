#include "periods/frmKako.h"

#include "periods/past_periods_model.h"
#include "ui/fonts.h"
#include "ui/screen.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

frmKako::frmKako(std::vector<PastPeriod> periods, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmKako"));
    setWindowTitle(QStringLiteral("過去の期間"));
    setFont(ui::gothic_font(9.75));
    model = new PastPeriodsModel(std::move(periods), this);
    grdKako = new QTableView(this);
    grdKako->setModel(model);
    grdKako->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdKako->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdKako->verticalHeader()->hide();
    grdKako->resizeColumnsToContents();
    // Wide enough that every column shows without scrolling: a long period
    // or a damaged archive's note would otherwise push 残り out of sight.
    const int columns = grdKako->horizontalHeader()->length() + 2 * grdKako->frameWidth() +
                        grdKako->verticalScrollBar()->sizeHint().width();
    ui::place_beside(this, parent, QSize(std::clamp(columns + 40, 560, 1200), 420));
    grdKako->horizontalHeader()->setStretchLastSection(true);

    lblHint = new QLabel(QStringLiteral("年間集計は 選んだ 期間の 最初から 最後まで "
                                        "（選ばへんかったら 全部）で 作りまっせ。"),
                         this);
    lblHint->setWordWrap(true);
    chkIma = new QCheckBox(QStringLiteral("今の 期間も 入れる(&I)"), this);
    chkIma->setChecked(true);
    cmdOpen = new QPushButton(QStringLiteral("開いて 見る(&O)"), this);
    cmdOpen->setToolTip(
        QStringLiteral("選んだ 期間を 別の 窓で 見るだけ （書き換えは でけへんで）"));
    cmdPrint = new QPushButton(QStringLiteral("年間集計の 印刷(&P)"), this);
    cmdCsv = new QPushButton(QStringLiteral("年間集計の ＣＳＶ(&S)"), this);
    cmdClose = new QPushButton(QStringLiteral("閉じる(&C)"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkIma);
    buttons->addStretch();
    buttons->addWidget(cmdOpen);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdCsv);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdKako, 1);
    layout->addWidget(lblHint);
    layout->addLayout(buttons);

    grdKako->setAccessibleName(QStringLiteral("過去の期間の表"));
    // Tab leaves the table; the arrows move inside it.
    grdKako->setTabKeyNavigation(false);

    connect(cmdOpen, &QPushButton::clicked, this, [this] { choose(Action::Open); });
    connect(grdKako, &QTableView::doubleClicked, this, [this] { choose(Action::Open); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { choose(Action::Print); });
    connect(cmdCsv, &QPushButton::clicked, this, [this] { choose(Action::Csv); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void frmKako::choose(Action chosen_action) {
    action = chosen_action;
    accept();
}

std::vector<PastPeriod> frmKako::chosen() const {
    const std::vector<PastPeriod>& all = model->periods();
    int first = 0, last = int(all.size()) - 1;
    const QModelIndexList rows = grdKako->selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        first = int(all.size());
        last = -1;
        for (const QModelIndex& r : rows) {
            first = std::min(first, r.row());
            last = std::max(last, r.row());
        }
    }
    std::vector<PastPeriod> out;
    for (int r = last; r >= first; --r) out.push_back(all[size_t(r)]); // oldest first
    return out;
}

std::optional<PastPeriod> frmKako::current() const {
    const QModelIndex at = grdKako->currentIndex();
    if (!at.isValid()) return std::nullopt;
    return model->periods()[size_t(at.row())];
}
