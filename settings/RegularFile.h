#pragma once

// Opening a file the user named, for reading, without ever waiting on it: the settings files
// and the firmware files both come through here.

#include <string>

class QFile;

// Opens path for reading if it is a regular file; otherwise false with the reason (the
// system's words, "is a folder, not a file" or "is not a regular file"). A FIFO nobody writes
// to, or a device, is refused at once instead of holding the caller.
bool OpenRegularFile(const std::string &path, QFile &file, std::string &reason);

// The same, but a FIFO or a pipe (a shell's <(...), /dev/stdin on a pipe) is opened too, and
// that open waits for its writer: for a command line, where the user named it to be read.
// isPipe says which was opened, so that the caller can bound a pipe's length. Devices and
// folders are refused as above.
bool OpenFileOrPipe(const std::string &path, QFile &file, std::string &reason, bool &isPipe);
