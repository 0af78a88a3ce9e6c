#pragma once
// Everything the game reaches outside itself, handed to it at construction.

#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Entropy.h"
#include "platform/Hash.h"
#include "platform/Menu.h"
#include "platform/RecordPanel.h"
#include "platform/ReviewWindows.h"
#include "platform/SoundLibrary.h"
#include "platform/Translator.h"
#include "platform/Window.h"

namespace morovan {

struct Platform {
  Canvas& canvas;
  Dialogs& dialogs;
  SoundLibrary& sound;
  Clock& clock;
  Timer& timer;
  Menu& menu;
  RecordPanel& panel;
  Window& window;
  Hash& hash;
  // Programs without their own take the system's source and no windows.
  Entropy* entropy = &systemEntropy();
  ReviewWindows* review = &noReviewWindows();
  // Left out, the interface is Japanese.
  const Translator& words = untranslated();
};

}  // namespace morovan
