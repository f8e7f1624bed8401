#include "ui/MainMenu.h"

#include "res/resource.h"
#include "ui/DialogBackground.h"
#include "win/Dialog.h"

const UINT MenuIconCommands[] = {ID_MENU_HELP};
const UINT kMenuIconCommandCount = 1;

void SetUpMainMenu(HWND window, CMenuEx& menu, CImageList& images) {
    SetMenuMeasuringWindow(window);
    menu.LoadMenu(IDR_MAINMENU);
    HMENU fromTemplate = GetMenu(window);
    SetMenu(window, menu.m_hMenu);
    if (fromTemplate && fromTemplate != menu.m_hMenu) DestroyMenu(fromTemplate);
    menu.SetBackColor(kDialogBackground);
    menu.SetSelectColor(RGB(200, 232, 222));
    images.Create(20, 20, ILC_COLOR24 | ILC_MASK, 9, 0);
    if (HBITMAP bitmap = LoadBitmapW(ModuleInstance(), MAKEINTRESOURCEW(IDB_HELPICON))) {
        images.Add(bitmap, nullptr);
        DeleteObject(bitmap);  // the list keeps its own copy
    }
    menu.SetImageList(&images);
    menu.SetImageIndexes(MenuIconCommands, kMenuIconCommandCount);
}
