/* Tagquill.dll: the interface a host editor sees.
 *
 * Eight functions exported by plain name (no decoration, no ordinals
 * needed), C linkage, __cdecl on 32-bit x86. Text is zero-terminated
 * code-page-932 bytes in both directions.
 *
 * The menu object: MakeHtmlMenu takes a pointer to the host's menu object
 * and reads exactly one field from it, the menu handle, at offset 0 --
 * struct CMenu below. A host whose menu class has other members in front
 * of the handle (a vtable, say) passes a CMenu built for the call:
 *     CMenu m = { hmenu }; MakeHtmlMenu(&m);
 * The DLL appends to that menu and never removes anything from it; a null
 * object or a null handle is ignored.
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
#ifndef TAGQUILL_API_H
#define TAGQUILL_API_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#define TAGQUILL_VERSION 10141
#define TAGQUILL_MSG_ASK_KEY_TEXT 11801
#define TAGQUILL_CMD_TOOLBOX_CHANGED 11802

struct CMenu {
  HMENU m_hMenu;
};

int __cdecl GetHtmlVer(void);
void __cdecl SetAppInfo(int appNumber, HWND host, int toolBoxFlags);
void __cdecl SetStringToTagquill(const char* text);
void __cdecl MakeHtmlMenu(struct CMenu* menu);
/* The text to put in place of the selection; valid until the next call. */
const char* __cdecl GetHtmlTagString(HWND parent, int tagId, const char* selection);
void __cdecl OnToolBox(HWND target);
void __cdecl MainGetFocus(void);
void __cdecl OnChangeToolBoxSetting(HWND target);

/* For hosts that load the DLL with LoadLibrary and GetProcAddress. */
typedef int(__cdecl* TagquillGetHtmlVerFn)(void);
typedef void(__cdecl* TagquillSetAppInfoFn)(int, HWND, int);
typedef void(__cdecl* TagquillSetStringFn)(const char*);
typedef void(__cdecl* TagquillMakeHtmlMenuFn)(struct CMenu*);
typedef const char*(__cdecl* TagquillGetHtmlTagStringFn)(HWND, int, const char*);
typedef void(__cdecl* TagquillWindowFn)(HWND);
typedef void(__cdecl* TagquillVoidFn)(void);

#ifdef __cplusplus
}
#endif

#endif
