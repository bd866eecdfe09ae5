#pragma once

// Opening a file the user named, for reading, without ever waiting on it: the settings files
// and the firmware files both come through here.

#include <string>

class QFile;

// Opens path for reading if it is a regular file; otherwise false with the reason (the
// system's words, "is a folder, not a file" or "is not a regular file"). A FIFO nobody writes
// to, or a device, is refused at once instead of holding the caller.
bool OpenRegularFile(const std::string &path, QFile &file, std::string &reason);
