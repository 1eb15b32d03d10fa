/* Test-only requests of the stand-in virtual-disk driver: they let tests see
   what reached a device, which the plug-in's own query cannot show. Shared by
   the driver and the tests, so it stays plain C without Windows types. */
#ifndef MORVANE_STANDIN_CONTROL_H
#define MORVANE_STANDIN_CONTROL_H

/* Device numbers 0 to MV_STANDIN_SERVED_DEVICES - 1 of each family serve
   images; the numbers after them, up to MV_STANDIN_DEVICE_NUMBERS - 1, exist
   only to refuse every open with the not-found status, as a number beyond a
   real driver's set does. Wine completes an open before the driver has
   answered it and ignores the refusal, so tests read `served` to tell. */
#define MV_STANDIN_SERVED_DEVICES 4u
#define MV_STANDIN_DEVICE_NUMBERS 32u

/* Longest image name a device keeps; longer attach requests are refused. */
#define MV_STANDIN_NAME_CAPACITY 1024u

/* CTL_CODE(0x8000, 0x8F0, METHOD_BUFFERED, FILE_ANY_ACCESS): no input; the
   output receives an MvStandInState. */
#define MV_IOCTL_STANDIN_STATE 0x800023C0u
/* CTL_CODE(0x8000, 0x8F1, METHOD_BUFFERED, FILE_ANY_ACCESS): input is a
   32-bit byte count; later query answers return at most that many bytes
   (0 lifts the limit). Lets tests produce answers that are too short. */
#define MV_IOCTL_STANDIN_LIMIT_ANSWER 0x800023C4u
/* CTL_CODE(0x8000, 0x8F2, METHOD_BUFFERED, FILE_ANY_ACCESS): forgets the
   attachment, the limit and the counters (not the open handles). */
#define MV_IOCTL_STANDIN_RESET 0x800023C8u

typedef struct MvStandInState {
    unsigned int size; /* sizeof(MvStandInState) */
    unsigned int openHandles;
    unsigned int attachRequests;
    unsigned int detachRequests;
    unsigned int queryRequests;
    unsigned int lockRequests;
    unsigned int unlockRequests;
    unsigned int dismountRequests;
    /* Input length of the latest attach request, whether it succeeded or not. */
    unsigned int lastAttachInputLength;
    unsigned int answerLimit;
    unsigned char attached;
    unsigned char readOnly;
    char driveLetter;
    /* 0: a number past the served set, whose opens are refused. */
    unsigned char served;
    unsigned short nameLength;
    char imageName[MV_STANDIN_NAME_CAPACITY];
} MvStandInState;

#endif
