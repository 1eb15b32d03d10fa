#include "support/DriverRequestRecorder.h"

#include <shlobj.h>
#include <winioctl.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <set>

#include "driver/DriverProtocol.h"
#include "harness/StandInDriver.h"
#include "winpatch/StandInDismount.h"

namespace morvane::test {
namespace {

using CreateFileAFn = decltype(&CreateFileA);
using DeviceIoControlFn = decltype(&DeviceIoControl);
using SHChangeNotifyFn = decltype(&SHChangeNotify);
using DefineDosDeviceAFn = decltype(&DefineDosDeviceA);
using CloseHandleFn = decltype(&CloseHandle);
using MessageBoxWFn = decltype(&MessageBoxW);

struct Recording {
    std::mutex mutex;
    std::vector<RecordedControl> controls;
    std::vector<RecordedOpen> opens;
    std::vector<RecordedShellNotice> notices;
    std::vector<RecordedDefinition> definitions;
    std::vector<std::string> steps;
    std::set<HANDLE> volumes;  // open volume handles, whose close is a step
    std::atomic<DWORD> failLockError{0};
    std::atomic<CreateFileAFn> createFile{nullptr};
    std::atomic<DeviceIoControlFn> deviceIoControl{nullptr};
    std::atomic<SHChangeNotifyFn> shellNotify{nullptr};
    std::atomic<DefineDosDeviceAFn> defineDosDevice{nullptr};
    std::atomic<CloseHandleFn> closeHandle{nullptr};
    std::atomic<MessageBoxWFn> messageBox{nullptr};
};

Recording& TheRecording() {
    static Recording recording;
    return recording;
}

std::atomic<const DriverRequestRecorder*> g_owner{nullptr};

bool Claim(const DriverRequestRecorder* recorder) {
    const DriverRequestRecorder* none = nullptr;
    return g_owner.compare_exchange_strong(none, recorder);
}

bool IsVolumePath(const char* path) { return path && std::strncmp(path, "\\\\.\\", 4) == 0; }

std::string Step(std::string what, bool succeeded) { return succeeded ? what : what + " failed"; }

std::string ControlName(DWORD code) {
    switch (code) {
    case FSCTL_LOCK_VOLUME:
        return "lock";
    case FSCTL_UNLOCK_VOLUME:
        return "unlock";
    case FSCTL_DISMOUNT_VOLUME:
        return "dismount";
    case MV_IOCTL_ATTACH_IMAGE:
        return "attach";
    case MV_IOCTL_DETACH_IMAGE:
        return "detach";
    case MV_IOCTL_QUERY_IMAGE:
        return "query";
    default: {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08lX", static_cast<unsigned long>(code));
        return hex;
    }
    }
}

std::string BoundedText(const char* text, size_t limit) {
    return text ? std::string(text, strnlen(text, limit)) : std::string();
}

HANDLE WINAPI RecordCreateFileA(LPCSTR path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                                DWORD disposition, DWORD flags, HANDLE templateFile) {
    Recording& r = TheRecording();
    HANDLE handle = r.createFile.load()(path, access, shareMode, security, disposition, flags, templateFile);
    DWORD error = GetLastError();
    const bool volume = IsVolumePath(path);
    // Wine completes the open of a device before its driver has answered
    // IRP_MJ_CREATE, so a refusal never reaches the caller. Windows fails
    // such an open; the stand-in's refused numbers say so themselves.
    MvStandInState state;
    if (handle != INVALID_HANDLE_VALUE && volume && ReadStandInState(handle, &state) && !state.served) {
        r.closeHandle.load()(handle);
        handle = INVALID_HANDLE_VALUE;
        error = ERROR_FILE_NOT_FOUND;
    }
    RecordedOpen open;
    open.path = BoundedText(path, 32768);
    open.access = access;
    open.shareMode = shareMode;
    open.disposition = disposition;
    open.flags = flags;
    open.succeeded = handle != INVALID_HANDLE_VALUE;
    open.error = open.succeeded ? 0 : error;
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        if (volume) {
            r.steps.push_back(Step("open", open.succeeded));
            if (open.succeeded) r.volumes.insert(handle);
        }
        r.opens.push_back(std::move(open));
    }
    SetLastError(error);
    return handle;
}

BOOL WINAPI RecordCloseHandle(HANDLE handle) {
    Recording& r = TheRecording();
    const BOOL ok = r.closeHandle.load()(handle);
    const DWORD error = GetLastError();
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        if (r.volumes.erase(handle)) r.steps.push_back(Step("close", ok));
    }
    SetLastError(error);
    return ok;
}

BOOL WINAPI RecordDeviceIoControl(HANDLE device, DWORD code, LPVOID input, DWORD inputLength, LPVOID output,
                                  DWORD outputLength, LPDWORD returned, LPOVERLAPPED overlapped) {
    Recording& r = TheRecording();
    RecordedControl control;
    control.code = code;
    control.inputLength = inputLength;
    if (input)
        control.input.assign(static_cast<const uint8_t*>(input), static_cast<const uint8_t*>(input) + inputLength);
    control.outputLength = outputLength;

    const DeviceIoControlFn real = r.deviceIoControl.load();
    const DWORD failLock = r.failLockError.load();
    BOOL ok;
    if (code == FSCTL_LOCK_VOLUME && failLock != 0) {
        SetLastError(failLock);
        ok = FALSE;
    } else if (code == FSCTL_DISMOUNT_VOLUME) {
        ok = winpatch::StandInDismount(real, device, input, inputLength, output, outputLength, returned, overlapped);
    } else {
        ok = real(device, code, input, inputLength, output, outputLength, returned, overlapped);
    }
    const DWORD error = GetLastError();
    control.succeeded = ok != FALSE;
    control.error = ok ? 0 : error;
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        r.steps.push_back(Step(ControlName(code), control.succeeded));
        r.controls.push_back(std::move(control));
    }
    SetLastError(error);
    return ok;
}

BOOL WINAPI RecordDefineDosDeviceA(DWORD flags, LPCSTR name, LPCSTR target) {
    Recording& r = TheRecording();
    const BOOL ok = r.defineDosDevice.load()(flags, name, target);
    const DWORD error = GetLastError();
    RecordedDefinition definition;
    definition.flags = flags;
    definition.name = BoundedText(name, MAX_PATH);
    definition.target = BoundedText(target, 32768);
    definition.succeeded = ok != FALSE;
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        r.steps.push_back(Step(((flags & DDD_REMOVE_DEFINITION) ? "remove " : "define ") + definition.name, ok));
        r.definitions.push_back(std::move(definition));
    }
    SetLastError(error);
    return ok;
}

void WINAPI RecordSHChangeNotify(LONG event, UINT flags, LPCVOID item1, LPCVOID item2) {
    Recording& r = TheRecording();
    RecordedShellNotice notice;
    notice.event = event;
    notice.flags = flags;
    if ((flags & SHCNF_TYPE) == SHCNF_PATHA) notice.path = BoundedText(static_cast<const char*>(item1), MAX_PATH);
    notice.hasSecondItem = item2 != nullptr;
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        r.steps.push_back("notice");
        r.notices.push_back(std::move(notice));
    }
    r.shellNotify.load()(event, flags, item1, item2);
}

int WINAPI RecordMessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    Recording& r = TheRecording();
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        r.steps.push_back("message");
    }
    return r.messageBox.load()(owner, text, caption, type);
}

template <typename F>
const void* Address(F function) {
    return reinterpret_cast<const void*>(function);
}

template <typename F>
F As(const ImportPatch& patch) {
    return reinterpret_cast<F>(const_cast<void*>(patch.Original()));
}

}  // namespace

DriverRequestRecorder::DriverRequestRecorder(HMODULE module)
    : owner_(Claim(this)),
      createFile_(owner_ ? module : nullptr, "kernel32.dll", "CreateFileA", Address(&RecordCreateFileA)),
      deviceIoControl_(owner_ ? module : nullptr, "kernel32.dll", "DeviceIoControl", Address(&RecordDeviceIoControl)),
      shellNotify_(owner_ ? module : nullptr, "shell32.dll", "SHChangeNotify", Address(&RecordSHChangeNotify)),
      defineDosDevice_(owner_ ? module : nullptr, "kernel32.dll", "DefineDosDeviceA", Address(&RecordDefineDosDeviceA)),
      closeHandle_(owner_ ? module : nullptr, "kernel32.dll", "CloseHandle", Address(&RecordCloseHandle)),
      messageBox_(owner_ ? module : nullptr, "user32.dll", "MessageBoxW", Address(&RecordMessageBoxW)) {
    if (!owner_) return;
    Recording& r = TheRecording();
    Clear();
    r.failLockError = 0;
    // The originals are known before any call arrives: the patched module
    // runs on this thread, and only once the constructor has returned. The
    // recorder's own closes always reach the system.
    r.createFile = As<CreateFileAFn>(createFile_);
    r.deviceIoControl = As<DeviceIoControlFn>(deviceIoControl_);
    r.shellNotify = As<SHChangeNotifyFn>(shellNotify_);
    r.defineDosDevice = As<DefineDosDeviceAFn>(defineDosDevice_);
    r.closeHandle = closeHandle_.IsApplied() ? As<CloseHandleFn>(closeHandle_) : &CloseHandle;
    r.messageBox = As<MessageBoxWFn>(messageBox_);
}

DriverRequestRecorder::~DriverRequestRecorder() {
    if (owner_) g_owner = nullptr;
}

bool DriverRequestRecorder::IsActive() const {
    return owner_ && createFile_.IsApplied() && deviceIoControl_.IsApplied();
}

std::string DriverRequestRecorder::Why() const {
    if (!owner_) return "another recorder is active";
    std::string why;
    if (!createFile_.IsApplied()) why += "the module does not import kernel32!CreateFileA; ";
    if (!deviceIoControl_.IsApplied()) why += "the module does not import kernel32!DeviceIoControl; ";
    if (!defineDosDevice_.IsApplied()) why += "no kernel32!DefineDosDeviceA import; ";
    if (!closeHandle_.IsApplied()) why += "no kernel32!CloseHandle import; ";
    if (!messageBox_.IsApplied()) why += "no user32!MessageBoxW import; ";
    if (!shellNotify_.IsApplied()) why += "no shell32!SHChangeNotify import; ";
    return why;
}

bool DriverRequestRecorder::SeesShell() const { return owner_ && shellNotify_.IsApplied(); }

bool DriverRequestRecorder::SeesSteps() const {
    return IsActive() && defineDosDevice_.IsApplied() && closeHandle_.IsApplied() && messageBox_.IsApplied();
}

void DriverRequestRecorder::FailLocks(DWORD error) { TheRecording().failLockError = error; }

std::vector<RecordedControl> DriverRequestRecorder::Controls() const {
    Recording& r = TheRecording();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.controls;
}

std::vector<DWORD> DriverRequestRecorder::ControlCodes() const {
    std::vector<DWORD> codes;
    for (const RecordedControl& control : Controls()) codes.push_back(control.code);
    return codes;
}

std::vector<RecordedOpen> DriverRequestRecorder::Opens() const {
    Recording& r = TheRecording();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.opens;
}

std::vector<RecordedShellNotice> DriverRequestRecorder::ShellNotices() const {
    Recording& r = TheRecording();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.notices;
}

std::vector<RecordedDefinition> DriverRequestRecorder::Definitions() const {
    Recording& r = TheRecording();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.definitions;
}

std::vector<std::string> DriverRequestRecorder::Steps() const {
    Recording& r = TheRecording();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.steps;
}

void DriverRequestRecorder::Clear() {
    Recording& r = TheRecording();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.controls.clear();
    r.opens.clear();
    r.notices.clear();
    r.definitions.clear();
    r.steps.clear();
    r.volumes.clear();
}

}  // namespace morvane::test
