/* The C interface of gbxaudio: output device, decoding streams, mixer streams, syncs. */
#ifndef GBXAUDIO_H
#define GBXAUDIO_H

#include <stdint.h>

/*
 * Three shared libraries export these calls: libgbxaudio.so (core), libgbxaudiomix.so (the
 * BASS_Mixer_ calls; it links against the core) and libgbxaudioflac.so (a FLAC decoder plug-in
 * loaded with BASS_PluginLoad). The program loads them at run time and resolves the calls by name.
 *
 * Units. Positions, lengths, delays and sync positions are bytes of the channel's own format
 * (sample type x channels), rounded down to a whole frame. Envelope node positions are bytes of
 * the mixer's format counted from the moment the source enters the mix.
 *
 * Errors. Every call sets the calling thread's last error code (BASS_ErrorGetCode); 0 on success.
 * Failure results: FALSE, 0 for handles, (DWORD)-1 / (QWORD)-1 for values, -1.0 for seconds.
 *
 * Threads. Every call may be made from any thread, including from inside a sync procedure,
 * except BASS_Init and BASS_Free, which fail with BASS_ERROR_BUSY on the engine's own threads.
 * Sync procedures run:
 *   - mix-time syncs (BASS_SYNC_MIXTIME), and every sync on a decoding channel: on the thread
 *     that produces the channel's data (the engine's mixing thread for a played mixer and its
 *     sources, the BASS_ChannelGetData caller for a decoding mixer), exactly when production
 *     reaches the position; the channel's mixer is locked while they run;
 *   - other syncs on played channels: on the engine's sync thread, when the heard position
 *     reaches them; no lock is held.
 * A sync procedure may lock channels, add sources, set and remove syncs, set positions and free
 * streams, including the channel whose sync is running.
 */

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define GBXAUDIO_API __attribute__((visibility("default")))
#else
#define GBXAUDIO_API
#endif

typedef uint32_t DWORD;
typedef uint64_t QWORD;
typedef int BOOL;
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

typedef void SYNCPROC(DWORD sync, DWORD channel, DWORD data, void* user);

typedef struct {
    const char* name;   /* UTF-8 */
    const char* driver; /* the host audio system, UTF-8 */
    DWORD flags;        /* BASS_DEVICE_ENABLED | BASS_DEVICE_DEFAULT | BASS_DEVICE_INIT */
} BASS_DEVICEINFO;

typedef struct {
    DWORD freq;
    DWORD chans;
    DWORD flags;          /* sample type and stream/mixer flags given at creation */
    DWORD ctype;          /* GBXAUDIO_CTYPE_FILE or GBXAUDIO_CTYPE_MIXER */
    DWORD origres;        /* bits of the source data, 0 when the decoder reports none */
    DWORD plugin;         /* the plug-in that decoded the file, 0 for the built-in decoder */
    DWORD sample;         /* always 0 */
    const char* filename; /* UTF-8; NULL for memory streams and mixers */
} BASS_CHANNELINFO;

typedef struct {
    QWORD pos;   /* bytes of the mixer's format from the source's entry */
    float value; /* volume factor */
} BASS_MIXER_NODE;

/* Versions: high word 0x0204. */
#define GBXAUDIO_VERSION 0x02040001u

/* Errors (BASS_ErrorGetCode). */
#define BASS_OK 0
#define BASS_ERROR_MEM 1
#define BASS_ERROR_FILEOPEN 2
#define BASS_ERROR_DRIVER 3
#define BASS_ERROR_BUFLOST 4
#define BASS_ERROR_HANDLE 5
#define BASS_ERROR_FORMAT 6
#define BASS_ERROR_POSITION 7
#define BASS_ERROR_INIT 8
#define BASS_ERROR_START 9
#define BASS_ERROR_ALREADY 14
#define BASS_ERROR_NOCHAN 18
#define BASS_ERROR_ILLTYPE 19
#define BASS_ERROR_ILLPARAM 20
#define BASS_ERROR_DEVICE 23
#define BASS_ERROR_NOPLAY 24
#define BASS_ERROR_FREQ 25
#define BASS_ERROR_NOTFILE 27
#define BASS_ERROR_EMPTY 31
#define BASS_ERROR_CREATE 33
#define BASS_ERROR_NOTAVAIL 37
#define BASS_ERROR_DECODE 38
#define BASS_ERROR_TIMEOUT 40
#define BASS_ERROR_FILEFORM 41
#define BASS_ERROR_VERSION 43
#define BASS_ERROR_CODEC 44
#define BASS_ERROR_ENDED 45
#define BASS_ERROR_BUSY 46
#define BASS_ERROR_UNKNOWN (-1)

/* Configuration options. */
#define BASS_CONFIG_BUFFER 0       /* output buffer length in ms, 10..5000 (clamped); default 500 */
#define BASS_CONFIG_DEV_DEFAULT 36 /* follow the system default device; stored */
#define BASS_CONFIG_UNICODE 42     /* file names; accepted, names are always UTF-8 */
/* Our own: the decoded-file cache. */
#define GBXAUDIO_CONFIG_CACHE_LIMIT_MB 0x10600 /* memory bound of the cache; default 1024 */
#define GBXAUDIO_CONFIG_CACHE_USED_KB 0x10601  /* memory the cache holds now; read only */
#define GBXAUDIO_CONFIG_UNDERRUNS 0x10602      /* times a device ran out of sound since the
                                                  library was loaded; read only */
#define GBXAUDIO_CONFIG_CHANNELS 0x10603       /* channels made and not yet freed; read
                                                  only */

/* Device flags. */
#define BASS_DEVICE_ENABLED 1
#define BASS_DEVICE_DEFAULT 2
#define BASS_DEVICE_INIT 4

/* Sample, stream and mixer flags. */
#define BASS_SAMPLE_8BITS 0x1
#define BASS_SAMPLE_FLOAT 0x100
#define BASS_STREAM_PRESCAN 0x20000
#define BASS_STREAM_DECODE 0x200000
#define BASS_UNICODE 0x80000000u
#define BASS_MIXER_END 0x10000
#define BASS_MIXER_NONSTOP 0x20000
#define BASS_MIXER_MATRIX 0x10000 /* source flag: mix through a matrix */
#define BASS_MIXER_BUFFER 0x2000  /* source flag: level and position as heard */
#define BASS_MIXER_ENV_VOL 2

/* Channel types (BASS_CHANNELINFO.ctype). */
#define GBXAUDIO_CTYPE_FILE 0x10000
#define GBXAUDIO_CTYPE_MIXER 0x10001

/* Positions. */
#define BASS_POS_BYTE 0
#define BASS_POS_DECODE 0x10000000 /* flag: the decoding position, not the heard one */

/* Syncs. */
#define BASS_SYNC_POS 0
#define BASS_SYNC_END 2
#define BASS_SYNC_MIXTIME 0x40000000

/* Attributes. */
#define BASS_ATTRIB_VOL 2 /* 0 or more; 1 = unchanged */
#define BASS_ATTRIB_PAN 3 /* -1 (left) .. 1 (right) */

/* BASS_ChannelIsActive. */
#define BASS_ACTIVE_STOPPED 0
#define BASS_ACTIVE_PLAYING 1
#define BASS_ACTIVE_STALLED 2
#define BASS_ACTIVE_PAUSED 3

/* Core: libgbxaudio.so */
GBXAUDIO_API DWORD BASS_GetVersion(void);
GBXAUDIO_API int BASS_ErrorGetCode(void);
GBXAUDIO_API BOOL BASS_SetConfig(DWORD option, DWORD value);
GBXAUDIO_API DWORD BASS_GetConfig(DWORD option);
/* Device 0 is "no sound": played streams advance in real time and nothing is heard.
   Devices 1..n are the output devices of the system. */
GBXAUDIO_API BOOL BASS_GetDeviceInfo(DWORD device, BASS_DEVICEINFO* info);
/* device -1 is the system default. Creating streams needs an initialised output. */
GBXAUDIO_API BOOL BASS_Init(int device, DWORD freq, DWORD flags, void* win, const void* guid);
/* Frees every stream and mixer and closes the output. */
GBXAUDIO_API BOOL BASS_Free(void);
/* Returns a plug-in handle; error 2 when the file cannot be opened, 41 when it is no plug-in. */
GBXAUDIO_API DWORD BASS_PluginLoad(const char* file, DWORD flags);
/* plugin 0 frees every plug-in. Streams already created keep playing. */
GBXAUDIO_API BOOL BASS_PluginFree(DWORD plugin);
/* mem TRUE: file points to a memory block of `length` bytes, decoding starts `offset` bytes
   into it; the block may be released once the call returns. mem FALSE: file is a UTF-8 path,
   decoding starts at `offset`, `length` 0 means to the end of the file. */
GBXAUDIO_API DWORD BASS_StreamCreateFile(BOOL mem, const void* file, QWORD offset, QWORD length,
                                         DWORD flags);
GBXAUDIO_API BOOL BASS_StreamFree(DWORD stream);
GBXAUDIO_API BOOL BASS_ChannelGetInfo(DWORD handle, BASS_CHANNELINFO* info);
GBXAUDIO_API QWORD BASS_ChannelGetLength(DWORD handle, DWORD mode);
GBXAUDIO_API double BASS_ChannelBytes2Seconds(DWORD handle, QWORD pos);
/* BASS_POS_BYTE on a played channel is the position heard now; with BASS_POS_DECODE it is the
   position of the data produced so far. */
GBXAUDIO_API QWORD BASS_ChannelGetPosition(DWORD handle, DWORD mode);
GBXAUDIO_API BOOL BASS_ChannelSetPosition(DWORD handle, QWORD pos, DWORD mode);
GBXAUDIO_API DWORD BASS_ChannelSetSync(DWORD handle, DWORD type, QWORD param, SYNCPROC* proc,
                                       void* user);
GBXAUDIO_API BOOL BASS_ChannelRemoveSync(DWORD handle, DWORD sync);
GBXAUDIO_API BOOL BASS_ChannelPlay(DWORD handle, BOOL restart);
/* On a source of a mixer: takes it out of the mix. */
GBXAUDIO_API BOOL BASS_ChannelStop(DWORD handle);
GBXAUDIO_API BOOL BASS_ChannelPause(DWORD handle);
GBXAUDIO_API DWORD BASS_ChannelIsActive(DWORD handle);
/* Recursive; the mixing thread holds a mixer's lock while it mixes a block. */
GBXAUDIO_API BOOL BASS_ChannelLock(DWORD handle, BOOL lock);
GBXAUDIO_API BOOL BASS_ChannelSetAttribute(DWORD handle, DWORD attrib, float value);
GBXAUDIO_API BOOL BASS_ChannelSlideAttribute(DWORD handle, DWORD attrib, float value, DWORD ms);
/* Left level in the low word, right in the high word, 0..32768, of the last 20 ms heard (played
   channels) or produced (decoding channels); BASS_ERROR_NOPLAY when the channel does not play. */
GBXAUDIO_API DWORD BASS_ChannelGetLevel(DWORD handle);
/* Decoding channels only; returns bytes, or (DWORD)-1 with BASS_ERROR_ENDED once ended. */
GBXAUDIO_API DWORD BASS_ChannelGetData(DWORD handle, void* buffer, DWORD length);

/* Mixer: libgbxaudiomix.so */
GBXAUDIO_API DWORD BASS_Mixer_GetVersion(void);
GBXAUDIO_API DWORD BASS_Mixer_StreamCreate(DWORD freq, DWORD chans, DWORD flags);
/* start: delay in mixer bytes from the mixer's current decoding position (inside a mix-time
   sync: from the sync's position); length: how long the source sounds, 0 = to its end. */
GBXAUDIO_API BOOL BASS_Mixer_StreamAddChannelEx(DWORD mixer, DWORD channel, DWORD flags,
                                                QWORD start, QWORD length);
/* Sources added with BASS_MIXER_MATRIX; rows = mixer channels, columns = source channels. */
GBXAUDIO_API BOOL BASS_Mixer_ChannelSetMatrix(DWORD handle, const float* matrix);
/* count 0 removes the envelope. Before the first node the first value holds, after the last the
   last value. */
GBXAUDIO_API BOOL BASS_Mixer_ChannelSetEnvelope(DWORD handle, DWORD type,
                                                const BASS_MIXER_NODE* nodes, DWORD count);
/* A source's level in the mix; as heard with BASS_MIXER_BUFFER, else of its latest data. */
GBXAUDIO_API DWORD BASS_Mixer_ChannelGetLevel(DWORD handle);
/* A source's position in its own bytes; as heard with BASS_MIXER_BUFFER and BASS_POS_BYTE. */
GBXAUDIO_API QWORD BASS_Mixer_ChannelGetPosition(DWORD handle, DWORD mode);

#ifdef __cplusplus
}
#endif

#endif
