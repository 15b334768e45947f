// What every attribute dialog shares: tag command id, settings slot,
// handed-in text and result; the settings store; check boxes that enable
// their controls; browse and list buttons; the runner.
#pragma once
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "plat/dialog.h"

namespace tq {

// A registry value name: pattern with "%d" formatted with slot, cut at
// 1023 characters as wsprintfA would (e.g. "HEAD_%dFlag", 110).
std::string SettingName(const char* pattern, int slot);

// A dialog's value name before formatting. The dialogs read and write a
// few hundred settings; formatting the name inside the accessors below
// keeps a temporary string and its clean-up out of every one of those calls.
struct SettingKey {
  const char* pattern;
  int slot;
};

// Settings of section "HTML" through the application's profile.
std::string GetSetting(const std::string& name, const std::string& def = "");
int GetSettingInt(const std::string& name, int def = 0);
void PutSetting(const std::string& name, const std::string& value);
void PutSettingInt(const std::string& name, int value);
std::string GetSetting(SettingKey key, const char* def = "");
std::string GetSetting(SettingKey key, const std::string& def);
int GetSettingInt(SettingKey key, int def = 0);
void PutSetting(SettingKey key, const std::string& value);
void PutSettingInt(SettingKey key, int value);

// The open-file dialog: true and path = the chosen full path, or false with
// path unchanged. title may be empty; filter nullptr gives all files.
bool BrowsePath(plat::WindowHandle parent, std::string& path, const std::string& title,
                const char* filter = nullptr);

class CAttrDialog : public plat::Dialog {
 public:
  CAttrDialog(int templateId, plat::WindowHandle parent);
  // Stores the id, the settings slot and the handed-in text.
  virtual void Init(int tagId, const std::string& handedIn);

  int m_nTagId = 0;
  int m_nSlot = 0;
  std::string m_strText;    // handed-in text
  std::string m_strResult;  // built on OK

  // What the field-table code (fields.h) may do to a dialog.
  class Access {
   public:
    // unless: a box that turns the controls off while checked, or 0.
    void Governs(int check, std::vector<int> controls, int unless = 0) {
      d_.m_deps.push_back({check, unless, std::move(controls)});
    }
    SettingKey Name(const char* pattern) const { return d_.Name(pattern); }
    void Check(int id, int state) { d_.Check(id, state); }
    bool IsChecked(int id) const { return d_.IsChecked(id) != 0; }
    void CheckRadio(int first, int last, int id) { d_.CheckRadio(first, last, id); }

   private:
    friend class CAttrDialog;
    explicit Access(CAttrDialog& d) : d_(d) {}
    CAttrDialog& d_;
  };

 protected:
  Access Fields() { return Access(*this); }

  // Registry value of this dialog and slot: Name("HEAD_%dFlag").
  SettingKey Name(const char* pattern) const { return {pattern, m_nSlot}; }
  // field := the setting of this pattern (def when there is none); one
  // call where a dialog reads its fields at opening.
  void Load(std::string& field, const char* pattern, const char* def = "");

  // A check box and the controls it enables while checked.
  void Governs(int checkId, std::initializer_list<int> controls);
  void ApplyDependents();  // the rule for every governing check box
  // Clears and disables a check box that does not apply to this element.
  void Withdraw(int checkId);

  // Browse button convention: takes the edit boxes into the members, starts
  // from the directory value dirName, on success sets field, shows the
  // members and writes the directory at once. True when a file was chosen.
  bool BrowseInto(std::string& field, const char* dirName, const char* title, bool append = false,
                  const char* filter = nullptr);
  // List button: the chooser with list number; on OK field := the value.
  bool ChooseInto(std::string& field, int listNumber);
  // A list box's selection: field := the entry's value (its text up to the
  // first blank), or the whole entry; false with no selection.
  bool TakeListValue(int listId, std::string& field, bool wholeEntry = false);
  // Other-attributes button: the basic dialog in attribute mode for this
  // command and text; on OK field := its result. The edit boxes are taken
  // before it opens, or with takeFirst false only once it is confirmed.
  bool EditOtherAttributes(std::string& field, bool takeFirst = true);
  // Message box with the dialogs' conventions: empty caption, OK only.
  int Message(const char* text, unsigned flags = 0);


  // Re-applies the dependent-control rule when a governing box (or one that
  // turns controls off) is clicked.
  bool OnCommand(int id, int code) override;

 private:
  struct Dependents {
    int check;
    int unless;
    std::vector<int> controls;
  };
  std::vector<Dependents> m_deps;
};

// Runner: constructs D with the parent, initialises it with (id, buffer),
// runs it and on OK replaces the buffer with the result.
template <class D>
void RunDialog(plat::WindowHandle parent, std::string& buffer, int id) {
  D dlg(parent);
  dlg.Init(id, buffer);
  if (dlg.DoModal() == plat::IDOK) buffer = dlg.m_strResult;
}

}  // namespace tq
