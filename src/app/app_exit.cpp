#include "app/app_exit.h"

#include <QCoreApplication>

namespace app {

namespace {
ExitRecorder* active_recorder = nullptr;
}

ExitRecorder::ExitRecorder() {
    active_recorder = this;
}
ExitRecorder::~ExitRecorder() {
    if (active_recorder == this) active_recorder = nullptr;
}

void end_application() {
    if (active_recorder) {
        ++active_recorder->count;
        return;
    }
    // exit(), not quit(): quit() would first try to close every window and
    // so run the close questions that 終了 is meant to skip.
    QCoreApplication::exit(0);
}

} // namespace app
