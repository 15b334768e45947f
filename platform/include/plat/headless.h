// Headless backend: dialogs become control models driven by a script, the
// common dialogs and message boxes are answered by the driver. Used by the
// tests and by the command-line tool.
#pragma once
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "plat/backend.h"
#include "plat/dialog.h"

namespace plat {

class HeadlessDialog;

// One step of a script acts on the dialog that is open at that moment.
using DialogScript = std::function<void(HeadlessDialog&)>;

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
  enum class Default { Ok, Cancel };
  void SetDefault(Default d) { default_ = d; }
  // Answers for the common dialogs, taken in order; none left = cancelled.
  void AnswerFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void AnswerColor(std::optional<uint32_t> c) { colors_.push_back(c); }
  void AnswerFont(std::optional<FontChoice> f) { fonts_.push_back(std::move(f)); }
  void AnswerMessage(int answer) { answers_.push_back(answer); }
  void Reset();

  // What happened.
  std::vector<std::string> opened;  // titles of the dialogs as they opened
  std::vector<FileDialogRequest> fileRequests;
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

 private:
  std::deque<DialogScript> scripts_;
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
  // The control whose caption, without '&', is label (ASCII case ignored),
  // or whose bracketed part is; 0 when none.
  int FindByLabel(const std::string& label) const;
  // The edit box belonging to the control labelled so (the next edit box in
  // template order); 0 when none.
  int EditFor(const std::string& label) const;
  // Ids of the template's controls, in template order (fuzzing, tools).
  std::vector<int> ControlIds() const;
  Ctl KindOf(int id) const;
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
};

}  // namespace plat
