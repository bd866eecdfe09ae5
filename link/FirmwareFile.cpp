#include "FirmwareFile.h"

#include "FirmwareCheck.h"
#include "RegularFile.h"

#include <QFile>

#include <cstdlib>

namespace {

FirmwareImage Refused(FirmwareRefusal refusal, std::string detail = std::string(), int64_t size = 0)
{
    FirmwareImage image;
    image.refusal = refusal;
    image.detail = std::move(detail);
    image.size = size;
    return image;
}

} // namespace

FirmwareImage LoadFirmwareFile(const std::string &path)
{
    QFile file;
    std::string reason;
    if (!OpenRegularFile(path, file, reason))
        return Refused(FirmwareRefusal::CannotOpen, reason);
    const int64_t size = file.size();
    if (size == 0)
        return Refused(FirmwareRefusal::Empty);
    if (size > FirmwareImage::kMaxBytes)
        return Refused(FirmwareRefusal::TooLarge, std::string(), size);
    FirmwareImage image;
    image.bytes = file.read(size);
    if (image.bytes.size() != size)
        return Refused(FirmwareRefusal::CannotRead, file.errorString().toStdString(), size);
    image.size = size;
    // The check names a line as "line 212: checksum is ..."; the number is kept apart so that
    // each front end can word the line in its own language.
    std::string problem = CheckFirmware(std::string_view(image.bytes.constData(), size_t(size)));
    if (problem.empty())
        return image;
    FirmwareImage refused = Refused(FirmwareRefusal::NotValid, problem, size);
    const char *const prefix = "line ";
    if (problem.rfind(prefix, 0) == 0) {
        char *end = nullptr;
        const long line = std::strtol(problem.c_str() + 5, &end, 10);
        if (line > 0 && end[0] == ':' && end[1] == ' ') {
            refused.line = int32_t(line);
            refused.detail = end + 2;
        }
    }
    return refused;
}
