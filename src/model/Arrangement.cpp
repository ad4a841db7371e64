// The arrangement and its do-nothing hooks.
#include "model/Arrangement.h"

Arrangement::Arrangement(AudioHooks& audioHooks, WindowHooks& windowHooks)
    : audio(audioHooks), window(windowHooks), resources(audioHooks), lanes(*this), plan(*this),
      room(*this), balls(*this) {}

AudioHooks& Arrangement::NoAudio() {
    static AudioHooks none;
    return none;
}

WindowHooks& Arrangement::NoWindow() {
    static WindowHooks none;
    return none;
}
