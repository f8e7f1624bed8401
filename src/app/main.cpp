#include <windows.h>

#include "app/BrenlowApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    TheApp().InitInstance();
    return 0;
}
