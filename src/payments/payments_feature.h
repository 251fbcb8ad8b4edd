#pragma once
// 集金チェック as a feature of its own: the payments window over the open
// book, opened from the sheet's menu once the sheet is committed, kept
// while the sheet lives and shown again from the document when the book
// changes.

#include <QObject>

class frmSyukin;
class frmTavu;

namespace payments {

class PaymentsFeature : public QObject {
    Q_OBJECT
public:
    // Serves `sheet` (a child of it): its document, its write guard.
    explicit PaymentsFeature(frmTavu& sheet);

    // 集金チェック: commits the sheet, then shows the window.
    void open();
    // Null until first opened.
    frmSyukin* window() const { return window_; }

private:
    frmTavu& sheet_;
    frmSyukin* window_ = nullptr;
};

} // namespace payments
