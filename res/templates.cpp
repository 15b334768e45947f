#include "res/templates.h"

#include <map>

namespace plat {

namespace {
std::map<int, const DialogTemplate*>& Registry() {
  static std::map<int, const DialogTemplate*> all;
  return all;
}
}  // namespace

TemplateRegistration::TemplateRegistration(const DialogTemplate& t) { Registry()[t.id] = &t; }

const DialogTemplate* FindTemplate(int id) {
  auto it = Registry().find(id);
  return it == Registry().end() ? nullptr : it->second;
}

}  // namespace plat
