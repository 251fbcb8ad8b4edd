#include "book/roster_placement.h"

#include "book/data_files.h"
#include "book/payments.h"
#include "book/text_rules.h"

#include <QHash>
#include <vector>

namespace {

// A name as the data file gives it back (a double quote full-width, a wave
// dash folded, blanks at the ends gone): a name typed or read in and not yet
// saved matches the same name read back after a save.
QString as_read(const QString& name) {
    return trim_blanks(stored_text(name));
}

} // namespace

RosterPlacement place_roster(const Book& book, std::vector<RosterLine>& lines) {
    RosterPlacement placement;
    std::array<bool, kMembers> matched{};
    for (int i = 0; i < kMembers; ++i) placement.from[i] = i;
    // The named rows by name, top first: a file of many lines looks each up
    // once instead of going through the roster for every line.
    QHash<QString, std::vector<int>> rows_named;
    for (int i = kMembers - 1; i >= 0; --i)
        if (!is_blank(book.member_name[i])) rows_named[as_read(book.member_name[i])].push_back(i);

    for (RosterLine& line : lines) {
        line.slot = -1;
        line.kept = false;
        line.flags &= ~unsigned(kRosterNoRoom);
        if (!line.taken()) continue;
        const auto it = rows_named.find(as_read(line.name));
        if (it == rows_named.end() || it->empty()) continue;
        const int i = it->back();
        it->pop_back();
        matched[size_t(i)] = true;
        line.slot = i;
        line.kept = true;
    }
    int next = 0;
    for (RosterLine& line : lines) {
        if (!line.taken() || line.kept) continue;
        while (next < kMembers && !is_blank(book.member_name[next])) ++next;
        if (next == kMembers) {
            line.flags |= kRosterNoRoom;
            continue;
        }
        line.slot = next;
        placement.from[next] = -1;
        placement.filled.push_back(next);
        placement.names.push_back(line.name);
        ++next;
    }
    for (int i = 0; i < kMembers; ++i)
        if (!matched[i] && !is_blank(book.member_name[i])) placement.missing.push_back(i);
    return placement;
}

RosterUndo apply_roster(Book& book, const RosterPlacement& placement) {
    int rows_set_aside = 0;
    qint64 amount_set_aside = 0;
    // A row without a name may still hold money received before its name
    // went: it is set aside, never handed to the person the file names.
    for (int slot : placement.filled)
        if (member_has_payments(book, slot)) {
            ++rows_set_aside;
            amount_set_aside += set_aside_member_payments(book, slot, book.member_name[slot]);
        }
    RosterUndo undo{MemberRows(book), placement.filled, placement.names};
    undo.set_aside_rows = rows_set_aside;
    undo.set_aside = amount_set_aside;
    move_members(book, placement.from);
    for (size_t k = 0; k < placement.filled.size(); ++k)
        book.member_name[placement.filled[k]] = placement.names[k];
    return undo;
}

bool roster_names_unchanged(const Book& book, const RosterUndo& undo) {
    for (size_t k = 0; k < undo.filled.size(); ++k)
        if (book.member_name[undo.filled[k]] != undo.names[k]) return false;
    return true;
}

int roster_rows_in_use(const Book& book, const RosterUndo& undo) {
    int used = 0;
    for (int slot : undo.filled) {
        bool any = false;
        for (int j = 0; j < kItems && !any; ++j)
            any = book.mark[slot][j] != 0 || book.member_kingaku[slot][j] != 0 ||
                  book.payments.cell[slot][j].recorded();
        used += any ? 1 : 0;
    }
    return used;
}

bool undo_roster(Book& book, const RosterUndo& undo) {
    if (!roster_names_unchanged(book, undo)) return false;
    for (int slot : undo.filled) undo.rows.put(book, slot, slot);
    return true;
}

std::array<QString, kMembers> place_pasted(const std::array<QString, kMembers>& names, int first,
                                           std::vector<RosterLine>& lines) {
    std::array<QString, kMembers> out = names;
    int next = std::max(first, 0);
    for (RosterLine& line : lines) {
        line.slot = -1;
        if (!line.taken()) continue;
        if (next >= kMembers) {
            line.flags |= kRosterNoRoom;
            continue;
        }
        bool elsewhere = false;
        for (int i = 0; i < kMembers && !elsewhere; ++i)
            elsewhere = i != next && as_read(out[i]) == as_read(line.name);
        if (elsewhere) {
            line.flags |= kRosterDuplicate;
            continue;
        }
        out[next] = line.name;
        line.slot = next++;
    }
    return out;
}
