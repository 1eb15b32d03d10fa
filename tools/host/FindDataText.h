// A find record as the listing shows it.
#pragma once

#include <windows.h>

#include <string>

namespace mvhost {

// The name field up to its terminator, never past the field.
std::string NameOf(const WIN32_FIND_DATAA& data);
// The 64-bit size in bytes.
std::string SizeText(const WIN32_FIND_DATAA& data);
// Last write time in local time, "YYYY-MM-DD HH:MM:SS"; "-" when zero.
std::string LastWriteText(const WIN32_FIND_DATAA& data);
// Letters for the common attributes followed by the value in hex, e.g. "RA (0x21)".
std::string AttributeText(DWORD attributes);

}  // namespace mvhost
