#pragma once
// 名簿の読み込み, its undo and 名簿の書き出し as a feature of their own: the
// roster from a spreadsheet's file through the preview frmRosterImport, and
// back out as CSV. The feature holds the last import until it is undone, and
// forgets it when the book it changed is gone: read again (再読込, 前の保存に
// 戻す) or closed (新しい期間), as its rows may be other people's by then.

#include "book/roster_placement.h"

#include <QObject>
#include <optional>

class frmTavu;

namespace roster {

class RosterFileFeature : public QObject {
    Q_OBJECT
public:
    // Serves `sheet` (a child of it) and listens to its document.
    explicit RosterFileFeature(frmTavu& sheet);

    void file_meibo_in_Click();
    void file_meibo_out_Click();
    void hensyu_meibo_undo_Click();
    // The import can no longer be taken back.
    void forget_roster_undo();

    // The last 名簿の読み込み, until undone or forgotten.
    const std::optional<RosterUndo>& roster_undo() const { return undo_; }

private:
    frmTavu& w;
    std::optional<RosterUndo> undo_;
};

} // namespace roster
