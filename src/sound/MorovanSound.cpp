#include "MorovanSound.h"

extern "C" {

int32_t dsInitialize(intptr_t) { return 0; }
int32_t dsCreateDSB(int32_t, const unsigned char*, size_t, int32_t) { return 0; }
void dsPlay(int32_t) {}
void dsPlayLooping(int32_t) {}
void dsStop(int32_t) {}
void dsFree(int32_t) {}
void dsTerminate(int32_t) {}
}
