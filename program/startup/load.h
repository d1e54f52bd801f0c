// The load of the main window (Form_Load): the seven settings, the decimals bar and the
// selected statistic, the rendering of the kept results, the stored language, the title,
// the default example and the suggestion lists. Its assignments raise the same
// notifications as typing, so the first results are computed inside it. Each statement
// that fails is skipped and the load goes on.
#pragma once

#include "program/context.h"

namespace ormane {

void Form_Load(const Contexte& c);

}  // namespace ormane
