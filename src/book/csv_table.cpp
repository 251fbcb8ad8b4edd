#include "book/csv_table.h"
#include "book/text_rules.h"

#include <QStringList>

QString amount_field(qint64 amount) {
    return amount == 0 ? QString() : QString::number(amount);
}

QByteArray csv_bytes(const QString& text) {
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

namespace {

void add_record(QString& text, const QStringList& fields) {
    text += csv_record(fields);
}

} // namespace

QString csv_record(const QStringList& fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields) quoted << csv_field(field);
    return quoted.join(u',') + QStringLiteral("\r\n");
}

QString text_field(const QString& text) {
    if (!text.isEmpty() && kStartsFormula.contains(text.front())) return u'\'' + text;
    return text;
}

QString csv_field(const QString& text) {
    static const QString special = QStringLiteral(",\"\r\n");
    bool quote = false;
    for (const QChar c : text) quote = quote || special.contains(c);
    if (!quote) return text;
    QString doubled = text;
    doubled.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

QByteArray csv_text(const Book& book) {
    // The items print_syukei charges: those with a title.
    std::vector<int> items;
    for (int k = 0; k < kItems; ++k)
        if (!book.komoku_name[k].isEmpty()) items.push_back(k);

    QString text;
    add_record(text, {QStringLiteral("期間"), text_field(trim_blanks(book.nengetu)),
                      QStringLiteral("担当"), text_field(trim_blanks(book.motojime))});

    QStringList header{QStringLiteral("番号"), QStringLiteral("名前")};
    for (int k : items) header << text_field(trim_blanks(book.komoku_name[k]));
    header << QStringLiteral("合計");
    add_record(text, header);

    qint64 grand_total = 0;
    for (int m = 0; m < kMembers; ++m) {
        grand_total += book.print_total[m];
        if (is_blank(book.member_name[m])) continue;
        QStringList row{QString::number(m + 1), text_field(trim_blanks(book.member_name[m]))};
        for (int k : items) row << amount_field(book.print_charge[m][k]);
        row << amount_field(book.print_total[m]);
        add_record(text, row);
    }

    QStringList totals{QString(), QStringLiteral("合計")};
    for (int k : items) totals << amount_field(book.print_komoku_total[k]);
    totals << amount_field(grand_total);
    add_record(text, totals);

    return csv_bytes(text);
}

QByteArray roster_csv_text(const Book& book) {
    QString text;
    add_record(text, {QStringLiteral("番号"), QStringLiteral("名前")});
    for (int m = 0; m < kMembers; ++m)
        if (!is_blank(book.member_name[m]))
            add_record(text,
                       {QString::number(m + 1), text_field(trim_blanks(book.member_name[m]))});
    return csv_bytes(text);
}
