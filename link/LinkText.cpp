#include "LinkText.h"

#include <algorithm>

namespace {

QString ErrorByte(int64_t code)
{
    // A byte that would not show (a line end, a control or high byte) is shown by its code.
    if (code >= 0x20 && code < 0x7F)
        return QString(QChar(char16_t(code)));
    return QStringLiteral("0x") + QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString LinkText::FromSystem(const std::string &bytes)
{
    return QString::fromLocal8Bit(bytes.data(), qsizetype(bytes.size()));
}

std::string LinkText::ToSystem(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}

QString LinkText::Ready()
{
    return tr("Select COM port and click Read or Write");
}

QString LinkText::Status(const LinkStatus &status)
{
    const QString port = FromSystem(status.port);
    switch (status.step) {
    case LinkStep::Ready:
        return Ready();
    case LinkStep::PortOpened:
        return tr("Opened Com port %1 - cycle QWN power").arg(port);
    case LinkStep::FoundDevice:
        return tr("Found Quillwren Rezar - Entering Command Menu");
    case LinkStep::EnteredMenu:
        return tr("Entered Command Menu - Reading settings");
    case LinkStep::SendingLine:
        return FromSystem(status.text);
    case LinkStep::ReadingBack:
        return tr("Reading back settings");
    case LinkStep::ReadComplete:
        return tr("Read Complete");
    case LinkStep::WriteComplete:
        return tr("Write Complete");
    case LinkStep::EnteringBootloader:
        return tr("Entering Bootloader");
    case LinkStep::ErasingCode:
        return tr("Erasing Code");
    case LinkStep::EraseComplete:
        return tr("Erase Complete");
    case LinkStep::FirmwareWritten:
        return tr("Written %1 bytes (%2%)")
            .arg(status.done)
            .arg(status.done * 100 / std::max<int64_t>(1, status.total));
    case LinkStep::FirmwareComplete:
        return tr("Firmware update complete");
    case LinkStep::FirmwareError:
        return tr("Firmware update Error %1").arg(ErrorByte(status.done));
    case LinkStep::PortNotOpened:
        return tr("Failed to open Com port %1").arg(port);
    case LinkStep::ConnectionLost:
        return tr("Lost connection on Com port %1").arg(port);
    case LinkStep::OutputStuck:
        return tr("Couldn't write to Com port %1").arg(port);
    case LinkStep::FirmwareRefused: {
        const QString file = FromSystem(status.text);
        switch (status.refusal) {
        case FirmwareRefusal::CannotRead:
            return tr("Couldn't read file %1").arg(file);
        case FirmwareRefusal::NotValid:
            return tr("Not a valid firmware file %1").arg(file);
        default:
            return tr("Couldn't open file %1").arg(file);
        }
    }
    }
    return QString();
}

QString LinkText::Note(const LinkNote &note)
{
    switch (note.kind) {
    case LinkNoteKind::None:
        break;
    case LinkNoteKind::DeviceLine:
        return FromSystem(note.text);
    case LinkNoteKind::LoaderFound:
        return tr("Found %1 based Quillwren - %2").arg(note.number).arg(FromSystem(note.text));
    case LinkNoteKind::ListingDone:
        if (note.number <= 0)
            return FromSystem(note.text);
        return tr("%1 \u2013 %2 settings not received").arg(FromSystem(note.text)).arg(note.number);
    case LinkNoteKind::NoAnswer:
        return tr("Nothing heard from the device yet: check the port and the cable, then switch the device off and on");
    case LinkNoteKind::PortNotOpened:
        return FromSystem(DescribeOpenFailure(note.text, note.portError));
    case LinkNoteKind::FirmwareRefused:
        switch (note.refusal) {
        case FirmwareRefusal::Empty:
            return tr("the file is empty");
        case FirmwareRefusal::TooLarge:
            return tr("the file is larger than 16 MiB (%1 bytes)").arg(note.size);
        case FirmwareRefusal::NotValid:
            if (note.number > 0)
                return tr("line %1: %2").arg(note.number).arg(FromSystem(note.text));
            return FromSystem(note.text);
        default:
            return FromSystem(note.text);
        }
    }
    return QString();
}

std::string LinkText::StatusBytes(const LinkStatus &status)
{
    return status.step == LinkStep::SendingLine ? status.text : ToSystem(Status(status));
}

std::string LinkText::NoteBytes(const LinkNote &note)
{
    return note.kind == LinkNoteKind::DeviceLine ? note.text : ToSystem(Note(note));
}
