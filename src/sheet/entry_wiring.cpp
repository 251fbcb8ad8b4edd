// Wires the handlers of entering an item to their controls.
#include "sheet/frmTavu.h"

void frmTavu::connect_entry_handlers() {
    connect(cmdNext, &QPushButton::clicked, this, &frmTavu::cmdNext_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmTavu::cmdBack_Click);
    connect(txtKomoku, &ui::TextBox::enterPressed, this, [this] { txtKomoku_KeyPress(13); });
    connect(cmdCalc, &QPushButton::clicked, this, &frmTavu::cmdCalc_Click);
    connect(all_tavu, &QAction::triggered, this, &frmTavu::all_tavu_Click);
    connect(all_tavu_off, &QAction::triggered, this, &frmTavu::all_tavu_off_Click);
    for (int i = 0; i < kMembers; ++i) {
        connect(txt1[i], &ui::TextBox::clicked, this, [this, i] { txt1_Click(i); });
        connect(txt1[i], &ui::TextBox::doubleClicked, this, [this, i] { txt1_DblClick(i); });
    }
    // An option's Click is its becoming selected.
    connect(optBoss, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optBoss_Click();
    });
    connect(optHira, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optHira_Click();
    });
}
