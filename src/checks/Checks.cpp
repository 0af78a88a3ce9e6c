// Built twice, with MOROVAN_CHECKS 1 and 0: a program gets the checks it links.
#include "model/Checks.h"

namespace morovan {

const bool kChecksOn = MOROVAN_CHECKS;

}  // namespace morovan
