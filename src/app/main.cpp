#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <filesystem>
#include <system_error>

#include "FirstPaintQuit.h"
#include "MainWindow.h"
#include "options/DisplayChoices.h"
#include "platform/Folders.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  morovan::FirstPaintQuit::installIfAsked();
  // Ties the window to its launcher and icon on the desktop.
  QGuiApplication::setDesktopFileName(QStringLiteral(MOROVAN_APP_ID));
  // The installed data folder lies where it was installed relative to the
  // program, so an installation works wherever its prefix is moved.
  const QString data =
      QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" MOROVAN_DATA_FROM_BIN);
  const morovan::Folders folders = morovan::foldersOfThisRun(QFile::encodeName(data).toStdString());
  // The working folder comes with it. If they cannot be made, the settings go
  // unsaved and the first game kept says so.
  std::error_code ignored;
  std::filesystem::create_directories(folders.games, ignored);
  morovan::MainWindow window(folders);
  if (morovan::englishChosen(morovan::rememberedLanguage(window.game()), QLocale::system())) {
    window.useEnglish();
  }
  window.start();
  return app.exec();
}
