#pragma once
// The record of payments kept with the book: what was received from each
// member for each item, and the entries of a payments file that could not be
// matched to the book. It lives in the Book, so the member and item shifts
// carry it with the marks and amounts.

#include <QDate>
#include <QString>
#include <array>
#include <vector>

// What was received from one member for one item. No payment: received 0.
struct Payment {
    qint64 received = 0;
    QDate date; // the day it was received

    bool recorded() const { return received != 0; }
    bool operator==(const Payment&) const = default;
};

// A payment as the payments file holds it: numbered from 1, with the name
// and the title it was recorded under.
struct PaymentEntry {
    int member = 0; // 1..96
    int item = 0;   // 1..20
    qint64 received = 0;
    QDate date;
    QString name, title;

    bool operator==(const PaymentEntry&) const = default;
};

struct PaymentRecord {
    std::array<std::array<Payment, 21>, 97> cell{}; // cell[member][item]
    // Entries of the file that did not match the book (another book's file,
    // a damaged line's neighbours, a name or title since changed). They are
    // never applied on their own: the user assigns or drops each.
    std::vector<PaymentEntry> set_aside;

    bool empty() const;
    bool operator==(const PaymentRecord&) const = default;
};
