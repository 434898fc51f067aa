#include "CTolvoConfigDlg.h"

void CTolvoConfigDlg::LoadConfiguration() {}
