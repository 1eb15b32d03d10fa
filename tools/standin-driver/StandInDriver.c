/* Stand-in for the maker's virtual-disk driver, for tests under Wine. It
   serves no sectors: it creates the device objects the plug-in binds drive
   letters to, keeps what the plug-in attaches, answers the plug-in's query
   and counts what arrived, which tests read through StandInControl.h. */
#include <ntddk.h>

#include "driver/DriverProtocol.h"
#include "standin-driver/StandInControl.h"

#define MV_FSCTL_LOCK_VOLUME 0x00090018u
#define MV_FSCTL_UNLOCK_VOLUME 0x0009001Cu
#define MV_FSCTL_DISMOUNT_VOLUME 0x00090020u

/* The fixed part of the record exchanged with the plug-in: 64-bit image
   size, read-only byte, drive letter, 16-bit name length, then the name. */
#define MV_INFO_FIXED_SIZE 12u
#define MV_INFO_READ_ONLY 8u
#define MV_INFO_DRIVE_LETTER 9u
#define MV_INFO_NAME_LENGTH 10u

#define MV_FAMILIES 3u
#define MV_NAME_CHARS 64u

typedef struct DeviceExtension {
    KSPIN_LOCK lock;
    MvStandInState state;
} DeviceExtension;

static const WCHAR* const kFamilyPatterns[MV_FAMILIES] = {
    L"" MV_HARD_DISK_DEVICE_STEM,
    L"" MV_CD_DVD_DEVICE_STEM,
    L"" MV_FLOPPY_DEVICE_STEM,
};
static const DEVICE_TYPE kFamilyTypes[MV_FAMILIES] = {FILE_DEVICE_DISK, FILE_DEVICE_CD_ROM, FILE_DEVICE_DISK};
static const ULONG kFamilyCharacteristics[MV_FAMILIES] = {0, FILE_REMOVABLE_MEDIA,
                                                          FILE_REMOVABLE_MEDIA | FILE_FLOPPY_DISKETTE};

/* Kept open while the driver runs: the object directory lives as long as a
   handle to it does, so stopping the driver removes it. */
static HANDLE g_directory;

static void CopyBytes(void* to, const void* from, SIZE_T count) {
    UCHAR* t = (UCHAR*)to;
    const UCHAR* f = (const UCHAR*)from;
    for (SIZE_T i = 0; i < count; ++i) t[i] = f[i];
}

static void ZeroBytes(void* to, SIZE_T count) {
    UCHAR* t = (UCHAR*)to;
    for (SIZE_T i = 0; i < count; ++i) t[i] = 0;
}

/* `prefix` followed by `number` in decimal into `out` (MV_NAME_CHARS). */
static BOOLEAN FormatDeviceName(const WCHAR* prefix, ULONG number, WCHAR* out) {
    SIZE_T n = 0;
    while (prefix[n]) {
        if (n + 1 >= MV_NAME_CHARS) return FALSE;
        out[n] = prefix[n];
        ++n;
    }
    WCHAR digits[10];
    SIZE_T count = 0;
    do {
        digits[count++] = (WCHAR)(L'0' + number % 10);
        number /= 10;
    } while (number && count < 10);
    if (n + count + 1 > MV_NAME_CHARS) return FALSE;
    while (count) out[n++] = digits[--count];
    out[n] = 0;
    return TRUE;
}

static NTSTATUS Complete(PIRP irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static DeviceExtension* ExtensionOf(PDEVICE_OBJECT device) { return (DeviceExtension*)device->DeviceExtension; }

static NTSTATUS DispatchCreate(PDEVICE_OBJECT device, PIRP irp) {
    DeviceExtension* ext = ExtensionOf(device);
    if (!ext->state.served) return Complete(irp, STATUS_OBJECT_NAME_NOT_FOUND, 0);
    KIRQL irql;
    KeAcquireSpinLock(&ext->lock, &irql);
    ++ext->state.openHandles;
    KeReleaseSpinLock(&ext->lock, irql);
    return Complete(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS DispatchClose(PDEVICE_OBJECT device, PIRP irp) {
    DeviceExtension* ext = ExtensionOf(device);
    KIRQL irql;
    KeAcquireSpinLock(&ext->lock, &irql);
    if (ext->state.openHandles) --ext->state.openHandles;
    KeReleaseSpinLock(&ext->lock, irql);
    return Complete(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS DispatchCleanup(PDEVICE_OBJECT device, PIRP irp) {
    (void)device;
    return Complete(irp, STATUS_SUCCESS, 0);
}

/* Whether the kernel path names an existing file (not a directory). The file
   is not kept open, so tests may delete it while it is attached. */
static NTSTATUS CheckImageFile(const char* name, USHORT nameLength) {
    WCHAR wide[MV_STANDIN_NAME_CAPACITY];
    ANSI_STRING ansi;
    ansi.Buffer = (PCHAR)name;
    ansi.Length = nameLength;
    ansi.MaximumLength = nameLength;
    UNICODE_STRING path;
    path.Buffer = wide;
    path.Length = 0;
    path.MaximumLength = (USHORT)sizeof wide;
    NTSTATUS status = RtlAnsiStringToUnicodeString(&path, &ansi, FALSE);
    if (!NT_SUCCESS(status)) return status;

    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &path, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
    IO_STATUS_BLOCK io;
    HANDLE file = NULL;
    status = ZwOpenFile(&file, FILE_READ_ATTRIBUTES | SYNCHRONIZE, &attributes, &io,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        FILE_NON_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT);
    if (NT_SUCCESS(status)) ZwClose(file);
    return status;
}

static NTSTATUS Attach(DeviceExtension* ext, const UCHAR* input, ULONG inputLength) {
    KIRQL irql;
    KeAcquireSpinLock(&ext->lock, &irql);
    ++ext->state.attachRequests;
    ext->state.lastAttachInputLength = inputLength;
    const BOOLEAN busy = ext->state.attached;
    KeReleaseSpinLock(&ext->lock, irql);

    if (busy) return STATUS_DEVICE_BUSY;
    if (!input || inputLength < MV_INFO_FIXED_SIZE) return STATUS_INVALID_PARAMETER;
    /* The name length is the caller's claim: it never reaches past the input. */
    const USHORT nameLength = (USHORT)(input[MV_INFO_NAME_LENGTH] | (input[MV_INFO_NAME_LENGTH + 1] << 8));
    if (nameLength == 0 || nameLength > inputLength - MV_INFO_FIXED_SIZE) return STATUS_INVALID_PARAMETER;
    if (nameLength >= MV_STANDIN_NAME_CAPACITY) return STATUS_NAME_TOO_LONG;

    const char* name = (const char*)input + MV_INFO_FIXED_SIZE;
    const NTSTATUS status = CheckImageFile(name, nameLength);
    if (!NT_SUCCESS(status)) return status;

    KeAcquireSpinLock(&ext->lock, &irql);
    if (ext->state.attached) {
        KeReleaseSpinLock(&ext->lock, irql);
        return STATUS_DEVICE_BUSY;
    }
    ext->state.attached = 1;
    ext->state.readOnly = input[MV_INFO_READ_ONLY];
    ext->state.driveLetter = (char)input[MV_INFO_DRIVE_LETTER];
    ext->state.nameLength = nameLength;
    ZeroBytes(ext->state.imageName, sizeof ext->state.imageName);
    CopyBytes(ext->state.imageName, name, nameLength);
    KeReleaseSpinLock(&ext->lock, irql);
    return STATUS_SUCCESS;
}

static NTSTATUS Detach(DeviceExtension* ext) {
    KIRQL irql;
    KeAcquireSpinLock(&ext->lock, &irql);
    ++ext->state.detachRequests;
    const BOOLEAN attached = ext->state.attached;
    ext->state.attached = 0;
    ext->state.readOnly = 0;
    ext->state.driveLetter = 0;
    ext->state.nameLength = 0;
    ZeroBytes(ext->state.imageName, sizeof ext->state.imageName);
    KeReleaseSpinLock(&ext->lock, irql);
    return attached ? STATUS_SUCCESS : STATUS_NO_MEDIA_IN_DEVICE;
}

/* Answers the attached name as it was given, with a terminator when room. */
static NTSTATUS Query(DeviceExtension* ext, UCHAR* output, ULONG outputLength, ULONG_PTR* information) {
    KIRQL irql;
    KeAcquireSpinLock(&ext->lock, &irql);
    ++ext->state.queryRequests;
    NTSTATUS status = STATUS_SUCCESS;
    if (!ext->state.attached) {
        status = STATUS_NO_MEDIA_IN_DEVICE;
    } else if (!output || outputLength < MV_INFO_FIXED_SIZE + ext->state.nameLength) {
        status = STATUS_BUFFER_TOO_SMALL;
    } else {
        ULONG length = MV_INFO_FIXED_SIZE + ext->state.nameLength;
        ZeroBytes(output, MV_INFO_FIXED_SIZE);
        output[MV_INFO_READ_ONLY] = ext->state.readOnly;
        output[MV_INFO_DRIVE_LETTER] = (UCHAR)ext->state.driveLetter;
        output[MV_INFO_NAME_LENGTH] = (UCHAR)(ext->state.nameLength & 0xFF);
        output[MV_INFO_NAME_LENGTH + 1] = (UCHAR)(ext->state.nameLength >> 8);
        CopyBytes(output + MV_INFO_FIXED_SIZE, ext->state.imageName, ext->state.nameLength);
        if (length < outputLength) output[length++] = 0;
        if (ext->state.answerLimit && ext->state.answerLimit < length) length = ext->state.answerLimit;
        *information = length;
    }
    KeReleaseSpinLock(&ext->lock, irql);
    return status;
}

static NTSTATUS CountVolumeRequest(DeviceExtension* ext, ULONG code) {
    KIRQL irql;
    KeAcquireSpinLock(&ext->lock, &irql);
    if (code == MV_FSCTL_LOCK_VOLUME) ++ext->state.lockRequests;
    else if (code == MV_FSCTL_UNLOCK_VOLUME) ++ext->state.unlockRequests;
    else ++ext->state.dismountRequests;
    KeReleaseSpinLock(&ext->lock, irql);
    return STATUS_SUCCESS;
}

static NTSTATUS ReadState(DeviceExtension* ext, UCHAR* output, ULONG outputLength, ULONG_PTR* information) {
    if (!output || outputLength < sizeof(MvStandInState)) return STATUS_BUFFER_TOO_SMALL;
    KIRQL irql;
    KeAcquireSpinLock(&ext->lock, &irql);
    CopyBytes(output, &ext->state, sizeof(MvStandInState));
    KeReleaseSpinLock(&ext->lock, irql);
    *information = sizeof(MvStandInState);
    return STATUS_SUCCESS;
}

static NTSTATUS LimitAnswer(DeviceExtension* ext, const UCHAR* input, ULONG inputLength) {
    if (!input || inputLength < sizeof(ULONG)) return STATUS_INVALID_PARAMETER;
    ULONG limit;
    CopyBytes(&limit, input, sizeof limit);
    KIRQL irql;
    KeAcquireSpinLock(&ext->lock, &irql);
    ext->state.answerLimit = limit;
    KeReleaseSpinLock(&ext->lock, irql);
    return STATUS_SUCCESS;
}

static NTSTATUS Reset(DeviceExtension* ext) {
    KIRQL irql;
    KeAcquireSpinLock(&ext->lock, &irql);
    const ULONG openHandles = ext->state.openHandles;
    const UCHAR served = ext->state.served;
    ZeroBytes(&ext->state, sizeof ext->state);
    ext->state.size = sizeof(MvStandInState);
    ext->state.openHandles = openHandles;
    ext->state.served = served;
    KeReleaseSpinLock(&ext->lock, irql);
    return STATUS_SUCCESS;
}

static NTSTATUS DispatchControl(PDEVICE_OBJECT device, PIRP irp) {
    DeviceExtension* ext = ExtensionOf(device);
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    /* Buffered requests: input and output share the system buffer. */
    UCHAR* buffer = (UCHAR*)irp->AssociatedIrp.SystemBuffer;
    ULONG code, inputLength, outputLength;
    if (stack->MajorFunction == IRP_MJ_FILE_SYSTEM_CONTROL) {
        code = stack->Parameters.FileSystemControl.FsControlCode;
        inputLength = stack->Parameters.FileSystemControl.InputBufferLength;
        outputLength = stack->Parameters.FileSystemControl.OutputBufferLength;
    } else {
        code = stack->Parameters.DeviceIoControl.IoControlCode;
        inputLength = stack->Parameters.DeviceIoControl.InputBufferLength;
        outputLength = stack->Parameters.DeviceIoControl.OutputBufferLength;
    }

    ULONG_PTR information = 0;
    NTSTATUS status;
    const BOOLEAN testRequest =
        code == MV_IOCTL_STANDIN_STATE || code == MV_IOCTL_STANDIN_LIMIT_ANSWER || code == MV_IOCTL_STANDIN_RESET;
    /* A number past the served set may still be open under Wine; it serves
       nothing there either. */
    if (!ext->state.served && !testRequest) return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    switch (code) {
    case MV_IOCTL_ATTACH_IMAGE: status = Attach(ext, buffer, inputLength); break;
    case MV_IOCTL_DETACH_IMAGE: status = Detach(ext); break;
    case MV_IOCTL_QUERY_IMAGE: status = Query(ext, buffer, outputLength, &information); break;
    case MV_FSCTL_LOCK_VOLUME:
    case MV_FSCTL_UNLOCK_VOLUME:
    case MV_FSCTL_DISMOUNT_VOLUME: status = CountVolumeRequest(ext, code); break;
    case MV_IOCTL_STANDIN_STATE: status = ReadState(ext, buffer, outputLength, &information); break;
    case MV_IOCTL_STANDIN_LIMIT_ANSWER: status = LimitAnswer(ext, buffer, inputLength); break;
    case MV_IOCTL_STANDIN_RESET: status = Reset(ext); break;
    default: status = STATUS_INVALID_DEVICE_REQUEST; break;
    }
    return Complete(irp, status, information);
}

static NTSTATUS DispatchUnsupported(PDEVICE_OBJECT device, PIRP irp) {
    (void)device;
    return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
}

static void DeleteEverything(PDRIVER_OBJECT driver) {
    while (driver->DeviceObject) IoDeleteDevice(driver->DeviceObject);
    if (g_directory) {
        ZwClose(g_directory);
        g_directory = NULL;
    }
}

static void DriverUnload(PDRIVER_OBJECT driver) { DeleteEverything(driver); }

static NTSTATUS CreateDirectory(void) {
    UNICODE_STRING name;
    RtlInitUnicodeString(&name, L"" MV_DEVICE_DIRECTORY);
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
    return ZwCreateDirectoryObject(&g_directory, DIRECTORY_ALL_ACCESS, &attributes);
}

static NTSTATUS CreateDeviceObject(PDRIVER_OBJECT driver, ULONG family, ULONG number) {
    WCHAR buffer[MV_NAME_CHARS];
    if (!FormatDeviceName(kFamilyPatterns[family], number, buffer)) return STATUS_NAME_TOO_LONG;
    UNICODE_STRING name;
    RtlInitUnicodeString(&name, buffer);
    PDEVICE_OBJECT device = NULL;
    const NTSTATUS status = IoCreateDevice(driver, sizeof(DeviceExtension), &name, kFamilyTypes[family],
                                           kFamilyCharacteristics[family], FALSE, &device);
    if (!NT_SUCCESS(status)) return status;
    DeviceExtension* ext = ExtensionOf(device);
    ZeroBytes(ext, sizeof *ext);
    KeInitializeSpinLock(&ext->lock);
    ext->state.size = sizeof(MvStandInState);
    ext->state.served = number < MV_STANDIN_SERVED_DEVICES;
    device->Flags &= ~DO_DEVICE_INITIALIZING;
    return STATUS_SUCCESS;
}

NTSTATUS DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath) {
    (void)registryPath;
    driver->DriverUnload = DriverUnload;
    for (ULONG i = 0; i <= IRP_MJ_MAXIMUM_FUNCTION; ++i) driver->MajorFunction[i] = DispatchUnsupported;
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchCreate;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchClose;
    driver->MajorFunction[IRP_MJ_CLEANUP] = DispatchCleanup;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchControl;
    driver->MajorFunction[IRP_MJ_FILE_SYSTEM_CONTROL] = DispatchControl;

    NTSTATUS status = CreateDirectory();
    for (ULONG family = 0; NT_SUCCESS(status) && family < MV_FAMILIES; ++family)
        for (ULONG number = 0; NT_SUCCESS(status) && number < MV_STANDIN_DEVICE_NUMBERS; ++number)
            status = CreateDeviceObject(driver, family, number);
    if (!NT_SUCCESS(status)) DeleteEverything(driver);
    return status;
}
