#pragma once
// Receipts (領収書) for what the members handed over: who gets one, for how
// much, for which items and on which day. Only money received counts: a
// refund paid out (a negative payment) is no receipt, and a member who
// handed over nothing gets none. An overpayment is receipted as received.

#include "book/book.h"

#include <QDate>
#include <QString>
#include <vector>

struct Receipt {
    int member = 0;         // 0..95
    qint64 amount = 0;      // what came in, more than 0
    std::vector<int> items; // the items it came in for, in item order
    QDate day;              // the day received; the last one when several
};

// The receipts of every named member (`member` -1) or of one, in member
// order: over the whole period, or only what came in on `day` when it is
// valid.
std::vector<Receipt> receipts(const Book& book, const QDate& day = {}, int member = -1);

// The amount as a receipt writes it: "¥12,300－".
QString receipt_amount_text(qint64 amount);

// The titles after 但し, joined by "、", as many as fit `max_bytes` code
// page 932 bytes, and " 他" when some had to be left out; a first title too
// long on its own is cut. Items without a title are not named.
QString receipt_items_text(const Book& book, const Receipt& receipt, int max_bytes);

// "2026年12月8日".
QString receipt_date_text(const QDate& day);
