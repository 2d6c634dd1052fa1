#pragma once

#include <QDialog>

class PlatformServices;
class QPushButton;

// The About box: title, version, what the program does, the note on the decimal separator
// and the disclaimer. Modeless; "OK" (Enter or Escape) unloads it: the window closes and
// deletes itself, so the next "Инфо" builds it anew.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(PlatformServices& services);

    // StartSysInfo: the system-information tool, or a message that there is none.
    void startSysInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    PlatformServices& services;
    QPushButton* cmdOK;
};
