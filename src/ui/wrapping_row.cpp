#include "ui/wrapping_row.h"

#include <QEvent>
#include <QWidget>

namespace ui {

namespace {

class Wrapper : public QObject {
public:
    Wrapper(QWidget* window, QBoxLayout* row) : QObject(window), window_(window), row_(row) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Resize) wrap();
        return false;
    }

private:
    void wrap() {
        QLayout* page = window_->layout();
        if (!page) return;
        if (!least_set_) {
            least_set_ = true;
            // As small as two lines allow, not as one line would hold it.
            row_->setDirection(QBoxLayout::TopToBottom);
            window_->setMinimumSize(page->minimumSize());
        }
        const QMargins margins = page->contentsMargins();
        int one_line = margins.left() + margins.right() + row_->spacing();
        for (int i = 0; i < row_->count(); ++i) one_line += row_->itemAt(i)->sizeHint().width();
        row_->setDirection(window_->width() >= one_line ? QBoxLayout::LeftToRight
                                                        : QBoxLayout::TopToBottom);
    }

    QWidget* window_;
    QBoxLayout* row_;
    bool least_set_ = false;
};

} // namespace

QBoxLayout* wrapping_row(QWidget* window, QLayout* first, QLayout* second) {
    auto* row = new QBoxLayout(QBoxLayout::TopToBottom);
    row->addLayout(first);
    row->addLayout(second, 1);
    new Wrapper(window, row);
    return row;
}

} // namespace ui
