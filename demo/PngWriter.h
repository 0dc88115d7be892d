// Screenshots for the gallery: reads a screen rectangle back and writes it as a PNG file.
#pragma once
#include <windows.h>

// False when the screen cannot be read or the file cannot be written. With hShown (screen
// coordinates), only that region is read; the rest of the picture is white.
BOOL WriteScreenPng(const RECT& rcScreen, LPCSTR lpszPath, HRGN hShown = nullptr);
