#include "ui/print_recorder.h"

#include <cmath>

namespace ui {

namespace {

void append_integer(QString& out, quint64 magnitude) {
    char16_t digits[20];
    int n = 0;
    do {
        digits[n++] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    while (n > 0) out += QChar(digits[--n]);
}

// Whole numbers and tenths (millimetres, and twips at 56.7 a millimetre)
// are written without the slower general formatting, which gives the same
// text; operations are built in one string. Layouts record thousands.
void append_coord(QString& out, double value) {
    const bool whole = value == std::floor(value) && std::fabs(value) < 1e15;
    qint64 tenths = whole ? qint64(value) * 10 : 0;
    if (!whole) {
        tenths = std::fabs(value) < 1e9 ? std::llround(value * 10) : 0;
        if (tenths == 0 || std::fabs(value - tenths / 10.0) > 1e-13 * std::fabs(value)) {
            out += QString::number(value, 'g', 12);
            return;
        }
    }
    if (tenths < 0) out += u'-';
    const quint64 magnitude = tenths < 0 ? quint64(0) - quint64(tenths) : quint64(tenths);
    append_integer(out, magnitude / 10);
    if (magnitude % 10 != 0) {
        out += u'.';
        out += QChar(char16_t(u'0' + magnitude % 10));
    }
}

QString four(const char* what, double x1, double y1, double x2, double y2) {
    QString op = QLatin1String(what);
    op.reserve(40);
    for (double v : {x1, y1, x2, y2}) {
        op += u' ';
        append_coord(op, v);
    }
    return op;
}

} // namespace

QString coord(double value) {
    QString text;
    append_coord(text, value);
    return text;
}

void PrintRecorder::paper_a4() {
    ops << QStringLiteral("paper A4");
}
void PrintRecorder::orientation(Orientation orientation) {
    ops << (orientation == Orientation::Landscape ? QStringLiteral("orientation landscape")
                                                  : QStringLiteral("orientation portrait"));
}
void PrintRecorder::unit(Unit unit) {
    ops << (unit == Unit::Millimetres ? QStringLiteral("unit mm") : QStringLiteral("unit twips"));
}
void PrintRecorder::font(const QString& name, double points, bool bold) {
    QString op = QStringLiteral("font ");
    op.reserve(40);
    op += name;
    op += u' ';
    append_coord(op, points);
    op += bold ? QStringLiteral(" bold") : QStringLiteral(" regular");
    ops << op;
}
void PrintRecorder::position(double x, double y) {
    QString op = QStringLiteral("position ");
    op.reserve(32);
    append_coord(op, x);
    op += u' ';
    append_coord(op, y);
    ops << op;
}
void PrintRecorder::print_text(const QString& text) {
    ops << QStringLiteral("print ") + text;
}
void PrintRecorder::line_style(LineStyle style) {
    ops << (style == LineStyle::Solid ? QStringLiteral("line style solid")
                                      : QStringLiteral("line style dashed"));
}
void PrintRecorder::line_width(int width) {
    ops << QStringLiteral("line width %1").arg(width);
}
void PrintRecorder::line(double x1, double y1, double x2, double y2) {
    ops << four("line", x1, y1, x2, y2);
}
void PrintRecorder::box(double x1, double y1, double x2, double y2) {
    ops << four("box", x1, y1, x2, y2);
}
void PrintRecorder::picture(const QImage& image, double x, double y) {
    ops << QStringLiteral("picture %1x%2 %3 %4")
               .arg(image.width())
               .arg(image.height())
               .arg(coord(x), coord(y));
}
void PrintRecorder::new_page() {
    ops << QStringLiteral("new page");
}
void PrintRecorder::end_document() {
    ops << QStringLiteral("end document");
    if (!capture_) return;
    capture_->documents.push_back(ops);
    if (capture_->at_end) capture_->at_end();
}
PrintOutcome PrintRecorder::outcome() const {
    return capture_ ? capture_->outcome : PrintOutcome{};
}

std::vector<QStringList> recorded_pages(const QStringList& ops) {
    std::vector<QStringList> pages(1);
    for (const QString& op : ops) {
        if (op == QStringLiteral("new page"))
            pages.emplace_back();
        else
            pages.back() << op;
    }
    return pages;
}

std::vector<QStringList> drawn_pages(const QStringList& ops) {
    std::vector<QStringList> pages(1);
    QString size = QStringLiteral("?"), x = size, y = size, width = QStringLiteral("1");
    bool dashed = false;
    for (const QString& op : ops) {
        const QStringList words = op.split(u' ');
        const QString& kind = words.front();
        if (op == QStringLiteral("new page")) {
            pages.emplace_back();
        } else if (kind == QStringLiteral("font")) {
            size = words[words.size() - 2] +
                   (words.back() == QStringLiteral("bold") ? QStringLiteral("b") : QString());
        } else if (kind == QStringLiteral("position")) {
            x = words[1];
            y = words[2];
        } else if (kind == QStringLiteral("print")) {
            const QString text = op.mid(6);
            if (!text.isEmpty())
                pages.back() << QStringList{QStringLiteral("text"), x, y, size, text}.join(u' ');
        } else if (op.startsWith(QStringLiteral("line width"))) {
            width = words[2];
        } else if (op.startsWith(QStringLiteral("line style"))) {
            dashed = words[2] == QStringLiteral("dashed");
        } else if (kind == QStringLiteral("line") || kind == QStringLiteral("box")) {
            pages.back() << op + QStringLiteral(" w") + width +
                                (dashed ? QStringLiteral(" dashed") : QString());
        } else if (kind == QStringLiteral("picture")) {
            pages.back() << op;
        }
    }
    return pages;
}

} // namespace ui
