#include "cli/actions.h"

#include <algorithm>

#include "dialogs/common/text_rules.h"
#include "plat/text.h"

namespace tq::cli {

using plat::Ctl;

namespace {

bool Cp932() { return plat::TextEncoding() == plat::Encoding::Cp932; }

// Length of the character at s[i]: a CP932 lead byte takes its trail along.
size_t CharLen(const std::string& s, size_t i) {
  return Cp932() && plat::IsCp932Lead(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}

std::string Fold(const std::string& s) {
  std::string r;
  for (size_t i = 0; i < s.size();) {
    size_t n = CharLen(s, i);
    if (n == 1 && s[i] >= 'A' && s[i] <= 'Z') r.push_back(static_cast<char>(s[i] - 'A' + 'a'));
    else r.append(s, i, n);
    i += n;
  }
  return r;
}

std::string WithoutAmpersand(const std::string& s) {
  std::string r;
  for (size_t i = 0; i < s.size();) {
    size_t n = CharLen(s, i);
    if (!(n == 1 && s[i] == '&')) r.append(s, i, n);
    i += n;
  }
  return r;
}

bool IsWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.' || c == '#' || c == '/';
}

// The runs of ASCII letters, digits and -_.#/ of a caption without its '&'.
std::vector<std::string> Words(const std::string& s) {
  std::vector<std::string> r;
  std::string cur;
  for (size_t i = 0; i < s.size();) {
    size_t n = CharLen(s, i);
    if (n == 1 && IsWordChar(s[i])) {
      cur.push_back(s[i]);
    } else if (!cur.empty()) {
      r.push_back(cur);
      cur.clear();
    }
    i += n;
  }
  if (!cur.empty()) r.push_back(cur);
  return r;
}

bool Captioned(Ctl k) {
  return k == Ctl::Static || k == Ctl::Button || k == Ctl::DefButton || k == Ctl::Check ||
         k == Ctl::Radio || k == Ctl::Group;
}
bool IsButton(Ctl k) { return k == Ctl::Button || k == Ctl::DefButton; }
bool IsEdit(Ctl k) { return k == Ctl::Edit || k == Ctl::EditMulti || k == Ctl::EditNumber; }
bool IsList(Ctl k) { return k == Ctl::List || k == Ctl::ListSorted || k == Ctl::Combo; }
bool Inside(const plat::Rect& in, const plat::Rect& out) {
  return in.left >= out.left && in.right <= out.right && in.top >= out.top && in.bottom <= out.bottom;
}

const char* KindName(Want w, bool plural = false) {
  switch (w) {
    case Want::Check: return plural ? "check boxes" : "check box";
    case Want::Radio: return plural ? "option buttons" : "option button";
    case Want::Button: return plural ? "buttons" : "button";
    case Want::Edit: return plural ? "edit boxes" : "edit box";
    case Want::List: return plural ? "list boxes" : "list box";
  }
  return "";
}

}  // namespace

DialogLabels::DialogLabels(const plat::HeadlessDialog& d) : dlg_(d) {
  for (const plat::ControlDesc& c : d.tmpl().controls) {
    if (c.id != -1 && !d.IsVisible(c.id)) continue;
    Item it{c.id, c.kind, "", {}, {}, c.id == -1 || d.IsEnabled(c.id),
            plat::Rect{c.x, c.y, c.x + c.cx, c.y + c.cy}};
    if (Captioned(c.kind)) {
      it.caption = c.id == -1 ? (c.text ? plat::J(c.text) : "") : d.GetText(c.id);
      const std::string bare = WithoutAmpersand(it.caption);
      it.full = {Fold(bare), Fold(it.caption)};
      // "セレクタ(STYLEを設定する要素,クラスなど)" answers to its bracketed part.
      if (size_t open = bare.find('('), close = bare.rfind(')');
          open != std::string::npos && close != std::string::npos && close > open + 1)
        it.full.push_back(Fold(bare.substr(open + 1, close - open - 1)));
      for (const std::string& w : Words(bare)) it.words.push_back(Fold(w));
    }
    items_.push_back(std::move(it));
  }
}

std::string DialogLabels::Where() const {
  return "\"" + dlg_.GetTitle() + "\" (dialog " + std::to_string(dlg_.tmpl().id) + ")";
}

// The labels that own a control: walking back from it over edit boxes,
// lists and option buttons to the first label, then every label right
// before that one ("上(top)" and "自動(&auto)" own the top row's box).
std::vector<size_t> DialogLabels::Owners(size_t i) const {
  auto isLabel = [&](size_t j) {
    Ctl k = items_[j].kind;
    return !items_[j].caption.empty() && (k == Ctl::Check || k == Ctl::Static || k == Ctl::Group);
  };
  std::vector<size_t> r;
  size_t j = i;
  while (j > 0 && !isLabel(j - 1)) {
    Ctl k = items_[j - 1].kind;
    if (IsButton(k)) return r;
    --j;
  }
  while (j > 0 && isLabel(j - 1)) r.push_back(--j);
  return r;
}

// The control an item's label leads to for that action; 0 when none.
int DialogLabels::Target(size_t i, Want want) const {
  const Item& it = items_[i];
  switch (want) {
    case Want::Check: return it.kind == Ctl::Check ? it.id : 0;
    case Want::Radio: return it.kind == Ctl::Radio ? it.id : 0;
    case Want::Button: return IsButton(it.kind) ? it.id : 0;
    case Want::Edit:
    case Want::List:
      for (size_t j = i + 1; j < items_.size(); ++j) {
        if (!(want == Want::Edit ? IsEdit(items_[j].kind) : IsList(items_[j].kind))) continue;
        const std::vector<size_t> owners = Owners(j);
        if (std::find(owners.begin(), owners.end(), i) != owners.end()) return items_[j].id;
      }
      return 0;
  }
  return 0;
}

// A control's group box and its owning labels name it together with its
// caption ("CELLPADDING:%").
std::vector<size_t> DialogLabels::Qualifiers(size_t i) const {
  std::vector<size_t> q = Owners(i);
  for (size_t j = 0; j < items_.size(); ++j)
    if (j != i && items_[j].kind == Ctl::Group && Inside(items_[i].rect, items_[j].rect)) q.push_back(j);
  return q;
}

// Check boxes that may enable a disabled control: its owners, then the
// nearest one before it.
std::vector<int> DialogLabels::Governors(int id) const {
  std::vector<int> r;
  size_t at = 0;
  while (at < items_.size() && items_[at].id != id) ++at;
  if (at == items_.size()) return r;
  for (size_t j : Owners(at))
    if (items_[j].kind == Ctl::Check) r.push_back(items_[j].id);
  for (size_t j = at; j-- > 0;)
    if (items_[j].kind == Ctl::Check) {
      if (std::find(r.begin(), r.end(), items_[j].id) == r.end()) r.push_back(items_[j].id);
      break;
    }
  return r;
}

// Items named by a folded label: tier 0 by the whole caption, 1 by an ASCII
// word in it, 2 by a qualifier, a colon and the caption or word.
std::vector<size_t> DialogLabels::Match(const std::string& want, int tier) const {
  auto names = [&](const Item& it, const std::string& w) {
    if (tier == 0 || tier == 2)
      if (std::find(it.full.begin(), it.full.end(), w) != it.full.end()) return true;
    if (tier == 1 || tier == 2)
      if (std::find(it.words.begin(), it.words.end(), w) != it.words.end()) return true;
    return false;
  };
  std::vector<size_t> r;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].caption.empty()) continue;
    if (tier < 2) {
      if (names(items_[i], want)) r.push_back(i);
      continue;
    }
    for (size_t colon = want.find(':'); colon != std::string::npos; colon = want.find(':', colon + 1)) {
      const std::string q = want.substr(0, colon), c = want.substr(colon + 1);
      if (!names(items_[i], c)) continue;
      bool named = false;
      for (size_t j : Qualifiers(i)) named = named || names(items_[j], q);
      if (named) {
        r.push_back(i);
        break;
      }
    }
  }
  return r;
}

// The distinct controls the matched labels lead to for that action.
std::vector<int> DialogLabels::Targets(const std::vector<size_t>& matches, Want want) const {
  std::vector<int> targets;
  for (size_t i : matches)
    if (int t = Target(i, want); t && std::find(targets.begin(), targets.end(), t) == targets.end())
      targets.push_back(t);
  return targets;
}

DialogLabels::Found DialogLabels::Resolve(const std::string& label, Want want) const {
  const std::string folded = Fold(label);
  bool wrongKind = false;
  for (int tier = 0; tier < 3; ++tier) {
    const std::vector<size_t> matches = Match(folded, tier);
    const std::vector<int> targets = Targets(matches, want);
    if (targets.size() > 1) {
      std::string names;
      for (const auto& [id, name] : Offered(want))
        if (std::find(targets.begin(), targets.end(), id) != targets.end())
          names += (names.empty() ? "" : ", ") + name;
      std::string error = "'" + label + "' names several ";
      error.append(KindName(want, true)).append(" in ").append(Where()).append(": ").append(names);
      return {0, error};
    }
    if (targets.empty()) {
      wrongKind = wrongKind || !matches.empty();
      continue;
    }
    Found f{targets[0], ""};
    return f;
  }
  if (wrongKind)
    return {0, "'" + label + "' is not " + (want == Want::Edit ? "an " : "a ") + KindName(want) + " in " + Where() +
                   Offers(want)};
  return {0, "no " + std::string(KindName(want)) + " '" + label + "' in " + Where() + Offers(want)};
}

std::string DialogLabels::Offers(Want want) const {
  std::string r;
  for (const auto& entry : Offered(want)) r += (r.empty() ? "" : ", ") + entry.second;
  if (r.empty()) return std::string("; it has no ") + KindName(want);
  return std::string("; its ") + KindName(want, true) + ": " + r;
}

std::vector<std::pair<int, std::string>> DialogLabels::Offered(Want want) const {
  std::vector<std::pair<int, std::string>> r;
  auto resolvesTo = [&](const std::string& name, int id) {
    const std::string f = Fold(name);
    for (int tier = 0; tier < 3; ++tier) {
      const std::vector<int> targets = Targets(Match(f, tier), want);
      if (!targets.empty()) return targets.size() == 1 && targets[0] == id;
    }
    return false;
  };
  for (size_t i = 0; i < items_.size(); ++i) {
    const int id = Target(i, want);
    if (!id) continue;
    if (std::any_of(r.begin(), r.end(), [&](const auto& e) { return e.first == id; })) continue;
    const Item& it = items_[i];
    // Preferred: a word of two or more letters, the same after its owner's
    // name, the caption as shown, without '&', a one-letter word, the
    // caption after its owner's name.
    std::vector<std::string> tries, qualifiers;
    const std::vector<std::string> words = Words(WithoutAmpersand(it.caption));
    for (size_t q : Qualifiers(i)) {
      const std::vector<std::string> qw = Words(WithoutAmpersand(items_[q].caption));
      qualifiers.push_back(!qw.empty() ? qw[0] : WithoutAmpersand(items_[q].caption));
    }
    for (const std::string& w : words)
      if (w.size() > 1) tries.push_back(w);
    for (const std::string& q : qualifiers)
      for (const std::string& w : words)
        if (w.size() > 1) tries.push_back(std::string(q).append(":").append(w));
    tries.push_back(it.caption);
    tries.push_back(WithoutAmpersand(it.caption));
    for (const std::string& w : words)
      if (w.size() == 1) tries.push_back(w);
    for (const std::string& q : qualifiers) tries.push_back(q + ":" + WithoutAmpersand(it.caption));
    for (const std::string& t : tries)
      if (!t.empty() && resolvesTo(t, id)) {
        r.emplace_back(id, t);
        break;
      }
  }
  return r;
}

// ---------------------------------------------------------------------------

Driver::Driver(plat::HeadlessDriver& backend, std::vector<Action> actions, Mode mode)
    : backend_(backend), actions_(std::move(actions)), mode_(mode) {
  for (const Action& a : actions_) {
    if (a.kind == Action::File) backend_.AnswerFile(a.value);
    if (a.kind == Action::Color) backend_.AnswerColor(a.number);
    if (a.kind == Action::Font) {
      plat::FontChoice f;
      f.face = a.value;
      f.pointSize10 = static_cast<int>(a.number);
      backend_.AnswerFont(f);
    }
  }
  backend_.onOpen = [this](plat::HeadlessDialog& d) { OnOpen(d); };
  backend_.onMessage = [this](const plat::MessageRecord& m) { return OnMessage(m); };
}

void Driver::OnOpen(plat::HeadlessDialog& d) {
  // A dialog that no --press asked for is cancelled, never confirmed.
  if (!armed_ || failed_) return d.Cancel();
  armed_ = false;
  ++depth_;
  while (!d.ended() && !failed_ && next_ < actions_.size()) {
    const Action& a = actions_[next_++];
    if (!a.answersCommonDialog() && !Apply(d, a)) failed_ = true;
  }
  if (!d.ended()) {
    if (failed_) {
      d.Cancel();
    } else if (mode_ == Mode::Show) {
      if (atEnd && !shown_) atEnd(d);
      shown_ = true;
      d.Cancel();
    } else {
      d.Ok();
      if (!d.ended()) {
        failed_ = true;
        error_ = Where(d) + " did not close on OK";
        if (!backend_.messages.empty()) error_ += ": " + backend_.messages.back().text;
        d.Cancel();
      }
    }
  }
  --depth_;
}

std::string Driver::Where(const plat::HeadlessDialog& d) { return DialogLabels(d).Where(); }

bool Driver::Apply(plat::HeadlessDialog& d, const Action& a) {
  if (a.kind == Action::Ok) return d.Ok(), true;
  if (a.kind == Action::Cancel) return d.Cancel(), true;
  const DialogLabels labels(d);
  Want want = Want::Check;
  switch (a.kind) {
    case Action::Check: case Action::Uncheck: want = Want::Check; break;
    case Action::Choose: want = Want::Radio; break;
    case Action::Press: want = Want::Button; break;
    case Action::Text: want = Want::Edit; break;
    default: want = Want::List; break;
  }
  std::string label = a.label, entry = a.value;
  if (a.kind == Action::Pick) {
    // "LABEL=ENTRY", or ENTRY alone where the dialog has one list box.
    size_t eq = a.value.find('=');
    DialogLabels::Found byLabel;
    if (eq != std::string::npos && eq > 0) byLabel = labels.Resolve(a.value.substr(0, eq), want);
    if (byLabel.id) {
      label = a.value.substr(0, eq);
      entry = a.value.substr(eq + 1);
    } else {
      std::vector<int> lists;
      for (int id : d.ControlIds())
        if (IsList(d.KindOf(id)) && d.IsVisible(id)) lists.push_back(id);
      if (lists.size() != 1) {
        error_ = byLabel.error.empty() ? "--pick " + a.value + ": say which list (LABEL=ENTRY) in " +
                                             labels.Where() + "; " + labels.Resolve("", want).error
                                       : byLabel.error;
        if (byLabel.error.empty() && lists.empty()) error_ = "there is no list box in " + labels.Where();
        return false;
      }
      return PickEntry(d, lists[0], entry, labels.Where());
    }
  }
  DialogLabels::Found f = labels.Resolve(label, want);
  if (!f.id) {
    error_ = f.error;
    return false;
  }
  // A disabled control is first enabled as a user would: by the check box
  // that governs it (one whose click does not enable it is clicked back).
  if (!d.IsEnabled(f.id))
    for (int g : labels.Governors(f.id)) {
      if (!d.IsEnabled(g)) continue;
      d.Click(g);
      if (d.IsEnabled(f.id)) break;
      d.Click(g);
    }
  if (!d.IsEnabled(f.id)) {
    error_ = "'" + label + "' is disabled in " + labels.Where();
    return false;
  }
  switch (a.kind) {
    case Action::Check:
    case Action::Uncheck: {
      const bool on = a.kind == Action::Check;
      if ((d.GetCheck(f.id) != 0) != on) d.Click(f.id);
      if ((d.GetCheck(f.id) != 0) != on) {
        error_ = "'" + label + "' cannot be changed in " + labels.Where();
        return false;
      }
      return true;
    }
    case Action::Choose:
      d.Click(f.id);
      return true;
    case Action::Press: {
      const size_t dialogs = backend_.opened.size(), files = backend_.fileRequests.size(),
                   colors = backend_.colorRequests.size(), messages = backend_.messages.size();
      const int fonts = backend_.fontRequests;
      const bool last = std::none_of(actions_.begin() + static_cast<long>(next_), actions_.end(),
                                     [](const Action& x) { return x.kind == Action::Press; });
      armed_ = true;
      d.Click(f.id);
      armed_ = false;
      // An outer press returns after its nested ones: only the last counts.
      if (last) pressOpened_ = Opened(dialogs, files, colors, fonts, messages);
      return true;
    }
    case Action::Text:
      d.Type(f.id, a.value);
      return true;
    case Action::Pick:
      return PickEntry(d, f.id, entry, labels.Where());
    default: return true;
  }
}

// The entry that is ENTRY, else the one entry that starts with it; ASCII
// letters match case-blind only where the exact spelling finds nothing.
bool Driver::PickEntry(plat::HeadlessDialog& d, int list, const std::string& entry,
                       const std::string& where) {
  const std::vector<std::string> items = d.ListItems(list);
  const std::string folded = Fold(entry);
  auto find = [&](auto&& same) {
    std::vector<int> hits;
    for (size_t i = 0; i < items.size(); ++i)
      if (same(items[i])) hits.push_back(static_cast<int>(i));
    return hits;
  };
  // A value list's entry reads "value (meaning)": its value alone names it.
  const std::vector<std::vector<int>> tries = {
      find([&](const std::string& s) { return s == entry; }),
      find([&](const std::string& s) { return EntryValue(s) == entry; }),
      find([&](const std::string& s) { return Fold(s) == folded; }),
      find([&](const std::string& s) { return Fold(EntryValue(s)) == folded; }),
      find([&](const std::string& s) { return s.compare(0, entry.size(), entry) == 0; }),
      find([&](const std::string& s) { return Fold(s).compare(0, folded.size(), folded) == 0; }),
  };
  for (const std::vector<int>& hits : tries) {
    if (hits.size() == 1) {
      d.Select(list, hits[0]);
      return true;
    }
    if (hits.size() > 1) {
      std::string names;
      for (int i : hits) names += (names.empty() ? "" : " | ") + items[static_cast<size_t>(i)];
      error_ = "'" + entry + "' starts several entries in ";
      error_.append(where).append(": ").append(names);
      return false;
    }
  }
  std::string names;
  for (const std::string& s : items) names += (names.empty() ? "" : " | ") + s;
  error_ = "no entry '" + entry + "' in the list of " + where + (names.empty() ? " (it is empty)" : ": " + names);
  return false;
}

int Driver::OnMessage(const plat::MessageRecord& m) {
  const unsigned buttons = m.flags & 0xF;
  bool yes = buttons == plat::MB_OK_;  // a lone OK is also its cancel
  if (armed_ && next_ < actions_.size() &&
      (actions_[next_].kind == Action::Ok || actions_[next_].kind == Action::Cancel)) {
    yes = actions_[next_++].kind == Action::Ok;
    armed_ = false;
  }
  if (buttons == plat::MB_YESNO_) return yes ? plat::IDYES_ : plat::IDNO_;
  return yes ? plat::IDOK : plat::IDCANCEL;
}

std::string Driver::Opened(size_t dialogs, size_t files, size_t colors, int fonts, size_t messages) const {
  if (backend_.opened.size() > dialogs) return "\"" + backend_.opened[dialogs] + "\"";
  if (backend_.fileRequests.size() > files) return "the file dialog";
  if (backend_.colorRequests.size() > colors) return "the colour dialog";
  if (backend_.fontRequests > fonts) return "the font dialog";
  if (backend_.messages.size() > messages) return "a message: " + backend_.messages[messages].text;
  return "";
}

std::string Driver::Failure() const {
  if (failed_) return error_;
  for (size_t i = next_; i < actions_.size(); ++i)
    if (!actions_[i].answersCommonDialog())
      return "'" + actions_[i].spelling + "' comes after the dialog closed";
  // Answers are taken in order, so the ones left are the last of their kind.
  size_t used[3] = {0, 0, 0};
  const size_t pending[3] = {backend_.pendingFiles(), backend_.pendingColors(), backend_.pendingFonts()};
  size_t given[3] = {0, 0, 0};
  for (const Action& a : actions_)
    if (a.answersCommonDialog()) ++given[a.kind - Action::File];
  for (const Action& a : actions_)
    if (a.answersCommonDialog() && used[a.kind - Action::File]++ >= given[a.kind - Action::File] - pending[a.kind - Action::File])
      return "no dialog asked for '" + a.spelling + "'";
  return "";
}

}  // namespace tq::cli
