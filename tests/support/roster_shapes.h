#pragma once
// Roster files of the largest size read (1 MiB), shaped against the reader:
// a wide first record over many short ones (the names column search), many
// distinct names (the duplicate check), and one record of many columns.

#include "book/roster_import.h"

#include <QByteArray>
#include <utility>
#include <vector>

inline std::vector<std::pair<const char*, QByteArray>> shaped_roster_files() {
    const qsizetype limit = kRosterFileLimit;
    std::vector<std::pair<const char*, QByteArray>> files;

    QByteArray wide = QByteArray("x,").repeated(limit / 6);
    wide += '\n';
    while (wide.size() + 2 <= limit) wide += "y\n";
    files.emplace_back("a wide record over short ones", wide);

    QByteArray names;
    for (int i = 0; names.size() + 9 <= limit; ++i)
        names += QByteArray::number(i + 1000000, 36).rightJustified(7, 'n') + "\n";
    files.emplace_back("distinct names", names);

    QByteArray columns = QByteArray("a,").repeated(limit / 2 - 1);
    columns += "a\n";
    files.emplace_back("one record of many columns", columns);

    QByteArray quoted;
    while (quoted.size() + 8 <= limit) quoted += "\"a\"\"b\",\n";
    files.emplace_back("quoted cells with quotes", quoted);
    return files;
}
