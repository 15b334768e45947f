// The Win32 headers, made safe to mix with the platform headers: the
// framework names that windows.h turns into A/W macros (MessageBox,
// SendMessage, GetProfileString, IDOK ...) are also member and enum names
// of the platform layer, so the macros are removed here. Call the A
// functions by their full names.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#undef MessageBox
#undef SendMessage
#undef PostMessage
#undef ChooseColor
#undef ChooseFont
#undef AppendMenu
#undef GetProfileString
#undef GetProfileInt
#undef WriteProfileString
#undef IDOK
#undef IDCANCEL
#undef PropertySheet
#undef CreateFont
