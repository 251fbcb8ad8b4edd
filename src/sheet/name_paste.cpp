// Several names pasted into the name box at once (a column copied from a
// spreadsheet, a list from a mail): they fill the member rows from the one
// being edited down, checked as a roster file's lines are. What was cut or
// refused is told in one message.

#include "book/roster_import.h"
#include "book/roster_placement.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"
#include "ui/roster_line_note.h"

void frmTavu::txtName_Input_Paste(const QString& text) {
    const int first = book.name_no - 1;
    if (first < 0 || first >= kMembers) return;
    std::vector<RosterLine> lines = pasted_names(text);
    std::array<QString, kMembers> names;
    for (int i = 0; i < kMembers; ++i) names[i] = lbl1[i]->text();
    const std::array<QString, kMembers> placed = place_pasted(names, first, lines);

    int last = -1;
    for (const RosterLine& line : lines) {
        if (line.slot < 0) continue;
        lbl1[line.slot]->setText(placed[line.slot]);
        lbl1[line.slot]->show();
        last = line.slot;
    }
    clip_names(12);
    // The box shows the row's name, no longer the pasted lines.
    txtName_Input->setText(lbl1[first]->text());

    QStringList notes;
    for (const RosterLine& line : lines)
        if (line.flags != 0)
            notes << QStringLiteral("%1行目 「%2」 %3")
                         .arg(line.line)
                         .arg(line.taken() ? line.name : line.text, roster_line_note(line));
    if (!notes.isEmpty()) {
        constexpr qsizetype kShown = 12;
        if (notes.size() > kShown) {
            const qsizetype more = notes.size() - kShown;
            notes = notes.first(kShown);
            notes << QStringLiteral("ほか %1行").arg(more);
        }
        ui::msg_box(QStringLiteral("貼り付けた 名前、ちょっと 気ぃつけてや ！") + ui::kGap +
                        notes.join(QStringLiteral("\r\n")),
                    ui::Icon::Exclamation);
    }
    // On to the row after the last name, as Enter after each would have gone
    // (past member 96 the scroll bar steps back to 96).
    if (last >= 0) vsbName->setValue(last + 2);
    txtName_Input->setFocus();
}
