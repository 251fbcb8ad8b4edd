#pragma once
// What a member still owes: the one rule that 集金チェック (残り, まだの人だけ),
// the unpaid list, the statements' 入金 / 残り line, the carry-over of 新しい期間
// and the payments CSV all follow.
//
// A member's debt is counted over the whole period: what the statements
// charge for all items, less everything received from the member. More than
// 0 is owed; 0 or less is settled (less than 0 is 過払い, money the organizer
// holds for the member). One member's money never settles another's debt.
//
// Each cell keeps its own state (済, 一部, 過払い, 未) as the fact of what came
// in for that item. Where the member paid more on one item than it charges
// (or is owed a refund not yet paid out), that covers the open amounts of
// the member's other items, in item order: the part so covered is the
// cell's 充当. After covering, an item is
// still open by owed - received - covered, and the member owes exactly the
// sum of those.

#include "book/book.h"
#include "book/payments.h"

#include <array>

struct ItemBalance {
    qint64 owed = 0, received = 0;
    PayState state = PayState::None; // the cell's own state
    qint64 covered = 0;              // open amount settled by an excess on another item
    // What is still to come for the item once covered (0 when settled).
    qint64 open() const;
};

struct MemberBalance {
    std::array<ItemBalance, kItems> item{};
    qint64 owed = 0, received = 0;
    qint64 net() const { return owed - received; }
    // What the member still owes: the net when above 0, else 0.
    qint64 still_owed() const { return net() > 0 ? net() : 0; }
    // What the member paid beyond all charges (過払い), else 0.
    qint64 excess() const { return net() < 0 ? -net() : 0; }
    bool owes() const { return still_owed() > 0; }
};

MemberBalance member_balance(const Book& book, int m);

// member_balance(book, m).still_owed(), without the items.
qint64 still_owed(const Book& book, int m);
// The sum of still_owed over the members: what the period still has to
// collect.
qint64 period_still_owed(const Book& book);
