#include "ui/roster_line_note.h"

#include <QStringList>

QString roster_line_note(const RosterLine& line) {
    QStringList notes;
    if (line.flags & kRosterBlank) notes << QStringLiteral("空の行：とばすで");
    if (line.flags & kRosterUnencodable)
        notes << QStringLiteral("「%1」は 使えへん字や：入れへんで").arg(line.unencodable);
    if (line.flags & kRosterTooLong) notes << QStringLiteral("長すぎ：１２バイトで 切るで");
    if (line.flags & kRosterDuplicate) notes << QStringLiteral("同じ名前が 上にある：入れへんで");
    if (line.flags & kRosterNoRoom) notes << QStringLiteral("９６人で 満員や：入れへんで");
    if (notes.isEmpty() && line.kept) notes << QStringLiteral("もう おってはる：そのままや");
    return notes.join(QStringLiteral("　"));
}
