#include "res/templates.h"

namespace plat {

const DialogTemplate* FindTemplate(int id) {
  static const DialogTemplate* const kAll[] = {
      &tq::res::kDlg2001,
      &tq::res::kDlg2030,
  };
  for (const DialogTemplate* t : kAll)
    if (t->id == id) return t;
  return nullptr;
}

}  // namespace plat
