#include "QtHash.h"

#include <QCryptographicHash>
#include <algorithm>

namespace morovan {
namespace {

class QtHash : public Hash {
 public:
  std::array<unsigned char, kSha256Bytes> sha256(std::string_view bytes) override {
    const QByteArray digest =
        QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                 QCryptographicHash::Sha256);
    std::array<unsigned char, kSha256Bytes> out{};
    std::copy_n(digest.constData(), out.size(), out.begin());
    return out;
  }
};

}  // namespace

Hash& qtHash() {
  static QtHash hash;
  return hash;
}

}  // namespace morovan
