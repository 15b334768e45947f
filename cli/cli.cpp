#include "cli/cli.h"
#include "cli/interactive.h"

#include <cstdlib>
#include <istream>
#include <iterator>
#include <memory>
#include <ostream>
#include <sstream>

#include "app/dispatch.h"
#include "app/entry.h"
#include "app/html_app.h"
#include "app/string_table.h"
#include "dialogs/common/value_lists.h"
#include "plat/headless.h"
#include "plat/profile.h"
#include "plat/text.h"

namespace tq::cli {

namespace {

const char kUsage[] =
    "usage: tagquill [options] run ID [field actions]   selection on stdin, result on stdout\n"
    "       tagquill [options] show ID                  a command's dialog and its remembered fields\n"
    "       tagquill [options] commands                 every tag command id with its caption\n"
    "       tagquill [options] menu                     the HTML menu\n"
    "       tagquill [options] list N                   value list N (100..135)\n"
    "       tagquill [options] edit ID                  the command's dialog on the terminal\n"
    "       tagquill [options] pick                     the HTML menu on the terminal\n"
    "\n"
    "options:\n"
    "  --profile FILE           settings file (default: $XDG_CONFIG_HOME/tagquill/profile.ini,\n"
    "                           or ~/.config/tagquill/profile.ini)\n"
    "  --set NAME=VALUE         write the string value NAME before the command runs\n"
    "  --set-int NAME=N         write the integer value NAME\n"
    "  --encoding utf-8|cp932   encoding of the program's own texts (default utf-8);\n"
    "                           the selection and typed values pass through unchanged\n"
    "  -h, --help               this text\n"
    "\n"
    "field actions (on the command's dialog, before OK; LABEL is a control's caption\n"
    "without '&', or the word in its brackets, e.g. ID for \"&ID\", PROFILE for\n"
    "\"文書情報(&PROFILE)\"):\n"
    "  --check LABEL            check a check box     --uncheck LABEL   clear it\n"
    "  --text LABEL=TEXT        type TEXT into the edit box of LABEL\n"
    "  --choose LABEL           select a radio button\n"
    "  --file PATH              answer the next file dialog with PATH\n"
    "  --cancel                 press Cancel instead of OK\n"
    "\n"
    "A detail command opens its dialog without a window: the dialog loads its\n"
    "remembered fields, the actions are applied, OK is pressed and the fields are\n"
    "written back, exactly as a user pressing OK would.\n";

std::string DefaultProfilePath() {
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x)
    return std::string(x) + "/tagquill/profile.ini";
  if (const char* h = std::getenv("HOME"); h && *h) return std::string(h) + "/.config/tagquill/profile.ini";
  return "tagquill-profile.ini";
}

bool ParseId(const std::string& s, int* out) {
  if (s.empty() || s.size() > 11) return false;
  char* end = nullptr;
  long long v = std::strtoll(s.c_str(), &end, 10);
  if (*end != '\0' || v < INT32_MIN || v > INT32_MAX) return false;
  *out = static_cast<int>(v);
  return true;
}

struct Action {
  enum Kind { Check, Uncheck, Text, Choose } kind;
  std::string label, value;
};

struct Options {
  std::string profile = DefaultProfilePath();
  std::vector<std::pair<std::string, std::string>> sets, setInts;
  std::vector<Action> actions;
  std::vector<std::string> files;
  bool cancel = false;
  std::vector<std::string> words;  // command and its operand
};

bool SplitEq(const std::string& s, std::string* a, std::string* b) {
  size_t eq = s.find('=');
  if (eq == std::string::npos || eq == 0) return false;
  *a = s.substr(0, eq);
  *b = s.substr(eq + 1);
  return true;
}

void ApplyActions(const Options& o, plat::HeadlessDialog& d) {
  for (const Action& a : o.actions) {
    switch (a.kind) {
      case Action::Check:
      case Action::Uncheck: {
        int id = d.FindByLabel(a.label);
        if (id == 0) throw std::runtime_error("no control labelled '" + a.label + "'");
        bool want = a.kind == Action::Check;
        if ((d.GetCheck(id) != 0) != want) d.Click(id);
        if ((d.GetCheck(id) != 0) != want)
          throw std::runtime_error("'" + a.label + "' cannot be changed for this command");
        break;
      }
      case Action::Choose: {
        int id = d.FindByLabel(a.label);
        if (id == 0) throw std::runtime_error("no control labelled '" + a.label + "'");
        d.Click(id);
        break;
      }
      case Action::Text: {
        int id = d.EditFor(a.label);
        if (id == 0) throw std::runtime_error("no edit box for '" + a.label + "'");
        if (!d.IsEnabled(id))
          throw std::runtime_error("the edit box of '" + a.label + "' is disabled; check it first");
        d.Type(id, a.value);
        break;
      }
    }
  }
  if (o.cancel) d.Cancel();
}

}  // namespace

int Main(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
         std::ostream& err) {
  Options o;
  std::string encoding = "utf-8";
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto need = [&](std::string* v) {
      if (i + 1 >= args.size()) {
        err << "tagquill: " << a << " needs a value\n";
        return false;
      }
      *v = args[++i];
      return true;
    };
    std::string v, n, val;
    if (a == "-h" || a == "--help") {
      out << kUsage;
      return 0;
    } else if (a == "--profile") {
      if (!need(&o.profile)) return 2;
    } else if (a == "--encoding") {
      if (!need(&encoding)) return 2;
      if (encoding != "utf-8" && encoding != "cp932") {
        err << "tagquill: unknown encoding '" << encoding << "' (utf-8 or cp932)\n";
        return 2;
      }
    } else if (a == "--set" || a == "--set-int") {
      if (!need(&v)) return 2;
      if (!SplitEq(v, &n, &val)) {
        err << "tagquill: " << a << " wants NAME=VALUE, got '" << v << "'\n";
        return 2;
      }
      int dummy;
      if (a == "--set-int" && !ParseId(val, &dummy)) {
        err << "tagquill: --set-int " << n << ": '" << val << "' is not a 32-bit integer\n";
        return 2;
      }
      (a == "--set" ? o.sets : o.setInts).emplace_back(n, val);
    } else if (a == "--check" || a == "--uncheck" || a == "--choose") {
      if (!need(&v)) return 2;
      o.actions.push_back({a == "--check" ? Action::Check : a == "--uncheck" ? Action::Uncheck : Action::Choose, v, ""});
    } else if (a == "--text") {
      if (!need(&v)) return 2;
      if (!SplitEq(v, &n, &val)) {
        err << "tagquill: --text wants LABEL=TEXT, got '" << v << "'\n";
        return 2;
      }
      o.actions.push_back({Action::Text, n, val});
    } else if (a == "--file") {
      if (!need(&v)) return 2;
      o.files.push_back(v);
    } else if (a == "--cancel") {
      o.cancel = true;
    } else if (a.size() > 1 && a[0] == '-' && !(a.size() > 1 && (std::isdigit(static_cast<unsigned char>(a[1]))))) {
      err << "tagquill: unknown option '" << a << "' (see --help)\n";
      return 2;
    } else {
      o.words.push_back(a);
    }
  }
  if (o.words.empty()) {
    err << kUsage;
    return 2;
  }
  plat::SetTextEncoding(encoding == "cp932" ? plat::Encoding::Cp932 : plat::Encoding::Utf8);

  const std::string& cmd = o.words[0];
  auto operand = [&](int* value, const char* what) {
    if (o.words.size() != 2) {
      err << "tagquill: " << cmd << " takes one " << what << "\n";
      return false;
    }
    if (!ParseId(o.words[1], value)) {
      err << "tagquill: '" << o.words[1] << "' is not a valid " << what << " (a 32-bit integer)\n";
      return false;
    }
    return true;
  };

  if (cmd == "commands") {
    for (int id : AllTagIds()) out << id << '\t' << TagCaption(id) << '\n';
    return 0;
  }
  if (cmd == "list") {
    int n;
    if (!operand(&n, "list number")) return 2;
    const ValueList* l = FindValueList(n);
    if (!l) {
      err << "tagquill: there is no value list " << n << " (lists are 100..135)\n";
      return 1;
    }
    out << plat::J(l->title) << '\n';
    for (int i = 0; i < l->count; ++i) out << plat::J(l->entries[i]) << '\n';
    return 0;
  }

  // One backend for the process; each call starts from a clean one (tests
  // call Main many times).
  static plat::HeadlessBackend backend;
  backend.Reset();
  plat::InstallBackend(&backend);
  CHtmlApp& app = HtmlApp();

  if (cmd == "menu") {
    SetAppInfo(2, nullptr, 0);  // no host to ask for key texts
    plat::MenuHandle bar = backend.CreatePopupMenu();
    MakeHtmlMenu(bar);
    for (const plat::MenuItem& it : backend.Menu(bar)) {
      if (it.flags & plat::Backend::MF_SEPARATOR_) {
        out << "----\n";
        continue;
      }
      if (!(it.flags & plat::Backend::MF_POPUP_)) {
        out << it.text << '\t' << it.idOrPopup << '\n';
        continue;
      }
      out << it.text << '\n';
      for (const plat::MenuItem& sub : backend.Menu(reinterpret_cast<plat::MenuHandle>(it.idOrPopup))) {
        if (sub.flags & plat::Backend::MF_SEPARATOR_) out << "    ----\n";
        else out << "    " << sub.text << '\t' << sub.idOrPopup << '\n';
      }
    }
    return 0;
  }

  if (cmd != "run" && cmd != "show" && cmd != "edit" && cmd != "pick") {
    err << "tagquill: unknown command '" << cmd << "' (see --help)\n";
    return 2;
  }
  int id = 0;
  if (cmd != "pick" && !operand(&id, "tag command id")) return 2;

  auto profile = std::make_unique<plat::FileProfile>(o.profile);
  std::string why;
  if (!profile->Load(&why)) {
    err << "tagquill: cannot read the profile " << why << "\n";
    return 1;
  }
  for (const auto& [n, v] : o.sets)
    if (!profile->WriteString(kSection, n, v)) {
      err << "tagquill: cannot write the profile " << o.profile << "\n";
      return 1;
    }
  for (const auto& [n, v] : o.setInts)
    if (!profile->WriteInt(kSection, n, std::atoi(v.c_str()))) {
      err << "tagquill: cannot write the profile " << o.profile << "\n";
      return 1;
    }
  app.SetProfile(std::move(profile));
  app.InitInstance();

  if (cmd == "edit" || cmd == "pick") {
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string why2;
    int rc = cmd == "edit" ? EditOnTerminal(id, text, &why2) : PickOnTerminal(text, &why2);
    if (rc < 0) err << "tagquill: " << why2 << "\n";
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return rc == 0 ? 0 : 1;
  }
  if (cmd == "show") {
    if (!FindRunner(id)) {
      err << "tagquill: " << id << " opens no dialog\n";
      return 1;
    }
    backend.SetDefault(plat::HeadlessBackend::Default::Cancel);
    backend.Expect([&](plat::HeadlessDialog& d) {
      out << d.GetTitle() << '\n' << d.Describe();
      d.Cancel();
    });
    GetHtmlTagString(nullptr, id, "");
    return 0;
  }

  std::string selection((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const std::string& f : o.files) backend.AnswerFile(f);
  std::string failure;
  if (!o.actions.empty() || o.cancel) {
    backend.Expect([&](plat::HeadlessDialog& d) {
      try {
        ApplyActions(o, d);
      } catch (const std::exception& e) {
        failure = e.what();
        d.Cancel();
      }
    });
  }
  // Nested dialogs opened by the field actions keep what they had.
  const char* result = GetHtmlTagString(nullptr, id, selection.c_str());
  if (!failure.empty()) {
    err << "tagquill: " << failure << "\n";
    out.write(selection.data(), static_cast<std::streamsize>(selection.size()));
    return 1;
  }
  for (const plat::MessageRecord& m : backend.messages) err << "tagquill: " << m.text << "\n";
  // The selection may hold NUL bytes: the host contract is zero-terminated
  // text, so the result ends at the first NUL like the host would see it,
  // unless nothing was built, in which case the input comes back whole.
  std::string r = result;
  if (r == selection.substr(0, selection.find('\0'))) r = selection;
  out.write(r.data(), static_cast<std::streamsize>(r.size()));
  return 0;
}

}  // namespace tq::cli
