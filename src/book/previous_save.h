#pragma once
// ファイル → 前の保存に戻す: the save before the last one, "allitem.bak" with
// its payments "allitem.pay.bak", put back as one save. The current pair
// becomes the safety copy in its turn, so doing it again goes forward.

#include "book/pair_save.h"

#include <QDateTime>

struct PreviousSave {
    enum class State {
        Ready,        // the pair can be put back
        Missing,      // no "allitem.bak"
        Unreadable,   // "allitem.bak" is no book that reads whole
        PaymentsApart // "allitem.pay.bak" was saved with another book
    };
    State state = State::Missing;
    QDateTime saved;            // when "allitem.bak" was saved
    QByteArray book_bytes;      // "allitem.bak" as it lies (pair-swapped)
    QByteArray payments;        // its payments; empty when it had none
    bool payments_file = false; // "allitem.pay" is there and must be replaced too
};

// Looks at the previous save without changing anything.
PreviousSave look_at_previous_save();

// Puts it back as one save (pair_save.h); `may_replace` as for save_pair.
PairSave put_back_previous_save(const PreviousSave& previous,
                                const std::function<bool()>& may_replace = {});
