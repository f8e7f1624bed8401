// The main window's menu bar: the owner-drawn copy of menu 128, its colours and
// the Help icon.
#pragma once

#include <windows.h>

#include "menu/MenuEx.h"
#include "win/ImageList.h"

// Command ids whose position in the table is their icon in the image list.
extern const UINT MenuIconCommands[];
extern const UINT kMenuIconCommandCount;

void SetUpMainMenu(HWND window, CMenuEx& menu, CImageList& images);
