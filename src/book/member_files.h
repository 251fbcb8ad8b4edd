#pragma once
// The names of the files written one per member ("03_佐藤一郎.pdf"): the
// member's number in two digits and the name, made safe for every file
// system the files may be copied to or attached from.

#include <QString>

// "<number>_<name>.<suffix>", number = member + 1. Characters a file name
// cannot hold (/ \ : * ? " < > | and control characters) become "_", blanks
// (half and full width) are dropped, and a name left empty leaves the
// number alone ("07.pdf").
QString member_file_name(int member, const QString& name, const QString& suffix);

// `file_name` in `folder`, or with "-2", "-3", ... before its suffix when a
// file or anything else of that name is there already.
QString free_file_path(const QString& folder, const QString& file_name);
