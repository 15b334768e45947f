/* Tagquill.dll: the interface a host editor sees.
 *
 * Eight functions exported by plain name (no decoration, no ordinals
 * needed), C linkage, __cdecl on 32-bit x86. Text is zero-terminated
 * code-page-932 bytes in both directions.
 *
 * What the host passes, export by export:
 *   GetHtmlVer()                        nothing; returns 10141.
 *   SetAppInfo(app, hwnd, flags)        two ints by value and the host's
 *                                       main window (any HWND, or NULL).
 *   SetStringToTagquill(text)           a zero-terminated string the DLL
 *                                       copies at once (NULL reads as "").
 *   MakeHtmlMenu(menuObject)            the address of the host's own menu
 *                                       object, below.
 *   GetHtmlTagString(hwnd, id, text)    the dialog parent (or NULL), a tag
 *                                       command id, the selection (NULL
 *                                       reads as ""); the returned text
 *                                       stays valid until the next call.
 *   OnToolBox(hwnd), OnChangeToolBoxSetting(hwnd)
 *                                       the window the toolbox posts its
 *                                       commands to.
 *   MainGetFocus()                      nothing.
 *
 * The menu object: the host hands over its menu object exactly as the
 * framework's menu class (MFC's CMenu) lays it out -- a pointer to the
 * class's virtual-function table first, the menu handle right after it,
 * at offset 4 on 32-bit x86 and 8 on x64 (TagquillMenuObject below). A
 * host built with the framework passes &its_cmenu as it is; a host in C
 * fills a TagquillMenuObject (the table pointer is never read). The DLL
 * reads only the handle, appends to that menu and never removes anything
 * from it; a null object or a null handle is ignored.
 *
 * Messages the DLL sends or posts to the host window given in SetAppInfo:
 *   11801 (sent, wParam = tag command id, lParam = 0) while MakeHtmlMenu
 *         builds an item, only when the app number is 1; the host calls
 *         SetStringToTagquill with the text to append to the caption
 *         (usually a tab and the command's key).
 *   WM_COMMAND (posted, wParam = tag command id) from a toolbox button.
 *   WM_COMMAND (posted, wParam = 11802) after the toolbox settings changed;
 *         the host answers with OnChangeToolBoxSetting.
 */
/* The numbers of the contract, apart: the DLL's own portable code takes
 * only them (TAGQUILL_NUMBERS_ONLY defined around the include), without
 * <windows.h>. */
#ifndef TAGQUILL_API_NUMBERS
#define TAGQUILL_API_NUMBERS
#define TAGQUILL_VERSION 10141
#define TAGQUILL_MSG_ASK_KEY_TEXT 11801
#define TAGQUILL_CMD_TOOLBOX_CHANGED 11802
#endif

#if !defined(TAGQUILL_API_H) && !defined(TAGQUILL_NUMBERS_ONLY)
#define TAGQUILL_API_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct TagquillMenuObject {
  const void* vtable; /* the framework class's, never used by the DLL */
  HMENU m_hMenu;
} TagquillMenuObject;
#define TAGQUILL_MENU_HANDLE_OFFSET (sizeof(void*))

int __cdecl GetHtmlVer(void);
void __cdecl SetAppInfo(int appNumber, HWND host, int toolBoxFlags);
void __cdecl SetStringToTagquill(const char* text);
/* menuObject: the host's menu object (a TagquillMenuObject in layout). */
void __cdecl MakeHtmlMenu(void* menuObject);
/* The text to put in place of the selection; valid until the next call. */
const char* __cdecl GetHtmlTagString(HWND parent, int tagId, const char* selection);
void __cdecl OnToolBox(HWND target);
void __cdecl MainGetFocus(void);
void __cdecl OnChangeToolBoxSetting(HWND target);

/* For hosts that load the DLL with LoadLibrary and GetProcAddress. */
typedef int(__cdecl* TagquillGetHtmlVerFn)(void);
typedef void(__cdecl* TagquillSetAppInfoFn)(int, HWND, int);
typedef void(__cdecl* TagquillSetStringFn)(const char*);
typedef void(__cdecl* TagquillMakeHtmlMenuFn)(void*);
typedef const char*(__cdecl* TagquillGetHtmlTagStringFn)(HWND, int, const char*);
typedef void(__cdecl* TagquillWindowFn)(HWND);
typedef void(__cdecl* TagquillVoidFn)(void);

#ifdef __cplusplus
}
#endif

#endif
