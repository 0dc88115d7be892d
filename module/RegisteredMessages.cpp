// The library's registered window messages, created during the module's static initialisation
// so that they exist before any control or drop window does.
#include "DropBaseEdit.h"
#include "DropMessages.h"

const UINT CDropBaseEdit::WM_CLOSE_DROPDOWN_WND = ::RegisterWindowMessageA("359723E9-4D6A-407c-AD5D-F4890DC0A213");
const UINT WM_DROPWND_CHILD_CLOSE = ::RegisterWindowMessageA("ED8DAE22-D368-4c94-9251-61FD4B421216");
const UINT WM_DROPWND_CHILD_SELCHANGE = ::RegisterWindowMessageA("207F4C0F-9444-4395-90EE-113E4D36FA7F");
const UINT WM_SELECTEDIT_SETTLE = ::RegisterWindowMessageA("6C1B5E0A-3F9D-4E27-8A41-2D7C90B3E5F4");
