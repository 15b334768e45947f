#include "plat/dialog.h"

#include <cstdlib>
#include <map>

#include "plat/backend.h"

namespace plat {

Dialog::Dialog(int templateId, WindowHandle parent) : templateId_(templateId), parent_(parent) {}
Dialog::~Dialog() = default;

int Dialog::DoModal() { return CurrentBackend().RunModal(*this); }

WindowHandle Dialog::handle() const { return impl_ ? impl_->handle() : parent_; }

void Dialog::HandleCommand(int id, int code) {
  if (!impl_) return;
  if (code == kClicked && id == IDOK) return OnOK();
  if (code == kClicked && id == IDCANCEL) return OnCancel();
  OnCommand(id, code);
}

std::string Dialog::GetItemText(int id) const { return impl_->GetText(id); }
void Dialog::SetItemText(int id, const std::string& s) { impl_->SetText(id, s); }
int Dialog::IsChecked(int id) const { return impl_->GetCheck(id); }
void Dialog::Check(int id, int state) { impl_->SetCheck(id, state); }
void Dialog::CheckRadio(int firstId, int lastId, int checkId) {
  for (int i = firstId; i <= lastId; ++i) impl_->SetCheck(i, i == checkId ? 1 : 0);
}
bool Dialog::IsItemEnabled(int id) const { return impl_->IsEnabled(id); }
void Dialog::EnableItem(int id, bool on) { impl_->Enable(id, on); }
void Dialog::ShowItem(int id, bool on) { impl_->Show(id, on); }
std::string Dialog::GetTitle() const { return impl_->GetTitle(); }
void Dialog::SetTitle(const std::string& s) { impl_->SetTitle(s); }

bool Dialog::UpdateData(bool save) {
  if (!impl_) return false;
  DataExchange dx(*this, save);
  DoDataExchange(dx);
  return true;
}

void Dialog::EndDialog(int result) {
  if (impl_) impl_->End(result);
}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}
void Dialog::DoDataExchange(DataExchange&) {}
void Dialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}
void Dialog::OnCancel() { EndDialog(IDCANCEL); }
bool Dialog::OnCommand(int, int) { return false; }

void DataExchange::Text(int id, std::string& value) {
  if (save_) value = dlg_.GetItemText(id);
  else dlg_.SetItemText(id, value);
}

void DataExchange::Int(int id, int& value) {
  if (save_) {
    std::string t = dlg_.GetItemText(id);
    char* end = nullptr;
    long v = std::strtol(t.c_str(), &end, 10);
    value = (end == t.c_str() || v > INT32_MAX || v < INT32_MIN) ? 0 : static_cast<int>(v);
  } else {
    dlg_.SetItemText(id, std::to_string(value));
  }
}

void DataExchange::Check(int id, int& state) {
  if (save_) state = dlg_.IsChecked(id) ? 1 : 0;
  else dlg_.Check(id, state ? 1 : 0);
}

void DataExchange::Radio(int firstId, int lastId, int& index) {
  if (save_) {
    index = -1;
    for (int i = firstId; i <= lastId; ++i)
      if (dlg_.IsChecked(i)) index = i - firstId;
  } else {
    dlg_.CheckRadio(firstId, lastId, index < 0 ? -1 : firstId + index);
  }
}

namespace {
Backend* g_backend = nullptr;
}
Backend& CurrentBackend() {
  if (!g_backend) std::abort();  // a program must install its backend first
  return *g_backend;
}
void InstallBackend(Backend* b) { g_backend = b; }
Backend* CurrentBackendOrNull() { return g_backend; }

const char* const kDialogFont = "ＭＳ Ｐゴシック";

namespace {
std::map<int, const DialogTemplate*>& Registry() {
  static std::map<int, const DialogTemplate*> all;
  return all;
}
}  // namespace

TemplateRegistration::TemplateRegistration(const DialogTemplate& t) { Registry()[t.id] = &t; }

const DialogTemplate* FindTemplate(int id) {
  auto it = Registry().find(id);
  return it == Registry().end() ? nullptr : it->second;
}

const ControlDesc* FindControl(const DialogTemplate& t, int controlId) {
  for (const auto& c : t.controls)
    if (c.id == controlId) return &c;
  return nullptr;
}

}  // namespace plat
