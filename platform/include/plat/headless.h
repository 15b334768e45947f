// Headless backend: dialogs and property sheets become control models, the
// common dialogs and message boxes are answered without a screen, and what
// the program asked of the system is recorded. Left to itself it confirms
// every dialog and sheet, gives each message box its default answer and
// cancels the common dialogs; a driver (plat/headless_driver.h) decides in
// its place.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plat/backend.h"
#include "plat/dialog.h"
#include "plat/property_sheet.h"
#include "plat/sheet_frame.h"

namespace plat {

class HeadlessView;
class HeadlessSheetView;

struct MessageRecord {
  std::string text, caption;
  unsigned flags;
};
struct MenuItem {
  unsigned flags;
  uintptr_t idOrPopup;
  std::string text;
};
struct PostedMessage {
  WindowHandle window;
  unsigned msg;
  uintptr_t wp;
  intptr_t lp;
};

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;
  // Forgets what happened and every sheet.
  virtual void Reset();

  // What happened.
  std::vector<std::string> opened;  // titles of the dialogs as they opened
  std::vector<FileDialogRequest> fileRequests;
  std::vector<uint32_t> colorRequests;  // start colour of each colour dialog
  int fontRequests = 0;
  std::vector<MessageRecord> messages;
  std::vector<PostedMessage> posted;
  std::vector<PostedMessage> sent;
  std::function<long(const PostedMessage&)> onSend;  // answers SendMessage
  // Menus by handle (handles are 1-based indexes); destroyed ones are empty.
  std::vector<std::vector<MenuItem>> menus;
  std::vector<bool> menuAlive;
  std::vector<MenuItem>& Menu(MenuHandle m) { return menus.at(reinterpret_cast<uintptr_t>(m) - 1); }
  std::vector<WindowHandle> foreground;
  // Property sheets as they were made (modeless ones stay until Reset).
  std::vector<std::unique_ptr<HeadlessSheetView>> sheets;
  BaseUnits baseUnits;            // what DialogBaseUnits answers
  Rect desktop{0, 0, 1024, 768};  // the desktop window's rectangle
  std::vector<FontDesc> fonts;    // every font made, by handle - 1
  int fontsAlive = 0;
  WindowHandle NewHandle() { return reinterpret_cast<WindowHandle>(static_cast<uintptr_t>(nextHandle_++)); }

  int RunModal(Dialog& dlg) override;
  int MessageBox(WindowHandle parent, const std::string& text, const std::string& caption, unsigned flags) override;
  std::optional<std::string> OpenFile(WindowHandle parent, const FileDialogRequest& req) override;
  std::optional<uint32_t> ChooseColor(WindowHandle parent, uint32_t initial) override;
  std::optional<FontChoice> ChooseFont(WindowHandle parent) override;
  long SendMessage(WindowHandle w, unsigned msg, uintptr_t wp, intptr_t lp) override;
  bool PostMessage(WindowHandle w, unsigned msg, uintptr_t wp, intptr_t lp) override;
  MenuHandle CreatePopupMenu() override;
  bool AppendMenu(MenuHandle m, unsigned flags, uintptr_t idOrPopup, const std::string& text) override;
  void DestroyMenu(MenuHandle m) override;
  void SetForegroundWindow(WindowHandle w) override { foreground.push_back(w); }
  int RunModalSheet(PropertySheet& sheet) override;
  bool CreateModelessSheet(PropertySheet& sheet) override;
  BaseUnits DialogBaseUnits() override { return baseUnits; }
  FontHandle CreateFont(const FontDesc& desc) override;
  void DeleteFont(FontHandle f) override;

 protected:
  // The models, made here so that a driver can make its own kinds.
  virtual std::unique_ptr<HeadlessView> MakeView(Dialog& d, const DialogTemplate& t);
  virtual std::unique_ptr<HeadlessSheetView> MakeSheet(PropertySheet& s, bool modal);
  // What the user does with a dialog once it has opened (it may have ended
  // itself already), with a modal sheet, a message box (already recorded)
  // and the common dialogs.
  virtual void Drive(HeadlessView& view);
  virtual void DriveSheet(HeadlessSheetView& sheet);
  virtual int AnswerBox(const MessageRecord& m);
  virtual std::optional<std::string> PickFile(const FileDialogRequest& req);
  virtual std::optional<uint32_t> PickColor(uint32_t initial);
  virtual std::optional<FontChoice> PickFont();

 private:
  friend class HeadlessSheetView;  // makes its pages' views
  int nextHandle_ = 0x1000;
};

// The control model of an open headless dialog, as the dialog code sees it.
class HeadlessView : public DialogImpl {
 public:
  HeadlessView(Dialog& d, const DialogTemplate& t, WindowHandle h);

  bool ended() const { return ended_; }
  int result() const { return result_; }
  Dialog& dialog() { return dlg_; }
  const DialogTemplate& tmpl() const { return tmpl_; }
  bool Has(int id) const { return controls_.count(id) != 0; }
  bool IsVisible(int id) const {
    const Control* c = Find(id);
    return c && c->visible;
  }
  std::vector<std::string> ListItems(int id) const;
  // Presses OK or Cancel: nothing when that button is disabled or the
  // dialog has ended.
  void Press(int endId);

  // Buttons made at run time, by the index AddButton gave.
  struct MadeButton {
    int id;
    std::string text;
    Rect rect;
    FontHandle font;
    bool alive = true;
  };
  const std::vector<MadeButton>& madeButtons() const { return made_; }
  std::vector<MadeButton> LiveButtons() const;
  int focusedButton() const { return focused_; }  // -1 none

  // DialogImpl
  WindowHandle handle() const override { return handle_; }
  std::string GetText(int id) const override;
  void SetText(int id, const std::string& s) override;
  int GetCheck(int id) const override;
  void SetCheck(int id, int state) override;
  bool IsEnabled(int id) const override;
  void Enable(int id, bool on) override;
  void Show(int id, bool on) override;
  std::string GetTitle() const override { return title_; }
  void SetTitle(const std::string& s) override { title_ = s; }
  void ListReset(int id) override;
  int ListAdd(int id, const std::string& s) override;
  int ListInsert(int id, int index, const std::string& s) override;
  void ListDelete(int id, int index) override;
  int ListCount(int id) const override;
  std::string ListText(int id, int index) const override;
  int ListCurSel(int id) const override;
  void ListSetCurSel(int id, int index) override;
  void SetUpDownRange(int id, int lo, int hi) override;
  void Invalidate(int) override {}
  void SetSwatch(int id, uint32_t rgb) override { At(id).swatch = rgb; }
  uint32_t GetSwatch(int id) const override {
    const Control* c = Find(id);
    return c ? c->swatch : 0;
  }
  void End(int result) override;
  int AddButton(int id, const std::string& text, const Rect& r, FontHandle font) override;
  void RemoveButton(int index) override;
  void FocusButton(int index) override;

 protected:
  struct Control {
    Ctl kind;
    std::string text;
    int check = 0;
    bool enabled = true, visible = true;
    std::vector<std::string> items;
    int sel = -1;
    bool groupStart = false;
    int order = 0;
    uint32_t swatch = 0;
  };
  Control& At(int id);
  const Control* Find(int id) const;

  Dialog& dlg_;
  const DialogTemplate& tmpl_;
  std::map<int, Control> controls_;
  bool ended_ = false;
  std::vector<MadeButton> made_;
  int focused_ = -1;

 private:
  WindowHandle handle_;
  std::string title_;
  int result_ = IDCANCEL;
};

// The model of an open property sheet (what a user does to it is the
// driver's: HeadlessSheet).
class HeadlessSheetView : public SheetFrame<HeadlessView> {
 public:
  HeadlessSheetView(HeadlessBackend& b, PropertySheet& s, bool modal);

  HeadlessView& View(int index);  // a made page
  std::vector<std::string> TabTitles() const { return titles_; }
  const std::string& caption() const { return caption_; }
  bool topmost() const { return topmost_; }
  Rect PageRectOf(int index) const { return pageRects_.at(static_cast<size_t>(index)); }

  Rect DesktopRect() const override { return backend_.desktop; }
  void MoveTopmost(int x, int y) override {
    Move(x, y);
    topmost_ = true;
  }

 private:
  void MakePage(int index) override;

  HeadlessBackend& backend_;
  bool topmost_ = false;
};

}  // namespace plat
