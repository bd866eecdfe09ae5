<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>BasicPage</name>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Page is used for very basic settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;allsign/SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is GPS connected directly to QWN, or through QWN Serial Splitter Cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Directly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Splitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PORTA  PORTB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position Reporting Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;position every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Smart&amp;Beaconing instead (speed and turn based)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next, go to the Comms tab, or other tabs for advanced settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BeaconPage</name>
    <message>
        <source>Beacon / Digipeater</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon Report &amp;Period
(BPERIOD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;BTEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digipeater Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALIAS&amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALIAS&amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALIAS&amp;3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;REEMPTive Digipeating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DIGI ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIGI&amp;MY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;UPE TIME</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSheet</name>
    <message>
        <source>Quillwren Rezar Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BANK:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings have changes that were not saved to a file or written to the device. %1 replaces them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the window closes now, the device may be left half-written or without firmware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close &amp;anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings have changes that were not saved to a file or written to the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close &amp;without saving</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTelemetryPage</name>
    <message>
        <source>C&amp;opy To Bank %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>rezar-cli: cannot write standard output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rezar-cli: cannot write standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rezar-cli: cannot open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rezar-cli: cannot read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>defaults takes no arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>load needs at least one FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diff needs FILE A and at most one FILE B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>history takes no arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 entry, newest first, in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entries, newest first, in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the start-state settings text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>load files over the defaults, print the resulting settings text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings that differ between A and B (or the defaults):
bank, key, value in A, value in B, separated by tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial ports present and the COMn name each answers to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the device&apos;s settings (to FILE or stdout)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>load FILE over the defaults and write both banks to the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replace the device&apos;s firmware through its bootloader
(Intel HEX text is checked whole before the port is opened)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copies kept of each read and write, newest first:
time, kind, port, MYCALL of bank 0, file; and their folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>where read puts the settings text (checked before the port
is opened)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read: keep a listing that ended early (otherwise exit 1
and FILE is left as it was)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write: then read the banks back and list each setting that
differs (bank, key, written, read back); exit 1 on any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read, write: keep no copy in the history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give up when the operation has not moved on (no new line
from the device, no step forward) for this long (default 120)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a number of seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record every byte sent and received, with time stamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>also print the device&apos;s last line as it changes, and
every status as a line (no progress bar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: rezar-cli [options] COMMAND [ARGS]
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 failed, 2 usage error, 3 gave up waiting.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rezar-cli: %1 (see rezar-cli --help)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--timeout takes a whole number of seconds from 1 to 86400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o belongs to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--partial belongs to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--verify belongs to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--no-history belongs to read and write</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommsPage</name>
    <message>
        <source>Comms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read and Write to Quillwren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM &amp;Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-Load &amp;Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load / Save to Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigText</name>
    <message>
        <source>the port the Comms page starts with: a device path, a bare
name (ttyUSB0) or COMn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record every byte sent and received, with time stamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the window&apos;s language (de, en) instead of the locale&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: rezar-config [options]
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Quillwren Rezar configuration window.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -style and the like) are taken as well.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit codes: 0 the window was closed, 1 it could not start, 2 usage error.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rezar-config: %1 (see rezar-config --help)
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayPage</name>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disable Display (NODISP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display &amp;Metric (DMETRIC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Distance &amp;To Received Station (DDIST)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display &amp;Incoming Serial Text (TXTDISP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display &amp;Seconds instead of Decimal Minutes (DMSDISP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display &amp;Raw Packets - No Parsing (FRAWDISP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide Unparsable Packets (HRAWDISP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display &amp;Path on Raw Packets (RPATHDISP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEDs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enable LEDs (LEDS)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GPSPage</name>
    <message>
        <source>GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Waypoint Mode
(GWAYMODE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waypoint &amp;Length
(GWAYLEN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Validadte GPS Checksum (GPSCHK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send Waypoint for Self (TSWPT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Waypoints to &amp;TEXT Ports (WYPTXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable P&amp;AVP Mode for GPS Messages (PAVPEN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Power Switch Time (TPSWITCH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Lea&amp;rning TPS (LRNTPS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Internal Clocking instead of GPS Clocking (INTCLK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS Sentence Relay to TEXT Ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type &amp;Bits (GRELAYBITS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rat&amp;e (GRELAYRATE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS &amp;KISS Relay
(GKRELAY)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PacketPage</name>
    <message>
        <source>Packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;allsign/SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(MYCALL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALTernate &amp;NETwork</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSID R&amp;OUTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX &amp;Delay (TXD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;FILTER CALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Man TX Delay (MTXD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD MOD&amp;E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;QUIET Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x 100ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD &amp;LEVEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PERS&amp;IST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLO&amp;TTIME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use TR&amp;uNKing MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit &amp;300 Baud (P300)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;RX AMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX LE&amp;VEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decode &amp;9600 Baud (DEC96)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Proportional Pat&amp;hing (PPATHING)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX T&amp;WIST</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortsPage</name>
    <message>
        <source>Ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode (AMODE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Baudrate (ABAUD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;ode (BMODE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud&amp;rate (BBAUD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port B requires a serial splitter cable on port J2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;decoded packets to serial ports (PKTICOM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;generated packets to serial ports (PKTOCOM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;newline after header in TEXT mode (HEADERLN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Allow Soft Reset (SOFTRST)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Decode S&amp;tats (DECSTAT)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PositionPage</name>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Protocol
(TPROTOCOL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;imeStamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day,Hour,Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour,Min,Sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Added Pr&amp;ecision (TDAO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;de
(TSYMCODE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Table
(TSYMTABLE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIC-E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messa&amp;ge
(MMSG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Committed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use MIC-E Types (MICETMV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Speed/Heading (TSPEED)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Message Capable (MSGCAP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send A&amp;ltitude (TALT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Only Send Valid Postions (TOSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static Locatio&amp;n (LOCATION)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static Location (LOCATION)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Altitude
(GALT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Te&amp;xt / Comment (TSTATUS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Text / Comment (TSTATUS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send E&amp;very
(STATUSRATE)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PositionTimingPage</name>
    <message>
        <source>Position Timing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Position Report Period
(PPERIOD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manual Position Report Period
(MPPERIOD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enable (SBEN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Turn &amp;Angle
(SBTANGLE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn &amp;Slope
(SBTSLOPE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Turn T&amp;ime
(SBTTIME)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slo&amp;w Speed
(SBSSPEED)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow Pe&amp;riod
(SBSPERIOD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fast Speed
(SBFSPEED)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast Peri&amp;od
(SBFPERIOD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;nable (ENTS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offse&amp;t (TSOFFSET)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TelemetryPage</name>
    <message>
        <source>Bank / Telem / WX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telemetry Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report &amp;Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(TPERIOD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Readable (TELREAD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;High Res (TELHIRES)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Supply &amp;Voltage (TELVOLT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Temperature (TELTEMP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage &amp;Adjust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(TVOLTTWK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempature Ad&amp;just</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(TTEMPTWK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report P&amp;eriod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(WPERIOD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Position In &amp;Weather Packets (WXPOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currently Editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank&amp;0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank&amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank &amp;Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(BANKMODE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parse Me&amp;ssages (MSGCMD)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
