#include "SettingHelp.h"

#include <QCoreApplication>

namespace {

// Page captions and units stand once each, so that a translator sees each once.
const char kPorts[] = QT_TRANSLATE_NOOP("SettingHelp", "Ports");
const char kPosition[] = QT_TRANSLATE_NOOP("SettingHelp", "Position");
const char kPositionTiming[] = QT_TRANSLATE_NOOP("SettingHelp", "Position Timing");
const char kGps[] = QT_TRANSLATE_NOOP("SettingHelp", "GPS");
const char kBeacon[] = QT_TRANSLATE_NOOP("SettingHelp", "Beacon / Digipeater");
const char kTelemetry[] = QT_TRANSLATE_NOOP("SettingHelp", "Bank / Telem / WX");
const char kPacket[] = QT_TRANSLATE_NOOP("SettingHelp", "Packet");
const char kDisplay[] = QT_TRANSLATE_NOOP("SettingHelp", "Display");
const char kSeconds[] = QT_TRANSLATE_NOOP("SettingHelp", "sec");
const char kMph[] = QT_TRANSLATE_NOOP("SettingHelp", "MPH");
const char kDegrees[] = QT_TRANSLATE_NOOP("SettingHelp", "deg");
const char kAltitudeUnit[] = QT_TRANSLATE_NOOP("SettingHelp", "M");
const char kBytes[] = QT_TRANSLATE_NOOP("SettingHelp", "bytes");
const char kTenthsOfSecond[] = QT_TRANSLATE_NOOP("SettingHelp", "x 100ms");
const char kNoUnit[] = "";

} // namespace

// Labels and units are the ones the pages show (their typing slips included), so that what a
// search or a tool tip names is what the eye finds on the page. Help says only what the pages
// and common APRS practice tell, never a device limit nothing states.
const std::array<SettingHelp, kSettingCount> g_settingHelp = {{
    {"amode", kPorts, QT_TRANSLATE_NOOP("SettingHelp", "Mode (AMODE)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "What serial port A speaks: TEXT, KISS, GPS, PEET or DEAFTEXT. KISS is for packet "
          "software on a computer, GPS for a GPS receiver. The Directly and Splitter "
          "buttons on the Basic page also set it.")},
    {"abaud", kPorts, QT_TRANSLATE_NOOP("SettingHelp", "Baudrate (ABAUD)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The baud rate of serial port A, which must match the device connected to it. The "
          "Directly and Splitter buttons on the Basic page also set it.")},
    {"bmode", kPorts, QT_TRANSLATE_NOOP("SettingHelp", "Mode (BMODE)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "What serial port B speaks: TEXT, KISS, GPS, PEET or DEAFTEXT. Port B requires a "
          "serial splitter cable on port J2.")},
    {"bbaud", kPorts, QT_TRANSLATE_NOOP("SettingHelp", "Baudrate (BBAUD)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The baud rate of serial port B, which must match the device connected to it. "
          "Port B requires a serial splitter cable on port J2.")},
    {"pkticom", kPorts,
     QT_TRANSLATE_NOOP("SettingHelp", "Send decoded packets to serial ports (PKTICOM)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the packets the device decodes from the radio are sent out of its "
          "serial ports.")},
    {"pktocom", kPorts,
     QT_TRANSLATE_NOOP("SettingHelp", "Send generated packets to serial ports (PKTOCOM)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the packets the device generates itself are also sent out of its "
          "serial ports.")},
    {"headerln", kPorts,
     QT_TRANSLATE_NOOP("SettingHelp", "Send newline after header in TEXT mode (HEADERLN)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "On ports in TEXT mode, a new line follows each packet's header, so that the "
          "header and the rest of the packet stand on separate lines.")},
    {"softrst", kPorts, QT_TRANSLATE_NOOP("SettingHelp", "Allow Soft Reset (SOFTRST)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the device allows a soft reset.")},
    {"decstat", kPorts, QT_TRANSLATE_NOOP("SettingHelp", "Show Decode Stats (DECSTAT)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the device shows its decode statistics.")},
    {"tprotocol", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "Protocol (TPROTOCOL)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The format of the position reports: MIC-E (short, partly encoded in the "
          "destination address), APRS Text (latitude and longitude in plain text) or "
          "Compressed. The choice decides which other options on this page apply.")},
    {"timestamp", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "TimeStamp"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Whether position reports carry a time stamp, and which: none, day, hour and "
          "minute, or hour, minute and second. It does not apply to MIC-E, which has no "
          "time stamp.")},
    {"timehms", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "TimeStamp"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Together with TIMESTAMP, picks the form of the time stamp: on for hour, minute "
          "and second, off for day, hour and minute. It is set through the TimeStamp list.")},
    {"tdao", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "Send Added Precision (TDAO)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Adds one or two more digits of latitude and longitude to each position report "
          "(the APRS DAO extension). It does not apply to the Compressed protocol.")},
    {"tsymcode", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "Code (TSYMCODE)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The symbol code: the one character that, with the symbol table, picks the icon "
          "other stations show for this station, such as > for a car in the primary table.")},
    {"tsymtable", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "Table (TSYMTABLE)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The symbol table: / for the primary table, \\ for the alternate table, or a "
          "letter or digit as an overlay on an alternate symbol.")},
    {"mmsg", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "Message (MMSG)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The MIC-E message sent with each MIC-E position report, from Off Duty to "
          "Emergency. Choose Emergency only in a real emergency, as other stations raise an "
          "alert on it.")},
    {"micetmv", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "Use MIC-E Types (MICETMV)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, MIC-E position reports use the MIC-E types. It applies to the "
          "MIC-E protocol only.")},
    {"tosv", kPosition,
     QT_TRANSLATE_NOOP("SettingHelp", "Only Send Valid Postions (TOSV)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, position reports are sent only with a valid position from the GPS. "
          "The static location is then not used.")},
    {"tspeed", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "Send Speed/Heading (TSPEED)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Adds the speed and the heading to each position report.")},
    {"talt", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "Send Altitude (TALT)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Adds the altitude to each position report. It does not apply to the Compressed "
          "protocol.")},
    {"msgcap", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "Message Capable (MSGCAP)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Marks the position reports as coming from a station that can receive APRS "
          "messages. Check it only if messages sent to this station are read.")},
    {"location", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "Static Location (LOCATION)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The position to report when the station has no GPS position to use: latitude and "
          "longitude separated by a blank, written as in the default 1234.5678N "
          "12345.6789W. It can be changed only while Only Send Valid Postions is unchecked.")},
    {"galt", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "Altitude (GALT)"), kAltitudeUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The altitude sent with the static location. It can be changed only while the "
          "static location is used, Send Altitude is checked and the protocol is not "
          "Compressed.")},
    {"tstat", kPosition,
     QT_TRANSLATE_NOOP("SettingHelp", "Status Text / Comment (TSTATUS)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The status text or comment that the station sends. It can be changed only while "
          "Send Every is not 0.")},
    {"statusrate", kPosition, QT_TRANSLATE_NOOP("SettingHelp", "Send Every (STATUSRATE)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "How often the status text or comment is sent. The status text can be changed "
          "only while this is not 0.")},
    {"pperiod", kPositionTiming,
     QT_TRANSLATE_NOOP("SettingHelp", "Position Report Period (PPERIOD)"), kSeconds,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The time between position reports, in seconds. It is not used while "
          "SmartBeaconing is enabled, which times the reports by speed and turns instead.")},
    {"sben", kPositionTiming, QT_TRANSLATE_NOOP("SettingHelp", "Enable (SBEN)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Turns on SmartBeaconing: the station reports more often when it is fast or "
          "turning and less often when it is slow, by the SmartBeaconing settings instead "
          "of the fixed report period. On the Position Timing page, turning it on turns "
          "time slotting off.")},
    {"sbtangle", kPositionTiming,
     QT_TRANSLATE_NOOP("SettingHelp", "Min Turn Angle (SBTANGLE)"), kDegrees,
     QT_TRANSLATE_NOOP("SettingHelp",
          "SmartBeaconing: the smallest change of heading, in degrees, that counts as a "
          "turn and sends an extra report (corner pegging).")},
    {"sbtslope", kPositionTiming,
     QT_TRANSLATE_NOOP("SettingHelp", "Turn Slope (SBTSLOPE)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "SmartBeaconing: raises the turn angle needed for a report at low speed. A higher "
          "value needs a sharper turn at low speed before a report is sent.")},
    {"sbttime", kPositionTiming,
     QT_TRANSLATE_NOOP("SettingHelp", "Min Turn Time (SBTTIME)"), kSeconds,
     QT_TRANSLATE_NOOP("SettingHelp",
          "SmartBeaconing: the shortest time, in seconds, between two reports sent because "
          "of turns.")},
    {"sbsspeed", kPositionTiming, QT_TRANSLATE_NOOP("SettingHelp", "Slow Speed (SBSSPEED)"), kMph,
     QT_TRANSLATE_NOOP("SettingHelp",
          "SmartBeaconing: at or below this speed, in MPH, the station counts as slow and "
          "reports every Slow Period.")},
    {"sbsperiod", kPositionTiming,
     QT_TRANSLATE_NOOP("SettingHelp", "Slow Period (SBSPERIOD)"), kSeconds,
     QT_TRANSLATE_NOOP("SettingHelp",
          "SmartBeaconing: the time between reports, in seconds, while the station is slow.")},
    {"sbfspeed", kPositionTiming, QT_TRANSLATE_NOOP("SettingHelp", "Fast Speed (SBFSPEED)"), kMph,
     QT_TRANSLATE_NOOP("SettingHelp",
          "SmartBeaconing: at or above this speed, in MPH, the station reports every Fast "
          "Period. Between the slow and the fast speed the time between reports shortens as "
          "the speed rises.")},
    {"sbfperiod", kPositionTiming,
     QT_TRANSLATE_NOOP("SettingHelp", "Fast Period (SBFPERIOD)"), kSeconds,
     QT_TRANSLATE_NOOP("SettingHelp",
          "SmartBeaconing: the time between reports, in seconds, at or above the fast "
          "speed.")},
    {"ents", kPositionTiming, QT_TRANSLATE_NOOP("SettingHelp", "Enable (ENTS)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Turns on time slotting: the station sends its reports in its own time slot, set "
          "by the offset, so that stations sharing a channel take turns. Turning it on "
          "turns SmartBeaconing off.")},
    {"tsoffset", kPositionTiming, QT_TRANSLATE_NOOP("SettingHelp", "Offset (TSOFFSET)"), kSeconds,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Time slotting: this station's time slot, as an offset in seconds. It is used "
          "only while time slotting is enabled.")},
    {"mpperiod", kPositionTiming,
     QT_TRANSLATE_NOOP("SettingHelp", "Manual Position Report Period (MPPERIOD)"), kSeconds,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The manual position report period, in seconds.")},
    {"gwaymode", kGps, QT_TRANSLATE_NOOP("SettingHelp", "Waypoint Mode (GWAYMODE)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The format of the waypoints the device sends for the stations it hears, so that "
          "a GPS receiver or map display can show them: NMEA, Kenwood or Magellan.")},
    {"gwaylen", kGps, QT_TRANSLATE_NOOP("SettingHelp", "Waypoint Length (GWAYLEN)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The length of the waypoint names the device sends. Choose a length the receiving "
          "GPS or display accepts.")},
    {"tswpt", kGps, QT_TRANSLATE_NOOP("SettingHelp", "Send Waypoint for Self (TSWPT)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the device also sends a waypoint for this station's own position.")},
    {"wyptxt", kGps,
     QT_TRANSLATE_NOOP("SettingHelp", "Send Waypoints to TEXT Ports (WYPTXT)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the waypoints are sent to the serial ports in TEXT mode.")},
    {"pavpen", kGps,
     QT_TRANSLATE_NOOP("SettingHelp", "Enable PAVP Mode for GPS Messages (PAVPEN)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, PAVP mode is used for GPS messages.")},
    {"tpswitch", kGps, QT_TRANSLATE_NOOP("SettingHelp", "Power Switch Time (TPSWITCH)"), kSeconds,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The power switch time, in seconds.")},
    {"grelaybits", kGps, QT_TRANSLATE_NOOP("SettingHelp", "Type Bits (GRELAYBITS)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "GPS sentence relay to the TEXT ports: a number whose bits choose the types of "
          "GPS sentences that are relayed.")},
    {"grelayrate", kGps, QT_TRANSLATE_NOOP("SettingHelp", "Rate (GRELAYRATE)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "GPS sentence relay to the TEXT ports: the rate at which GPS sentences are "
          "relayed.")},
    {"lrntps", kGps, QT_TRANSLATE_NOOP("SettingHelp", "Enable Learning TPS (LRNTPS)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, learning TPS is enabled.")},
    {"gpschk", kGps, QT_TRANSLATE_NOOP("SettingHelp", "Validadte GPS Checksum (GPSCHK)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the checksum of each sentence from the GPS is checked, so that a "
          "damaged sentence is not used.")},
    {"intclk", kGps,
     QT_TRANSLATE_NOOP("SettingHelp", "Internal Clocking instead of GPS Clocking (INTCLK)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the device uses its internal clocking instead of clocking from the "
          "GPS.")},
    {"gkrelay", kGps, QT_TRANSLATE_NOOP("SettingHelp", "GPS KISS Relay (GKRELAY)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The relay of GPS data over KISS.")},
    {"bperiod", kBeacon,
     QT_TRANSLATE_NOOP("SettingHelp", "Beacon Report Period (BPERIOD)"), kSeconds,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The time between beacons, in seconds. The beacon text can be changed only while "
          "this is not 0.")},
    {"btext", kBeacon, QT_TRANSLATE_NOOP("SettingHelp", "BTEXT"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The text of the beacon, which can be changed only while Beacon Report Period is "
          "not 0. In APRS the first character of a packet's text names its type, such as > "
          "for a status as in the default.")},
    {"alias1", kBeacon, QT_TRANSLATE_NOOP("SettingHelp", "ALIAS1"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "A digipeater alias: a name the device answers to as a digipeater, relaying "
          "packets whose path asks for it.")},
    {"alias2", kBeacon, QT_TRANSLATE_NOOP("SettingHelp", "ALIAS2"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "A second digipeater alias, used like ALIAS1.")},
    {"alias3", kBeacon, QT_TRANSLATE_NOOP("SettingHelp", "ALIAS3"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "A third digipeater alias, used like ALIAS1.")},
    {"preempt", kBeacon, QT_TRANSLATE_NOOP("SettingHelp", "PREEMPTive Digipeating"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Pre-emptive digipeating: the device relays a packet when one of its aliases "
          "appears anywhere later in the path, not only in the next unused hop.")},
    {"digiid", kBeacon, QT_TRANSLATE_NOOP("SettingHelp", "DIGI ID"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, a packet the device relays carries the device's own callsign in "
          "its path, so that others see which digipeater relayed it.")},
    {"digimy", kBeacon, QT_TRANSLATE_NOOP("SettingHelp", "DIGIMY"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the device also relays packets whose path names this station's own "
          "callsign.")},
    {"dupetime", kBeacon, QT_TRANSLATE_NOOP("SettingHelp", "DUPE TIME"), kSeconds,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The time, in seconds, during which a packet heard again counts as a duplicate "
          "and is not relayed again.")},
    {"tperiod", kTelemetry, QT_TRANSLATE_NOOP("SettingHelp", "Report Period (TPERIOD)"), kSeconds,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The time between telemetry reports, in seconds. The telemetry options can be "
          "changed only while this is not 0.")},
    {"telhires", kTelemetry, QT_TRANSLATE_NOOP("SettingHelp", "Send High Res (TELHIRES)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the telemetry is sent in high resolution.")},
    {"telvolt", kTelemetry,
     QT_TRANSLATE_NOOP("SettingHelp", "Send Supply Voltage (TELVOLT)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Adds the device's supply voltage to the telemetry reports.")},
    {"teltemp", kTelemetry, QT_TRANSLATE_NOOP("SettingHelp", "Send Temperature (TELTEMP)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Adds the temperature to the telemetry reports.")},
    {"tvolttwk", kTelemetry, QT_TRANSLATE_NOOP("SettingHelp", "Voltage Adjust (TVOLTTWK)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "An adjustment of the supply voltage reading sent in telemetry.")},
    {"ttemptwk", kTelemetry,
     QT_TRANSLATE_NOOP("SettingHelp", "Tempature Adjust (TTEMPTWK)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "An adjustment of the temperature reading sent in telemetry.")},
    {"telread", kTelemetry, QT_TRANSLATE_NOOP("SettingHelp", "Send Readable (TELREAD)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the telemetry is sent in readable form.")},
    {"wperiod", kTelemetry, QT_TRANSLATE_NOOP("SettingHelp", "Report Period (WPERIOD)"), kSeconds,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The time between weather reports, in seconds. Send Position In Weather Packets "
          "can be changed only while this is not 0.")},
    {"wxpos", kTelemetry,
     QT_TRANSLATE_NOOP("SettingHelp", "Send Position In Weather Packets (WXPOS)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Adds the station's position to its weather reports.")},
    {"bnkmode", kTelemetry, QT_TRANSLATE_NOOP("SettingHelp", "Bank Mode (BANKMODE)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The device's bank mode, for its two banks of settings.")},
    {"msgcmd", kTelemetry, QT_TRANSLATE_NOOP("SettingHelp", "Parse Messages (MSGCMD)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the device parses the messages it receives.")},
    {"mycall", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "Callsign/SSID (MYCALL)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "This station's callsign, with an SSID where wanted, such as N0CALL-9. Every "
          "packet the station sends carries it.")},
    {"path1", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "PATH"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The first entry of the digipeater path that the station's packets ask for, such "
          "as WIDE1-1.")},
    {"path2", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "PATH (second)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The second entry of the digipeater path, such as WIDE2-1. Leave it empty for a "
          "shorter path.")},
    {"path3", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "PATH (third)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The third entry of the digipeater path. Leave it empty for a shorter path.")},
    {"altnet", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "ALTernate NETwork"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The destination address of the packets the station sends. Another value forms an "
          "alternate network with the stations that look for it.")},
    {"ssidroute", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "SSID ROUTE"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "SSID routing: a path asked for by the SSID of the destination address instead of "
          "written path entries.")},
    {"txd", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "TX Delay (TXD)"), kBytes,
     QT_TRANSLATE_NOOP("SettingHelp",
          "TXDELAY: how long the transmitter is keyed before the data starts, counted in "
          "bytes. Set it long enough for the radio to reach full power.")},
    {"filtercall", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "FILTER CALL"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "A callsign by which the device filters packets.")},
    {"quiet", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "QUIET Time"), kTenthsOfSecond,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The quiet time, in units of 100 ms.")},
    {"cdmode", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "CD MODE"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "How the device detects a busy channel (carrier detect): LEVEL, TONES, PIN2 or "
          "INVERTED_PIN2. CD LEVEL applies to LEVEL and TONES only.")},
    {"persist", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "PERSIST"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The persistence of channel access: when the channel is clear, the chance to "
          "transmit in each slot time is (PERSIST + 1) / 256. A lower value makes the "
          "station wait longer and leaves more room for others.")},
    {"slottime", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "SLOTTIME"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The slot time of channel access: how long the station waits between two tries to "
          "transmit on a clear channel.")},
    {"cdlevel", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "CD LEVEL"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The level at which carrier detect counts the channel as busy. It applies to CD "
          "MODE LEVEL and TONES only.")},
    {"p300", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "Transmit 300 Baud (P300)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the device transmits at 300 baud, the rate of packet radio on HF.")},
    {"trnkmode", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "Use TRuNKing MODE"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the device uses trunking mode.")},
    {"dec96", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "Decode 9600 Baud (DEC96)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the device decodes packets at 9600 baud.")},
    {"rxamp", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "RX AMP"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The amplification of the received audio.")},
    {"txlevel", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "TX LEVEL"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The level of the audio sent to the transmitter. Too high a level over-deviates "
          "and distorts the signal.")},
    {"ppathing", kPacket,
     QT_TRANSLATE_NOOP("SettingHelp", "Use Proportional Pathing (PPATHING)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Proportional pathing: the station sends most reports with a short path and only "
          "some with the full path, which loads the network less.")},
    {"txtwist", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "TX TWIST"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The transmit twist: the balance between the levels of the two tones of the "
          "transmitted audio.")},
    {"mtxd", kPacket, QT_TRANSLATE_NOOP("SettingHelp", "Man TX Delay (MTXD)"), kBytes,
     QT_TRANSLATE_NOOP("SettingHelp",
          "The manual TX delay, counted in bytes.")},
    {"nodisp", kDisplay, QT_TRANSLATE_NOOP("SettingHelp", "Disable Display (NODISP)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Turns the device's LCD off. While it is checked the other LCD options keep their "
          "marks but cannot be changed.")},
    {"dmetric", kDisplay, QT_TRANSLATE_NOOP("SettingHelp", "Display Metric (DMETRIC)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Shows metric units on the LCD.")},
    {"ddist", kDisplay,
     QT_TRANSLATE_NOOP("SettingHelp", "Display Distance To Received Station (DDIST)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Shows on the LCD the distance to each station received.")},
    {"txtdisp", kDisplay,
     QT_TRANSLATE_NOOP("SettingHelp", "Display Incoming Serial Text (TXTDISP)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Shows on the LCD the text that comes in on a serial port.")},
    {"dmsdisp", kDisplay,
     QT_TRANSLATE_NOOP("SettingHelp", "Display Seconds instead of Decimal Minutes (DMSDISP)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Shows positions on the LCD in degrees, minutes and seconds instead of degrees "
          "and decimal minutes.")},
    {"frawdisp", kDisplay,
     QT_TRANSLATE_NOOP("SettingHelp", "Display Raw Packets - No Parsing (FRAWDISP)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Shows received packets on the LCD as they are, without parsing them.")},
    {"hrawdisp", kDisplay,
     QT_TRANSLATE_NOOP("SettingHelp", "Hide Unparsable Packets (HRAWDISP)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Leaves received packets that cannot be parsed off the LCD.")},
    {"rpathdisp", kDisplay,
     QT_TRANSLATE_NOOP("SettingHelp", "Display Path on Raw Packets (RPATHDISP)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "Shows the digipeater path with raw packets on the LCD.")},
    {"leds", kDisplay, QT_TRANSLATE_NOOP("SettingHelp", "Enable LEDs (LEDS)"), kNoUnit,
     QT_TRANSLATE_NOOP("SettingHelp",
          "When checked, the device uses its LEDs.")},
}};

const SettingHelp *FindSettingHelp(std::string_view key)
{
    // The two tables share their order, so a setting's index is its help's index.
    const Setting *setting = CSettings::FindSetting(key);
    return setting ? &g_settingHelp[size_t(setting - g_settingTable.data())] : nullptr;
}

QString SettingHelpText(const char *source)
{
    return *source ? QCoreApplication::translate("SettingHelp", source) : QString();
}
