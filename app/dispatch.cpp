#include "app/dispatch.h"

#include <cstring>
#include <new>

#include "app/html_app.h"
#include "app/runners.h"
#include "plat/app.h"
#include "plat/text.h"
#include "res/commands.h"
#include "res/string_table.h"
#include "toolbox/toolbox_hooks.h"

namespace tq {

namespace {

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
  const Command* c = FindCommand(id);
  if (!c) return false;
  const std::string name = c->element ? c->element : "";
  switch (c->kind) {
    case Kind::Wrap:
      *before = "<" + name + ">";
      *after = "</" + name + ">";
      return true;
    case Kind::Block:
      *before = "<" + name + ">\r\n";
      *after = "\r\n</" + name + ">";
      return true;
    case Kind::Empty:
      *before = "<" + name + ">";
      after->clear();
      return true;
    case Kind::Special: break;
    case Kind::None:
    case Kind::Detail: return false;
  }
  switch (id) {
    case cmd::kTableBorder:
      *before = "<TABLE BORDER>\r\n";
      *after = "\r\n</TABLE>";
      return true;
    case cmd::kStyle:
      *before = plat::J(
          "\r\n<STYLE TYPE=\"text/css\">\r\n<!-- \r\n\t /* ここにスタイル文内の要素定義を書いてください */\r\n");
      *after = "\r\n -->\r\n</STYLE>\r\n";
      return true;
    case cmd::kA:
      before->assign("<A HREF=\"").append(sel).append("\">");
      *after = "</A>";
      return true;
    case cmd::kImg:
      *before = "<IMG SRC=\"";
      *after = "\" ALT=\"\">";
      return true;
    case cmd::kCssComment:
      *before = "/* ";
      *after = " */";
      return true;
    case cmd::kComment:
      *before = "<!-- ";
      *after = " -->";
      return true;
    default: return false;  // the toolbox settings: a sheet, not a text
  }
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
  const Command* c = FindCommand(id);
  return c ? DialogRunner(c->dialog) : nullptr;
}

const char* GetHtmlTagString(plat::WindowHandle parent, int id, const char* selection) {
  plat::ModuleStateGuard guard;
  const char* sel = selection ? selection : "";
  try {
    std::string& buffer = ResultBuffer();
    buffer.assign(sel);
    if (id < cmd::kToolBoxSettings || id >= kEndTagId) return buffer.c_str();
    if (id == cmd::kToolBoxSettings) {
      RunToolBoxCustomize(HtmlApp().ToolBoxInputs(), HtmlApp().m_hHostWnd);
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
