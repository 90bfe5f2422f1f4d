#include "foundation/OptionsState.h"

namespace {
OptionsState g_options;
}

OptionsState& options() { return g_options; }
void resetOptions() { g_options = OptionsState{}; }
