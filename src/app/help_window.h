#pragma once
// The help page bundled in the program, shown in a plain window of its own.
// There is no outside help viewer to rely on.

#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Puts the page into the window; false when the program carries none.
    bool load();

    QTextBrowser* browser = nullptr;
};
