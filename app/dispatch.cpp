#include "app/dispatch.h"

#include <cstring>
#include <new>

#include "app/html_app.h"
#include "app/string_table.h"
#include "dialogs/common/runners.h"
#include "plat/app.h"
#include "plat/text.h"
#include "toolbox/toolbox_hooks.h"

namespace tq {

namespace {

enum class Kind { Wrap, Block, Empty };

struct SimpleTag {
  int id;
  Kind kind;
  const char* name;
};

constexpr SimpleTag kSimple[] = {
    {29010, Kind::Block, "HEAD"},    {29011, Kind::Wrap, "TITLE"},      {29012, Kind::Empty, "BASE"},
    {29013, Kind::Empty, "META"},    {29016, Kind::Block, "BODY"},      {29021, Kind::Wrap, "H1"},
    {29022, Kind::Wrap, "H2"},       {29023, Kind::Wrap, "H3"},         {29024, Kind::Wrap, "H4"},
    {29025, Kind::Wrap, "H5"},       {29026, Kind::Wrap, "H6"},         {29027, Kind::Wrap, "P"},
    {29028, Kind::Wrap, "PRE"},      {29029, Kind::Wrap, "ADDRESS"},    {29030, Kind::Empty, "HR"},
    {29031, Kind::Wrap, "DIV"},      {29032, Kind::Wrap, "BLOCKQUOTE"}, {29040, Kind::Block, "UL"},
    {29041, Kind::Block, "OL"},      {29042, Kind::Block, "DL"},        {29051, Kind::Block, "TABLE"},
    {29052, Kind::Wrap, "CAPTION"},  {29058, Kind::Block, "TR"},        {29059, Kind::Wrap, "TH"},
    {29060, Kind::Wrap, "TD"},       {29065, Kind::Block, "FRAMESET"},  {29066, Kind::Empty, "FRAME"},
    {29070, Kind::Wrap, "SCRIPT"},   {29071, Kind::Wrap, "NOSCRIPT"},   {29072, Kind::Wrap, "FORM"},
    {29073, Kind::Wrap, "FIELDSET"}, {29301, Kind::Wrap, "B"},          {29302, Kind::Wrap, "U"},
    {29303, Kind::Wrap, "STRIKE"},   {29304, Kind::Wrap, "I"},          {29305, Kind::Wrap, "BIG"},
    {29306, Kind::Wrap, "SMALL"},    {29307, Kind::Wrap, "EM"},         {29308, Kind::Wrap, "STRONG"},
    {29309, Kind::Wrap, "SUP"},      {29310, Kind::Wrap, "SUB"},        {29311, Kind::Wrap, "TT"},
    {29315, Kind::Empty, "BR"},      {29316, Kind::Wrap, "SPAN"},       {29317, Kind::Wrap, "Q"},
    {29320, Kind::Wrap, "DFN"},      {29321, Kind::Wrap, "CODE"},       {29322, Kind::Wrap, "SAMP"},
    {29323, Kind::Wrap, "KBD"},      {29324, Kind::Wrap, "VAR"},        {29325, Kind::Wrap, "CITE"},
    {29326, Kind::Wrap, "ABBR"},     {29327, Kind::Wrap, "ACRONYM"},    {29328, Kind::Wrap, "BDO"},
    {29335, Kind::Empty, "LI"},      {29336, Kind::Empty, "DT"},        {29337, Kind::Empty, "DD"},
    {29346, Kind::Empty, "LINK"},    {29347, Kind::Wrap, "MAP"},        {29348, Kind::Empty, "AREA"},
    {29356, Kind::Wrap, "OBJECT"},   {29357, Kind::Empty, "PARAM"},     {29358, Kind::Wrap, "APPLET"},
    {29360, Kind::Wrap, "IFRAME"},   {29365, Kind::Wrap, "LABEL"},      {29366, Kind::Empty, "INPUT"},
    {29367, Kind::Wrap, "SELECT"},   {29368, Kind::Wrap, "OPTGROUP"},   {29369, Kind::Wrap, "OPTION"},
    {29370, Kind::Wrap, "TEXTAREA"}, {29371, Kind::Wrap, "LEGEND"},     {29372, Kind::Wrap, "BUTTON"},
};

// Result buffer: created on first use, lives until unload. The scratch
// buffer takes the built text and is swapped in, so large selections reuse
// the memory of the previous calls instead of faulting in fresh pages.
std::string& ResultBuffer() {
  static std::string* buffer = new std::string;
  return *buffer;
}
std::string& Scratch() {
  static std::string* scratch = new std::string;
  return *scratch;
}

}  // namespace

bool SimpleParts(int id, std::string_view sel, std::string* before, std::string* after) {
  for (const SimpleTag& t : kSimple) {
    if (t.id != id) continue;
    const std::string name = t.name;
    switch (t.kind) {
      case Kind::Wrap: *before = "<" + name + ">"; *after = "</" + name + ">"; break;
      case Kind::Block: *before = "<" + name + ">\r\n"; *after = "\r\n</" + name + ">"; break;
      case Kind::Empty: *before = "<" + name + ">"; after->clear(); break;
    }
    return true;
  }
  switch (id) {
    case 29050: *before = "<TABLE BORDER>\r\n"; *after = "\r\n</TABLE>"; return true;
    case 29014:
      *before = plat::J("\r\n<STYLE TYPE=\"text/css\">\r\n<!-- \r\n\t /* ここにスタイル文内の要素定義を書いてください */\r\n");
      *after = "\r\n -->\r\n</STYLE>\r\n";
      return true;
    case 29345:
      before->assign("<A HREF=\"").append(sel).append("\">");
      *after = "</A>";
      return true;
    case 29355: *before = "<IMG SRC=\""; *after = "\" ALT=\"\">"; return true;
    case 29398: *before = "/* "; *after = " */"; return true;
    case 29399: *before = "<!-- "; *after = " -->"; return true;
  }
  return false;
}

bool BuildSimpleTag(int id, const std::string& sel, std::string& out) {
  std::string before, after;
  if (!SimpleParts(id, sel, &before, &after)) return false;
  out.clear();
  out.reserve(before.size() + sel.size() + after.size());
  out.append(before).append(sel).append(after);
  return true;
}

Runner FindRunner(int id) {
  for (int i = 0; i < kRunnerCount; ++i)
    if (id >= kRunners[i].first && id <= kRunners[i].last) return kRunners[i].runner;
  return nullptr;
}

const char* GetHtmlTagString(plat::WindowHandle parent, int id, const char* selection) {
  plat::ModuleStateGuard guard;
  const char* sel = selection ? selection : "";
  try {
    std::string& buffer = ResultBuffer();
    buffer.assign(sel);
    if (id < 29002 || id >= kEndTagId) return buffer.c_str();
    if (id == 29002) {
      RunToolBoxCustomize(HtmlApp(), HtmlApp().m_hHostWnd);
      return buffer.c_str();
    }
    std::string& built = Scratch();
    if (BuildSimpleTag(id, buffer, built)) {
      buffer.swap(built);
      built.clear();
    } else if (Runner r = FindRunner(id)) {
      r(parent, buffer, id);
    }
    return buffer.c_str();
  } catch (const std::bad_alloc&) {
    // Out of memory for the result: the selection stands as it was.
    return sel;
  }
}

}  // namespace tq
