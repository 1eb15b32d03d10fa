#include "harness/ScratchImage.h"

#include <windows.h>

#include <vector>

#include "win32/UniqueHandle.h"

namespace morvane::test {

ScratchImage::ScratchImage(const std::string& fileName, uint32_t size) : ownFolder_(std::make_unique<ScratchFolder>()) {
    if (ownFolder_->IsReady()) Create(ownFolder_->Path(), fileName, size);
}

ScratchImage::ScratchImage(const std::string& fileName, uint32_t size, const std::string& folder) {
    Create(folder, fileName, size);
}

ScratchImage::~ScratchImage() {
    if (created_) DeleteFileA(path_.c_str());
}

void ScratchImage::Create(const std::string& folder, const std::string& fileName, uint32_t size) {
    path_ = folder + fileName;
    const win32::FileHandle file(
        CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    created_ = true;
    const std::vector<char> zeros(size, '\0');
    DWORD written = 0;
    ready_ = WriteFile(file.Get(), zeros.data(), size, &written, nullptr) && written == size;
}

bool ScratchImage::Exists() const { return GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool ScratchImage::Delete() {
    if (!created_ || !DeleteFileA(path_.c_str())) return false;
    created_ = false;
    return true;
}

}  // namespace morvane::test
