// The resources of the real Tagquill.dll against the description compiled
// into this program (res/dlg_*.cpp, res/string_table_data.cpp): the string
// table entry of every tag command id, and every dialog template read
// byte by byte from its DIALOGEX resource.
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/string_table.h"
#include "plat/dialog_template.h"
#include "plat/text.h"
#include "plat/control_styles.h"
#include "res/string_table_data.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

std::wstring Wide932(const std::string& s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(932, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(932, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

// Reads a DLGTEMPLATEEX in order.
class Reader {
 public:
  Reader(const BYTE* p, DWORD size) : p_(p), end_(p + size) {}
  WORD Word() { return Take<WORD>(); }
  DWORD DWord() { return Take<DWORD>(); }
  short Short() { return static_cast<short>(Word()); }
  // A string, or "#n" for an ordinal.
  std::wstring SzOrOrd() {
    if (Peek() == 0xFFFF) {
      Word();
      return L"#" + std::to_wstring(Word());
    }
    std::wstring s;
    for (WORD c = Word(); c && ok(); c = Word()) s.push_back(static_cast<wchar_t>(c));
    return s;
  }
  void AlignDWord() {
    while ((reinterpret_cast<uintptr_t>(p_) & 3) && p_ < end_) ++p_;
  }
  void Skip(size_t n) { p_ += n; }
  bool ok() const { return p_ <= end_; }

 private:
  WORD Peek() const { return p_ + 2 <= end_ ? *reinterpret_cast<const WORD*>(p_) : 0; }
  template <typename T>
  T Take() {
    T v = 0;
    if (p_ + sizeof v <= end_) std::memcpy(&v, p_, sizeof v);
    p_ += sizeof v;
    return v;
  }
  const BYTE* p_;
  const BYTE* end_;
};

// Class names compare without regard to case.
std::wstring Upper(std::wstring name) {
  CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
  return name;
}

// A DIALOGEX template as text, a line for the dialog and one per control
// (help ids, weight, italic, charset and creation data left out); values
// are written in the order they are read.
struct Text {
  std::wostringstream o;
  template <typename T>
  Text& operator<<(const T& v) {
    o << v << L' ';
    return *this;
  }
};

std::wstring FromResource(const BYTE* p, DWORD size) {
  Reader in(p, size);
  Text t;
  WORD count = 0;
  t << in.Word() << in.Word();
  in.DWord();
  t << in.DWord() << in.DWord() << (count = in.Word()) << in.Short() << in.Short() << in.Short() << in.Short()
    << in.SzOrOrd() << in.SzOrOrd() << in.SzOrOrd() << in.Word();
  in.DWord();
  t << in.SzOrOrd() << L'\n';
  for (WORD i = 0; i < count && in.ok(); ++i) {
    in.AlignDWord();
    in.DWord();
    t << in.DWord() << in.DWord() << in.Short() << in.Short() << in.Short() << in.Short()
      << static_cast<int>(in.DWord()) << Upper(in.SzOrOrd()) << in.SzOrOrd() << L'\n';
    in.Skip(in.Word());
  }
  if (!in.ok()) t << L"(cut short)";
  return t.o.str();
}

std::wstring Described(const plat::DialogTemplate& d) {
  namespace cs = plat::control_styles;
  Text t;
  t << 1 << 0xFFFF << 0 << cs::DialogStyle(d) << d.controls.size() << 0 << 0 << d.cx << d.cy << L"" << L""
    << Wide932(plat::J(d.title)) << d.pointSize << Wide932(plat::kDialogFont) << L'\n';
  for (size_t i = 0; i < d.controls.size(); ++i) {
    const plat::ControlDesc& c = d.controls[i];
    t << 0 << cs::ControlStyle(d, i) << c.x << c.y << c.cx << cs::ControlHeight(c) << c.id
      << Upper(Wide932(cs::ClassOf(c.kind).name))
      << Wide932(cs::IsEdit(c.kind) || !c.text ? std::string() : plat::J(c.text)) << L'\n';
  }
  return t.o.str();
}

TEST(Resources, EveryTagCommandIdHasItsCaptionAndTooltipInJapanese) {
  HMODULE dll = Dll().module;
  ASSERT_NE(dll, nullptr);
  std::vector<bool> described(tq::kEndTagId, false);
  for (int i = 0; i < tq::kTagCaptionCount; ++i) {
    const tq::TagCaptionEntry& e = tq::kTagCaptions[i];
    described[static_cast<size_t>(e.id)] = true;
    std::string caption = plat::J(e.caption);
    std::wstring want = Wide932(caption + "\n" + tq::TooltipFromCaption(caption));
    const WCHAR* text = nullptr;
    int n = LoadStringW(dll, static_cast<UINT>(e.id), reinterpret_cast<LPWSTR>(&text), 0);
    EXPECT_EQ(std::wstring(text ? text : L"", static_cast<size_t>(n > 0 ? n : 0)), want) << e.id;
    // Filed under Japanese: the bundle of sixteen that holds the id.
    EXPECT_NE(FindResourceExW(dll, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(e.id / 16 + 1), kJapanese), nullptr)
        << e.id;
  }
  EXPECT_EQ(tq::kTagCaptionCount, 168);
  // Nothing beyond the description.
  for (int id = 29000; id < 29600; ++id) {
    WCHAR buf[8];
    if (id >= tq::kEndTagId || !described[static_cast<size_t>(id)]) {
      EXPECT_EQ(LoadStringW(dll, static_cast<UINT>(id), buf, 8), 0) << id;
    }
  }
}

TEST(Resources, EveryDialogTemplateIsTheDescribedDialogEx) {
  HMODULE dll = Dll().module;
  ASSERT_NE(dll, nullptr);
  int templates = 0;
  for (int id = 1; id < 0x10000; ++id) {
    HRSRC r = FindResourceExW(dll, MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(id), kJapanese);
    const plat::DialogTemplate* t = plat::FindTemplate(id);
    if (!t) {
      EXPECT_EQ(r, nullptr) << "dialog " << id << " has no description";
      continue;
    }
    ++templates;
    ASSERT_NE(r, nullptr) << id;
    auto* p = static_cast<const BYTE*>(LockResource(LoadResource(dll, r)));
    ASSERT_NE(p, nullptr) << id;
    EXPECT_EQ(FromResource(p, SizeofResource(dll, r)), Described(*t)) << "template " << id;
  }
  EXPECT_EQ(templates, 32);
}

}  // namespace
}  // namespace e2e
