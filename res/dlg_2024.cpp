// Toolbox page: no controls of its own; the page makes its buttons and is
// resized to fit them.
#include "res/templates.h"
#include "res/ids/toolbox.h"

namespace tq::res {

const plat::DialogTemplate kDlg2024 = {IDD_TOOLBOX_PAGE, "TB", 40, 151, 8, {}, true};

static const plat::TemplateRegistration reg(kDlg2024);

}  // namespace tq::res
