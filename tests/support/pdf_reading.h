#pragma once
// Reading printed PDFs back with poppler-utils: page count, page size and
// fonts from pdfinfo / pdffonts, words with their boxes (in points) from
// pdftotext -bbox.

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <vector>

// Standard output of a program that succeeded, else "".
inline QString run_tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline bool have_poppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty();
}

struct PdfWord {
    double x0, y0, x1, y1;
    QString text;
};

inline std::vector<PdfWord> pdf_words(const QString& pdf, int page) {
    const QString html =
        run_tool(QStringLiteral("pdftotext"),
                 {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                  QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> out;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        out.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                       m.captured(4).toDouble(), m.captured(5)});
    }
    return out;
}

inline int pdf_pages(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+)\n)"));
    return pages.match(run_tool(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

inline constexpr double kPtPerMm = 72.0 / 25.4;
