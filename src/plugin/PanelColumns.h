// The columns that the file manager can show beside every image: the
// plug-in's content fields, named as the file manager stores them in its
// settings, the folder's default view, and what each field holds for one
// entry. Needs no Win32 call.
#pragma once

#include <cstddef>
#include <string_view>

#include "catalogue/DriveTable.h"
#include "catalogue/StoredImage.h"

namespace morvane {

// The interface's field types that the columns use.
enum FieldType : int {
    kFieldBoolean = 6,
    kFieldMultipleChoice = 7,
    kFieldString = 8,
    // A string in UTF-16, answered only by the wide call.
    kFieldStringW = 11,
};

enum class ColumnField : int { Drive, Mode, ReadOnly, Mounted, RestoreAtLogon, ImagePath };

struct ColumnFieldInfo {
    ColumnField field;
    // ASCII, without ".", "|" or ":", which the file manager's settings use.
    const char* name;
    FieldType type;
    // The choices of a multiple-choice field, "|" between them; empty otherwise.
    const char* units;
};

// In the order of their field indexes.
inline constexpr ColumnFieldInfo kColumnFields[] = {
    {ColumnField::Drive, "Drive", kFieldString, ""},
    {ColumnField::Mode, "Mode", kFieldMultipleChoice, "Hard disk|Floppy|CD/DVD"},
    {ColumnField::ReadOnly, "Read-only", kFieldBoolean, ""},
    {ColumnField::Mounted, "Mounted", kFieldBoolean, ""},
    {ColumnField::RestoreAtLogon, "Restore at logon", kFieldBoolean, ""},
    // A string in the code page for the narrow call, in UTF-16 for the wide one.
    {ColumnField::ImagePath, "Image path", kFieldString, ""},
};
inline constexpr int kColumnFieldCount = static_cast<int>(sizeof kColumnFields / sizeof kColumnFields[0]);

// The folder's default view: name, drive, mode, mounted, restore and image
// path. Fields and headers are separated by a backslash and "n" (two
// characters, not a line break); the widths begin with the file manager's
// own name and extension columns, a negative one aligns its column right.
inline constexpr char kDefaultViewContents[] =
    "[=<fs>.Drive]\\n[=<fs>.Mode]\\n[=<fs>.Mounted]\\n[=<fs>.Restore at logon]\\n[=<fs>.Image path]";
inline constexpr char kDefaultViewHeaders[] = "Drive\\nMode\\nMounted\\nRestore\\nImage path";
inline constexpr char kDefaultViewWidths[] = "148,23,35,55,50,50,250";
// No automatic width, no horizontal scroll bar.
inline constexpr char kDefaultViewOptions[] = "-1|0";

// What the columns show for one entry; the path, as its user named it, is a
// view into the image or the snapshot it came from.
struct EntryColumns {
    // The letter on which the driver confirmed the image mounted at the
    // listing; 0 when it did not.
    char mountedOn = 0;
    // "Hard disk", "Floppy" or "CD/DVD", as the properties dialog shows the
    // stored mode.
    const char* mode = "";
    // A CD/DVD always is.
    bool readOnly = false;
    bool restoreAtLogon = false;
    std::wstring_view imagePath;
};

// The columns of a catalogued image; `drives` tells which mounts the driver
// confirmed.
EntryColumns ColumnsOf(const StoredImage& image, const DriveTable& drives);

}  // namespace morvane
