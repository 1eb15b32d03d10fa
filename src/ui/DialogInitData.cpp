#include "ui/DialogInitData.h"

#include <utility>

namespace morvane::ui {
namespace {

uint32_t ReadLittleEndian(const uint8_t* bytes, size_t count) {
    uint32_t value = 0;
    for (size_t i = count; i > 0; --i) value = (value << 8) | bytes[i - 1];
    return value;
}

}  // namespace

std::optional<std::vector<DialogInitEntry>> ParseDialogInitData(const uint8_t* data, size_t size) {
    constexpr size_t kHeaderSize = 8;
    std::vector<DialogInitEntry> entries;
    size_t offset = 0;
    while (true) {
        if (size - offset < 2) return std::nullopt;
        DialogInitEntry entry;
        entry.controlId = static_cast<uint16_t>(ReadLittleEndian(data + offset, 2));
        if (entry.controlId == 0) return entries;
        if (size - offset < kHeaderSize) return std::nullopt;
        entry.message = static_cast<uint16_t>(ReadLittleEndian(data + offset + 2, 2));
        const uint32_t length = ReadLittleEndian(data + offset + 4, 4);
        offset += kHeaderSize;
        if (length > size - offset) return std::nullopt;
        const char* text = reinterpret_cast<const char*>(data + offset);
        size_t textLength = 0;
        while (textLength < length && text[textLength] != '\0') ++textLength;
        entry.text.assign(text, textLength);
        offset += length;
        entries.push_back(std::move(entry));
    }
}

}  // namespace morvane::ui
