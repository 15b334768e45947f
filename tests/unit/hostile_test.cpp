// Hostile settings and selections for every detail command: whatever the
// profile holds, a dialog opens, builds something, keeps the selection and
// writes only the values it owns.
#include <climits>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "res/commands.h"
#include "dialogs/common/settings_names.h"
#include "fixture.h"

namespace tqtest {
namespace {

// Remembers which entries were asked for (and as which type) and written.
class RecordingProfile : public plat::Profile {
 public:
  std::string GetString(const std::string& s, const std::string& e, const std::string& def) override {
    strings.insert(e);
    return inner.GetString(s, e, def);
  }
  int GetInt(const std::string& s, const std::string& e, int def) override {
    ints.insert(e);
    return inner.GetInt(s, e, def);
  }
  bool WriteString(const std::string& s, const std::string& e, const std::string& v) override {
    written.insert(e);
    return inner.WriteString(s, e, v);
  }
  bool WriteInt(const std::string& s, const std::string& e, int v) override {
    written.insert(e);
    return inner.WriteInt(s, e, v);
  }
  std::set<std::string> strings, ints, written;
  plat::MemoryProfile inner;
};

std::vector<int> DetailIds() {
  std::vector<int> ids;
  for (int i = 0; i < tq::kCommandCount; ++i)
    if (tq::kCommands[i].dialog != tq::Dialog::None) ids.push_back(tq::kCommands[i].id);
  return ids;
}

class Hostile : public Headless {
 protected:
  RecordingProfile* Fresh() {
    auto p = std::make_unique<RecordingProfile>();
    RecordingProfile* raw = p.get();
    HtmlApp().SetProfile(std::move(p));
    return raw;
  }
  // The entries a first, plain run of the command reads or writes.
  std::set<std::string> Owned(int id, RecordingProfile* rec) {
    Run(id, "sel");
    std::set<std::string> all = rec->strings;
    all.insert(rec->ints.begin(), rec->ints.end());
    all.insert(rec->written.begin(), rec->written.end());
    return all;
  }
};

struct Plant {
  const char* what;
  std::string text;  // planted under every entry read as a string
  int number;        // planted under every entry read as an integer
  bool swapTypes;    // strings planted as integers and integers as strings
};

TEST_F(Hostile, EveryDialogSurvivesEveryKindOfStoredValue) {
  const std::string huge(1 << 20, 'x');
  const Plant plants[] = {
      {"empty", "", 0, false},
      {"all bits, huge text", huge, -1, false},
      {"largest values", std::string("a\0b", 3), INT_MAX, false},
      {"control bytes and quotes", "\r\n\"'<>&\t\x81", INT_MIN, false},
      {"invalid CP932", "\x81\x5C\x82\xFF\x80\xA0\x81", 0x7FF, false},
      {"wrong types", "12", 5, true},
  };
  const std::string selection = "S\x95\x5C";
  std::vector<int> ids = DetailIds();
  ASSERT_FALSE(ids.empty());
  for (int id : ids) {
    RecordingProfile* rec = Fresh();
    const std::set<std::string> owned = Owned(id, rec);
    ASSERT_FALSE(rec->strings.empty() && rec->ints.empty()) << id << " reads nothing";
    const std::set<std::string> strings = rec->strings, ints = rec->ints;
    for (const Plant& p : plants) {
      SCOPED_TRACE(testing::Message() << id << ": " << p.what);
      rec = Fresh();
      for (const auto& e : strings)
        p.swapTypes ? rec->inner.WriteInt("HTML", e, p.number) : rec->inner.WriteString("HTML", e, p.text);
      for (const auto& e : ints)
        p.swapTypes ? rec->inner.WriteString("HTML", e, p.text) : rec->inner.WriteInt("HTML", e, p.number);
      backend.Reset();
      const std::string out = Run(id, selection);
      EXPECT_FALSE(out.empty());
      for (const auto& e : rec->written) EXPECT_TRUE(owned.count(e)) << "wrote " << e;
      // A cancelled run gives the selection back; nothing asks for more.
      backend.Reset();
      backend.SetDefault(plat::HeadlessDriver::Default::Cancel);
      EXPECT_EQ(Run(id, selection), selection);
      backend.SetDefault(plat::HeadlessDriver::Default::Ok);
    }
  }
}

// What a command remembers is what forgetting its slot removes: every value
// a dialog uses is its slot's, or one of the slot-free shared ones.
TEST_F(Hostile, EveryDialogValueBelongsToItsSlotOnly) {
  for (int id : DetailIds()) {
    const int slot = id - 29000;
    for (const std::string& e : Owned(id, Fresh())) {
      const bool shared = e.size() > 4 && e.compare(e.size() - 4, 4, "Path") == 0;
      const bool styleRule = e.compare(0, 7, "SylCss_") == 0;
      EXPECT_EQ(tq::IsCommandValue(e, slot), !shared && !styleRule) << id << ": " << e;
      EXPECT_FALSE(tq::IsCommandValue(e, slot + 1)) << id << ": " << e;
      EXPECT_FALSE(tq::IsCommandValue(e, slot / 10)) << id << ": " << e;
    }
  }
}

TEST_F(Hostile, SelectionsOfEveryShapeComeBackWhole) {
  const std::string odd[] = {"", std::string("a\0b", 3).substr(0, 1), "\x81", "\xFF\xFE\x80",
                             "\x82\xA0\x95\x5C\\", std::string(1024, 'i') + "\x81"};
  for (const std::string& s : odd) {
    EXPECT_EQ(Run(29021, s), "<H1>" + s + "</H1>");
    EXPECT_EQ(Run(29001, s), s);
  }
  // 256 MiB, well past anything a host hands over.
  std::string big(256u << 20, 'q');
  big[1] = '\x81';
  big[big.size() - 1] = '\x82';
  const char* out = tq::GetHtmlTagString(nullptr, 29021, big.c_str());
  const size_t n = std::strlen(out);
  ASSERT_EQ(n, big.size() + 9);
  EXPECT_EQ(std::string(out, 4), "<H1>");
  EXPECT_EQ(0, std::memcmp(out + 4, big.data(), big.size()));
  EXPECT_EQ(std::string(out + 4 + big.size()), "</H1>");
}

}  // namespace
}  // namespace tqtest
