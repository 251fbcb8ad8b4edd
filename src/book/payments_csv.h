#pragma once
// The payments record as a table for spreadsheets, in the conventions of the
// book's table (book/csv_table.h: byte-order mark, CR LF, quoting, texts that
// would start a formula written with a "'"):
//
//   期間,<period>,担当,<person in charge>
//   番号,名前,項目,請求,受取,残り,受取日,状態,充当
//   <member number>,<name>,<item title>,<owed>,<received>,<open>,<date>,<state>,<covered>
//   ...one row per member and item that owes or has received anything...
//   ,合計,,<owed>,<received>,<open>,,,<covered>
//
// Rows run by member, then by item. Amounts are plain whole yen, 0 an empty
// field; the date reads 2026/12/08; the state is the cell's own: 済, 一部,
// 過払い or 未. 残り and 充当 follow book/balance.h: what is still to come
// for the item, and the part of it settled by the member's excess on other
// items, so the 残り column adds up to what the unpaid list says is owed.
// What is owed is what the statements charge, so no print run is needed
// before.

#include "book/book.h"

#include <QByteArray>

QByteArray payments_csv_text(const Book& book);
