// The resources of the real Tagquill.dll against the description compiled
// into this program (res/dlg_*.cpp, res/string_table_data.cpp): the string
// table entry of every tag command id, and every dialog template read
// byte by byte from its DIALOGEX resource.
#include <cstring>
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

std::wstring ClassName(const std::wstring& ordOrName) {
  static const struct {
    const wchar_t* ord;
    const wchar_t* name;
  } kAtoms[] = {{L"#128", L"Button"}, {L"#129", L"Edit"}, {L"#130", L"Static"},
                {L"#131", L"ListBox"}, {L"#133", L"ComboBox"}};
  for (const auto& a : kAtoms)
    if (ordOrName == a.ord) return a.name;
  return ordOrName;
}

bool SameClass(const std::wstring& a, const char* b) {
  return lstrcmpiW(a.c_str(), Wide932(b).c_str()) == 0;
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
    SCOPED_TRACE("template " + std::to_string(id));
    ASSERT_NE(r, nullptr);
    auto* p = static_cast<const BYTE*>(LockResource(LoadResource(dll, r)));
    ASSERT_NE(p, nullptr);
    Reader in(p, SizeofResource(dll, r));
    EXPECT_EQ(in.Word(), 1);       // dlgVer
    EXPECT_EQ(in.Word(), 0xFFFF);  // signature: DIALOGEX
    in.DWord();                    // help id
    EXPECT_EQ(in.DWord(), 0u);     // extended style
    EXPECT_EQ(in.DWord(), plat::control_styles::DialogStyle(*t));
    WORD count = in.Word();
    ASSERT_EQ(count, t->controls.size());
    EXPECT_EQ(in.Short(), 0);
    EXPECT_EQ(in.Short(), 0);
    EXPECT_EQ(in.Short(), t->cx);
    EXPECT_EQ(in.Short(), t->cy);
    EXPECT_EQ(in.SzOrOrd(), L"");  // no menu
    EXPECT_EQ(in.SzOrOrd(), L"");  // the standard dialog class
    EXPECT_EQ(in.SzOrOrd(), Wide932(plat::J(t->title)));
    EXPECT_EQ(in.Word(), t->pointSize);
    in.Word();  // weight
    in.Word();  // italic, charset
    EXPECT_EQ(in.SzOrOrd(), Wide932(plat::kDialogFont));
    for (size_t i = 0; i < count; ++i) {
      const plat::ControlDesc& c = t->controls[i];
      SCOPED_TRACE("control " + std::to_string(c.id));
      in.AlignDWord();
      in.DWord();  // help id
      EXPECT_EQ(in.DWord(), 0u);
      EXPECT_EQ(in.DWord(), plat::control_styles::ControlStyle(*t, i));
      EXPECT_EQ(in.Short(), c.x);
      EXPECT_EQ(in.Short(), c.y);
      EXPECT_EQ(in.Short(), c.cx);
      EXPECT_EQ(in.Short(), plat::control_styles::ControlHeight(c));
      EXPECT_EQ(static_cast<int>(in.DWord()), c.id);
      EXPECT_TRUE(SameClass(ClassName(in.SzOrOrd()), plat::control_styles::ClassOf(c.kind).name));
      std::string text = plat::control_styles::IsEdit(c.kind) || !c.text ? std::string() : plat::J(c.text);
      EXPECT_EQ(in.SzOrOrd(), Wide932(text));
      in.Skip(in.Word());  // creation data
      ASSERT_TRUE(in.ok());
    }
  }
  EXPECT_EQ(templates, 32);
}

}  // namespace
}  // namespace e2e
