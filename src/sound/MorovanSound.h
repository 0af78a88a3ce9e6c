#pragma once
/* The Morovan sound library. Handles are 32-bit integers; 0 means none, and every
 * call given a 0 handle does nothing. */

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the audio device. The window handle is kept for the interface's sake and
 * may be 0. Returns the library handle, or 0 when no audio device can be opened. */
int32_t dsInitialize(intptr_t window);
/* Copies a whole RIFF/WAVE file of `size` bytes into a new buffer. Flags: 3 sound
 * effect, 1 music. Returns the buffer handle, or 0 for a truncated or corrupt wave. */
int32_t dsCreateDSB(int32_t library, const unsigned char* wave, size_t size, int32_t flags);
/* Plays the buffer once from the start and returns at once; several may sound together. */
void dsPlay(int32_t buffer);
/* Plays the buffer over and over until dsStop. */
void dsPlayLooping(int32_t buffer);
void dsStop(int32_t buffer);
void dsFree(int32_t buffer);
/* Frees every buffer still held and closes the audio device. */
void dsTerminate(int32_t library);

#ifdef __cplusplus
}
#endif
