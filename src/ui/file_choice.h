#pragma once
// Picking a file to read or to write. In the application it is Qt's file
// dialog; tests install a script that answers from a queue (an empty text is
// the user's cancel) and records what was asked.

#include <QString>
#include <deque>
#include <vector>

class QWidget;

namespace ui {

// The path picked, or an empty text when the user cancelled.
QString choose_file_to_open(QWidget* parent, const QString& title, const QString& folder,
                            const QString& filter);
// `suggested` is a path; the dialog asks before replacing a file.
QString choose_file_to_save(QWidget* parent, const QString& title, const QString& suggested,
                            const QString& filter);

// A folder to write into; an empty text when the user cancelled.
QString choose_folder(QWidget* parent, const QString& title, const QString& start);

struct FileQuestion {
    QString title, start; // the folder or suggested path
    bool save;
};

class FileScript {
public:
    FileScript();
    ~FileScript();
    FileScript(const FileScript&) = delete;
    FileScript& operator=(const FileScript&) = delete;

    void answer(const QString& path) { answers.push_back(path); }
    std::deque<QString> answers;
    std::vector<FileQuestion> asked;
};

} // namespace ui
