#pragma once
// SHA-256 from Qt Core, which the game loads anyway. The header is free of Qt,
// so the test fakes and the command-line tools take it without Qt's headers.

#include "platform/Hash.h"

namespace morovan {

// Shared by every game of the run: it keeps no state.
Hash& qtHash();

}  // namespace morovan
