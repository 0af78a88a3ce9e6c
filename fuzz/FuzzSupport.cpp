#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace morovan::fuzz {
namespace {

std::string scratch;

void removeScratch() {
  std::error_code ignored;
  std::filesystem::remove_all(scratch, ignored);
}

}  // namespace

void enterScratchDirectory() {
  if (!scratch.empty()) return;
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/morovan-fuzz-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0)
    fault("cannot make a scratch directory");
  scratch = pattern;
  std::atexit(removeScratch);
}

void fault(const std::string& what) {
  std::fprintf(stderr, "fuzz finding: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

}  // namespace morovan::fuzz
