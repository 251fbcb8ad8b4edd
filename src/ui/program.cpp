#include "ui/program.h"

#include <QProcess>
#include <optional>
#include <unistd.h>

namespace ui {

namespace {
std::optional<bool> decided_from_shell;
} // namespace

bool started_from_shell() {
    if (decided_from_shell) return *decided_from_shell;
    return ::isatty(STDIN_FILENO) || ::isatty(STDOUT_FILENO) || ::isatty(STDERR_FILENO);
}

void set_started_from_shell(bool from_shell) {
    decided_from_shell = from_shell;
}

bool start_program(const QString& command_line) {
    QStringList parts = QProcess::splitCommand(command_line);
    if (parts.isEmpty()) return false;
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
}

} // namespace ui
