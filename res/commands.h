// The command table: every tag command id, named once, with what it does
// (its kind and element), the dialog that runs it and its place in the
// menu. The simple tags, the runners, the menu and the basic dialog's
// elements are views of it.
#pragma once

namespace tq {

namespace cmd {

// Tag command ids. A command's settings slot is its id less kSlotBase.
enum : int {
  kSlotBase = 29000,
  kToolBox = 29001,
  kToolBoxSettings = 29002,
  kNewTransitional = 29005,
  kNewStrict = 29006,
  kNewFrame = 29007,
  kHead = 29010,
  kTitle = 29011,
  kBase = 29012,
  kMeta = 29013,
  kStyle = 29014,
  kBody = 29016,
  kH1 = 29021,
  kH2 = 29022,
  kH3 = 29023,
  kH4 = 29024,
  kH5 = 29025,
  kH6 = 29026,
  kP = 29027,
  kPre = 29028,
  kAddress = 29029,
  kHR = 29030,
  kDiv = 29031,
  kBlockQuote = 29032,
  kUL = 29040,
  kOL = 29041,
  kDL = 29042,
  kTableBorder = 29050,
  kTable = 29051,
  kCaption = 29052,
  kColGroup = 29053,
  kCol = 29054,
  kThead = 29055,
  kTbody = 29056,
  kTfoot = 29057,
  kTR = 29058,
  kTH = 29059,
  kTD = 29060,
  kFrameSet = 29065,
  kFrame = 29066,
  kScript = 29070,
  kNoScript = 29071,
  kForm = 29072,
  kFieldSet = 29073,
  kHeadDetail = 29110,
  kTitleDetail = 29111,
  kBaseDetail = 29112,
  kMetaDetail = 29113,
  kStyleDetail = 29114,
  kStyleRules = 29115,
  kBodyDetail = 29116,
  kH1Detail = 29121,
  kH2Detail = 29122,
  kH3Detail = 29123,
  kH4Detail = 29124,
  kH5Detail = 29125,
  kH6Detail = 29126,
  kPDetail = 29127,
  kPreDetail = 29128,
  kAddressDetail = 29129,
  kHRDetail = 29130,
  kDivDetail = 29131,
  kBlockQuoteDetail = 29132,
  kULDetail = 29140,
  kOLDetail = 29141,
  kDLDetail = 29142,
  kTableDetail = 29151,
  kCaptionDetail = 29152,
  kColGroupDetail = 29153,
  kColDetail = 29154,
  kTheadDetail = 29155,
  kTbodyDetail = 29156,
  kTfootDetail = 29157,
  kTRDetail = 29158,
  kTHDetail = 29159,
  kTDDetail = 29160,
  kFrameSetDetail = 29165,
  kFrameDetail = 29166,
  kScriptDetail = 29170,
  kNoScriptDetail = 29171,
  kFormDetail = 29172,
  kFieldSetDetail = 29173,
  kB = 29301,
  kU = 29302,
  kStrike = 29303,
  kI = 29304,
  kBig = 29305,
  kSmall = 29306,
  kEM = 29307,
  kStrong = 29308,
  kSup = 29309,
  kSub = 29310,
  kTT = 29311,
  kBR = 29315,
  kSpan = 29316,
  kQ = 29317,
  kDfn = 29320,
  kCode = 29321,
  kSamp = 29322,
  kKbd = 29323,
  kVar = 29324,
  kCite = 29325,
  kAbbr = 29326,
  kAcronym = 29327,
  kBdo = 29328,
  kLI = 29335,
  kDT = 29336,
  kDD = 29337,
  kA = 29345,
  kLink = 29346,
  kMap = 29347,
  kArea = 29348,
  kImg = 29355,
  kObject = 29356,
  kParam = 29357,
  kApplet = 29358,
  kIFrame = 29360,
  kLabel = 29365,
  kInput = 29366,
  kSelect = 29367,
  kOptGroup = 29368,
  kOption = 29369,
  kTextArea = 29370,
  kLegend = 29371,
  kButton = 29372,
  kCssComment = 29398,
  kComment = 29399,
  kBDetail = 29401,
  kUDetail = 29402,
  kStrikeDetail = 29403,
  kIDetail = 29404,
  kBigDetail = 29405,
  kSmallDetail = 29406,
  kEMDetail = 29407,
  kStrongDetail = 29408,
  kSupDetail = 29409,
  kSubDetail = 29410,
  kTTDetail = 29411,
  kBRDetail = 29415,
  kSpanDetail = 29416,
  kQDetail = 29417,
  kDfnDetail = 29420,
  kCodeDetail = 29421,
  kSampDetail = 29422,
  kKbdDetail = 29423,
  kVarDetail = 29424,
  kCiteDetail = 29425,
  kAbbrDetail = 29426,
  kAcronymDetail = 29427,
  kBdoDetail = 29428,
  kLIDetail = 29435,
  kDTDetail = 29436,
  kDDDetail = 29437,
  kADetail = 29445,
  kLinkDetail = 29446,
  kMapDetail = 29447,
  kAreaDetail = 29448,
  kImgDetail = 29455,
  kObjectDetail = 29456,
  kParamDetail = 29457,
  kAppletDetail = 29458,
  kIFrameDetail = 29460,
  kLabelDetail = 29465,
  kInputDetail = 29466,
  kSelectDetail = 29467,
  kOptGroupDetail = 29468,
  kOptionDetail = 29469,
  kTextAreaDetail = 29470,
  kLegendDetail = 29471,
  kButtonDetail = 29472,
  kEnd = 29473,  // one past the last id
};

// The id space: block-level commands, then text-level ones from
// kInlineFirst; a plain command's detail form is its id plus kDetailOffset.
enum : int {
  kSpaceFirst = kSlotBase,
  kSpaceLast = 29999,
  kBlockLast = 29099,
  kInlineFirst = 29300,
  kInlineLast = 29399,
  kDetailOffset = 100,
};

// Ids of the detail forms (what the toolbox shows in italics).
constexpr bool InDetailRange(int id) {
  return (id >= kBlockLast + 1 && id <= kBlockLast + kDetailOffset) ||
         (id >= kInlineLast + 1 && id <= kInlineLast + kDetailOffset);
}

}  // namespace cmd

enum : int { kFirstTagId = cmd::kToolBox, kEndTagId = cmd::kEnd };

// What a command builds from the selection.
enum class Kind : unsigned char {
  None,     // nothing yet: the selection comes back
  Wrap,     // <E>selection</E>
  Block,    // <E>, the selection and </E> on lines of their own
  Empty,    // <E>selection
  Special,  // text of its own (dispatch)
  Detail,   // its dialog builds it
};

// The dialog that runs a detail command (the runners are in app/).
enum class Dialog : unsigned char {
  None,
  Head,
  StyleRule,
  Body,
  Basic,
  Table,
  ColGroup,
  TableCell,
  FrameSet,
  Frame,
  Script,
  Form,
  Anchor,
  Image,
  Object,
  Param,
  FormItem,
  Input,
  TextArea,
  kCount
};

enum : signed char { kNoSubmenu = -1 };
enum : unsigned char { kSeparatorBefore = 1 };

struct Command {
  int id;
  Kind kind;
  const char* element;  // the element it builds, or nullptr
  Dialog dialog;
  signed char submenu;  // index of its HTML submenu, or kNoSubmenu
  unsigned char separatorBefore;
};

// The rows in menu order, submenu by submenu; then the rest.
extern const Command kCommands[];
extern const int kCommandCount;

// The row of id, or nullptr.
const Command* FindCommand(int id);

}  // namespace tq
