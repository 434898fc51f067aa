#include "CTolvoConfigDlg.h"

void CTolvoConfigDlg::SaveConfiguration() {}
