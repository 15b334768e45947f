// Headless backend: dialogs become control models driven by a script, the
// common dialogs and message boxes are answered by the driver. Used by the
// tests and by the command-line tool.
#pragma once
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

namespace plat {

class HeadlessDialog;
class HeadlessSheet;

// One step of a script acts on the dialog that is open at that moment.
using DialogScript = std::function<void(HeadlessDialog&)>;
// The script of a modal property sheet.
using SheetScript = std::function<void(HeadlessSheet&)>;

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

  // Scripts for the next dialogs, in the order they open (nested dialogs
  // take the next script while their opener's script runs). A dialog
  // without a script gets the default action.
  void Expect(DialogScript s) { scripts_.push_back(std::move(s)); }
  void ExpectSheet(SheetScript s) { sheetScripts_.push_back(std::move(s)); }
  enum class Default { Ok, Cancel };
  void SetDefault(Default d) { default_ = d; }
  // Answers for the common dialogs, taken in order; none left = cancelled.
  void AnswerFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void AnswerColor(std::optional<uint32_t> c) { colors_.push_back(c); }
  void AnswerFont(std::optional<FontChoice> f) { fonts_.push_back(std::move(f)); }
  void AnswerMessage(int answer) { answers_.push_back(answer); }
  // A driver that acts on every dialog as it opens, in place of the scripts
  // (the command line's field actions); it decides each message box's
  // answer when onMessage is set.
  std::function<void(HeadlessDialog&)> onOpen;
  std::function<int(const MessageRecord&)> onMessage;
  // Answers still queued (a driver reports the ones nothing asked for).
  size_t pendingFiles() const { return files_.size(); }
  size_t pendingColors() const { return colors_.size(); }
  size_t pendingFonts() const { return fonts_.size(); }
  void Reset();

  // What happened.
  std::vector<std::string> opened;  // titles of the dialogs as they opened
  std::vector<FileDialogRequest> fileRequests;
  std::vector<uint32_t> colorRequests;  // start colour of each colour dialog
  int fontRequests = 0;
  std::vector<MessageRecord> messages;
  std::vector<PostedMessage> posted;
  std::vector<PostedMessage> sent;
  std::function<long(const PostedMessage&)> onSend;  // answers SendMessage
  size_t pendingScripts() const { return scripts_.size(); }
  // Menus by handle (handles are 1-based indexes); destroyed ones are empty.
  std::vector<std::vector<MenuItem>> menus;
  std::vector<bool> menuAlive;
  std::vector<MenuItem>& Menu(MenuHandle m) { return menus.at(reinterpret_cast<uintptr_t>(m) - 1); }
  std::vector<WindowHandle> foreground;
  // Property sheets as they were made (modeless ones stay until Reset).
  std::vector<std::unique_ptr<HeadlessSheet>> sheets;
  HeadlessSheet* LastSheet() { return sheets.empty() ? nullptr : sheets.back().get(); }
  BaseUnits baseUnits;                 // what DialogBaseUnits answers
  Rect desktop{0, 0, 1024, 768};       // the desktop window's rectangle
  std::vector<FontDesc> fonts;         // every font made, by handle - 1
  int fontsAlive = 0;
  WindowHandle NewHandle() { return reinterpret_cast<WindowHandle>(static_cast<uintptr_t>(nextHandle_++)); }

  int RunModal(Dialog& dlg) override;
  int MessageBox(WindowHandle parent, const std::string& text, const std::string& caption,
                 unsigned flags) override;
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

 private:
  std::deque<DialogScript> scripts_;
  std::deque<SheetScript> sheetScripts_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<uint32_t>> colors_;
  std::deque<std::optional<FontChoice>> fonts_;
  std::deque<int> answers_;
  Default default_ = Default::Ok;
  int nextHandle_ = 0x1000;
};

// The control model of an open headless dialog, with the user's actions.
class HeadlessDialog : public DialogImpl {
 public:
  HeadlessDialog(Dialog& d, const DialogTemplate& t, WindowHandle h);

  // User actions. Each acts only on an enabled control, as a user could.
  void Type(int id, const std::string& s);  // replaces the edit box text
  void Click(int id);                       // button, check box, radio, OK, Cancel
  void Select(int id, int index);           // list box selection (+ notification)
  void SelectText(int id, const std::string& prefix);  // first entry starting so
  void DoubleClick(int id, int index);
  void Ok() { Click(IDOK); }
  void Cancel() { Click(IDCANCEL); }
  bool ended() const { return ended_; }
  int result() const { return result_; }
  Dialog& dialog() { return dlg_; }
  bool Has(int id) const { return controls_.count(id) != 0; }
  std::vector<std::string> ListItems(int id) const;
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
  void ClickButton(int index);               // as the user presses it
  void KeyDown(int index, unsigned vk);      // a key pressed while it has the focus
  int focusedButton() const { return focused_; }  // -1 none
  // The control whose caption, without '&', is label (ASCII case ignored),
  // or whose bracketed part is; 0 when none.
  int FindByLabel(const std::string& label) const;
  // The edit box belonging to the control labelled so (the next edit box in
  // template order); 0 when none.
  int EditFor(const std::string& label) const;
  // Ids of the template's controls, in template order (fuzzing, tools).
  std::vector<int> ControlIds() const;
  Ctl KindOf(int id) const;
  const DialogTemplate& tmpl() const { return tmpl_; }
  bool IsVisible(int id) const {
    const Control* c = Find(id);
    return c && c->visible;
  }
  // One line per control: kind, caption, state and text.
  std::string Describe() const;

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

 private:
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
  void ClearRadioGroup(int id);

  Dialog& dlg_;
  const DialogTemplate& tmpl_;
  WindowHandle handle_;
  std::map<int, Control> controls_;
  std::string title_;
  bool ended_ = false;
  int result_ = IDCANCEL;
  std::vector<MadeButton> made_;
  int focused_ = -1;
};

// The model of an open property sheet: pages made when first shown, a
// window, tab control and page rectangles that the sheet's calls change.
class HeadlessSheet : public SheetImpl {
 public:
  HeadlessSheet(HeadlessBackend& b, PropertySheet& s, bool modal);
  ~HeadlessSheet() override;

  // User actions.
  void ClickTab(int index);  // switches, notifies, then delivers posted messages
  void Ok();                 // modal: every made page applies, the sheet ends
  void Cancel();
  void Close() override;     // the close box (WM_CLOSE)
  bool open() const { return open_; }
  int result() const { return result_; }
  bool modal() const { return modal_; }
  bool PageMade(int index) const;
  HeadlessDialog& Page(int index);  // a made page
  HeadlessDialog& ActivePage() { return Page(active_); }
  std::vector<std::string> TabTitles() const { return titles_; }
  const std::string& caption() const { return caption_; }
  bool topmost() const { return topmost_; }
  Rect PageRectOf(int index) const { return pageRects_.at(static_cast<size_t>(index)); }
  void DeliverPosted();

  // SheetImpl
  WindowHandle handle() const override { return handle_; }
  int ActiveIndex() const override { return active_; }
  void SetActivePage(int index) override;
  Rect WindowRect() const override { return window_; }
  Rect PageRect() const override { return pageRects_.at(static_cast<size_t>(active_)); }
  void SetPageRect(int index, const Rect& r) override;
  Rect TabRect() const override { return tab_; }
  void SetTabRect(const Rect& r) override { tab_ = r; }
  void Resize(int cx, int cy) override;
  void Center() override;
  Rect DesktopRect() const override { return backend_.desktop; }
  void Move(int x, int y) override;
  void MoveTopmost(int x, int y) override;
  void PostToSelf(unsigned msg) override { queue_.push_back(msg); }
  void Destroy() override;

 private:
  void MakePage(int index);
  void End(int result);

  HeadlessBackend& backend_;
  PropertySheet* sheet_;
  bool modal_;
  WindowHandle handle_;
  std::string caption_;
  std::vector<std::string> titles_;
  std::vector<std::unique_ptr<HeadlessDialog>> views_;
  std::vector<Rect> pageRects_;
  Rect window_, tab_;
  int active_ = -1;
  bool open_ = true, topmost_ = false;
  int result_ = IDCANCEL;
  std::deque<unsigned> queue_;
};

}  // namespace plat
