#include "MorovanSound.h"

#include <SDL.h>

#include <climits>
#include <cstring>
#include <map>
#include <mutex>

#include "MorovanSoundTesting.h"

namespace {

// One loaded sound, held at the device's format. A buffer is a single voice, as
// a hardware buffer would be: playing it again restarts it rather than stacking
// a second copy.
struct Buffer {
  Uint8* samples = nullptr;  // SDL's allocation, freed with SDL_free
  Uint32 length = 0;         // bytes
  Uint32 position = 0;       // the next byte to mix while sounding
  bool sounding = false;
  bool looping = false;
};

// The library's one table. The game calls from one thread only, but SDL may be
// driven from elsewhere in the host program, so every entry point takes the lock;
// whatever the audio callback reads is changed only with the device locked too.
struct Library {
  std::mutex lock;
  std::int32_t handle = 0;  // the open library, 0 when closed
  SDL_AudioDeviceID device = 0;
  // Library and buffer handles come from one counter and are never reused, so a
  // stale or foreign handle can never name a live object.
  std::int32_t lastHandle = 0;
  std::map<std::int32_t, Buffer> buffers;
};

// The format the game's own sounds are made in (mono, 16 bits, 22.05 kHz): the
// device runs at it, so they are kept as they are, where any other format would
// be converted on loading (into twice to four times their size). Other waves
// are converted to it. 512 frames are the same 23 ms of latency as 1024 at
// 44.1 kHz.
constexpr int kRate = 22050;
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr int kChannels = 1;
constexpr int kFrames = 512;

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

// Adds every sounding buffer into `out`, clipping the sum; a looping buffer
// wraps within the same call, so the loop has no gap.
void mixInto(Library& lib, Uint8* out, int bytes) {
  std::memset(out, 0, size_t(bytes));  // silence for signed 16-bit samples
  for (auto& [handle, b] : lib.buffers) {
    Uint32 at = 0;
    while (b.sounding && at < Uint32(bytes)) {
      const Uint32 n = SDL_min(Uint32(bytes) - at, b.length - b.position);
      SDL_MixAudioFormat(out + at, b.samples + b.position, kFormat, n, SDL_MIX_MAXVOLUME);
      at += n;
      b.position += n;
      if (b.position == b.length) {
        b.position = 0;
        b.sounding = b.looping;
      }
    }
  }
}

void SDLCALL audioCallback(void* userdata, Uint8* stream, int bytes) {
  mixInto(*static_cast<Library*>(userdata), stream, bytes);
}

// Changes what the callback reads only while it cannot run.
class DeviceLock {
 public:
  explicit DeviceLock(const Library& lib) : device_(lib.device) { SDL_LockAudioDevice(device_); }
  ~DeviceLock() { SDL_UnlockAudioDevice(device_); }
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;

 private:
  SDL_AudioDeviceID device_;
};

void start(Library& lib, Buffer& b, bool looping) {
  DeviceLock locked(lib);
  b.position = 0;
  b.sounding = true;
  b.looping = looping;
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

// Decodes a checked wave into a buffer at the device's format. A wave already
// at it is kept as SDL loaded it; any other is converted once, here.
bool loadWave(const unsigned char* wave, size_t size, Buffer& out) {
  SDL_RWops* stream = SDL_RWFromConstMem(wave, int(size));
  if (stream == nullptr) return false;
  SDL_AudioSpec loaded{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(stream, 1, &loaded, &samples, &length) == nullptr) return false;
  // The mixer relies on whole, non-empty frames: an empty loop would never end.
  const Uint32 frameBytes = SDL_AUDIO_BITSIZE(kFormat) / 8 * kChannels;
  if (loaded.format == kFormat && loaded.channels == kChannels && loaded.freq == kRate) {
    out.samples = samples;
    out.length = length - length % frameBytes;
    if (out.length > 0) return true;
    SDL_FreeWAV(samples);
    return false;
  }
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, loaded.format, loaded.channels, loaded.freq, kFormat, kChannels,
                        kRate) < 0) {
    SDL_FreeWAV(samples);
    return false;
  }
  // The conversion works in place in a buffer big enough for every stage.
  Uint8* converted = static_cast<Uint8*>(SDL_malloc(size_t(length) * size_t(cvt.len_mult)));
  if (converted != nullptr) std::memcpy(converted, samples, length);
  SDL_FreeWAV(samples);
  cvt.buf = converted;
  cvt.len = int(length);
  if (converted == nullptr || SDL_ConvertAudio(&cvt) != 0 || Uint32(cvt.len_cvt) < frameBytes) {
    SDL_free(converted);
    return false;
  }
  out.samples = converted;
  out.length = Uint32(cvt.len_cvt) - Uint32(cvt.len_cvt) % frameBytes;
  return true;
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
  SDL_AudioSpec want{};
  want.freq = kRate;
  want.format = kFormat;
  want.channels = kChannels;
  want.samples = kFrames;
  want.callback = audioCallback;
  want.userdata = &lib;
  // No changes allowed: where the hardware differs, SDL converts the mixed
  // stream, so the sounds are always held at their own format.
  lib.device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (lib.device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  lib.handle = newHandle(lib);
  if (lib.handle == 0) {
    SDL_CloseAudioDevice(lib.device);
    lib.device = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  SDL_PauseAudioDevice(lib.device, 0);
  return lib.handle;
}

int32_t dsCreateDSB(int32_t libraryHandle, const unsigned char* wave, size_t size, int32_t flags) {
  (void)flags;  // effects and music are held alike; looping is chosen at play time
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (libraryHandle == 0 || libraryHandle != lib.handle) return 0;
  if (!isPlayableWave(wave, size)) return 0;
  Buffer loaded;
  if (!loadWave(wave, size, loaded)) return 0;
  const std::int32_t handle = newHandle(lib);
  if (handle == 0) {
    SDL_free(loaded.samples);
    return 0;
  }
  DeviceLock locked(lib);
  lib.buffers[handle] = loaded;
  return handle;
}

void dsPlay(int32_t buffer) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (Buffer* b = findBuffer(lib, buffer)) start(lib, *b, false);
}

void dsPlayLooping(int32_t buffer) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (Buffer* b = findBuffer(lib, buffer)) start(lib, *b, true);
}

void dsStop(int32_t buffer) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (Buffer* b = findBuffer(lib, buffer)) {
    DeviceLock locked(lib);
    b->sounding = false;
  }
}

void dsFree(int32_t buffer) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  Buffer* b = findBuffer(lib, buffer);
  if (b == nullptr) return;
  Uint8* samples = b->samples;
  {
    DeviceLock locked(lib);
    lib.buffers.erase(buffer);
  }
  SDL_free(samples);
}

void dsTerminate(int32_t libraryHandle) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (libraryHandle == 0 || libraryHandle != lib.handle) return;
  SDL_CloseAudioDevice(lib.device);  // waits for the callback to finish
  lib.device = 0;
  for (auto& [handle, b] : lib.buffers) SDL_free(b.samples);
  lib.buffers.clear();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  lib.handle = 0;
}

int dsTestSoundingCount(void) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (lib.handle == 0) return 0;
  DeviceLock locked(lib);
  int count = 0;
  for (const auto& [handle, b] : lib.buffers) count += b.sounding ? 1 : 0;
  return count;
}

size_t dsTestHeldBytes(int32_t buffer) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  const Buffer* b = findBuffer(lib, buffer);
  return b == nullptr ? 0 : b->length;
}

void dsTestHoldDevice(void) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (lib.handle != 0) SDL_PauseAudioDevice(lib.device, 1);
}

void dsTestMix(unsigned char* out, int bytes) {
  Library& lib = library();
  std::lock_guard guard(lib.lock);
  if (lib.handle == 0) return;
  DeviceLock locked(lib);
  mixInto(lib, out, bytes);
}
}
