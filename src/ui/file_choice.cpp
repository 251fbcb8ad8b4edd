#include "ui/file_choice.h"

#include <QFileDialog>

namespace ui {

namespace {
FileScript* active_script = nullptr;

bool scripted(const QString& title, const QString& start, bool save, QString& path) {
    if (!active_script) return false;
    active_script->asked.push_back({title, start, save});
    if (!active_script->answers.empty()) {
        path = active_script->answers.front();
        active_script->answers.pop_front();
    }
    return true;
}
} // namespace

FileScript::FileScript() {
    active_script = this;
}
FileScript::~FileScript() {
    if (active_script == this) active_script = nullptr;
}

QString choose_file_to_open(QWidget* parent, const QString& title, const QString& folder,
                            const QString& filter) {
    QString path;
    if (scripted(title, folder, false, path)) return path;
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString choose_file_to_save(QWidget* parent, const QString& title, const QString& suggested,
                            const QString& filter) {
    QString path;
    if (scripted(title, suggested, true, path)) return path;
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

QString choose_folder(QWidget* parent, const QString& title, const QString& start) {
    QString path;
    if (scripted(title, start, true, path)) return path;
    return QFileDialog::getExistingDirectory(parent, title, start);
}

} // namespace ui
