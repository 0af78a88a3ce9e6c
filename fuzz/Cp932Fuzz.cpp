// CP932 text both ways: bytes that read as text write back as text that reads the
// same, and text accepted for writing reads back as the form it is stored in.

#include <string>

#include "FuzzSupport.h"
#include "record/Cp932.h"

using namespace morovan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  if (const std::optional<std::string> text = fromCp932(bytes)) {
    const std::optional<std::string> again = toCp932(*text);
    if (!again) fuzz::fault("text read from CP932 cannot be written back");
    if (fromCp932(*again) != text) fuzz::fault("text read from CP932 changes on its way back");
  }

  // The same bytes taken as UTF-8 text to be written.
  if (const std::optional<std::string> written = toCp932(bytes)) {
    if (fromCp932(*written) != storedForm(bytes)) fuzz::fault("text written reads back as another");
  }
  return 0;
}
