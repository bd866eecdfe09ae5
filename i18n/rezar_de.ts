<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>BasicPage</name>
    <message>
        <source>Basic</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>This Page is used for very basic settings.</source>
        <translation>Auf dieser Seite stehen die grundlegenden Einstellungen.</translation>
    </message>
    <message>
        <source>C&amp;allsign/SSID</source>
        <translation>&amp;Rufzeichen/SSID</translation>
    </message>
    <message>
        <source>Is GPS connected directly to QWN, or through QWN Serial Splitter Cable</source>
        <translation>Ist das GPS direkt am QWN angeschlossen oder über das QWN-Splitterkabel?</translation>
    </message>
    <message>
        <source>&amp;Directly</source>
        <translation>&amp;Direkt</translation>
    </message>
    <message>
        <source>&amp;Splitter</source>
        <translation>&amp;Splitter</translation>
    </message>
    <message>
        <source>PORTA  PORTB</source>
        <translation>PORTA  PORTB</translation>
    </message>
    <message>
        <source>Position Reporting Rate</source>
        <translation>Positionsaussendung</translation>
    </message>
    <message>
        <source>Send &amp;position every</source>
        <translation>&amp;Position senden alle</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Use Smart&amp;Beaconing instead (speed and turn based)</source>
        <translation>Stattdessen Smart&amp;Beaconing (nach Geschwindigkeit und Kursänderung)</translation>
    </message>
    <message>
        <source>Next, go to the Comms tab, or other tabs for advanced settings.</source>
        <translation>Weiter geht es auf der Seite „Verbindung“; erweiterte Einstellungen stehen auf den übrigen Seiten.</translation>
    </message>
</context>
<context>
    <name>BeaconPage</name>
    <message>
        <source>Beacon / Digipeater</source>
        <translation>Bake / Digipeater</translation>
    </message>
    <message>
        <source>Beacon Settings</source>
        <translation>Bake</translation>
    </message>
    <message>
        <source>Beacon Report &amp;Period
(BPERIOD)</source>
        <translation>Baken&amp;intervall
(BPERIOD)</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>&amp;BTEXT</source>
        <translation>&amp;BTEXT</translation>
    </message>
    <message>
        <source>Digipeater Settings</source>
        <translation>Digipeater</translation>
    </message>
    <message>
        <source>ALIAS&amp;1</source>
        <translation>ALIAS&amp;1</translation>
    </message>
    <message>
        <source>ALIAS&amp;2</source>
        <translation>ALIAS&amp;2</translation>
    </message>
    <message>
        <source>ALIAS&amp;3</source>
        <translation>ALIAS&amp;3</translation>
    </message>
    <message>
        <source>P&amp;REEMPTive Digipeating</source>
        <translation>Vorrangiges Digipeating (P&amp;REEMPT)</translation>
    </message>
    <message>
        <source>&amp;DIGI ID</source>
        <translation>&amp;DIGI ID</translation>
    </message>
    <message>
        <source>DIGI&amp;MY</source>
        <translation>DIGI&amp;MY</translation>
    </message>
    <message>
        <source>D&amp;UPE TIME</source>
        <translation>D&amp;UPE TIME</translation>
    </message>
</context>
<context>
    <name>CSheet</name>
    <message>
        <source>Quillwren Rezar Configuration</source>
        <translation>Quillwren-Rezar-Konfiguration</translation>
    </message>
    <message>
        <source>BANK:%1</source>
        <translation>BANK:%1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>&amp;Save Settings…</source>
        <translation>Einstellungen &amp;speichern…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The settings have changes that were not saved to a file or written to the device. %1 replaces them.</source>
        <translation>Die Einstellungen enthalten Änderungen, die weder in einer Datei gespeichert noch ins Gerät geschrieben wurden. %1 ersetzt sie.</translation>
    </message>
    <message>
        <source>&amp;Discard changes</source>
        <translation>Änderungen &amp;verwerfen</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <translation>%1 läuft.</translation>
    </message>
    <message>
        <source>If the window closes now, the device may be left half-written or without firmware.</source>
        <translation>Wird das Fenster jetzt geschlossen, bleibt das Gerät womöglich halb beschrieben oder ohne Firmware.</translation>
    </message>
    <message>
        <source>Close &amp;anyway</source>
        <translation>&amp;Trotzdem schließen</translation>
    </message>
    <message>
        <source>&amp;Keep open</source>
        <translation>&amp;Offen lassen</translation>
    </message>
    <message>
        <source>The settings have changes that were not saved to a file or written to the device.</source>
        <translation>Die Einstellungen enthalten Änderungen, die weder in einer Datei gespeichert noch ins Gerät geschrieben wurden.</translation>
    </message>
    <message>
        <source>Close &amp;without saving</source>
        <translation>Schließen &amp;ohne Speichern</translation>
    </message>
</context>
<context>
    <name>CTelemetryPage</name>
    <message>
        <source>C&amp;opy To Bank %1</source>
        <translation>In Bank %1 k&amp;opieren</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>rezar-cli: cannot write standard output: %1</source>
        <translation>rezar-cli: Standardausgabe lässt sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>rezar-cli: cannot write standard output</source>
        <translation>rezar-cli: Standardausgabe lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>rezar-cli: cannot open %1</source>
        <translation>rezar-cli: %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>rezar-cli: cannot read %1</source>
        <translation>rezar-cli: %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>defaults takes no arguments</source>
        <translation>defaults nimmt keine Argumente</translation>
    </message>
    <message>
        <source>load needs at least one FILE</source>
        <translation>load braucht mindestens eine Datei (FILE)</translation>
    </message>
    <message>
        <source>diff needs FILE A and at most one FILE B</source>
        <translation>diff braucht die Datei A und höchstens eine Datei B</translation>
    </message>
    <message>
        <source>history takes no arguments</source>
        <translation>history nimmt keine Argumente</translation>
    </message>
    <message>
        <source>1 entry, newest first, in %1</source>
        <translation>1 Eintrag, neuester zuerst, in %1</translation>
    </message>
    <message>
        <source>%1 entries, newest first, in %2</source>
        <translation>%1 Einträge, neueste zuerst, in %2</translation>
    </message>
    <message>
        <source>print the start-state settings text</source>
        <translation>den Einstellungstext des Ausgangszustands ausgeben</translation>
    </message>
    <message>
        <source>load files over the defaults, print the resulting settings text</source>
        <translation>Dateien über die Vorgaben laden, den entstandenen
Einstellungstext ausgeben</translation>
    </message>
    <message>
        <source>settings that differ between A and B (or the defaults):
bank, key, value in A, value in B, separated by tabs</source>
        <translation>Einstellungen, die sich zwischen A und B (oder den
Vorgaben) unterscheiden: Bank, Schlüssel, Wert in A,
Wert in B, durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>serial ports present and the COMn name each answers to</source>
        <translation>vorhandene serielle Schnittstellen und der COMn-Name,
unter dem jede erreichbar ist</translation>
    </message>
    <message>
        <source>read the device&apos;s settings (to FILE or stdout)</source>
        <translation>die Einstellungen des Geräts lesen (nach FILE oder auf stdout)</translation>
    </message>
    <message>
        <source>load FILE over the defaults and write both banks to the device</source>
        <translation>FILE über die Vorgaben laden und beide Bänke ins Gerät
schreiben</translation>
    </message>
    <message>
        <source>replace the device&apos;s firmware through its bootloader
(Intel HEX text is checked whole before the port is opened)</source>
        <translation>die Firmware des Geräts über seinen Bootloader ersetzen
(der Intel-HEX-Text wird ganz geprüft, bevor die
Schnittstelle öffnet)</translation>
    </message>
    <message>
        <source>the copies kept of each read and write, newest first:
time, kind, port, MYCALL of bank 0, file; and their folder</source>
        <translation>die aufbewahrten Kopien jedes Lesens und Schreibens,
neueste zuerst: Zeit, Art, Schnittstelle, MYCALL von
Bank 0, Datei; und ihr Ordner</translation>
    </message>
    <message>
        <source>where read puts the settings text (checked before the port
is opened)</source>
        <translation>wohin read den Einstellungstext schreibt (geprüft, bevor die
Schnittstelle öffnet)</translation>
    </message>
    <message>
        <source>read: keep a listing that ended early (otherwise exit 1
and FILE is left as it was)</source>
        <translation>read: eine vorzeitig abgebrochene Liste behalten (sonst
Exit-Code 1, und FILE bleibt, wie es war)</translation>
    </message>
    <message>
        <source>write: then read the banks back and list each setting that
differs (bank, key, written, read back); exit 1 on any</source>
        <translation>write: danach die Bänke zurücklesen und jede abweichende
Einstellung auflisten (Bank, Schlüssel, geschrieben,
zurückgelesen); bei jeder Abweichung Exit-Code 1</translation>
    </message>
    <message>
        <source>read, write: keep no copy in the history</source>
        <translation>read, write: keine Kopie im Verlauf aufbewahren</translation>
    </message>
    <message>
        <source>give up when the operation has not moved on (no new line
from the device, no step forward) for this long (default 120)</source>
        <translation>aufgeben, wenn der Vorgang so lange nicht vorankommt
(keine neue Zeile vom Gerät, kein Schritt weiter;
Vorgabe 120)</translation>
    </message>
    <message>
        <source>%1 needs a number of seconds</source>
        <translation>zu %1 fehlt die Anzahl Sekunden</translation>
    </message>
    <message>
        <source>record every byte sent and received, with time stamps</source>
        <translation>jedes gesendete und empfangene Byte mit Zeitstempel aufzeichnen</translation>
    </message>
    <message>
        <source>also print the device&apos;s last line as it changes, and
every status as a line (no progress bar)</source>
        <translation>auch die letzte Zeile des Geräts ausgeben, sobald sie sich
ändert, und jeden Status als eigene Zeile (kein
Fortschrittsbalken)</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>diese Hilfe ausgeben</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>die Version ausgeben</translation>
    </message>
    <message>
        <source>Usage: rezar-cli [options] COMMAND [ARGS]
</source>
        <translation>Aufruf: rezar-cli [Optionen] BEFEHL [ARGUMENTE]
</translation>
    </message>
    <message>
        <source>Commands:
</source>
        <translation>Befehle:
</translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation>Optionen:
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 failed, 2 usage error, 3 gave up waiting.
</source>
        <translation>Exit-Codes: 0 erledigt, 1 fehlgeschlagen, 2 falscher Aufruf, 3 Warten aufgegeben.
</translation>
    </message>
    <message>
        <source>rezar-cli: %1 (see rezar-cli --help)
</source>
        <translation>rezar-cli: %1 (siehe rezar-cli --help)
</translation>
    </message>
    <message>
        <source>%1 needs a %2</source>
        <translation>zu %1 fehlt der Wert %2</translation>
    </message>
    <message>
        <source>--timeout takes a whole number of seconds from 1 to 86400</source>
        <translation>--timeout nimmt eine ganze Zahl Sekunden von 1 bis 86400</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>-o belongs to read</source>
        <translation>-o gehört zu read</translation>
    </message>
    <message>
        <source>--partial belongs to read</source>
        <translation>--partial gehört zu read</translation>
    </message>
    <message>
        <source>--verify belongs to write</source>
        <translation>--verify gehört zu write</translation>
    </message>
    <message>
        <source>--no-history belongs to read and write</source>
        <translation>--no-history gehört zu read und write</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
</context>
<context>
    <name>CommsPage</name>
    <message>
        <source>Comms</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Read and Write to Quillwren</source>
        <translation>Quillwren lesen und beschreiben</translation>
    </message>
    <message>
        <source>COM &amp;Port</source>
        <translation>COM-&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Read Config</source>
        <translation>Konfiguration &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Write Config</source>
        <translation>Konfiguration &amp;schreiben</translation>
    </message>
    <message>
        <source>Re-Load &amp;Firmware</source>
        <translation>&amp;Firmware neu laden</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Status Debug</source>
        <translation>Status (Debug)</translation>
    </message>
    <message>
        <source>Load / Save to Disk</source>
        <translation>Datei laden / speichern</translation>
    </message>
    <message>
        <source>&amp;Load Settings</source>
        <translation>Einstellungen l&amp;aden</translation>
    </message>
    <message>
        <source>&amp;Save Settings</source>
        <translation>Einstellungen spe&amp;ichern</translation>
    </message>
</context>
<context>
    <name>ConfigText</name>
    <message>
        <source>the port the Comms page starts with: a device path, a bare
name (ttyUSB0) or COMn</source>
        <translation>die Schnittstelle, mit der die Seite „Verbindung“ beginnt: ein
Gerätepfad, ein bloßer Name (ttyUSB0) oder COMn</translation>
    </message>
    <message>
        <source>record every byte sent and received, with time stamps</source>
        <translation>jedes gesendete und empfangene Byte mit Zeitstempel aufzeichnen</translation>
    </message>
    <message>
        <source>the window&apos;s language (de, en) instead of the locale&apos;s</source>
        <translation>die Sprache des Fensters (de, en) statt der des Gebietsschemas</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>diese Hilfe ausgeben</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>die Version ausgeben</translation>
    </message>
    <message>
        <source>%1 needs a %2</source>
        <translation>zu %1 fehlt der Wert %2</translation>
    </message>
    <message>
        <source>Usage: rezar-config [options]
</source>
        <translation>Aufruf: rezar-config [Optionen]
</translation>
    </message>
    <message>
        <source>The Quillwren Rezar configuration window.
</source>
        <translation>Das Konfigurationsfenster für den Quillwren Rezar.
</translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation>Optionen:
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -style and the like) are taken as well.
</source>
        <translation>Die Optionen von Qt selbst (-platform, -style und ähnliche) gelten ebenso.
</translation>
    </message>
    <message>
        <source>Exit codes: 0 the window was closed, 1 it could not start, 2 usage error.
</source>
        <translation>Exit-Codes: 0 Fenster geschlossen, 1 Start nicht möglich, 2 falscher Aufruf.
</translation>
    </message>
    <message>
        <source>rezar-config: %1 (see rezar-config --help)
</source>
        <translation>rezar-config: %1 (siehe rezar-config --help)
</translation>
    </message>
</context>
<context>
    <name>DisplayPage</name>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>LCD</source>
        <translation>LCD</translation>
    </message>
    <message>
        <source>&amp;Disable Display (NODISP)</source>
        <translation>Anzeige &amp;aus (NODISP)</translation>
    </message>
    <message>
        <source>Display &amp;Metric (DMETRIC)</source>
        <translation>&amp;Metrische Einheiten (DMETRIC)</translation>
    </message>
    <message>
        <source>Display Distance &amp;To Received Station (DDIST)</source>
        <translation>&amp;Entfernung zur empfangenen Station (DDIST)</translation>
    </message>
    <message>
        <source>Display &amp;Incoming Serial Text (TXTDISP)</source>
        <translation>Eingehenden seriellen &amp;Text anzeigen (TXTDISP)</translation>
    </message>
    <message>
        <source>Display &amp;Seconds instead of Decimal Minutes (DMSDISP)</source>
        <translation>&amp;Sekunden statt Dezimalminuten (DMSDISP)</translation>
    </message>
    <message>
        <source>Display &amp;Raw Packets - No Parsing (FRAWDISP)</source>
        <translation>&amp;Rohpakete anzeigen – ohne Auswertung (FRAWDISP)</translation>
    </message>
    <message>
        <source>&amp;Hide Unparsable Packets (HRAWDISP)</source>
        <translation>&amp;Nicht auswertbare Pakete ausblenden (HRAWDISP)</translation>
    </message>
    <message>
        <source>Display &amp;Path on Raw Packets (RPATHDISP)</source>
        <translation>&amp;Pfad bei Rohpaketen anzeigen (RPATHDISP)</translation>
    </message>
    <message>
        <source>LEDs</source>
        <translation>LEDs</translation>
    </message>
    <message>
        <source>&amp;Enable LEDs (LEDS)</source>
        <translation>&amp;LEDs einschalten (LEDS)</translation>
    </message>
</context>
<context>
    <name>GPSPage</name>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>&amp;Waypoint Mode
(GWAYMODE)</source>
        <translation>&amp;Wegpunkt-Modus
(GWAYMODE)</translation>
    </message>
    <message>
        <source>Waypoint &amp;Length
(GWAYLEN)</source>
        <translation>Wegpunkt&amp;länge
(GWAYLEN)</translation>
    </message>
    <message>
        <source>&amp;Validadte GPS Checksum (GPSCHK)</source>
        <translation>GPS-Prüfsumme &amp;prüfen (GPSCHK)</translation>
    </message>
    <message>
        <source>&amp;Send Waypoint for Self (TSWPT)</source>
        <translation>Eigenen Wegpunkt &amp;senden (TSWPT)</translation>
    </message>
    <message>
        <source>Send Waypoints to &amp;TEXT Ports (WYPTXT)</source>
        <translation>Wegpunkte an &amp;TEXT-Ports senden (WYPTXT)</translation>
    </message>
    <message>
        <source>Enable P&amp;AVP Mode for GPS Messages (PAVPEN)</source>
        <translation>P&amp;AVP-Modus für GPS-Meldungen (PAVPEN)</translation>
    </message>
    <message>
        <source>&amp;Power Switch Time (TPSWITCH)</source>
        <translation>Schalt&amp;zeit der Versorgung (TPSWITCH)</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Enable Lea&amp;rning TPS (LRNTPS)</source>
        <translation>Le&amp;rnendes TPS (LRNTPS)</translation>
    </message>
    <message>
        <source>&amp;Internal Clocking instead of GPS Clocking (INTCLK)</source>
        <translation>&amp;Interner Takt statt GPS-Takt (INTCLK)</translation>
    </message>
    <message>
        <source>GPS Sentence Relay to TEXT Ports</source>
        <translation>GPS-Sätze an TEXT-Ports weitergeben</translation>
    </message>
    <message>
        <source>Type &amp;Bits (GRELAYBITS)</source>
        <translation>&amp;Bits der Satztypen (GRELAYBITS)</translation>
    </message>
    <message>
        <source>Rat&amp;e (GRELAYRATE)</source>
        <translation>Rat&amp;e (GRELAYRATE)</translation>
    </message>
    <message>
        <source>GPS &amp;KISS Relay
(GKRELAY)</source>
        <translation>GPS-&amp;KISS-Weitergabe
(GKRELAY)</translation>
    </message>
</context>
<context>
    <name>PacketPage</name>
    <message>
        <source>Packet</source>
        <translation>Packet</translation>
    </message>
    <message>
        <source>C&amp;allsign/SSID</source>
        <translation>Ruf&amp;zeichen/SSID</translation>
    </message>
    <message>
        <source>(MYCALL)</source>
        <translation>(MYCALL)</translation>
    </message>
    <message>
        <source>&amp;PATH</source>
        <translation>&amp;Pfad</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>ALTernate &amp;NETwork</source>
        <translation>ALTernate &amp;NETwork</translation>
    </message>
    <message>
        <source>SSID R&amp;OUTE</source>
        <translation>SSID R&amp;OUTE</translation>
    </message>
    <message>
        <source>TX &amp;Delay (TXD)</source>
        <translation>TX&amp;DELAY (TXD)</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>&amp;FILTER CALL</source>
        <translation>&amp;FILTER CALL</translation>
    </message>
    <message>
        <source>&amp;Man TX Delay (MTXD)</source>
        <translation>&amp;Manueller TXDELAY (MTXD)</translation>
    </message>
    <message>
        <source>CD MOD&amp;E</source>
        <translation>CD MOD&amp;E</translation>
    </message>
    <message>
        <source>&amp;QUIET Time</source>
        <translation>&amp;QUIET-Zeit</translation>
    </message>
    <message>
        <source>x 100ms</source>
        <translation>x 100 ms</translation>
    </message>
    <message>
        <source>CD &amp;LEVEL</source>
        <translation>CD &amp;LEVEL</translation>
    </message>
    <message>
        <source>PERS&amp;IST</source>
        <translation>PERS&amp;IST</translation>
    </message>
    <message>
        <source>SLO&amp;TTIME</source>
        <translation>SLO&amp;TTIME</translation>
    </message>
    <message>
        <source>Use TR&amp;uNKing MODE</source>
        <translation>TR&amp;uNKing-Modus</translation>
    </message>
    <message>
        <source>Transmit &amp;300 Baud (P300)</source>
        <translation>Mit &amp;300 Baud senden (P300)</translation>
    </message>
    <message>
        <source>&amp;RX AMP</source>
        <translation>&amp;RX AMP</translation>
    </message>
    <message>
        <source>TX LE&amp;VEL</source>
        <translation>TX LE&amp;VEL</translation>
    </message>
    <message>
        <source>Decode &amp;9600 Baud (DEC96)</source>
        <translation>&amp;9600 Baud dekodieren (DEC96)</translation>
    </message>
    <message>
        <source>Use Proportional Pat&amp;hing (PPATHING)</source>
        <translation>Proportionales Pat&amp;hing (PPATHING)</translation>
    </message>
    <message>
        <source>TX T&amp;WIST</source>
        <translation>TX T&amp;WIST</translation>
    </message>
</context>
<context>
    <name>PortsPage</name>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Port A</source>
        <translation>Port A</translation>
    </message>
    <message>
        <source>&amp;Mode (AMODE)</source>
        <translation>&amp;Modus (AMODE)</translation>
    </message>
    <message>
        <source>&amp;Baudrate (ABAUD)</source>
        <translation>&amp;Baudrate (ABAUD)</translation>
    </message>
    <message>
        <source>Port B</source>
        <translation>Port B</translation>
    </message>
    <message>
        <source>M&amp;ode (BMODE)</source>
        <translation>M&amp;odus (BMODE)</translation>
    </message>
    <message>
        <source>Baud&amp;rate (BBAUD)</source>
        <translation>Baud&amp;rate (BBAUD)</translation>
    </message>
    <message>
        <source>Port B requires a serial splitter cable on port J2</source>
        <translation>Port B braucht ein serielles Splitterkabel an J2</translation>
    </message>
    <message>
        <source>Send &amp;decoded packets to serial ports (PKTICOM)</source>
        <translation>&amp;Dekodierte Pakete an die seriellen Ports senden (PKTICOM)</translation>
    </message>
    <message>
        <source>Send &amp;generated packets to serial ports (PKTOCOM)</source>
        <translation>&amp;Erzeugte Pakete an die seriellen Ports senden (PKTOCOM)</translation>
    </message>
    <message>
        <source>Send &amp;newline after header in TEXT mode (HEADERLN)</source>
        <translation>&amp;Neue Zeile nach dem Kopf im TEXT-Modus (HEADERLN)</translation>
    </message>
    <message>
        <source>&amp;Allow Soft Reset (SOFTRST)</source>
        <translation>Soft-Reset &amp;zulassen (SOFTRST)</translation>
    </message>
    <message>
        <source>Show Decode S&amp;tats (DECSTAT)</source>
        <translation>Dekodier-S&amp;tatistik zeigen (DECSTAT)</translation>
    </message>
</context>
<context>
    <name>PositionPage</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>&amp;Protocol
(TPROTOCOL)</source>
        <translation>&amp;Protokoll
(TPROTOCOL)</translation>
    </message>
    <message>
        <source>T&amp;imeStamp</source>
        <translation>&amp;Zeitstempel</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Day,Hour,Min</source>
        <translation>Tag,Std,Min</translation>
    </message>
    <message>
        <source>Hour,Min,Sec</source>
        <translation>Std,Min,Sek</translation>
    </message>
    <message>
        <source>Send Added Pr&amp;ecision (TDAO)</source>
        <translation>Zusätzliche G&amp;enauigkeit senden (TDAO)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>1 Digit</source>
        <translation>1 Stelle</translation>
    </message>
    <message>
        <source>2 Digits</source>
        <translation>2 Stellen</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Co&amp;de
(TSYMCODE)</source>
        <translation>Co&amp;de
(TSYMCODE)</translation>
    </message>
    <message>
        <source>&amp;Table
(TSYMTABLE)</source>
        <translation>&amp;Tabelle
(TSYMTABLE)</translation>
    </message>
    <message>
        <source>MIC-E</source>
        <translation>MIC-E</translation>
    </message>
    <message>
        <source>Messa&amp;ge
(MMSG)</source>
        <translation>Meldun&amp;g
(MMSG)</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Außer Dienst</translation>
    </message>
    <message>
        <source>En Route</source>
        <translation>Unterwegs</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>Im Dienst</translation>
    </message>
    <message>
        <source>Returning</source>
        <translation>Auf dem Rückweg</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Im Einsatz</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spezial</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Emergency!</source>
        <translation>Notfall!</translation>
    </message>
    <message>
        <source>&amp;Use MIC-E Types (MICETMV)</source>
        <translation>MIC-E-Typen ben&amp;utzen (MICETMV)</translation>
    </message>
    <message>
        <source>Send &amp;Speed/Heading (TSPEED)</source>
        <translation>Geschwindigkeit/&amp;Kurs senden (TSPEED)</translation>
    </message>
    <message>
        <source>&amp;Message Capable (MSGCAP)</source>
        <translation>&amp;Nachrichtenfähig (MSGCAP)</translation>
    </message>
    <message>
        <source>Send A&amp;ltitude (TALT)</source>
        <translation>Höhe &amp;senden (TALT)</translation>
    </message>
    <message>
        <source>&amp;Only Send Valid Postions (TOSV)</source>
        <translation>Nur gültige P&amp;ositionen senden (TOSV)</translation>
    </message>
    <message>
        <source>Static Locatio&amp;n (LOCATION)</source>
        <translation>&amp;Feste Position (LOCATION)</translation>
    </message>
    <message>
        <source>Static Location (LOCATION)</source>
        <translation>Feste Position (LOCATION)</translation>
    </message>
    <message>
        <source>&amp;Altitude
(GALT)</source>
        <translation>&amp;Höhe
(GALT)</translation>
    </message>
    <message>
        <source>M</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Status Te&amp;xt / Comment (TSTATUS)</source>
        <translation>Statustext / Ko&amp;mmentar (TSTATUS)</translation>
    </message>
    <message>
        <source>Status Text / Comment (TSTATUS)</source>
        <translation>Statustext / Kommentar (TSTATUS)</translation>
    </message>
    <message>
        <source>Send E&amp;very
(STATUSRATE)</source>
        <translation>Senden &amp;alle
(STATUSRATE)</translation>
    </message>
</context>
<context>
    <name>PositionTimingPage</name>
    <message>
        <source>Position Timing</source>
        <translation>Positionstakt</translation>
    </message>
    <message>
        <source>&amp;Position Report Period
(PPERIOD)</source>
        <translation>&amp;Positionsintervall
(PPERIOD)</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>&amp;Manual Position Report Period
(MPPERIOD)</source>
        <translation>Intervall bei &amp;manueller Position
(MPPERIOD)</translation>
    </message>
    <message>
        <source>SmartBeaconing</source>
        <translation>SmartBeaconing</translation>
    </message>
    <message>
        <source>&amp;Enable (SBEN)</source>
        <translation>&amp;Einschalten (SBEN)</translation>
    </message>
    <message>
        <source>Min Turn &amp;Angle
(SBTANGLE)</source>
        <translation>Min Turn &amp;Angle
(SBTANGLE)</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Turn &amp;Slope
(SBTSLOPE)</source>
        <translation>Turn &amp;Slope
(SBTSLOPE)</translation>
    </message>
    <message>
        <source>Min Turn T&amp;ime
(SBTTIME)</source>
        <translation>Min Turn T&amp;ime
(SBTTIME)</translation>
    </message>
    <message>
        <source>Slo&amp;w Speed
(SBSSPEED)</source>
        <translation>Slo&amp;w Speed
(SBSSPEED)</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>Slow Pe&amp;riod
(SBSPERIOD)</source>
        <translation>Slow Pe&amp;riod
(SBSPERIOD)</translation>
    </message>
    <message>
        <source>&amp;Fast Speed
(SBFSPEED)</source>
        <translation>&amp;Fast Speed
(SBFSPEED)</translation>
    </message>
    <message>
        <source>Fast Peri&amp;od
(SBFPERIOD)</source>
        <translation>Fast Peri&amp;od
(SBFPERIOD)</translation>
    </message>
    <message>
        <source>Time Slotting</source>
        <translation>Zeitschlitze</translation>
    </message>
    <message>
        <source>E&amp;nable (ENTS)</source>
        <translation>Ei&amp;nschalten (ENTS)</translation>
    </message>
    <message>
        <source>Offse&amp;t (TSOFFSET)</source>
        <translation>Versa&amp;tz (TSOFFSET)</translation>
    </message>
</context>
<context>
    <name>TelemetryPage</name>
    <message>
        <source>Bank / Telem / WX</source>
        <translation>Bank / Telemetrie / WX</translation>
    </message>
    <message>
        <source>Telemetry Reports</source>
        <translation>Telemetrie</translation>
    </message>
    <message>
        <source>Report &amp;Period</source>
        <translation>&amp;Intervall</translation>
    </message>
    <message>
        <source>(TPERIOD)</source>
        <translation>(TPERIOD)</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Send &amp;Readable (TELREAD)</source>
        <translation>&amp;Lesbar senden (TELREAD)</translation>
    </message>
    <message>
        <source>Send &amp;High Res (TELHIRES)</source>
        <translation>&amp;Hohe Auflösung senden (TELHIRES)</translation>
    </message>
    <message>
        <source>Send Supply &amp;Voltage (TELVOLT)</source>
        <translation>Betriebs&amp;spannung senden (TELVOLT)</translation>
    </message>
    <message>
        <source>Send &amp;Temperature (TELTEMP)</source>
        <translation>&amp;Temperatur senden (TELTEMP)</translation>
    </message>
    <message>
        <source>Voltage &amp;Adjust</source>
        <translation>Spannungs&amp;abgleich</translation>
    </message>
    <message>
        <source>(TVOLTTWK)</source>
        <translation>(TVOLTTWK)</translation>
    </message>
    <message>
        <source>Tempature Ad&amp;just</source>
        <translation>Temperaturab&amp;gleich</translation>
    </message>
    <message>
        <source>(TTEMPTWK)</source>
        <translation>(TTEMPTWK)</translation>
    </message>
    <message>
        <source>Weather Reports</source>
        <translation>Wetterberichte</translation>
    </message>
    <message>
        <source>Report P&amp;eriod</source>
        <translation>Int&amp;ervall</translation>
    </message>
    <message>
        <source>(WPERIOD)</source>
        <translation>(WPERIOD)</translation>
    </message>
    <message>
        <source>Send Position In &amp;Weather Packets (WXPOS)</source>
        <translation>Position in &amp;Wetterpaketen senden (WXPOS)</translation>
    </message>
    <message>
        <source>Currently Editing</source>
        <translation>In Bearbeitung</translation>
    </message>
    <message>
        <source>Bank&amp;0</source>
        <translation>Bank&amp;0</translation>
    </message>
    <message>
        <source>Bank&amp;1</source>
        <translation>Bank&amp;1</translation>
    </message>
    <message>
        <source>Bank &amp;Mode</source>
        <translation>Bank-&amp;Modus</translation>
    </message>
    <message>
        <source>(BANKMODE)</source>
        <translation>(BANKMODE)</translation>
    </message>
    <message>
        <source>C&amp;opy Bank</source>
        <translation>Bank k&amp;opieren</translation>
    </message>
    <message>
        <source>Parse Me&amp;ssages (MSGCMD)</source>
        <translation>Nachrichten a&amp;uswerten (MSGCMD)</translation>
    </message>
</context>
</TS>
