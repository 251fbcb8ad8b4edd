#pragma once
// ファイル → 前の保存に戻す: puts back the save before the last one (the book
// and its payments as one pair) after a question naming when it was saved;
// the current pair becomes the safety copy, so doing it again goes forward.

class frmTavu;

namespace app {

void restore_previous_save(frmTavu& w);

} // namespace app
