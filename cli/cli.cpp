#include "cli/cli.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/dispatch.h"
#include "app/entry.h"
#include "app/html_app.h"
#include "res/string_table.h"
#include "cli/actions.h"
#include "cli/interactive.h"
#include "cli/io.h"
#include "cli/options.h"
#include "dialogs/common/settings_names.h"
#include "dialogs/common/value_lists.h"
#include "plat/headless_driver.h"
#include "plat/profile.h"
#include "plat/text.h"
#include "res/commands.h"

#ifndef TQ_VERSION
#define TQ_VERSION "1.0.141"
#endif

namespace tq::cli {

namespace {

enum Status { kDone = 0, kFailed = 1, kBadUsage = 2, kNotSaved = 3 };

std::string DefaultProfilePath() {
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x)
    return std::string(x) + "/tagquill/profile.ini";
  if (const char* h = std::getenv("HOME"); h && *h) return std::string(h) + "/.config/tagquill/profile.ini";
  return "tagquill-profile.ini";
}

// Every id of the string table, and 29002 (the toolbox customization) that
// has no text of its own.
bool IsTagCommand(int id) {
  if (id == cmd::kToolBoxSettings) return true;
  const std::vector<int>& ids = AllTagIds();
  return std::binary_search(ids.begin(), ids.end(), id);
}

std::string ToLf(std::string_view s) {
  std::string r;
  r.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i)
    if (!(s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')) r.push_back(s[i]);
  return r;
}

// One run of the tool.
class Tool {
 public:
  Tool(Options o, int in, int out, int err) : o_(std::move(o)), in_(in), out_(out), err_(err) {}
  // The profile goes with the run, and its lock with it.
  ~Tool() { HtmlApp().SetProfile(nullptr); }
  int Go();
  void Message(const std::string& text) {
    std::string line = "tagquill: " + text;
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::string ignored;
    WriteAll(err_, line + "\n", &ignored);
  }
  // A failure: the message, and the selection back unchanged when the verb
  // filters text.
  int Fail(int status, const std::string& text);

 private:
  bool Filters() const {
    static const char* const kOthers[] = {"show", "labels", "reset", "commands", "menu", "list"};
    return o_.words.empty() ||
           std::none_of(std::begin(kOthers), std::end(kOthers), [&](const char* v) { return o_.words[0] == v; });
  }
  bool ReadSelection();
  int Output(const std::vector<std::string_view>& pieces);
  bool OneId(int* id);
  bool OpenProfile(bool forSaving);
  bool SaveProfile();
  int Commands();
  int Menu();
  int List();
  struct Selection {
    std::string_view whole, sel, end;
    bool lf = false;
  };
  bool TakeSelection(Selection* s);
  int Emit(const Selection& s, const std::string& selection, const std::string& result, int status);
  int RunCommand();
  int Interactive(bool pick);
  int Show(bool labelsOnly);
  int Reset();
  void MessagesToStderr();

  Options o_;
  int in_, out_, err_;
  Input input_;
  bool read_ = false, echoed_ = false;
  plat::HeadlessDriver backend_;
  plat::FileProfile* profile_ = nullptr;
};

int Tool::Fail(int status, const std::string& text) {
  Message(text);
  if (Filters() && !echoed_) {
    echoed_ = true;
    if (read_ || (!isatty(in_) && ReadSelection())) {
      std::string why;
      if (!WriteAll(out_, input_.view(), &why)) Message("cannot write the selection back: " + why);
    }
  }
  return status;
}

bool Tool::ReadSelection() {
  std::string why;
  if (!input_.ReadAll(in_, &why)) {
    echoed_ = true;  // nothing to give back
    Message("cannot read the selection: " + why);
    return false;
  }
  read_ = true;
  return true;
}

int Tool::Output(const std::vector<std::string_view>& pieces) {
  std::string why;
  if (!WriteAll(out_, pieces, &why)) {
    Message("cannot write the result: " + why);
    return kFailed;
  }
  return kDone;
}

bool Tool::OneId(int* id) {
  if (o_.words.size() != 2) {
    Fail(kBadUsage, o_.words[0] + " takes one tag command id");
    return false;
  }
  if (!ParseInt32(o_.words[1], id) || !IsTagCommand(*id)) {
    Fail(kBadUsage, "'" + o_.words[1] + "' is not a tag command id (see 'tagquill commands')");
    return false;
  }
  return true;
}

// Loads the profile, locked until the run ends (shared when nothing will be
// saved), and gives it to the application with the --set values in it.
bool Tool::OpenProfile(bool forSaving) {
  HtmlApp().SetProfile(nullptr);
  profile_ = nullptr;
  auto p = std::make_unique<plat::FileProfile>(o_.profile.empty() ? DefaultProfilePath() : o_.profile);
  std::string why;
  if (!p->Load(&why, forSaving)) {
    Fail(kFailed, "cannot read the profile " + why);
    return false;
  }
  for (const auto& [n, v] : o_.sets) p->WriteString(kSection, n, v);
  for (const auto& [n, v] : o_.setInts) p->WriteInt(kSection, n, std::atoi(v.c_str()));
  profile_ = p.get();
  HtmlApp().SetProfile(std::move(p));
  HtmlApp().InitInstance();
  return true;
}

bool Tool::SaveProfile() {
  std::string why;
  if (!profile_ || profile_->Save(&why)) return true;
  Message("cannot save the profile " + why);
  return false;
}

void Tool::MessagesToStderr() {
  for (const plat::MessageRecord& m : backend_.messages) Message(m.text);
  backend_.messages.clear();
}

int Tool::Go() {
  if (o_.help) return Output({std::string_view(kUsage)});
  if (o_.version) return Output({std::string_view("tagquill " TQ_VERSION "\n")});
  if (o_.words.empty()) return Fail(kBadUsage, "no command given (see --help)");
  backend_.Reset();
  plat::InstallBackend(&backend_);
  const std::string& verb = o_.words[0];
  if (verb == "commands") return Commands();
  if (verb == "menu") return Menu();
  if (verb == "list") return List();
  if (verb == "run") return RunCommand();
  if (verb == "show") return Show(false);
  if (verb == "labels") return Show(true);
  if (verb == "reset") return Reset();
  if (verb == "edit") return Interactive(false);
  if (verb == "pick") return Interactive(true);
  return Fail(kBadUsage, "unknown command '" + verb + "' (see --help)");
}

int Tool::Commands() {
  std::string text;
  for (int id : AllTagIds()) text += std::to_string(id) + '\t' + TagCaption(id) + '\n';
  return Output({text});
}

int Tool::List() {
  int n = 0;
  if (o_.words.size() != 2 || !ParseInt32(o_.words[1], &n)) return Fail(kBadUsage, "list takes one list number");
  const ValueList* l = FindValueList(n);
  if (!l) return Fail(kFailed, "there is no value list " + std::to_string(n) + " (lists are 100..135)");
  std::string text = std::string(plat::J(l->title)) + '\n';
  for (int i = 0; i < l->count; ++i) text += std::string(plat::J(l->entries[i])) + '\n';
  return Output({text});
}

int Tool::Menu() {
  SetAppInfo(2, nullptr, 0);  // no host to ask for key texts
  plat::MenuHandle bar = backend_.CreatePopupMenu();
  MakeHtmlMenu(bar);
  std::string text;
  for (const plat::MenuItem& it : backend_.Menu(bar)) {
    if (it.flags & plat::Backend::MF_SEPARATOR_) {
      text += "----\n";
    } else if (!(it.flags & plat::Backend::MF_POPUP_)) {
      text += it.text + '\t' + std::to_string(it.idOrPopup) + '\n';
    } else {
      text += it.text + '\n';
      for (const plat::MenuItem& sub : backend_.Menu(reinterpret_cast<plat::MenuHandle>(it.idOrPopup)))
        text += (sub.flags & plat::Backend::MF_SEPARATOR_) ? std::string("    ----\n")
                                                            : "    " + sub.text + '\t' + std::to_string(sub.idOrPopup) + '\n';
    }
  }
  return Output({text});
}

// The selection as the commands take it: whole, and without the line break
// that ends a line-wise selection (that one stays outside the element).
bool Tool::TakeSelection(Selection* s) {
  if (!ReadSelection()) return false;
  s->whole = input_.view();
  if (const void* nul = std::memchr(s->whole.data(), '\0', s->whole.size())) {
    Fail(kFailed, "the selection holds a NUL byte (at offset " +
                      std::to_string(static_cast<const char*>(nul) - s->whole.data()) + "); tag commands take text");
    return false;
  }
  const std::string_view w = s->whole;
  size_t tail = 0;
  if (!w.empty() && w.back() == '\n') tail = w.size() > 1 && w[w.size() - 2] == '\r' ? 2 : 1;
  s->sel = w.substr(0, w.size() - tail);
  s->end = w.substr(w.size() - tail);
  s->lf = o_.eol == Eol::Lf ||
          (o_.eol == Eol::Auto && w.find("\r\n") == std::string_view::npos && w.find('\n') != std::string_view::npos);
  return true;
}

// Writes what a dialog built (or the selection whole when it built nothing);
// only the built text takes --eol's line breaks, never the selection.
int Tool::Emit(const Selection& s, const std::string& selection, const std::string& result, int status) {
  if (result == selection) {
    const int w = Output({s.whole});
    return w != kDone ? w : status;
  }
  std::vector<std::string_view> pieces;
  std::string head, rest;
  const size_t at = selection.empty() ? std::string::npos : result.find(selection);
  if (!s.lf) {
    pieces = {result, s.end};
  } else if (at == std::string::npos || selection.find("\r\n") == std::string::npos) {
    head = ToLf(result);
    pieces = {head, s.end};
  } else {
    head = ToLf(std::string_view(result).substr(0, at));
    rest = ToLf(std::string_view(result).substr(at + selection.size()));
    pieces = {head, selection, rest, s.end};
  }
  const int w = Output(pieces);
  return w != kDone ? w : status;
}

int Tool::RunCommand() {
  int id = 0;
  Selection s;
  if (!OneId(&id)) return kBadUsage;
  if (!TakeSelection(&s)) return kFailed;
  const bool saving = !o_.noSave;
  std::string before, after;
  if (SimpleParts(id, s.sel, &before, &after)) {
    if (!o_.actions.empty()) return Fail(kBadUsage, std::to_string(id) + " has no dialog for field actions");
    int status = kDone;
    if (!o_.sets.empty() || !o_.setInts.empty()) {
      if (!OpenProfile(saving)) return kFailed;
      if (saving && !SaveProfile()) status = kNotSaved;
    }
    if (s.lf) {
      before = ToLf(before);
      after = ToLf(after);
    }
    const int w = Output({before, s.sel, after, s.end});
    return w != kDone ? w : status;
  }
  const bool detail = FindRunner(id) != nullptr || id == cmd::kToolBoxSettings;
  if (!detail && !o_.actions.empty()) return Fail(kBadUsage, std::to_string(id) + " opens no dialog for field actions");
  if (!OpenProfile(saving)) return kFailed;

  Driver driver(backend_, o_.actions, Driver::Mode::Run);
  const std::string selection(s.sel);
  const std::string result = GetHtmlTagString(nullptr, id, selection.c_str());
  MessagesToStderr();
  if (std::string failure = driver.Failure(); !failure.empty()) return Fail(kFailed, failure);
  return Emit(s, selection, result, saving && !SaveProfile() ? kNotSaved : kDone);
}

// edit ID and pick: the dialog or the menu on the terminal. Cancelling gives
// the selection back with status 1, as a failure would.
int Tool::Interactive(bool pick) {
  int id = 0;
  if (pick && o_.words.size() != 1) return Fail(kBadUsage, "pick takes no operand");
  if (!pick && !OneId(&id)) return kBadUsage;
  if (!o_.actions.empty()) return Fail(kBadUsage, "field actions are for run, show and labels");
  Selection s;
  if (!TakeSelection(&s)) return kFailed;
  const bool saving = !o_.noSave;
  if (!OpenProfile(saving)) return kFailed;
  const std::string selection(s.sel);
  std::string text = selection, why;
  const int rc = pick ? PickOnTerminal(text, &why) : EditOnTerminal(id, text, &why);
  if (rc < 0) return Fail(kFailed, why);
  const int status = saving && !SaveProfile() ? kNotSaved : kDone;
  if (rc == 1) {
    const int w = Output({s.whole});
    return w != kDone ? w : kFailed;
  }
  return Emit(s, selection, text, status);
}

namespace {

// One line per control, as today's show prints it, with what each list holds
// and what each button opens.
std::string Describe(plat::HeadlessDialog& d, const std::vector<std::pair<int, std::string>>& opens) {
  std::string out = d.GetTitle() + '\n';
  for (const plat::ControlDesc& c : d.tmpl().controls) {
    if (c.id == -1) {
      if (c.kind == plat::Ctl::Static && c.text) out += std::string(plat::J(c.text)) + '\n';
      continue;
    }
    if (!d.IsVisible(c.id) || c.kind == plat::Ctl::Group || c.kind == plat::Ctl::UpDown ||
        c.id == plat::IDOK || c.id == plat::IDCANCEL)
      continue;
    std::string line;
    switch (c.kind) {
      case plat::Ctl::Check: line = std::string(d.GetCheck(c.id) ? "[x] " : "[ ] ") + d.GetText(c.id); break;
      case plat::Ctl::Radio: line = std::string(d.GetCheck(c.id) ? "(*) " : "( ) ") + d.GetText(c.id); break;
      case plat::Ctl::Edit:
      case plat::Ctl::EditMulti:
      case plat::Ctl::EditNumber: line = "    \"" + d.GetText(c.id) + "\""; break;
      case plat::Ctl::List:
      case plat::Ctl::ListSorted:
      case plat::Ctl::Combo: {
        const std::vector<std::string> items = d.ListItems(c.id);
        line = "    list of " + std::to_string(items.size());
        if (!d.IsEnabled(c.id)) line += "  (disabled)";
        for (size_t i = 0; i < items.size(); ++i)
          line += std::string("\n      ") + (static_cast<int>(i) == d.ListCurSel(c.id) ? "> " : "  ") + items[i];
        out += line + "\n";
        continue;
      }
      case plat::Ctl::Static: line = d.GetText(c.id); break;
      case plat::Ctl::Swatch: line = "    colour"; break;
      default: {
        line = "<" + d.GetText(c.id) + ">";
        for (const auto& [id, what] : opens)
          if (id == c.id && !what.empty()) line += "  opens " + what;
        break;
      }
    }
    if (!d.IsEnabled(c.id)) line += "  (disabled)";
    out += line + "\n";
  }
  return out;
}

}  // namespace

int Tool::Show(bool labelsOnly) {
  int id = 0;
  if (!OneId(&id)) return kBadUsage;
  if (!FindRunner(id)) return Fail(kFailed, std::to_string(id) + " opens no dialog");
  if (!OpenProfile(false)) return kFailed;
  // The innermost dialog once the actions have run; then, for each of its
  // buttons, the same run again pressing it, to tell what it opens.
  std::vector<std::pair<int, std::string>> buttons, opens;
  std::string text;
  {
    Driver driver(backend_, o_.actions, Driver::Mode::Show);
    driver.atEnd = [&](plat::HeadlessDialog& d) {
      const DialogLabels labels(d);
      if (labelsOnly) {
        std::vector<std::string> seen;
        for (Want w : {Want::Check, Want::Radio, Want::Edit, Want::List, Want::Button})
          for (const auto& entry : labels.Offered(w))
            if (std::find(seen.begin(), seen.end(), entry.second) == seen.end()) seen.push_back(entry.second);
        for (const std::string& s : seen) text += s + '\n';
        return;
      }
      for (const auto& b : labels.Offered(Want::Button))
        if (b.first != plat::IDOK && b.first != plat::IDCANCEL && d.IsEnabled(b.first)) buttons.push_back(b);
    };
    GetHtmlTagString(nullptr, id, "");
    if (std::string failure = driver.Failure(); !failure.empty()) return Fail(kFailed, failure);
  }
  if (labelsOnly) return Output({text});
  for (const auto& [button, label] : buttons) {
    if (!OpenProfile(false)) return kFailed;
    backend_.Reset();
    std::vector<Action> probe = o_.actions;
    probe.push_back({Action::Press, label, "", 0, "--press " + label});
    Driver driver(backend_, probe, Driver::Mode::Show);
    GetHtmlTagString(nullptr, id, "");
    opens.emplace_back(button, driver.pressOpened());
  }
  if (!OpenProfile(false)) return kFailed;
  backend_.Reset();
  Driver driver(backend_, o_.actions, Driver::Mode::Show);
  driver.atEnd = [&](plat::HeadlessDialog& d) { text = Describe(d, opens); };
  GetHtmlTagString(nullptr, id, "");
  backend_.messages.clear();
  return Output({text});
}

int Tool::Reset() {
  int id = 0;
  if (!OneId(&id)) return kBadUsage;
  if (!OpenProfile(true)) return kFailed;
  const int slot = id - cmd::kSlotBase;
  profile_->Erase(kSection, [slot](const std::string& name) { return IsCommandValue(name, slot); });
  return SaveProfile() ? kDone : kNotSaved;
}

}  // namespace

int Main(const std::vector<std::string>& args, int in, int out, int err) {
  Options o;
  std::string why;
  if (!ParseOptions(args, &o, &why)) {
    Tool t(o, in, out, err);
    return t.Fail(kBadUsage, why);
  }
  plat::SetTextEncoding(o.encoding);
  plat::SetBrowsePathStyle(plat::PathStyle::Posix);  // a Linux file name may hold a backslash
  Tool t(std::move(o), in, out, err);
  return t.Go();
}

}  // namespace tq::cli
