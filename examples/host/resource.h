// Identifiers of the example host's dialog.
#pragma once

#define IDD_HOST 100
#define IDC_CITY 1001
#define IDC_WORD 1002
#define IDC_DATE 1003
#define IDC_TIME 1004
#define IDC_FOLDER 1005
#define IDC_FILE 1006
