#pragma once

// A firmware file is checked before the device is asked to erase its code. Intel HEX text (the
// first byte that is not blank is ':') is checked whole: every record's characters, length
// and checksum, a known record type, one end-of-file record and nothing after it but blank
// lines and a DOS end-of-file mark (0x1A). Blanks and tabs before a line end, and blank lines,
// are let pass, as common tools write them. Other files are the device's business and pass
// unchecked.

#include <string>
#include <string_view>

// The first problem of the content, as "line 212: checksum is 0x3C, the record says 0x3D";
// empty when there is none or the content is not Intel HEX text.
std::string CheckFirmware(std::string_view content);
