#include "harness/StandInDriver.h"

#include <cstring>

#include "driver/DeviceNames.h"
#include "driver/DriverProtocol.h"
#include "harness/Plugin.h"
#include "win32/UniqueHandle.h"

namespace morvane::test {
namespace {

constexpr char kDriverFile[] = "mvfiledisk.sys";
constexpr DWORD kServiceWaitMs = 10000;

// The system's own functions, so that a DriverRequestRecorder patched into
// the test program never records what the tests themselves ask.
decltype(&DeviceIoControl) SystemDeviceIoControl() {
    static const auto function = reinterpret_cast<decltype(&DeviceIoControl)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "DeviceIoControl")));
    return function;
}

decltype(&CreateFileA) SystemCreateFileA() {
    static const auto function = reinterpret_cast<decltype(&CreateFileA)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateFileA")));
    return function;
}

bool Fail(std::string* why, const std::string& step, DWORD error) {
    if (why) *why = step + " failed with error " + std::to_string(error);
    return false;
}

bool WaitForState(SC_HANDLE service, DWORD wanted, DWORD* reached) {
    SERVICE_STATUS status{};
    for (DWORD waited = 0;; waited += 20) {
        if (!QueryServiceStatus(service, &status)) return false;
        *reached = status.dwCurrentState;
        if (status.dwCurrentState == wanted) return true;
        if (waited >= kServiceWaitMs) return false;
        Sleep(20);
    }
}

bool IsRunning(SC_HANDLE service) {
    SERVICE_STATUS status{};
    return QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_RUNNING;
}

std::string InstalledDriverPath() {
    char system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::string(system, length) + "\\drivers\\" + kDriverFile;
}

win32::FileHandle OpenDevice(int family, uint32_t number) {
    return win32::FileHandle(SystemCreateFileA()(StandInDevicePath(family, number).c_str(), GENERIC_READ,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                                 nullptr));
}

bool SendToDevice(int family, uint32_t number, DWORD code, const void* input, DWORD inputLength) {
    const win32::FileHandle device = OpenDevice(family, number);
    if (!device) return false;
    DWORD returned = 0;
    return SystemDeviceIoControl()(device.Get(), code, const_cast<void*>(input), inputLength, nullptr, 0, &returned,
                                   nullptr) != FALSE;
}

}  // namespace

bool EnsureStandInDriverRunning(std::string* why) {
    const win32::ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) return Fail(why, "OpenSCManagerA", GetLastError());
    win32::ServiceHandle service(OpenServiceA(manager.Get(), kStandInServiceName, SERVICE_ALL_ACCESS));
    if (service && IsRunning(service.Get())) return true;

    // Copied on every start, so that a rebuilt driver replaces an older one.
    const std::string installed = InstalledDriverPath();
    const std::string built = TestProgramDirectory() + kDriverFile;
    if (installed.empty()) return Fail(why, "GetSystemDirectoryA", GetLastError());
    if (!CopyFileA(built.c_str(), installed.c_str(), FALSE)) return Fail(why, "copying " + built, GetLastError());

    if (!service) {
        service.Reset(CreateServiceA(manager.Get(), kStandInServiceName, "Morvane stand-in virtual-disk driver",
                                     SERVICE_ALL_ACCESS, SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START,
                                     SERVICE_ERROR_NORMAL, installed.c_str(), nullptr, nullptr, nullptr, nullptr,
                                     nullptr));
        if (!service) return Fail(why, "CreateServiceA", GetLastError());
    }
    if (!StartServiceA(service.Get(), 0, nullptr) && GetLastError() != ERROR_SERVICE_ALREADY_RUNNING)
        return Fail(why, "StartServiceA", GetLastError());
    DWORD reached = 0;
    if (!WaitForState(service.Get(), SERVICE_RUNNING, &reached))
        return Fail(why, "waiting for the driver to run (state " + std::to_string(reached) + ")", GetLastError());
    return true;
}

bool StopStandInDriver(std::string* why) {
    const win32::ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) return Fail(why, "OpenSCManagerA", GetLastError());
    const win32::ServiceHandle service(OpenServiceA(manager.Get(), kStandInServiceName, SERVICE_ALL_ACCESS));
    if (!service) return GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST || Fail(why, "OpenServiceA", GetLastError());
    SERVICE_STATUS status{};
    if (!ControlService(service.Get(), SERVICE_CONTROL_STOP, &status) && GetLastError() != ERROR_SERVICE_NOT_ACTIVE)
        return Fail(why, "ControlService", GetLastError());
    DWORD reached = 0;
    if (!WaitForState(service.Get(), SERVICE_STOPPED, &reached))
        return Fail(why, "waiting for the driver to stop (state " + std::to_string(reached) + ")", GetLastError());
    return true;
}

std::string StandInDevicePath(int family, uint32_t number) {
    return "\\\\?\\GLOBALROOT" + DeviceObjectName(family, number);
}

bool ReadStandInState(HANDLE device, MvStandInState* state) {
    std::memset(state, 0, sizeof *state);
    DWORD returned = 0;
    const DWORD saved = GetLastError();
    const bool ok =
        SystemDeviceIoControl()(device, MV_IOCTL_STANDIN_STATE, nullptr, 0, state, sizeof *state, &returned, nullptr) &&
        returned == sizeof *state && state->size == sizeof *state;
    SetLastError(saved);
    return ok;
}

bool ReadStandInState(int family, uint32_t number, MvStandInState* state) {
    const win32::FileHandle device = OpenDevice(family, number);
    return device && ReadStandInState(device.Get(), state);
}

bool ResetStandInDevice(int family, uint32_t number) {
    return SendToDevice(family, number, MV_IOCTL_STANDIN_RESET, nullptr, 0);
}

bool LimitStandInAnswer(int family, uint32_t number, uint32_t bytes) {
    return SendToDevice(family, number, MV_IOCTL_STANDIN_LIMIT_ANSWER, &bytes, sizeof bytes);
}

void RemoveStandInDriveLetter(char letter) {
    const char name[] = {letter, ':', '\0'};
    // Definitions stack; each removal takes off the latest one.
    for (int i = 0; i < 16; ++i) {
        char target[1024] = {};
        if (!QueryDosDeviceA(name, target, sizeof target)) return;
        constexpr char kDeviceDirectory[] = MV_DEVICE_DIRECTORY "\\";
        if (std::strncmp(target, kDeviceDirectory, sizeof kDeviceDirectory - 1) != 0) return;
        if (!DefineDosDeviceA(DDD_REMOVE_DEFINITION, name, nullptr)) return;
    }
}

}  // namespace morvane::test
