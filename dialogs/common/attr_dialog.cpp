#include "dialogs/common/attr_dialog.h"

#include <cstdio>

#include "dialogs/common/basic_dlg.h"
#include "dialogs/common/settings_names.h"
#include "dialogs/common/text_rules.h"
#include "dialogs/common/value_list_dlg.h"
#include "plat/app.h"
#include "plat/backend.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

std::string SettingName(const char* pattern, int slot) {
  char buf[1024];
  std::snprintf(buf, sizeof buf, pattern, slot);
  return buf;
}

std::string GetSetting(const std::string& name, const std::string& def) {
  return plat::CurrentApp()->GetProfileString(kSection, name, def);
}
int GetSettingInt(const std::string& name, int def) {
  return plat::CurrentApp()->GetProfileInt(kSection, name, def);
}
void PutSetting(const std::string& name, const std::string& value) {
  plat::CurrentApp()->WriteProfileString(kSection, name, value);
}
void PutSettingInt(const std::string& name, int value) {
  plat::CurrentApp()->WriteProfileInt(kSection, name, value);
}
std::string GetSetting(SettingKey key, const char* def) {
  return GetSetting(SettingName(key.pattern, key.slot), std::string(def));
}
std::string GetSetting(SettingKey key, const std::string& def) {
  return GetSetting(SettingName(key.pattern, key.slot), def);
}
int GetSettingInt(SettingKey key, int def) {
  return GetSettingInt(SettingName(key.pattern, key.slot), def);
}
void PutSetting(SettingKey key, const std::string& value) {
  PutSetting(SettingName(key.pattern, key.slot), value);
}
void PutSettingInt(SettingKey key, int value) {
  PutSettingInt(SettingName(key.pattern, key.slot), value);
}

bool BrowsePath(plat::WindowHandle parent, std::string& path, const std::string& title,
                const char* filter) {
  plat::FileDialogRequest req;
  req.initialDir = path;
  req.title = title;
  req.filter = filter ? filter : "All Files(*.*)|*.*||";
  auto chosen = plat::CurrentBackend().OpenFile(parent, req);
  if (!chosen) return false;
  path = *chosen;
  return true;
}

CAttrDialog::CAttrDialog(int templateId, plat::WindowHandle parent)
    : plat::Dialog(templateId, parent) {}

void CAttrDialog::Load(std::string& field, const char* pattern, const char* def) {
  field = GetSetting(Name(pattern), def);
}

void CAttrDialog::Init(int tagId, const std::string& handedIn) {
  m_nTagId = tagId;
  m_nSlot = tagId - cmd::kSlotBase;
  m_strText = handedIn;
}

void CAttrDialog::Governs(int checkId, std::initializer_list<int> controls) {
  m_deps.push_back({checkId, 0, std::vector<int>(controls)});
}

void CAttrDialog::ApplyDependents() {
  for (const Dependents& dep : m_deps) {
    const bool on = IsChecked(dep.check) != 0 && IsItemEnabled(dep.check) && !(dep.unless && IsChecked(dep.unless));
    for (int c : dep.controls) EnableItem(c, on);
  }
}

void CAttrDialog::Withdraw(int checkId) {
  Check(checkId, 0);
  EnableItem(checkId, false);
}

bool CAttrDialog::BrowseInto(std::string& field, const char* dirName, const char* title, bool append,
                             const char* filter) {
  UpdateData(true);
  std::string path = GetSetting(dirName);
  if (!BrowsePath(handle(), path, plat::J(title), filter)) return false;
  if (append && !field.empty()) field += " ";
  if (append) field += path;
  else field = path;
  UpdateData(false);
  std::string dir;
  if (plat::DirectoryOf(path, &dir)) PutSetting(dirName, dir);
  return true;
}

bool CAttrDialog::ChooseInto(std::string& field, int listNumber) {
  UpdateData(true);
  CValueListDlg dlg(handle());
  dlg.m_nList = listNumber;
  if (dlg.DoModal() != plat::IDOK) return false;
  field = dlg.m_strResult;
  UpdateData(false);
  return true;
}

bool CAttrDialog::TakeListValue(int listId, std::string& field, bool wholeEntry) {
  const int sel = impl().ListCurSel(listId);
  if (sel < 0) return false;
  UpdateData(true);
  const std::string entry = impl().ListText(listId, sel);
  field = wholeEntry ? entry : EntryValue(entry);
  UpdateData(false);
  return true;
}

bool CAttrDialog::EditOtherAttributes(std::string& field, bool takeFirst) {
  if (takeFirst) UpdateData(true);
  CBasicDlg basic(handle());
  basic.Init(m_nTagId, m_strText);
  if (basic.DoModal() != plat::IDOK) return false;
  if (!takeFirst) UpdateData(true);
  field = basic.m_strResult;
  UpdateData(false);
  return true;
}

int CAttrDialog::Message(const char* text, unsigned flags) {
  return plat::CurrentBackend().MessageBox(handle(), plat::J(text), "", flags);
}

bool CAttrDialog::OnCommand(int id, int code) {
  if (code != plat::kClicked) return false;
  for (const Dependents& dep : m_deps)
    if (dep.check == id || (dep.unless && dep.unless == id)) {
      ApplyDependents();
      return true;
    }
  return false;
}

}  // namespace tq
