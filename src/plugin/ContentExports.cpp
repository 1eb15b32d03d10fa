// The content calls of the file-system plug-in interface, through which the
// file manager shows custom columns beside the images: the fields, their
// values and the folder's default view. Values come from the columns the
// last listing took (see ListingSnapshot.h); the calls may come from a
// thread of the file manager's own, before FsInit too.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "plugin/FsPluginApi.h"
#include "plugin/MorvaneApp.h"
#include "plugin/PanelColumns.h"
#include "win32/AnsiText.h"
#include "win32/NoThrow.h"

using namespace morvane;

namespace {

// Text into a buffer of `size` bytes, cut to fit with its terminator, never
// in the middle of a double-byte character.
void CopyAnsi(std::string_view text, char* out, int size) {
    if (size <= 0) return;
    const size_t room = static_cast<size_t>(size) - 1;
    size_t length = 0;
    while (length < text.size()) {
        const size_t step = IsDBCSLeadByte(static_cast<BYTE>(text[length])) ? 2 : 1;
        if (length + step > room || length + step > text.size()) break;
        length += step;
    }
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
}

// The same for UTF-16 in `size` characters, never between the two halves of
// a surrogate pair.
void CopyWide(std::wstring_view text, wchar_t* out, int size) {
    if (size <= 0) return;
    size_t length = std::min(text.size(), static_cast<size_t>(size) - 1);
    if (length > 0 && length < text.size() && IS_HIGH_SURROGATE(text[length - 1])) --length;
    std::wmemcpy(out, text.data(), length);
    out[length] = L'\0';
}

// A string value, in UTF-16 for the wide call; in the code page for the
// narrow one, where what it cannot spell reads '?'.
int StringValue(std::wstring_view text, void* value, int size, bool wide) {
    if (text.empty()) return kFtFieldEmpty;
    if (!wide) {
        CopyAnsi(win32::AnsiText(text), static_cast<char*>(value), size);
        return kFieldString;
    }
    const int room = size / static_cast<int>(sizeof(wchar_t));
    if (room <= 0) return kFtFieldEmpty;
    CopyWide(text, static_cast<wchar_t*>(value), room);
    return kFieldStringW;
}

int BooleanValue(bool flag, void* value, int size) {
    if (size < static_cast<int>(sizeof(int32_t))) return kFtFieldEmpty;
    const int32_t number = flag ? 1 : 0;
    std::memcpy(value, &number, sizeof number);
    return kFieldBoolean;
}

// Field `index` of the entry that `hostName` addresses, into `value` of
// `size` bytes.
int FieldValue(std::wstring_view hostName, int index, void* value, int size, bool wide) {
    if (index < 0 || index >= kColumnFieldCount) return kFtNoSuchField;
    if (!value || size <= 0) return kFtFieldEmpty;
    const std::shared_ptr<const ListingSnapshot> columns = App().GetListings().Latest();
    const std::optional<EntryColumns> entry = columns ? columns->Find(hostName) : std::nullopt;
    if (!entry) return kFtFieldEmpty;
    switch (kColumnFields[index].field) {
    case ColumnField::Drive:
        return entry->mountedOn
                   ? StringValue(std::wstring{static_cast<wchar_t>(entry->mountedOn), L':'}, value, size, wide)
                   : kFtFieldEmpty;
    case ColumnField::Mode:
        // The choices are ANSI in the wide call too.
        CopyAnsi(entry->mode, static_cast<char*>(value), size);
        return kFieldMultipleChoice;
    case ColumnField::ReadOnly:
        return BooleanValue(entry->readOnly, value, size);
    case ColumnField::Mounted:
        return BooleanValue(entry->mountedOn != 0, value, size);
    case ColumnField::RestoreAtLogon:
        return BooleanValue(entry->restoreAtLogon, value, size);
    case ColumnField::ImagePath:
        return StringValue(entry->imagePath, value, size, wide);
    }
    return kFtNoSuchField;
}

// The contents, headers, widths and options of the default view, each into
// a buffer of `size` characters, or none of them: a view cut short would
// name fields that do not exist.
template <typename Text, typename Char>
BOOL CopyDefaultView(const Text (&texts)[4], Char* const (&out)[4], int size) {
    for (int i = 0; i < 4; ++i)
        if (!out[i] || size <= 0 || texts[i].size() >= static_cast<size_t>(size)) return FALSE;
    for (int i = 0; i < 4; ++i) std::copy(texts[i].c_str(), texts[i].c_str() + texts[i].size() + 1, out[i]);
    return TRUE;
}

}  // namespace

extern "C" {

int __stdcall FsContentGetSupportedField(int fieldIndex, char* fieldName, char* units, int maxLen) {
    if (fieldIndex < 0 || fieldIndex >= kColumnFieldCount) return kFtNoMoreFields;
    const ColumnFieldInfo& info = kColumnFields[fieldIndex];
    if (fieldName) CopyAnsi(info.name, fieldName, maxLen);
    if (units) CopyAnsi(info.units, units, maxLen);
    return info.type;
}

int __stdcall FsContentGetSupportedFieldFlags(int) { return 0; }

int __stdcall FsContentGetValue(char* fileName, int fieldIndex, int, void* fieldValue, int maxLen, int) {
    return win32::NoThrow(
        // By the name in UTF-16: a name the code page spells only with a
        // substitute is no entry's name.
        [=] { return FieldValue(win32::WideText(fileName ? fileName : ""), fieldIndex, fieldValue, maxLen, false); },
        [] { return kFtFieldEmpty; });
}

int __stdcall FsContentGetValueW(wchar_t* fileName, int fieldIndex, int, void* fieldValue, int maxLen, int) {
    return win32::NoThrow(
        [=] { return FieldValue(std::wstring_view(fileName ? fileName : L""), fieldIndex, fieldValue, maxLen, true); },
        [] { return kFtFieldEmpty; });
}

BOOL __stdcall FsContentGetDefaultView(char* viewContents, char* viewHeaders, char* viewWidths, char* viewOptions,
                                       int maxLen) {
    return win32::NoThrow(
        [&] {
            const std::string texts[4] = {kDefaultViewContents, kDefaultViewHeaders, kDefaultViewWidths,
                                          kDefaultViewOptions};
            char* const out[4] = {viewContents, viewHeaders, viewWidths, viewOptions};
            return CopyDefaultView(texts, out, maxLen);
        },
        [] { return FALSE; });
}

BOOL __stdcall FsContentGetDefaultViewW(wchar_t* viewContents, wchar_t* viewHeaders, wchar_t* viewWidths,
                                        wchar_t* viewOptions, int maxLen) {
    return win32::NoThrow(
        [&] {
            const std::wstring texts[4] = {win32::WideText(kDefaultViewContents), win32::WideText(kDefaultViewHeaders),
                                           win32::WideText(kDefaultViewWidths), win32::WideText(kDefaultViewOptions)};
            wchar_t* const out[4] = {viewContents, viewHeaders, viewWidths, viewOptions};
            return CopyDefaultView(texts, out, maxLen);
        },
        [] { return FALSE; });
}

void __stdcall FsContentPluginUnloading() {
    win32::NoThrow([] { App().GetListings().Forget(); });
}

}  // extern "C"
