// The registry profile against the real registry: what it writes is what
// the platform's own functions see, and anything odd found there reads as
// the default, in the profile and in the DLL's dialogs.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "plat/app.h"
#include "plat/profile.h"
#include "res/ids/head_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

class RegistryProfile : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    profile_ = plat::MakeDefaultProfile("Brambleware", "Tagquill");
  }
  std::string Str(const char* name) { return profile_->GetString("HTML", name, "DEF"); }
  int Int(const char* name) { return profile_->GetInt("HTML", name, -77); }

  std::unique_ptr<plat::Profile> profile_;
};

// Over an earlier value of the other kind.
TEST_F(RegistryProfile, StringsAreRegSzIntegersRegDword) {
  const std::string text = "表ソ <H1> \"q\" \\x\r\n\tend";
  const struct {
    const char* name;
    const char* str;  // nullptr: an integer
    int number;
    DWORD type;
    std::string raw;
  } kValues[] = {
      {"Bsc_121ID", text.c_str(), 0, REG_SZ, text + '\0'},
      {"Empty", "", 0, REG_SZ, std::string(1, '\0')},
      {"Bsc_121Flag", nullptr, -5, REG_DWORD, "\xFB\xFF\xFF\xFF"},
      {"Max", nullptr, 2147483647, REG_DWORD, "\xFF\xFF\xFF\x7F"},
      {"Min", nullptr, -2147483647 - 1, REG_DWORD, std::string("\0\0\0\x80", 4)},
  };
  for (const auto& v : kValues) {
    bool written = v.str ? profile_->WriteInt("HTML", v.name, 1) && profile_->WriteString("HTML", v.name, v.str)
                         : profile_->WriteString("HTML", v.name, "x") && profile_->WriteInt("HTML", v.name, v.number);
    ASSERT_TRUE(written) << v.name;
    DWORD type = 0;
    std::string raw;
    ASSERT_TRUE(ReadValue(v.name, &type, &raw)) << v.name;
    EXPECT_EQ(type, v.type) << v.name;
    EXPECT_EQ(raw, v.raw) << v.name;
    if (v.str) {
      EXPECT_EQ(Str(v.name), v.str);
    } else {
      EXPECT_EQ(Int(v.name), v.number);
    }
  }
}

TEST_F(RegistryProfile, MissingValuesAndSectionsGiveTheDefault) {
  EXPECT_EQ(Str("Nothing"), "DEF");
  EXPECT_EQ(Int("Nothing"), -77);
  EXPECT_EQ(profile_->GetString("NoSuchSection", "x", "d"), "d");
  // Reading leaves no trace.
  HKEY k = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Brambleware\\Tagquill\\NoSuchSection", 0,
                          KEY_READ, &k),
            ERROR_SUCCESS);
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &k), ERROR_FILE_NOT_FOUND);
}

// Values another program may leave: only a whole REG_SZ reads as a string
// and a four-byte REG_DWORD as a number; anything else is the default.
TEST_F(RegistryProfile, ValuesOfTheWrongShapeGiveTheDefault) {
  DWORD dw = 42;
  unsigned long long qw = 42;
  const struct {
    const char* name;
    DWORD type;
    const void* data;
    DWORD size;
    const char* str;
    int number;
  } kPlanted[] = {
      {"Dword", REG_DWORD, &dw, sizeof dw, "DEF", 42},
      {"Sz", REG_SZ, "12", 3, "12", -77},
      {"Expand", REG_EXPAND_SZ, "%TEMP%", 7, "DEF", -77},
      {"Multi", REG_MULTI_SZ, "a\0b\0", 5, "DEF", -77},
      {"Binary", REG_BINARY, "\x01\x02\x03", 3, "DEF", -77},
      {"Qword", REG_QWORD, &qw, sizeof qw, "DEF", -77},
      {"ShortDword", REG_DWORD, &dw, 2, "DEF", -77},
      {"LongDword", REG_DWORD, "\x01\x00\x00\x00\x02\x00\x00\x00", 8, "DEF", -77},
      {"BigEndian", REG_DWORD_BIG_ENDIAN, &dw, sizeof dw, "DEF", -77},
      // The registry adds a forgotten terminator itself when the byte after
      // the count is one; this string has none.
      {"Unterminated", REG_SZ, "abcd", 3, "DEF", -77},
      {"NoBytes", REG_SZ, "", 0, "DEF", -77},
  };
  for (const auto& p : kPlanted) Plant(p.name, p.type, p.data, p.size);
  for (const auto& p : kPlanted) {
    EXPECT_EQ(Str(p.name), p.str) << p.name;
    EXPECT_EQ(Int(p.name), p.number) << p.name;
  }
  // What follows a NUL never reaches the application.
  Plant("Nul", REG_SZ, "ab\0cd", 6);
  EXPECT_EQ(Setting("Nul"), "ab");
}

TEST_F(RegistryProfile, HugeStringsAreReadWhole) {
  std::string big;
  while (big.size() < (1u << 20)) big += "表ソ<P>0123456789\r\n";
  Plant("Planted", REG_SZ, big.c_str(), static_cast<DWORD>(big.size() + 1));
  EXPECT_EQ(Str("Planted"), big);
  ASSERT_TRUE(profile_->WriteString("HTML", "Written", big + big));
  EXPECT_EQ(Str("Written"), big + big);
}

// Odd values left in the real registry by hand or by another program: the
// real dialog still opens, the host keeps its selection, and OK leaves the
// values in their proper types.
DWORD TypeOf(const char* name) {
  DWORD type = REG_NONE;
  std::string data;
  return ReadValue(name, &type, &data) ? type : static_cast<DWORD>(REG_NONE);
}

using HostileRegistry = HostTest;

TEST_F(HostileRegistry, ValuesOfTheWrongTypeOpenAsDefaultsAndAreRewrittenProperly) {
  Select("表題");
  PlantString("HEAD_111Flag", "garbage");
  const unsigned char bytes[] = {0x81, 0x00, 0xFF, 0x5C};
  Plant("HEAD_111Lang", REG_BINARY, bytes, sizeof bytes);
  const DWORD n = 7;
  Plant("HEAD_111Title", REG_DWORD, &n, sizeof n);
  DialogDriver driver;
  driver.Then([](HWND d) {
    EXPECT_EQ(ItemText(d, tq::IDC_HD_LANG), "");
    EXPECT_FALSE(Checked(d, tq::IDC_HD_LANG_CHK));
    Click(d, tq::IDC_HD_LANG_CHK);
    Type(d, tq::IDC_HD_LANG, "ja");
    Click(d, plat::IDOK);
  });
  host_->RunTagCommand(29111);
  EXPECT_EQ(host_->Text(), "<TITLE LANG=\"ja\">表題</TITLE>");
  EXPECT_EQ(TypeOf("HEAD_111Flag"), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(TypeOf("HEAD_111Lang"), static_cast<DWORD>(REG_SZ));
}

TEST_F(HostileRegistry, AHugeValueWithEveryBitSetIsShownAndBuiltWhole) {
  Select("表題");
  const std::string huge = std::string(1 << 20, 'x') + "\"<>";
  PlantString("HEAD_111Lang", huge);
  const DWORD all = 0xFFFFFFFF;
  Plant("HEAD_111Flag", REG_DWORD, &all, sizeof all);
  DialogDriver driver;
  driver.Then([&](HWND d) {
    EXPECT_EQ(static_cast<size_t>(GetWindowTextLengthA(GetDlgItem(d, tq::IDC_HD_LANG))), huge.size());
    Click(d, plat::IDOK);
  });
  host_->RunTagCommand(29111);
  std::string text = host_->Text();
  if (size_t at = text.find(huge); at != std::string::npos) text.replace(at, huge.size(), "{huge}");
  EXPECT_EQ(text, "<TITLE LANG=\"{huge}\" DIR=\"rtl\">表題</TITLE>");
}

}  // namespace
}  // namespace e2e
