#include "MorovanSound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>
#include <cstring>
#include <map>
#include <mutex>

namespace {

// One loaded sound. A buffer is a single voice, as a hardware buffer would be:
// playing it again restarts it rather than stacking a second copy.
struct Buffer {
  Mix_Chunk* chunk = nullptr;
  int channel = -1;  // the mixer channel it last started on, -1 if never
};

// The library's one table. The game calls from one thread only, but SDL may be
// driven from elsewhere in the host program, so every entry point takes the lock.
struct Library {
  std::mutex lock;
  std::int32_t handle = 0;  // the open library, 0 when closed
  // Library and buffer handles come from one counter and are never reused, so a
  // stale or foreign handle can never name a live object.
  std::int32_t lastHandle = 0;
  std::map<std::int32_t, Buffer> buffers;
};

// The format the game's own sounds are made in (mono, 16 bits, 22.05 kHz): the
// mixer runs at it, so they are kept as they are, where any other format would
// be converted on loading (into twice to four times their size). Other waves
// are converted to it. 512 frames are the same 23 ms of latency as 1024 at
// 44.1 kHz.
constexpr int kMixRate = 22050;
constexpr int kMixChannels = 1;
constexpr int kMixFrames = 512;

Library& library() {
  static Library lib;
  return lib;
}

std::int32_t newHandle(Library& lib) {
  if (lib.lastHandle == INT32_MAX) return 0;
  return ++lib.lastHandle;
}

Buffer* findBuffer(Library& lib, std::int32_t handle) {
  if (handle == 0 || lib.handle == 0) return nullptr;
  auto it = lib.buffers.find(handle);
  return it == lib.buffers.end() ? nullptr : &it->second;
}

// True while the buffer's own chunk is sounding on the channel it was last given.
bool isSounding(const Buffer& b) {
  return b.channel >= 0 && Mix_Playing(b.channel) != 0 && Mix_GetChunk(b.channel) == b.chunk;
}

void start(Buffer& b, int loops) {
  // Reuse the buffer's own channel when it is still playing, so a restart cuts
  // the old sound off cleanly instead of taking another channel.
  int channel = Mix_PlayChannel(isSounding(b) ? b.channel : -1, b.chunk, loops);
  if (channel < 0) {
    // Every channel busy: widen the mixer rather than drop the sound.
    const int count = Mix_AllocateChannels(-1);
    Mix_AllocateChannels(count + 8);
    channel = Mix_PlayChannel(-1, b.chunk, loops);
  }
  b.channel = channel;
}

std::uint32_t le32(const unsigned char* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}
std::uint16_t le16(const unsigned char* p) {
  return std::uint16_t(p[0] | p[1] << 8);
}

// Checks a whole RIFF/WAVE file before the decoder sees it: every chunk must lie
// inside the bytes given, and there must be a plain PCM (or float) "fmt " chunk
// followed by a non-empty "data" chunk of whole sample frames.
bool isPlayableWave(const unsigned char* wave, size_t size) {
  if (wave == nullptr || size < 12 || size > size_t(INT_MAX)) return false;
  if (std::memcmp(wave, "RIFF", 4) != 0 || std::memcmp(wave + 8, "WAVE", 4) != 0) return false;
  const size_t riffEnd = size_t(le32(wave + 4)) + 8;
  if (riffEnd > size || riffEnd < 12) return false;  // truncated, or a nonsense length

  bool haveFormat = false;
  unsigned blockAlign = 0;
  size_t at = 12;
  while (at + 8 <= riffEnd) {
    const unsigned char* chunk = wave + at;
    const size_t length = le32(chunk + 4);
    if (length > riffEnd - at - 8) return false;
    const unsigned char* body = chunk + 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (length < 16) return false;
      const unsigned format = le16(body);
      const unsigned channels = le16(body + 2);
      const std::uint32_t rate = le32(body + 4);
      const std::uint32_t byteRate = le32(body + 8);
      blockAlign = le16(body + 12);
      const unsigned bits = le16(body + 14);
      const bool pcm = format == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
      const bool floating = format == 3 && bits == 32;
      if (!pcm && !floating) return false;
      if (channels < 1 || channels > 8 || rate < 1000 || rate > 384000) return false;
      if (blockAlign != channels * (bits / 8) || byteRate != rate * blockAlign) return false;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      return haveFormat && length > 0 && length % blockAlign == 0;
    }
    at += 8 + length + (length & 1);  // chunks are padded to an even length
  }
  return false;  // no data chunk
}

}  // namespace

extern "C" {

int32_t dsInitialize(intptr_t) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (lib.handle != 0) return lib.handle;
  // SDL would otherwise catch SIGINT and SIGTERM and turn them into events that
  // the host program never reads, leaving the game impossible to interrupt.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  if (Mix_OpenAudio(kMixRate, MIX_DEFAULT_FORMAT, kMixChannels, kMixFrames) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  Mix_AllocateChannels(16);
  lib.handle = newHandle(lib);
  if (lib.handle == 0) {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  return lib.handle;
}

int32_t dsCreateDSB(int32_t libraryHandle, const unsigned char* wave, size_t size, int32_t flags) {
  (void)flags;  // effects and music are held alike; looping is chosen at play time
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (libraryHandle == 0 || libraryHandle != lib.handle) return 0;
  if (!isPlayableWave(wave, size)) return 0;
  SDL_RWops* stream = SDL_RWFromConstMem(wave, int(size));
  if (stream == nullptr) return 0;
  Mix_Chunk* chunk = Mix_LoadWAV_RW(stream, 1);  // copies and converts; closes the stream
  if (chunk == nullptr) return 0;
  const std::int32_t handle = newHandle(lib);
  if (handle == 0) {
    Mix_FreeChunk(chunk);
    return 0;
  }
  lib.buffers[handle].chunk = chunk;
  return handle;
}

void dsPlay(int32_t buffer) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (Buffer* b = findBuffer(lib, buffer)) start(*b, 0);
}

void dsPlayLooping(int32_t buffer) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (Buffer* b = findBuffer(lib, buffer)) start(*b, -1);
}

void dsStop(int32_t buffer) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  Buffer* b = findBuffer(lib, buffer);
  if (b != nullptr && isSounding(*b)) Mix_HaltChannel(b->channel);
}

void dsFree(int32_t buffer) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  Buffer* b = findBuffer(lib, buffer);
  if (b == nullptr) return;
  Mix_FreeChunk(b->chunk);  // halts any channel still playing it
  lib.buffers.erase(buffer);
}

void dsTerminate(int32_t libraryHandle) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (libraryHandle == 0 || libraryHandle != lib.handle) return;
  Mix_HaltChannel(-1);
  for (auto& [handle, b] : lib.buffers) Mix_FreeChunk(b.chunk);
  lib.buffers.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  lib.handle = 0;
}
}
