// The program's message box: one sentence, an OK button, and the application
// name - the executable's file name without its extension - as the caption.
#pragma once

#include <windows.h>

#include <string>

std::wstring ApplicationName();
int AppMessageBox(const std::wstring& text, UINT type = MB_OK);
