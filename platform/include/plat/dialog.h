// Dialog base with data exchange, written once and run by either backend.
// A dialog overrides OnInitDialog, DoDataExchange, OnOK and OnCommand; the
// backend supplies the controls (real windows, or a headless model).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "plat/dialog_template.h"
#include "plat/window.h"

namespace plat {

// Control notifications, with the Win32 values.
enum Notify : int { kClicked = 0, kSelChange = 1, kDblClk = 2, kEditChange = 0x300 };
enum : int { IDOK = 1, IDCANCEL = 2 };

// What a backend provides for one open dialog.
class DialogImpl {
 public:
  virtual ~DialogImpl() = default;
  virtual WindowHandle handle() const = 0;
  virtual std::string GetText(int id) const = 0;
  virtual void SetText(int id, const std::string& s) = 0;
  virtual int GetCheck(int id) const = 0;
  virtual void SetCheck(int id, int state) = 0;
  virtual bool IsEnabled(int id) const = 0;
  virtual void Enable(int id, bool on) = 0;
  virtual void Show(int id, bool on) = 0;
  virtual std::string GetTitle() const = 0;
  virtual void SetTitle(const std::string& s) = 0;
  virtual void ListReset(int id) = 0;
  virtual int ListAdd(int id, const std::string& s) = 0;  // index added at
  virtual int ListInsert(int id, int index, const std::string& s) = 0;
  virtual void ListDelete(int id, int index) = 0;
  virtual int ListCount(int id) const = 0;
  virtual std::string ListText(int id, int index) const = 0;
  virtual int ListCurSel(int id) const = 0;  // -1 when none
  virtual void ListSetCurSel(int id, int index) = 0;
  virtual void SetUpDownRange(int id, int lo, int hi) = 0;
  virtual void Invalidate(int id) = 0;  // repaint (colour swatches)
  // Colour of a swatch control (COLORREF 0x00BBGGRR); painted with a brush.
  virtual void SetSwatch(int id, uint32_t rgb) { (void)id; (void)rgb; }
  virtual uint32_t GetSwatch(int id) const { (void)id; return 0; }
  virtual void End(int result) = 0;
  // Push buttons made at run time; the returned index names the button
  // afterwards (-1 when it could not be made). Ids may repeat.
  virtual int AddButton(int id, const std::string& text, const Rect& r, FontHandle font) {
    (void)id; (void)text; (void)r; (void)font;
    return -1;
  }
  virtual void RemoveButton(int index) { (void)index; }
  virtual void FocusButton(int index) { (void)index; }
};

class Dialog;

// Data exchange between members and controls (save = controls to members).
class DataExchange {
 public:
  DataExchange(Dialog& d, bool save) : dlg_(d), save_(save) {}
  bool saving() const { return save_; }
  void Text(int id, std::string& value);
  void Int(int id, int& value);      // decimal edit box; bad text reads as 0
  void Check(int id, int& state);    // check box state 0/1
  void Radio(int firstId, int lastId, int& index);  // index of the checked radio, -1 none

 private:
  Dialog& dlg_;
  bool save_;
};

class Dialog {
 public:
  Dialog(int templateId, WindowHandle parent);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally; IDOK or IDCANCEL (also IDCANCEL when the
  // dialog could not be created).
  int DoModal();

  int templateId() const { return templateId_; }
  WindowHandle parent() const { return parent_; }
  WindowHandle handle() const;  // the open dialog's window (parent of nested dialogs)
  bool IsOpen() const { return impl_ != nullptr; }

  // Called by backends.
  void Attach(DialogImpl* impl) { impl_ = impl; }
  void Detach() { impl_ = nullptr; }
  bool HandleInit() { return OnInitDialog(); }
  void HandleCommand(int id, int code);
  // Key-down in a button made at run time (by its index).
  void HandleButtonKey(int index, unsigned vk) { OnButtonKey(index, vk); }
  // The window is being destroyed; controls still exist.
  void HandleDestroy() { OnDestroy(); }

  // Control access, valid while the dialog is open.
  std::string GetItemText(int id) const;
  void SetItemText(int id, const std::string& s);
  int IsChecked(int id) const;
  void Check(int id, int state);
  void CheckRadio(int firstId, int lastId, int checkId);
  bool IsItemEnabled(int id) const;
  void EnableItem(int id, bool on);
  void ShowItem(int id, bool on);
  std::string GetTitle() const;
  void SetTitle(const std::string& s);
  DialogImpl& impl() const { return *impl_; }

  // Members to controls (false) or controls to members (true).
  bool UpdateData(bool save);
  void EndDialog(int result);

 protected:
  virtual bool OnInitDialog();
  virtual void DoDataExchange(DataExchange& dx);
  virtual void OnOK();
  virtual void OnCancel();
  // Button and list notifications other than OK/Cancel; true when handled.
  virtual bool OnCommand(int id, int code);
  virtual void OnButtonKey(int index, unsigned vk) { (void)index; (void)vk; }
  virtual void OnDestroy() {}

 private:
  int templateId_;
  WindowHandle parent_;
  DialogImpl* impl_ = nullptr;
};

}  // namespace plat
