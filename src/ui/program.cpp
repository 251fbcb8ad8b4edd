#include "ui/program.h"

#include <QProcess>

namespace ui {

bool start_program(const QString& command_line) {
    QStringList parts = QProcess::splitCommand(command_line);
    if (parts.isEmpty()) return false;
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
}

} // namespace ui
