// Notification codes that every control of the library sends its parent in WM_COMMAND, as a
// combo box sends CBN_DROPDOWN: LOWORD(wParam) the control's id, HIWORD(wParam) the code,
// lParam the control's window. Hosts include this header; the values lie above every EN_* code
// an edit sends (0x0100-0x0801), so one WM_COMMAND handler can tell the two apart.
#pragma once

// The drop window was shown.
#define ORVN_DROPDOWN 0x2001
// The drop window was hidden, for any reason. Exactly one ORVN_SELENDOK or ORVN_SELENDCANCEL
// comes before it, except when a host call (ShowList, SetDate...) hid the window itself.
#define ORVN_CLOSEUP 0x2002
// The user took a value from the drop window; the edit already holds the new text and value.
#define ORVN_SELENDOK 0x2003
// The drop window closed without a pick (Escape, focus lost, the button, F9).
#define ORVN_SELENDCANCEL 0x2004
