#pragma once
// The sound library handle and the five buffers loaded at start-up.

namespace morovan {

struct SoundState {
  int Library = 0;  // 0 = no sound
  int その他 = 0;
  int 禁止 = 0;
  int 駒打音 = 0;
  int 旗立 = 0;
  int BGM = 0;
};

}  // namespace morovan
