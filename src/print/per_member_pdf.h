#pragma once
// A report as one PDF per member, to attach to a mail: in a folder the user
// names, each file named by the member's number and name
// ("03_佐藤一郎.pdf"), never over an existing file. Statements go to every
// named member, receipts to who handed money over, reminders to who still
// owes.

#include "book/book.h"
#include "print/reports.h"

#include <QString>
#include <QStringList>

struct EachOutcome {
    QStringList written; // the files written, in member order
    bool failed = false; // a file could not be written; the run stopped there
    QString failed_path, detail;
};

// Writes the files into `folder` (made when missing); print_syukei has run.
EachOutcome write_each_member(Report report, Book& book, const ReportScope& scope,
                              const QString& folder);
