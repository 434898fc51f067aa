// The About box.
#pragma once

#include "Dialog.h"

class CAboutDlg : public Dialog {
    Q_OBJECT
public:
    enum { IDD = 100 };
    CAboutDlg() : Dialog(IDD) {}
};
