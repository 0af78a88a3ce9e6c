#pragma once
/* Views into the sound library for its tests; the game never calls these. */

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* How many buffers are sounding now. */
int dsTestSoundingCount(void);
/* The bytes a buffer holds at the device's format (mono, signed 16-bit,
 * 22.05 kHz), or 0 for a handle that names no buffer. */
size_t dsTestHeldBytes(int32_t buffer);
/* Stops the open device from playing on its own, until the library is closed:
 * from then on the sounds advance only through dsTestMix. */
void dsTestHoldDevice(void);
/* Mixes the next `bytes` of output into `out` by hand, exactly as the device
 * would have. */
void dsTestMix(unsigned char* out, int bytes);

#ifdef __cplusplus
}
#endif
