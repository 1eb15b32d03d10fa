// Control codes of the virtual-disk driver. Shared with the stand-in driver
// used in tests, so it stays plain C.
#ifndef MORVANE_DRIVE_CONTROL_CODES_H
#define MORVANE_DRIVE_CONTROL_CODES_H

#define MV_IOCTL_ATTACH_IMAGE 0x8000E000u
#define MV_IOCTL_DETACH_IMAGE 0x8000E004u
#define MV_IOCTL_QUERY_IMAGE 0x80006008u

#endif
