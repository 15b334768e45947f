// Which dialog runs which detail command. A row whose dialog does not
// exist yet has no runner: the command gives the selection back.
#pragma once
#include "app/dispatch.h"

namespace tq {

struct RunnerEntry {
  int first, last;
  Runner runner;
};

extern const RunnerEntry kRunners[];
extern const int kRunnerCount;

}  // namespace tq
