#pragma once
#define IDD_GALLERY 100
#define IDR_WORDS 101

// Each control row: the control and the host's read-back beside it.
#define IDC_PICK_RO 1000
#define IDC_PICK_ED 1001
#define IDC_SUGGEST 1002
#define IDC_DATE 1003
#define IDC_TIME 1004
#define IDC_FOLDER 1005
#define IDC_FILE 1006
#define IDC_VALUE_FIRST 1100 // IDC_VALUE_FIRST + row
#define IDC_LOG 1200
