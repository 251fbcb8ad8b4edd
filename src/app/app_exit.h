#pragma once
// Ending the application at once, as 終了 does: the event loop stops without
// asking the windows to close, so the main window's close handling does not
// run. Tests install an ExitRecorder, which counts the request instead.

namespace app {

void end_application();

class ExitRecorder {
public:
    ExitRecorder();
    ~ExitRecorder();
    ExitRecorder(const ExitRecorder&) = delete;
    ExitRecorder& operator=(const ExitRecorder&) = delete;

    int count = 0;
};

} // namespace app
