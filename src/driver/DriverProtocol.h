/* The virtual-disk driver's protocol: the names of its device objects and its
   control codes. Shared with the stand-in driver used in tests, so it stays
   plain C. */
#ifndef MORVANE_DRIVE_DRIVER_PROTOCOL_H
#define MORVANE_DRIVE_DRIVER_PROTOCOL_H

/* The driver's name, also the name of its object directory. */
#define MV_DRIVER_NAME "MV_FileDisk"
#define MV_DEVICE_DIRECTORY "\\Device\\" MV_DRIVER_NAME
/* Device objects of each family, numbered from 0 by appending the number. */
#define MV_HARD_DISK_DEVICE_STEM MV_DEVICE_DIRECTORY "\\" MV_DRIVER_NAME
#define MV_CD_DVD_DEVICE_STEM MV_HARD_DISK_DEVICE_STEM "Cd"
#define MV_FLOPPY_DEVICE_STEM MV_HARD_DISK_DEVICE_STEM "Flp"

#define MV_IOCTL_ATTACH_IMAGE 0x8000E000u
#define MV_IOCTL_DETACH_IMAGE 0x8000E004u
#define MV_IOCTL_QUERY_IMAGE 0x80006008u

#endif
