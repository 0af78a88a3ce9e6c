#pragma once
/* The Morovan sound library. Handles are 32-bit integers; 0 means none. Every call
 * given a 0, unknown, freed or closed library's handle does nothing. */

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the audio device. The window handle is kept for the interface's sake and
 * may be 0. Returns the library handle, or 0 when no audio device can be opened;
 * while the library is open, calling again returns the same handle. */
int32_t dsInitialize(intptr_t window);
/* Copies a whole RIFF/WAVE file of `size` bytes (PCM of 8 to 32 bits or 32-bit
 * float) into a new buffer; the caller may free its bytes at once. Flags: 3 sound
 * effect, 1 music (both are held alike). Returns the buffer handle, or 0 for a
 * truncated, corrupt or empty wave or a library handle that is not open. */
int32_t dsCreateDSB(int32_t library, const unsigned char* wave, size_t size, int32_t flags);
/* Plays the buffer once from the start and returns at once; several buffers may
 * sound together. A buffer still sounding is restarted, not doubled. */
void dsPlay(int32_t buffer);
/* Plays the buffer over and over until dsStop. */
void dsPlayLooping(int32_t buffer);
/* Silences the buffer if it is sounding. */
void dsStop(int32_t buffer);
/* Silences and releases the buffer; its handle names nothing afterwards. */
void dsFree(int32_t buffer);
/* Frees every buffer still held and closes the audio device. */
void dsTerminate(int32_t library);

#ifdef __cplusplus
}
#endif
