#pragma once
// The collection book: every table and scalar of one period's collection,
// sized as the book is (members 0..96, items 0..20; slot 96 and slot 20 are
// spares that stay empty). One Book is created in main and handed by
// reference to every window; the windows read and write it directly.

#include "book/payment_record.h"

#include <QString>
#include <array>

struct Book {
    std::array<QString, 97> member_name, name_before; // per member
    std::array<qint16, 97> name_changed{}, print_mark{};
    // Print sums are 64-bit: 20 amounts of 32 bits, or 96, can leave 32 bits.
    std::array<qint64, 97> print_total{}, print_total1{}, print_total2{};
    std::array<QString, 21> komoku_name, print_komoku_name, sort_komoku_name; // per item
    std::array<qint16, 21> komoku_mode{}, komoku_nin{}, sort_order{};
    std::array<qint32, 21> komoku_kingaku{}, komoku_sogaku{};
    std::array<qint64, 21> print_komoku_total{};
    std::array<std::array<qint16, 21>, 97> mark{}; // mark[member][item]
    std::array<std::array<qint32, 21>, 97> member_kingaku{}, print_charge{};
    QString nengetu, motojime;
    qint16 cur_komoku = 0, hozon_flag = 0, name_mode = 0, name_no = 0;
    // Who has paid what; kept in "allitem.pay" beside the data file.
    PaymentRecord payments;
};

inline constexpr int kMembers = 96; // member slots 0..95 in use
inline constexpr int kItems = 20;   // item slots 0..19 in use
