#pragma once
#define IDD_GALLERY 100
#define IDC_TEXT 1000
#define IDC_ADD 1001
#define IDC_LIST 1002
#define IDC_COUNT 1003
