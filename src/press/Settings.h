// Moves the press settings between the main window's controls and conf.ini.
// The controls are the only live copy; the file is read and written key by key.
#pragma once

#include <string>

#include "press/DialogControls.h"

// Section "Option" of the settings file. Values are at most 259 characters as
// read, like the 260-character buffer of the private-profile functions gives.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual std::wstring Read(const wchar_t* key, const wchar_t* defaultValue) = 0;
    virtual void Write(const wchar_t* key, const std::wstring& value) = 0;
};

void LoadSettings(DialogControls& controls, ProfileStore& profile);
void SaveSettings(DialogControls& controls, ProfileStore& profile);
void SelectComboEntryByText(DialogControls& controls, int comboId, const std::wstring& text);
