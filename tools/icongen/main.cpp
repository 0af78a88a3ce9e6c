// Writes the window's koma icon as PNG files for the desktop's icon theme:
// DIRECTORY/<size>x<size>/apps/NAME.png for every usual size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "ArtworkPaint.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: morovan-icongen DIRECTORY NAME\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  const QString top = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int pixels : {16, 24, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(top).arg(pixels);
    const QString path = QStringLiteral("%1/%2.png").arg(folder, name);
    if (!QDir().mkpath(folder) || !morovan::art::paintIcon(pixels).save(path)) {
      std::fprintf(stderr, "morovan-icongen: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
