#include "catalogue/StoreSnapshot.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <unordered_map>

#include "catalogue/CatalogueKey.h"
#include "catalogue/DropRepeats.h"
#include "catalogue/ImagePaths.h"
#include "catalogue/RecordOfValue.h"
#include "catalogue/StoreKey.h"
#include "catalogue/ValueName.h"
#include "win32/RegKey.h"

namespace morvane {
namespace {

// Room for the longest name that can be addressable, terminator included: a
// longer one reads as ERROR_MORE_DATA and is skipped, as a record that does
// not fit is. (The registry allows 16383 characters.)
constexpr DWORD kNameBufferChars = kTextFieldSize;
// Passes made while other processes keep changing the key; after the last,
// the values seen by earlier passes are looked up by name.
constexpr int kMaxPasses = 4;

struct KeyState {
    DWORD values = 0;
    FILETIME lastWrite{};

    bool operator==(const KeyState& other) const {
        return values == other.values && CompareFileTime(&lastWrite, &other.lastWrite) == 0;
    }
};

class StoreReader {
public:
    LONG Open() { return key_.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_READ); }

    LONG State(KeyState& state) const {
        return RegQueryInfoKeyW(key_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &state.values,
                                nullptr, nullptr, nullptr, &state.lastWrite);
    }

    // One walk over the indices into `images`. A value that another process
    // deletes or adds meanwhile shifts the indices of the others, so a walk
    // may skip or repeat one; repeats are dropped here, skips are the
    // caller's concern.
    void Pass(DWORD count, bool backwards, std::vector<StoredImage>& images) {
        images.clear();
        // Records are large: growing the vector step by step would copy them
        // over and over.
        images.reserve(count);
        for (DWORD step = 0; !backwards || step < count; ++step) {
            const DWORD index = backwards ? count - 1 - step : step;
            StoredImage image;
            const LONG rc = Read(index, image);
            if (rc == ERROR_SUCCESS) {
                images.push_back(std::move(image));
            } else if (rc != ERROR_MORE_DATA && rc != ERROR_INVALID_DATA && !backwards) {
                break;  // past the last value, or the key is gone
            }
        }
        DropRepeats(images);
        if (backwards) std::reverse(images.begin(), images.end());
    }

private:
    // ERROR_SUCCESS only for a record with an addressable name.
    LONG Read(DWORD index, StoredImage& image) {
        // A longer value answers ERROR_MORE_DATA: it is no record.
        uint8_t data[kFileInfoSize];
        DWORD nameLength = kNameBufferChars;
        DWORD type = REG_NONE;
        DWORD size = sizeof data;
        const LONG rc = RegEnumValueW(key_.Get(), index, name_.data(), &nameLength, nullptr, &type, data, &size);
        if (rc != ERROR_SUCCESS) return rc;
        const std::optional<CFileInfo> record = RecordOfValue(type, data, size);
        if (!record) return ERROR_INVALID_DATA;
        const std::wstring_view name(name_.data(), nameLength);
        if (!IsAddressableValueName(name)) return ERROR_INVALID_DATA;
        image.valueName.assign(name);
        image.record = *record;
        return ERROR_SUCCESS;
    }

    win32::RegKey key_;
    std::array<wchar_t, kNameBufferChars> name_{};
};

// Every image's path as named, from its record or from the paths kept beside
// the store for it.
void TakeImagePaths(std::vector<StoredImage>& images) {
    const std::vector<KeptImagePath> kept = ReadKeptImagePaths();
    std::unordered_map<std::string, const KeptImagePath*> byKey;
    for (const KeptImagePath& path : kept) byKey.emplace(CatalogueKey(path.valueName), &path);
    for (StoredImage& image : images) {
        const auto found = byKey.empty() ? byKey.end() : byKey.find(CatalogueKey(image.valueName));
        image.imagePath = NamedImagePath(image.record, found == byKey.end() ? nullptr : found->second);
    }
}

}  // namespace

bool ReadStoreSnapshot(std::vector<StoredImage>& images) {
    images.clear();
    StoreReader reader;
    KeyState before;
    if (reader.Open() != ERROR_SUCCESS || reader.State(before) != ERROR_SUCCESS) return false;

    // A walk during which the key did not change saw every value. Walks in
    // both directions, because an insertion skips values in one direction
    // and a deletion in the other.
    std::vector<std::vector<StoredImage>> earlier;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        if (pass > 0) earlier.push_back(images);
        reader.Pass(before.values, pass % 2 == 1, images);
        KeyState after;
        if (reader.State(after) != ERROR_SUCCESS) {
            images.clear();
            return false;
        }
        if (after == before) {
            TakeImagePaths(images);
            return true;
        }
        before = after;
    }

    // The key never stood still: the last walk, and whatever an earlier one
    // saw that it missed and the store still holds.
    std::set<std::wstring> names;
    for (const StoredImage& image : images) names.insert(image.valueName);
    for (const auto& pass : earlier) {
        for (const StoredImage& seen : pass) {
            StoredImage image;
            if (names.count(seen.valueName) || !ReadStoredImage(seen.valueName, image)) continue;
            names.insert(image.valueName);
            images.push_back(std::move(image));
        }
    }
    TakeImagePaths(images);
    return true;
}

bool ReadStoredImage(const std::wstring& valueName, StoredImage& image) {
    if (!IsAddressableValueName(valueName)) return false;
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_READ) != ERROR_SUCCESS) return false;
    uint8_t data[kFileInfoSize];
    DWORD type = REG_NONE;
    DWORD size = sizeof data;
    if (key.QueryValue(valueName.c_str(), &type, data, &size) != ERROR_SUCCESS) return false;
    const std::optional<CFileInfo> record = RecordOfValue(type, data, size);
    if (!record) return false;
    image.valueName = valueName;
    image.record = *record;
    const std::optional<KeptImagePath> kept = ReadKeptImagePath(valueName);
    image.imagePath = NamedImagePath(*record, kept ? &*kept : nullptr);
    return true;
}

}  // namespace morvane
