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
    <name>CCommsPage</name>
    <message>
        <source>Loaded %1</source>
        <translation>%1 geladen</translation>
    </message>
    <message>
        <source>Couldn&apos;t open file %1</source>
        <translation>Datei %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Couldn&apos;t read file %1</source>
        <translation>Datei %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>The device holds 1 setting otherwise than written</source>
        <translation>Das Gerät hält 1 Einstellung anders als geschrieben</translation>
    </message>
    <message>
        <source>The device holds %1 settings otherwise than written</source>
        <translation>Das Gerät hält %1 Einstellungen anders als geschrieben</translation>
    </message>
    <message>
        <source>; %1 of %2 settings were not read back</source>
        <translation>; %1 von %2 Einstellungen wurden nicht zurückgelesen</translation>
    </message>
    <message>
        <source>compared with the read of %1 from %2, kept in the history</source>
        <translation>verglichen mit dem Lesen von %2 um %1, aus dem Verlauf</translation>
    </message>
    <message>
        <source>compared with the write of %1 to %2, kept in the history</source>
        <translation>verglichen mit dem Schreiben auf %2 um %1, aus dem Verlauf</translation>
    </message>
    <message>
        <source>compared with the read of %1 from %2</source>
        <translation>verglichen mit dem Lesen von %2 um %1</translation>
    </message>
    <message>
        <source>compared with the write of %1 to %2</source>
        <translation>verglichen mit dem Schreiben auf %2 um %1</translation>
    </message>
    <message>
        <source>Nothing will change on the device (%1): the write may still go ahead.</source>
        <translation>Auf dem Gerät ändert sich nichts (%1): geschrieben werden kann trotzdem.</translation>
    </message>
    <message>
        <source>1 setting will change on the device (%1)</source>
        <translation>1 Einstellung ändert sich auf dem Gerät (%1)</translation>
    </message>
    <message>
        <source>%1 settings will change on the device (%2)</source>
        <translation>%1 Einstellungen ändern sich auf dem Gerät (%2)</translation>
    </message>
    <message>
        <source>The device&apos;s current settings are unknown: read them first to see what will change</source>
        <translation>Die aktuellen Einstellungen des Geräts sind unbekannt: zuerst lesen, um zu sehen, was sich ändert</translation>
    </message>
    <message>
        <source>What the device read back after the write</source>
        <translation>Was das Gerät nach dem Schreiben zurückgab</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Zurückgelesen</translation>
    </message>
    <message>
        <source>The device on %1 (%2)</source>
        <translation>Das Gerät an %1 (%2)</translation>
    </message>
    <message>
        <source>On the device</source>
        <translation>Auf dem Gerät</translation>
    </message>
    <message>
        <source>What the last read changed</source>
        <translation>Was das letzte Lesen geändert hat</translation>
    </message>
    <message>
        <source>After the read</source>
        <translation>Nach dem Lesen</translation>
    </message>
    <message>
        <source>Before the read</source>
        <translation>Vor dem Lesen</translation>
    </message>
    <message>
        <source>The defaults</source>
        <translation>Die Vorgaben</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>A settings file…</source>
        <translation>Eine Einstellungsdatei…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>History: %1 %2 %3 %4</source>
        <translation>Verlauf: %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>read from</source>
        <translation>gelesen von</translation>
    </message>
    <message>
        <source>written to</source>
        <translation>geschrieben auf</translation>
    </message>
    <message>
        <source>In the history</source>
        <translation>Im Verlauf</translation>
    </message>
</context>
<context>
    <name>CCompareDialog</name>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Compare Settings</source>
        <translation>Einstellungen vergleichen</translation>
    </message>
    <message>
        <source>Compare &amp;with:</source>
        <translation>Vergleichen &amp;mit:</translation>
    </message>
    <message>
        <source>This window</source>
        <translation>Dieses Fenster</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Take selected</source>
        <translation>Ausgewählte &amp;übernehmen</translation>
    </message>
    <message>
        <source>No differences</source>
        <translation>Keine Unterschiede</translation>
    </message>
    <message>
        <source>1 setting differs</source>
        <translation>1 Einstellung weicht ab</translation>
    </message>
    <message>
        <source>%1 settings differ</source>
        <translation>%1 Einstellungen weichen ab</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Show what will change before writing</source>
        <translation>Vor dem Schreiben &amp;zeigen, was sich ändert</translation>
    </message>
</context>
<context>
    <name>CPropertyPage</name>
    <message>
        <source>%1 · default %2</source>
        <translation>%1 · Vorgabe %2</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Auf Vorgabe zurücksetzen</translation>
    </message>
</context>
<context>
    <name>CSettingFinder</name>
    <message>
        <source>Ke&amp;y or text:</source>
        <translation>Schlüssel oder Te&amp;xt:</translation>
    </message>
    <message>
        <source>Search (%1)</source>
        <translation>Suchen (%1)</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>The settings of the current bank that differ from their defaults</source>
        <translation>Die Einstellungen der aktuellen Bank, die von ihren Vorgaben abweichen</translation>
    </message>
    <message>
        <source>No setting of this bank differs from its default.</source>
        <translation>Keine Einstellung dieser Bank weicht von ihrer Vorgabe ab.</translation>
    </message>
    <message>
        <source>No setting matches.</source>
        <translation>Keine Einstellung passt.</translation>
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
    <name>CWriteSummary</name>
    <message>
        <source>Write Config</source>
        <translation>Konfiguration schreiben</translation>
    </message>
    <message>
        <source>Now on the device</source>
        <translation>Jetzt auf dem Gerät</translation>
    </message>
    <message>
        <source>After the write</source>
        <translation>Nach dem Schreiben</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show this before writing</source>
        <translation>Vor dem Schreiben &amp;nicht mehr zeigen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
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
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1: more than %2 MiB, no settings text</source>
        <translation>%1: mehr als %2 MiB, kein Einstellungstext</translation>
    </message>
    <message>
        <source>diff --device needs PORT and at most one FILE</source>
        <translation>diff --device braucht PORT und höchstens eine Datei (FILE)</translation>
    </message>
    <message>
        <source>diff: A is the device&apos;s settings, read as read does
(diff --device PORT [FILE])</source>
        <translation>diff: A sind die Einstellungen des Geräts, gelesen wie
mit read (diff --device PORT [FILE])</translation>
    </message>
    <message>
        <source>read, write, diff --device: keep no copy in the history</source>
        <translation>read, write, diff --device: keine Kopie im Verlauf aufbewahren</translation>
    </message>
    <message>
        <source>A FILE of - is standard input, -o - standard output.
</source>
        <translation>Als Datei (FILE) steht - für die Standardeingabe, -o - für die Standardausgabe.
</translation>
    </message>
    <message>
        <source>diff: 0 the same, 1 different, 2 trouble, 3 gave up waiting.
</source>
        <translation>diff: 0 gleich, 1 verschieden, 2 Störung, 3 Warten aufgegeben.
</translation>
    </message>
    <message>
        <source>--device belongs to diff</source>
        <translation>--device gehört zu diff</translation>
    </message>
    <message>
        <source>--no-history belongs to read, write and diff --device</source>
        <translation>--no-history gehört zu read, write und diff --device</translation>
    </message>
    <message>
        <source>only one - can read standard input</source>
        <translation>nur ein - kann die Standardeingabe lesen</translation>
    </message>
    <message>
        <source>load FILE over the defaults, print the settings text of what
differs from them (both banks&apos; headers, then their lines)</source>
        <translation>FILE über die Vorgaben laden, den Einstellungstext
dessen ausgeben, was von ihnen abweicht (die Köpfe
beider Bänke, dann ihre Zeilen)</translation>
    </message>
    <message>
        <source>every setting, or those whose key, label, page, help or
default contains TEXT: key, type, default, page, label,
by tabs</source>
        <translation>jede Einstellung, oder die, deren Schlüssel,
Beschriftung, Seite, Hilfe oder Vorgabe TEXT enthält:
Schlüssel, Typ, Vorgabe, Seite, Beschriftung,
durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>what a setting does: its key, type, default, page, label,
unit and help</source>
        <translation>was eine Einstellung bewirkt: Schlüssel, Typ,
Vorgabe, Seite, Beschriftung, Einheit und Hilfe</translation>
    </message>
    <message>
        <source>keys takes at most one TEXT</source>
        <translation>keys nimmt höchstens einen TEXT</translation>
    </message>
    <message>
        <source>help needs one KEY</source>
        <translation>help braucht einen Schlüssel (KEY)</translation>
    </message>
    <message>
        <source>rezar-cli: no setting %1</source>
        <translation>rezar-cli: keine Einstellung %1</translation>
    </message>
    <message>
        <source>did you mean: %1</source>
        <translation>meinten Sie: %1</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>changed needs one FILE</source>
        <translation>changed braucht eine Datei (FILE)</translation>
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
    <message>
        <source>&amp;Verify after writing</source>
        <translation>&amp;Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>C&amp;ompare…</source>
        <translation>&amp;Vergleichen…</translation>
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
    <name>DeviceCommands</name>
    <message>
        <source> bytes</source>
        <translation> Bytes</translation>
    </message>
    <message>
        <source> of %1 lines</source>
        <translation> von %1 Zeilen</translation>
    </message>
    <message>
        <source>rezar-cli: cannot write %1
</source>
        <translation>rezar-cli: %1 lässt sich nicht schreiben
</translation>
    </message>
    <message>
        <source> (see rezar-cli ports)</source>
        <translation> (siehe rezar-cli ports)</translation>
    </message>
    <message>
        <source>rezar-cli: gave up waiting after %1 s; last status: %2
</source>
        <translation>rezar-cli: Warten nach %1 s aufgegeben; letzter Stand: %2
</translation>
    </message>
    <message>
        <source>rezar-cli: warning: no history kept: %1
</source>
        <translation>rezar-cli: Warnung: kein Verlauf gespeichert: %1
</translation>
    </message>
    <message>
        <source>rezar-cli: cannot write %1: %2
</source>
        <translation>rezar-cli: %1 lässt sich nicht schreiben: %2
</translation>
    </message>
    <message>
        <source>rezar-cli: the listing ended early: %1 of %2 settings received; nothing kept (--partial keeps them)
</source>
        <translation>rezar-cli: die Auflistung endete vorzeitig: %1 von %2 Einstellungen empfangen; nichts behalten (--partial behält sie)
</translation>
    </message>
    <message>
        <source>rezar-cli: verify: %1 of %2 settings not read back
</source>
        <translation>rezar-cli: Prüfung: %1 von %2 Einstellungen nicht zurückgelesen
</translation>
    </message>
    <message>
        <source>rezar-cli: verify: %1 setting read back differs from what was written (bank, key, written, read back)
</source>
        <translation>rezar-cli: Prüfung: %1 zurückgelesene Einstellung weicht vom Geschriebenen ab (Bank, Schlüssel, geschrieben, zurückgelesen)
</translation>
    </message>
    <message>
        <source>rezar-cli: verify: %1 settings read back differ from what was written (bank, key, written, read back)
</source>
        <translation>rezar-cli: Prüfung: %1 zurückgelesene Einstellungen weichen vom Geschriebenen ab (Bank, Schlüssel, geschrieben, zurückgelesen)
</translation>
    </message>
    <message>
        <source>Verified: the device holds what was written
</source>
        <translation>Geprüft: das Gerät enthält, was geschrieben wurde
</translation>
    </message>
    <message>
        <source>rezar-cli: the listing ended early: %1 of %2 settings received; nothing compared
</source>
        <translation>rezar-cli: die Auflistung endete vorzeitig: %1 von %2 Einstellungen empfangen; nichts verglichen
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
    <name>LinkText</name>
    <message>
        <source>Select COM port and click Read or Write</source>
        <translation>COM-Port wählen und Lesen oder Schreiben anklicken</translation>
    </message>
    <message>
        <source>Opened Com port %1 - cycle QWN power</source>
        <translation>COM-Port %1 geöffnet – Gerät aus- und wieder einschalten</translation>
    </message>
    <message>
        <source>Found Quillwren Rezar - Entering Command Menu</source>
        <translation>Quillwren Rezar gefunden – Befehlsmenü wird geöffnet</translation>
    </message>
    <message>
        <source>Entered Command Menu - Reading settings</source>
        <translation>Befehlsmenü geöffnet – Einstellungen werden gelesen</translation>
    </message>
    <message>
        <source>Reading back settings</source>
        <translation>Einstellungen werden zurückgelesen</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lesen abgeschlossen</translation>
    </message>
    <message>
        <source>Write Complete</source>
        <translation>Schreiben abgeschlossen</translation>
    </message>
    <message>
        <source>Entering Bootloader</source>
        <translation>Bootloader wird gestartet</translation>
    </message>
    <message>
        <source>Erasing Code</source>
        <translation>Firmware wird gelöscht</translation>
    </message>
    <message>
        <source>Erase Complete</source>
        <translation>Löschen abgeschlossen</translation>
    </message>
    <message>
        <source>Written %1 bytes (%2%)</source>
        <translation>%1 Bytes geschrieben (%2 %)</translation>
    </message>
    <message>
        <source>Firmware update complete</source>
        <translation>Firmware-Aktualisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Firmware update Error %1</source>
        <translation>Fehler %1 bei der Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Failed to open Com port %1</source>
        <translation>COM-Port %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Lost connection on Com port %1</source>
        <translation>Verbindung über COM-Port %1 verloren</translation>
    </message>
    <message>
        <source>Couldn&apos;t write to Com port %1</source>
        <translation>Auf COM-Port %1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>Couldn&apos;t read file %1</source>
        <translation>Datei %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>Not a valid firmware file %1</source>
        <translation>Keine gültige Firmware-Datei: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open file %1</source>
        <translation>Datei %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Found %1 based Quillwren - %2</source>
        <translation>Quillwren mit %1 gefunden – %2</translation>
    </message>
    <message>
        <source>%1 – %2 settings not received</source>
        <translation>%1 – %2 Einstellungen nicht empfangen</translation>
    </message>
    <message>
        <source>Nothing heard from the device yet: check the port and the cable, then switch the device off and on</source>
        <translation>Noch nichts vom Gerät gehört: Port und Kabel prüfen, dann das Gerät aus- und wieder einschalten</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB (%1 bytes)</source>
        <translation>die Datei ist größer als 16 MiB (%1 Bytes)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
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
    <name>SettingHelp</name>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Position Timing</source>
        <translation>Positionstakt</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Beacon / Digipeater</source>
        <translation>Bake / Digipeater</translation>
    </message>
    <message>
        <source>Bank / Telem / WX</source>
        <translation>Bank / Telemetrie / WX</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Packet</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>M</source>
        <translation>m</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>x 100ms</source>
        <translation>x 100 ms</translation>
    </message>
    <message>
        <source>Mode (AMODE)</source>
        <translation>Modus (AMODE)</translation>
    </message>
    <message>
        <source>What serial port A speaks: TEXT, KISS, GPS, PEET or DEAFTEXT. KISS is for packet software on a computer, GPS for a GPS receiver. The Directly and Splitter buttons on the Basic page also set it.</source>
        <translation>Was die serielle Schnittstelle A spricht: TEXT, KISS, GPS, PEET oder DEAFTEXT. KISS dient der Packet-Software auf einem Rechner, GPS einem GPS-Empfänger. Die Schaltflächen Direkt und Splitter auf der Seite Grundeinstellungen setzen den Modus ebenfalls.</translation>
    </message>
    <message>
        <source>Baudrate (ABAUD)</source>
        <translation>Baudrate (ABAUD)</translation>
    </message>
    <message>
        <source>The baud rate of serial port A, which must match the device connected to it. The Directly and Splitter buttons on the Basic page also set it.</source>
        <translation>Die Baudrate der seriellen Schnittstelle A; sie muss zum angeschlossenen Gerät passen. Die Schaltflächen Direkt und Splitter auf der Seite Grundeinstellungen setzen sie ebenfalls.</translation>
    </message>
    <message>
        <source>Mode (BMODE)</source>
        <translation>Modus (BMODE)</translation>
    </message>
    <message>
        <source>What serial port B speaks: TEXT, KISS, GPS, PEET or DEAFTEXT. Port B requires a serial splitter cable on port J2.</source>
        <translation>Was die serielle Schnittstelle B spricht: TEXT, KISS, GPS, PEET oder DEAFTEXT. Schnittstelle B braucht ein serielles Splitterkabel an Buchse J2.</translation>
    </message>
    <message>
        <source>Baudrate (BBAUD)</source>
        <translation>Baudrate (BBAUD)</translation>
    </message>
    <message>
        <source>The baud rate of serial port B, which must match the device connected to it. Port B requires a serial splitter cable on port J2.</source>
        <translation>Die Baudrate der seriellen Schnittstelle B; sie muss zum angeschlossenen Gerät passen. Schnittstelle B braucht ein serielles Splitterkabel an Buchse J2.</translation>
    </message>
    <message>
        <source>Send decoded packets to serial ports (PKTICOM)</source>
        <translation>Dekodierte Pakete an die seriellen Ports senden (PKTICOM)</translation>
    </message>
    <message>
        <source>When checked, the packets the device decodes from the radio are sent out of its serial ports.</source>
        <translation>Wenn angehakt, gibt das Gerät die Pakete, die es vom Funkgerät dekodiert, an seinen seriellen Schnittstellen aus.</translation>
    </message>
    <message>
        <source>Send generated packets to serial ports (PKTOCOM)</source>
        <translation>Erzeugte Pakete an die seriellen Ports senden (PKTOCOM)</translation>
    </message>
    <message>
        <source>When checked, the packets the device generates itself are also sent out of its serial ports.</source>
        <translation>Wenn angehakt, gibt das Gerät auch die Pakete, die es selbst erzeugt, an seinen seriellen Schnittstellen aus.</translation>
    </message>
    <message>
        <source>Send newline after header in TEXT mode (HEADERLN)</source>
        <translation>Neue Zeile nach dem Kopf im TEXT-Modus (HEADERLN)</translation>
    </message>
    <message>
        <source>On ports in TEXT mode, a new line follows each packet&apos;s header, so that the header and the rest of the packet stand on separate lines.</source>
        <translation>An Schnittstellen im TEXT-Modus folgt auf den Header jedes Pakets ein Zeilenumbruch, sodass Header und Rest des Pakets in getrennten Zeilen stehen.</translation>
    </message>
    <message>
        <source>Allow Soft Reset (SOFTRST)</source>
        <translation>Soft-Reset zulassen (SOFTRST)</translation>
    </message>
    <message>
        <source>When checked, the device allows a soft reset.</source>
        <translation>Wenn angehakt, lässt das Gerät einen Soft-Reset zu.</translation>
    </message>
    <message>
        <source>Show Decode Stats (DECSTAT)</source>
        <translation>Dekodier-Statistik zeigen (DECSTAT)</translation>
    </message>
    <message>
        <source>When checked, the device shows its decode statistics.</source>
        <translation>Wenn angehakt, zeigt das Gerät seine Dekodierstatistik an.</translation>
    </message>
    <message>
        <source>Protocol (TPROTOCOL)</source>
        <translation>Protokoll (TPROTOCOL)</translation>
    </message>
    <message>
        <source>The format of the position reports: MIC-E (short, partly encoded in the destination address), APRS Text (latitude and longitude in plain text) or Compressed. The choice decides which other options on this page apply.</source>
        <translation>Das Format der Positionsmeldungen: MIC-E (kurz, teils im Zielrufzeichen kodiert), APRS Text (Breite und Länge im Klartext) oder Compressed (komprimiert). Die Wahl bestimmt, welche anderen Optionen dieser Seite gelten.</translation>
    </message>
    <message>
        <source>TimeStamp</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Whether position reports carry a time stamp, and which: none, day, hour and minute, or hour, minute and second. It does not apply to MIC-E, which has no time stamp.</source>
        <translation>Ob die Positionsmeldungen einen Zeitstempel tragen und welchen: keinen, Tag, Stunde und Minute oder Stunde, Minute und Sekunde. Bei MIC-E gilt er nicht, denn MIC-E kennt keinen Zeitstempel.</translation>
    </message>
    <message>
        <source>Together with TIMESTAMP, picks the form of the time stamp: on for hour, minute and second, off for day, hour and minute. It is set through the TimeStamp list.</source>
        <translation>Wählt zusammen mit TIMESTAMP die Form des Zeitstempels: an für Stunde, Minute und Sekunde, aus für Tag, Stunde und Minute. Eingestellt wird er über die Liste Zeitstempel.</translation>
    </message>
    <message>
        <source>Send Added Precision (TDAO)</source>
        <translation>Zusätzliche Genauigkeit senden (TDAO)</translation>
    </message>
    <message>
        <source>Adds one or two more digits of latitude and longitude to each position report (the APRS DAO extension). It does not apply to the Compressed protocol.</source>
        <translation>Hängt an jede Positionsmeldung eine oder zwei weitere Stellen für Breite und Länge an (die APRS-DAO-Erweiterung). Beim Protokoll Compressed gilt es nicht.</translation>
    </message>
    <message>
        <source>Code (TSYMCODE)</source>
        <translation>Code (TSYMCODE)</translation>
    </message>
    <message>
        <source>The symbol code: the one character that, with the symbol table, picks the icon other stations show for this station, such as &gt; for a car in the primary table.</source>
        <translation>Der Symbolcode: das eine Zeichen, das zusammen mit der Symboltabelle das Symbol bestimmt, mit dem andere Stationen diese Station zeigen, etwa &gt; für ein Auto in der primären Tabelle.</translation>
    </message>
    <message>
        <source>Table (TSYMTABLE)</source>
        <translation>Tabelle (TSYMTABLE)</translation>
    </message>
    <message>
        <source>The symbol table: / for the primary table, \ for the alternate table, or a letter or digit as an overlay on an alternate symbol.</source>
        <translation>Die Symboltabelle: / für die primäre Tabelle, \ für die alternative Tabelle oder ein Buchstabe oder eine Ziffer als Overlay auf einem alternativen Symbol.</translation>
    </message>
    <message>
        <source>Message (MMSG)</source>
        <translation>Meldung (MMSG)</translation>
    </message>
    <message>
        <source>The MIC-E message sent with each MIC-E position report, from Off Duty to Emergency. Choose Emergency only in a real emergency, as other stations raise an alert on it.</source>
        <translation>Die MIC-E-Meldung, die mit jeder MIC-E-Positionsmeldung gesendet wird, von Off Duty bis Emergency. Emergency nur im echten Notfall wählen, denn andere Stationen lösen darauf einen Alarm aus.</translation>
    </message>
    <message>
        <source>Use MIC-E Types (MICETMV)</source>
        <translation>MIC-E-Typen benutzen (MICETMV)</translation>
    </message>
    <message>
        <source>When checked, MIC-E position reports use the MIC-E types. It applies to the MIC-E protocol only.</source>
        <translation>Wenn angehakt, verwenden MIC-E-Positionsmeldungen die MIC-E-Typen. Gilt nur für das Protokoll MIC-E.</translation>
    </message>
    <message>
        <source>Only Send Valid Postions (TOSV)</source>
        <translation>Nur gültige Positionen senden (TOSV)</translation>
    </message>
    <message>
        <source>When checked, position reports are sent only with a valid position from the GPS. The static location is then not used.</source>
        <translation>Wenn angehakt, werden Positionsmeldungen nur mit einer gültigen Position vom GPS gesendet. Der feste Standort wird dann nicht verwendet.</translation>
    </message>
    <message>
        <source>Send Speed/Heading (TSPEED)</source>
        <translation>Geschwindigkeit/Kurs senden (TSPEED)</translation>
    </message>
    <message>
        <source>Adds the speed and the heading to each position report.</source>
        <translation>Fügt jeder Positionsmeldung Geschwindigkeit und Kurs hinzu.</translation>
    </message>
    <message>
        <source>Send Altitude (TALT)</source>
        <translation>Höhe senden (TALT)</translation>
    </message>
    <message>
        <source>Adds the altitude to each position report. It does not apply to the Compressed protocol.</source>
        <translation>Fügt jeder Positionsmeldung die Höhe hinzu. Beim Protokoll Compressed gilt es nicht.</translation>
    </message>
    <message>
        <source>Message Capable (MSGCAP)</source>
        <translation>Nachrichtenfähig (MSGCAP)</translation>
    </message>
    <message>
        <source>Marks the position reports as coming from a station that can receive APRS messages. Check it only if messages sent to this station are read.</source>
        <translation>Kennzeichnet die Positionsmeldungen als die einer Station, die APRS-Nachrichten empfangen kann. Nur anhaken, wenn an diese Station gesendete Nachrichten auch gelesen werden.</translation>
    </message>
    <message>
        <source>Static Location (LOCATION)</source>
        <translation>Feste Position (LOCATION)</translation>
    </message>
    <message>
        <source>The position to report when the station has no GPS position to use: latitude and longitude separated by a blank, written as in the default 1234.5678N 12345.6789W. It can be changed only while Only Send Valid Postions is unchecked.</source>
        <translation>Die Position, die gemeldet wird, wenn die Station keine GPS-Position verwendet: Breite und Länge durch ein Leerzeichen getrennt, geschrieben wie in der Voreinstellung 1234.5678N 12345.6789W. Änderbar nur, solange Nur gültige Positionen senden nicht angehakt ist.</translation>
    </message>
    <message>
        <source>Altitude (GALT)</source>
        <translation>Höhe (GALT)</translation>
    </message>
    <message>
        <source>The altitude sent with the static location. It can be changed only while the static location is used, Send Altitude is checked and the protocol is not Compressed.</source>
        <translation>Die Höhe, die mit dem festen Standort gesendet wird. Änderbar nur, solange der feste Standort verwendet wird, Höhe senden angehakt ist und das Protokoll nicht Compressed ist.</translation>
    </message>
    <message>
        <source>Status Text / Comment (TSTATUS)</source>
        <translation>Statustext / Kommentar (TSTATUS)</translation>
    </message>
    <message>
        <source>The status text or comment that the station sends. It can be changed only while Send Every is not 0.</source>
        <translation>Der Statustext oder Kommentar, den die Station sendet. Änderbar nur, solange Senden alle nicht 0 ist.</translation>
    </message>
    <message>
        <source>Send Every (STATUSRATE)</source>
        <translation>Senden alle (STATUSRATE)</translation>
    </message>
    <message>
        <source>How often the status text or comment is sent. The status text can be changed only while this is not 0.</source>
        <translation>Wie oft der Statustext oder Kommentar gesendet wird. Der Statustext ist nur änderbar, solange dieser Wert nicht 0 ist.</translation>
    </message>
    <message>
        <source>Position Report Period (PPERIOD)</source>
        <translation>Positionsintervall (PPERIOD)</translation>
    </message>
    <message>
        <source>The time between position reports, in seconds. It is not used while SmartBeaconing is enabled, which times the reports by speed and turns instead.</source>
        <translation>Die Zeit zwischen zwei Positionsmeldungen in Sekunden. Sie gilt nicht, solange SmartBeaconing eingeschaltet ist, das die Meldungen stattdessen nach Geschwindigkeit und Richtungsänderungen taktet.</translation>
    </message>
    <message>
        <source>Enable (SBEN)</source>
        <translation>Einschalten (SBEN)</translation>
    </message>
    <message>
        <source>Turns on SmartBeaconing: the station reports more often when it is fast or turning and less often when it is slow, by the SmartBeaconing settings instead of the fixed report period. On the Position Timing page, turning it on turns time slotting off.</source>
        <translation>Schaltet SmartBeaconing ein: Die Station meldet sich häufiger, wenn sie schnell fährt oder abbiegt, und seltener, wenn sie langsam ist, nach den SmartBeaconing-Einstellungen statt nach dem festen Intervall. Auf der Seite Positionsintervalle schaltet das Einschalten das Time-Slotting aus.</translation>
    </message>
    <message>
        <source>Min Turn Angle (SBTANGLE)</source>
        <translation>Min Turn Angle (SBTANGLE)</translation>
    </message>
    <message>
        <source>SmartBeaconing: the smallest change of heading, in degrees, that counts as a turn and sends an extra report (corner pegging).</source>
        <translation>SmartBeaconing: die kleinste Kursänderung in Grad, die als Abbiegen zählt und eine zusätzliche Meldung auslöst (Corner Pegging).</translation>
    </message>
    <message>
        <source>Turn Slope (SBTSLOPE)</source>
        <translation>Turn Slope (SBTSLOPE)</translation>
    </message>
    <message>
        <source>SmartBeaconing: raises the turn angle needed for a report at low speed. A higher value needs a sharper turn at low speed before a report is sent.</source>
        <translation>SmartBeaconing: erhöht bei niedriger Geschwindigkeit den Winkel, der für eine Meldung nötig ist. Ein höherer Wert verlangt bei langsamer Fahrt ein schärferes Abbiegen, bevor gemeldet wird.</translation>
    </message>
    <message>
        <source>Min Turn Time (SBTTIME)</source>
        <translation>Min Turn Time (SBTTIME)</translation>
    </message>
    <message>
        <source>SmartBeaconing: the shortest time, in seconds, between two reports sent because of turns.</source>
        <translation>SmartBeaconing: die kürzeste Zeit in Sekunden zwischen zwei Meldungen, die durch Abbiegen ausgelöst werden.</translation>
    </message>
    <message>
        <source>Slow Speed (SBSSPEED)</source>
        <translation>Slow Speed (SBSSPEED)</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or below this speed, in MPH, the station counts as slow and reports every Slow Period.</source>
        <translation>SmartBeaconing: Bei dieser Geschwindigkeit in mph oder darunter gilt die Station als langsam und meldet sich im Intervall langsam (SBSPERIOD).</translation>
    </message>
    <message>
        <source>Slow Period (SBSPERIOD)</source>
        <translation>Slow Period (SBSPERIOD)</translation>
    </message>
    <message>
        <source>SmartBeaconing: the time between reports, in seconds, while the station is slow.</source>
        <translation>SmartBeaconing: die Zeit zwischen zwei Meldungen in Sekunden, solange die Station langsam ist.</translation>
    </message>
    <message>
        <source>Fast Speed (SBFSPEED)</source>
        <translation>Fast Speed (SBFSPEED)</translation>
    </message>
    <message>
        <source>SmartBeaconing: at or above this speed, in MPH, the station reports every Fast Period. Between the slow and the fast speed the time between reports shortens as the speed rises.</source>
        <translation>SmartBeaconing: Bei dieser Geschwindigkeit in mph oder darüber meldet sich die Station im Intervall schnell (SBFPERIOD). Zwischen langsamer und schneller Geschwindigkeit wird die Zeit zwischen den Meldungen mit steigender Geschwindigkeit kürzer.</translation>
    </message>
    <message>
        <source>Fast Period (SBFPERIOD)</source>
        <translation>Fast Period (SBFPERIOD)</translation>
    </message>
    <message>
        <source>SmartBeaconing: the time between reports, in seconds, at or above the fast speed.</source>
        <translation>SmartBeaconing: die Zeit zwischen zwei Meldungen in Sekunden bei der schnellen Geschwindigkeit oder darüber.</translation>
    </message>
    <message>
        <source>Enable (ENTS)</source>
        <translation>Einschalten (ENTS)</translation>
    </message>
    <message>
        <source>Turns on time slotting: the station sends its reports in its own time slot, set by the offset, so that stations sharing a channel take turns. Turning it on turns SmartBeaconing off.</source>
        <translation>Schaltet das Time-Slotting ein: Die Station sendet ihre Meldungen in ihrem eigenen Zeitschlitz, den der Versatz bestimmt, sodass sich Stationen auf einer Frequenz abwechseln. Das Einschalten schaltet SmartBeaconing aus.</translation>
    </message>
    <message>
        <source>Offset (TSOFFSET)</source>
        <translation>Versatz (TSOFFSET)</translation>
    </message>
    <message>
        <source>Time slotting: this station&apos;s time slot, as an offset in seconds. It is used only while time slotting is enabled.</source>
        <translation>Time-Slotting: der Zeitschlitz dieser Station als Versatz in Sekunden. Er gilt nur, solange das Time-Slotting eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Manual Position Report Period (MPPERIOD)</source>
        <translation>Intervall bei manueller Position (MPPERIOD)</translation>
    </message>
    <message>
        <source>The manual position report period, in seconds.</source>
        <translation>Das manuelle Positionsintervall in Sekunden.</translation>
    </message>
    <message>
        <source>Waypoint Mode (GWAYMODE)</source>
        <translation>Wegpunkt-Modus (GWAYMODE)</translation>
    </message>
    <message>
        <source>The format of the waypoints the device sends for the stations it hears, so that a GPS receiver or map display can show them: NMEA, Kenwood or Magellan.</source>
        <translation>Das Format der Wegpunkte, die das Gerät für gehörte Stationen ausgibt, damit ein GPS-Empfänger oder eine Kartenanzeige sie darstellen kann: NMEA, Kenwood oder Magellan.</translation>
    </message>
    <message>
        <source>Waypoint Length (GWAYLEN)</source>
        <translation>Wegpunktlänge (GWAYLEN)</translation>
    </message>
    <message>
        <source>The length of the waypoint names the device sends. Choose a length the receiving GPS or display accepts.</source>
        <translation>Die Länge der Wegpunktnamen, die das Gerät ausgibt. Eine Länge wählen, die das empfangende GPS oder Display annimmt.</translation>
    </message>
    <message>
        <source>Send Waypoint for Self (TSWPT)</source>
        <translation>Eigenen Wegpunkt senden (TSWPT)</translation>
    </message>
    <message>
        <source>When checked, the device also sends a waypoint for this station&apos;s own position.</source>
        <translation>Wenn angehakt, gibt das Gerät auch einen Wegpunkt für die eigene Position dieser Station aus.</translation>
    </message>
    <message>
        <source>Send Waypoints to TEXT Ports (WYPTXT)</source>
        <translation>Wegpunkte an TEXT-Ports senden (WYPTXT)</translation>
    </message>
    <message>
        <source>When checked, the waypoints are sent to the serial ports in TEXT mode.</source>
        <translation>Wenn angehakt, gehen die Wegpunkte an die seriellen Schnittstellen im TEXT-Modus.</translation>
    </message>
    <message>
        <source>Enable PAVP Mode for GPS Messages (PAVPEN)</source>
        <translation>PAVP-Modus für GPS-Meldungen (PAVPEN)</translation>
    </message>
    <message>
        <source>When checked, PAVP mode is used for GPS messages.</source>
        <translation>Wenn angehakt, wird für GPS-Meldungen der PAVP-Modus verwendet.</translation>
    </message>
    <message>
        <source>Power Switch Time (TPSWITCH)</source>
        <translation>Schaltzeit der Versorgung (TPSWITCH)</translation>
    </message>
    <message>
        <source>The power switch time, in seconds.</source>
        <translation>Die Schaltzeit der Stromversorgung in Sekunden.</translation>
    </message>
    <message>
        <source>Type Bits (GRELAYBITS)</source>
        <translation>Bits der Satztypen (GRELAYBITS)</translation>
    </message>
    <message>
        <source>GPS sentence relay to the TEXT ports: a number whose bits choose the types of GPS sentences that are relayed.</source>
        <translation>Weiterleitung von GPS-Sätzen an die TEXT-Schnittstellen: eine Zahl, deren Bits die Typen der weitergeleiteten GPS-Sätze auswählen.</translation>
    </message>
    <message>
        <source>Rate (GRELAYRATE)</source>
        <translation>Rate (GRELAYRATE)</translation>
    </message>
    <message>
        <source>GPS sentence relay to the TEXT ports: the rate at which GPS sentences are relayed.</source>
        <translation>Weiterleitung von GPS-Sätzen an die TEXT-Schnittstellen: die Rate, mit der GPS-Sätze weitergeleitet werden.</translation>
    </message>
    <message>
        <source>Enable Learning TPS (LRNTPS)</source>
        <translation>Lernendes TPS (LRNTPS)</translation>
    </message>
    <message>
        <source>When checked, learning TPS is enabled.</source>
        <translation>Wenn angehakt, ist das lernende TPS eingeschaltet.</translation>
    </message>
    <message>
        <source>Validadte GPS Checksum (GPSCHK)</source>
        <translation>GPS-Prüfsumme prüfen (GPSCHK)</translation>
    </message>
    <message>
        <source>When checked, the checksum of each sentence from the GPS is checked, so that a damaged sentence is not used.</source>
        <translation>Wenn angehakt, wird die Prüfsumme jedes Satzes vom GPS geprüft, damit ein beschädigter Satz nicht verwendet wird.</translation>
    </message>
    <message>
        <source>Internal Clocking instead of GPS Clocking (INTCLK)</source>
        <translation>Interner Takt statt GPS-Takt (INTCLK)</translation>
    </message>
    <message>
        <source>When checked, the device uses its internal clocking instead of clocking from the GPS.</source>
        <translation>Wenn angehakt, verwendet das Gerät seinen internen Takt statt des Takts vom GPS.</translation>
    </message>
    <message>
        <source>GPS KISS Relay (GKRELAY)</source>
        <translation>GPS-KISS-Weitergabe (GKRELAY)</translation>
    </message>
    <message>
        <source>The relay of GPS data over KISS.</source>
        <translation>Die Weiterleitung von GPS-Daten über KISS.</translation>
    </message>
    <message>
        <source>Beacon Report Period (BPERIOD)</source>
        <translation>Bakenintervall (BPERIOD)</translation>
    </message>
    <message>
        <source>The time between beacons, in seconds. The beacon text can be changed only while this is not 0.</source>
        <translation>Die Zeit zwischen zwei Baken in Sekunden. Der Bakentext ist nur änderbar, solange dieser Wert nicht 0 ist.</translation>
    </message>
    <message>
        <source>BTEXT</source>
        <translation>BTEXT</translation>
    </message>
    <message>
        <source>The text of the beacon, which can be changed only while Beacon Report Period is not 0. In APRS the first character of a packet&apos;s text names its type, such as &gt; for a status as in the default.</source>
        <translation>Der Text der Bake; änderbar nur, solange das Bakenintervall nicht 0 ist. In APRS nennt das erste Zeichen des Pakettexts den Datentyp, etwa &gt; für einen Status wie in der Voreinstellung.</translation>
    </message>
    <message>
        <source>ALIAS1</source>
        <translation>ALIAS1</translation>
    </message>
    <message>
        <source>A digipeater alias: a name the device answers to as a digipeater, relaying packets whose path asks for it.</source>
        <translation>Ein Digipeater-Alias: ein Name, auf den das Gerät als Digipeater hört; es wiederholt Pakete, deren Pfad diesen Namen anfordert.</translation>
    </message>
    <message>
        <source>ALIAS2</source>
        <translation>ALIAS2</translation>
    </message>
    <message>
        <source>A second digipeater alias, used like ALIAS1.</source>
        <translation>Ein zweiter Digipeater-Alias, wie ALIAS1.</translation>
    </message>
    <message>
        <source>ALIAS3</source>
        <translation>ALIAS3</translation>
    </message>
    <message>
        <source>A third digipeater alias, used like ALIAS1.</source>
        <translation>Ein dritter Digipeater-Alias, wie ALIAS1.</translation>
    </message>
    <message>
        <source>PREEMPTive Digipeating</source>
        <translation>Vorrangiges Digipeating (PREEMPT)</translation>
    </message>
    <message>
        <source>Pre-emptive digipeating: the device relays a packet when one of its aliases appears anywhere later in the path, not only in the next unused hop.</source>
        <translation>Präemptives Digipeating: Das Gerät wiederholt ein Paket auch dann, wenn einer seiner Aliase erst weiter hinten im Pfad steht, nicht nur im nächsten unbenutzten Hop.</translation>
    </message>
    <message>
        <source>DIGI ID</source>
        <translation>DIGI ID</translation>
    </message>
    <message>
        <source>When checked, a packet the device relays carries the device&apos;s own callsign in its path, so that others see which digipeater relayed it.</source>
        <translation>Wenn angehakt, trägt ein Paket, das das Gerät wiederholt, dessen eigenes Rufzeichen im Pfad, sodass andere sehen, welcher Digipeater es wiederholt hat.</translation>
    </message>
    <message>
        <source>DIGIMY</source>
        <translation>DIGIMY</translation>
    </message>
    <message>
        <source>When checked, the device also relays packets whose path names this station&apos;s own callsign.</source>
        <translation>Wenn angehakt, wiederholt das Gerät auch Pakete, deren Pfad das eigene Rufzeichen dieser Station nennt.</translation>
    </message>
    <message>
        <source>DUPE TIME</source>
        <translation>DUPE TIME</translation>
    </message>
    <message>
        <source>The time, in seconds, during which a packet heard again counts as a duplicate and is not relayed again.</source>
        <translation>Die Zeit in Sekunden, in der ein erneut gehörtes Paket als Duplikat gilt und nicht noch einmal wiederholt wird.</translation>
    </message>
    <message>
        <source>Report Period (TPERIOD)</source>
        <translation>Meldeintervall (TPERIOD)</translation>
    </message>
    <message>
        <source>The time between telemetry reports, in seconds. The telemetry options can be changed only while this is not 0.</source>
        <translation>Die Zeit zwischen zwei Telemetriemeldungen in Sekunden. Die Telemetrie-Optionen sind nur änderbar, solange dieser Wert nicht 0 ist.</translation>
    </message>
    <message>
        <source>Send High Res (TELHIRES)</source>
        <translation>Hohe Auflösung senden (TELHIRES)</translation>
    </message>
    <message>
        <source>When checked, the telemetry is sent in high resolution.</source>
        <translation>Wenn angehakt, wird die Telemetrie in hoher Auflösung gesendet.</translation>
    </message>
    <message>
        <source>Send Supply Voltage (TELVOLT)</source>
        <translation>Betriebsspannung senden (TELVOLT)</translation>
    </message>
    <message>
        <source>Adds the device&apos;s supply voltage to the telemetry reports.</source>
        <translation>Nimmt die Versorgungsspannung des Geräts in die Telemetriemeldungen auf.</translation>
    </message>
    <message>
        <source>Send Temperature (TELTEMP)</source>
        <translation>Temperatur senden (TELTEMP)</translation>
    </message>
    <message>
        <source>Adds the temperature to the telemetry reports.</source>
        <translation>Nimmt die Temperatur in die Telemetriemeldungen auf.</translation>
    </message>
    <message>
        <source>Voltage Adjust (TVOLTTWK)</source>
        <translation>Spannungsabgleich (TVOLTTWK)</translation>
    </message>
    <message>
        <source>An adjustment of the supply voltage reading sent in telemetry.</source>
        <translation>Ein Abgleich des Messwerts der Versorgungsspannung, der in der Telemetrie gesendet wird.</translation>
    </message>
    <message>
        <source>Tempature Adjust (TTEMPTWK)</source>
        <translation>Temperaturabgleich (TTEMPTWK)</translation>
    </message>
    <message>
        <source>An adjustment of the temperature reading sent in telemetry.</source>
        <translation>Ein Abgleich des Temperaturmesswerts, der in der Telemetrie gesendet wird.</translation>
    </message>
    <message>
        <source>Send Readable (TELREAD)</source>
        <translation>Lesbar senden (TELREAD)</translation>
    </message>
    <message>
        <source>When checked, the telemetry is sent in readable form.</source>
        <translation>Wenn angehakt, wird die Telemetrie in lesbarer Form gesendet.</translation>
    </message>
    <message>
        <source>Report Period (WPERIOD)</source>
        <translation>Meldeintervall (WPERIOD)</translation>
    </message>
    <message>
        <source>The time between weather reports, in seconds. Send Position In Weather Packets can be changed only while this is not 0.</source>
        <translation>Die Zeit zwischen zwei Wettermeldungen in Sekunden. Position in Wetterpaketen senden ist nur änderbar, solange dieser Wert nicht 0 ist.</translation>
    </message>
    <message>
        <source>Send Position In Weather Packets (WXPOS)</source>
        <translation>Position in Wetterpaketen senden (WXPOS)</translation>
    </message>
    <message>
        <source>Adds the station&apos;s position to its weather reports.</source>
        <translation>Nimmt die Position der Station in ihre Wettermeldungen auf.</translation>
    </message>
    <message>
        <source>Bank Mode (BANKMODE)</source>
        <translation>Bankmodus (BANKMODE)</translation>
    </message>
    <message>
        <source>The device&apos;s bank mode, for its two banks of settings.</source>
        <translation>Der Bankmodus des Geräts für seine zwei Einstellungsbänke.</translation>
    </message>
    <message>
        <source>Parse Messages (MSGCMD)</source>
        <translation>Nachrichten auswerten (MSGCMD)</translation>
    </message>
    <message>
        <source>When checked, the device parses the messages it receives.</source>
        <translation>Wenn angehakt, wertet das Gerät die empfangenen Nachrichten aus.</translation>
    </message>
    <message>
        <source>Callsign/SSID (MYCALL)</source>
        <translation>Rufzeichen/SSID (MYCALL)</translation>
    </message>
    <message>
        <source>This station&apos;s callsign, with an SSID where wanted, such as N0CALL-9. Every packet the station sends carries it.</source>
        <translation>Das Rufzeichen dieser Station, bei Bedarf mit SSID, etwa N0CALL-9. Jedes Paket, das die Station sendet, trägt es.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>The first entry of the digipeater path that the station&apos;s packets ask for, such as WIDE1-1.</source>
        <translation>Der erste Eintrag des Digipeater-Pfads, den die Pakete der Station anfordern, etwa WIDE1-1.</translation>
    </message>
    <message>
        <source>PATH (second)</source>
        <translation>PFAD (zweiter Eintrag)</translation>
    </message>
    <message>
        <source>The second entry of the digipeater path, such as WIDE2-1. Leave it empty for a shorter path.</source>
        <translation>Der zweite Eintrag des Digipeater-Pfads, etwa WIDE2-1. Für einen kürzeren Pfad leer lassen.</translation>
    </message>
    <message>
        <source>PATH (third)</source>
        <translation>PFAD (dritter Eintrag)</translation>
    </message>
    <message>
        <source>The third entry of the digipeater path. Leave it empty for a shorter path.</source>
        <translation>Der dritte Eintrag des Digipeater-Pfads. Für einen kürzeren Pfad leer lassen.</translation>
    </message>
    <message>
        <source>ALTernate NETwork</source>
        <translation>ALTernate NETwork</translation>
    </message>
    <message>
        <source>The destination address of the packets the station sends. Another value forms an alternate network with the stations that look for it.</source>
        <translation>Die Zieladresse der Pakete, die die Station sendet. Ein anderer Wert bildet ein alternatives Netz mit den Stationen, die auf diese Adresse achten.</translation>
    </message>
    <message>
        <source>SSID ROUTE</source>
        <translation>SSID ROUTE</translation>
    </message>
    <message>
        <source>SSID routing: a path asked for by the SSID of the destination address instead of written path entries.</source>
        <translation>SSID-Routing: ein Pfad, der über die SSID der Zieladresse statt über ausgeschriebene Pfadeinträge angefordert wird.</translation>
    </message>
    <message>
        <source>TX Delay (TXD)</source>
        <translation>TXDELAY (TXD)</translation>
    </message>
    <message>
        <source>TXDELAY: how long the transmitter is keyed before the data starts, counted in bytes. Set it long enough for the radio to reach full power.</source>
        <translation>TXDELAY: wie lange der Sender getastet ist, bevor die Daten beginnen, gezählt in Bytes. So lang einstellen, dass das Funkgerät volle Leistung erreicht.</translation>
    </message>
    <message>
        <source>FILTER CALL</source>
        <translation>FILTER CALL</translation>
    </message>
    <message>
        <source>A callsign by which the device filters packets.</source>
        <translation>Ein Rufzeichen, nach dem das Gerät Pakete filtert.</translation>
    </message>
    <message>
        <source>QUIET Time</source>
        <translation>QUIET-Zeit</translation>
    </message>
    <message>
        <source>The quiet time, in units of 100 ms.</source>
        <translation>Die Ruhezeit in Einheiten von 100 ms.</translation>
    </message>
    <message>
        <source>CD MODE</source>
        <translation>CD MODE</translation>
    </message>
    <message>
        <source>How the device detects a busy channel (carrier detect): LEVEL, TONES, PIN2 or INVERTED_PIN2. CD LEVEL applies to LEVEL and TONES only.</source>
        <translation>Wie das Gerät einen belegten Kanal erkennt (Carrier Detect, Trägererkennung): LEVEL, TONES, PIN2 oder INVERTED_PIN2. CD-PEGEL gilt nur für LEVEL und TONES.</translation>
    </message>
    <message>
        <source>PERSIST</source>
        <translation>PERSIST</translation>
    </message>
    <message>
        <source>The persistence of channel access: when the channel is clear, the chance to transmit in each slot time is (PERSIST + 1) / 256. A lower value makes the station wait longer and leaves more room for others.</source>
        <translation>Die Persistenz beim Kanalzugriff: Ist der Kanal frei, ist die Chance zu senden in jeder Slot-Zeit (PERSIST + 1) / 256. Ein kleinerer Wert lässt die Station länger warten und anderen mehr Raum.</translation>
    </message>
    <message>
        <source>SLOTTIME</source>
        <translation>SLOTTIME</translation>
    </message>
    <message>
        <source>The slot time of channel access: how long the station waits between two tries to transmit on a clear channel.</source>
        <translation>Die Slot-Zeit beim Kanalzugriff: wie lange die Station zwischen zwei Sendeversuchen auf einem freien Kanal wartet.</translation>
    </message>
    <message>
        <source>CD LEVEL</source>
        <translation>CD LEVEL</translation>
    </message>
    <message>
        <source>The level at which carrier detect counts the channel as busy. It applies to CD MODE LEVEL and TONES only.</source>
        <translation>Der Pegel, ab dem die Trägererkennung den Kanal als belegt ansieht. Gilt nur für CD-MODUS LEVEL und TONES.</translation>
    </message>
    <message>
        <source>Transmit 300 Baud (P300)</source>
        <translation>Mit 300 Baud senden (P300)</translation>
    </message>
    <message>
        <source>When checked, the device transmits at 300 baud, the rate of packet radio on HF.</source>
        <translation>Wenn angehakt, sendet das Gerät mit 300 Baud, der Packet-Radio-Geschwindigkeit auf Kurzwelle.</translation>
    </message>
    <message>
        <source>Use TRuNKing MODE</source>
        <translation>TRuNKing-Modus</translation>
    </message>
    <message>
        <source>When checked, the device uses trunking mode.</source>
        <translation>Wenn angehakt, verwendet das Gerät den Trunking-Modus.</translation>
    </message>
    <message>
        <source>Decode 9600 Baud (DEC96)</source>
        <translation>9600 Baud dekodieren (DEC96)</translation>
    </message>
    <message>
        <source>When checked, the device decodes packets at 9600 baud.</source>
        <translation>Wenn angehakt, dekodiert das Gerät Pakete mit 9600 Baud.</translation>
    </message>
    <message>
        <source>RX AMP</source>
        <translation>RX AMP</translation>
    </message>
    <message>
        <source>The amplification of the received audio.</source>
        <translation>Die Verstärkung des empfangenen NF-Signals.</translation>
    </message>
    <message>
        <source>TX LEVEL</source>
        <translation>TX LEVEL</translation>
    </message>
    <message>
        <source>The level of the audio sent to the transmitter. Too high a level over-deviates and distorts the signal.</source>
        <translation>Der Pegel des NF-Signals zum Sender. Ein zu hoher Pegel führt zu Überhub und verzerrt das Signal.</translation>
    </message>
    <message>
        <source>Use Proportional Pathing (PPATHING)</source>
        <translation>Proportionales Pathing (PPATHING)</translation>
    </message>
    <message>
        <source>Proportional pathing: the station sends most reports with a short path and only some with the full path, which loads the network less.</source>
        <translation>Proportionales Pathing: Die Station sendet die meisten Meldungen mit kurzem Pfad und nur einige mit dem vollen Pfad, was das Netz weniger belastet.</translation>
    </message>
    <message>
        <source>TX TWIST</source>
        <translation>TX TWIST</translation>
    </message>
    <message>
        <source>The transmit twist: the balance between the levels of the two tones of the transmitted audio.</source>
        <translation>Der Sende-Twist: das Verhältnis der Pegel der beiden Töne im gesendeten NF-Signal.</translation>
    </message>
    <message>
        <source>Man TX Delay (MTXD)</source>
        <translation>Manueller TXDELAY (MTXD)</translation>
    </message>
    <message>
        <source>The manual TX delay, counted in bytes.</source>
        <translation>Die manuelle TX-Verzögerung, gezählt in Bytes.</translation>
    </message>
    <message>
        <source>Disable Display (NODISP)</source>
        <translation>Anzeige aus (NODISP)</translation>
    </message>
    <message>
        <source>Turns the device&apos;s LCD off. While it is checked the other LCD options keep their marks but cannot be changed.</source>
        <translation>Schaltet das LCD des Geräts ab. Solange es angehakt ist, behalten die anderen LCD-Optionen ihre Haken, sind aber nicht änderbar.</translation>
    </message>
    <message>
        <source>Display Metric (DMETRIC)</source>
        <translation>Metrische Einheiten (DMETRIC)</translation>
    </message>
    <message>
        <source>Shows metric units on the LCD.</source>
        <translation>Zeigt auf dem LCD metrische Einheiten.</translation>
    </message>
    <message>
        <source>Display Distance To Received Station (DDIST)</source>
        <translation>Entfernung zur empfangenen Station (DDIST)</translation>
    </message>
    <message>
        <source>Shows on the LCD the distance to each station received.</source>
        <translation>Zeigt auf dem LCD die Entfernung zu jeder empfangenen Station.</translation>
    </message>
    <message>
        <source>Display Incoming Serial Text (TXTDISP)</source>
        <translation>Eingehenden seriellen Text anzeigen (TXTDISP)</translation>
    </message>
    <message>
        <source>Shows on the LCD the text that comes in on a serial port.</source>
        <translation>Zeigt auf dem LCD den Text, der an einer seriellen Schnittstelle eingeht.</translation>
    </message>
    <message>
        <source>Display Seconds instead of Decimal Minutes (DMSDISP)</source>
        <translation>Sekunden statt Dezimalminuten (DMSDISP)</translation>
    </message>
    <message>
        <source>Shows positions on the LCD in degrees, minutes and seconds instead of degrees and decimal minutes.</source>
        <translation>Zeigt Positionen auf dem LCD in Grad, Minuten und Sekunden statt in Grad und Dezimalminuten.</translation>
    </message>
    <message>
        <source>Display Raw Packets - No Parsing (FRAWDISP)</source>
        <translation>Rohpakete anzeigen – ohne Auswertung (FRAWDISP)</translation>
    </message>
    <message>
        <source>Shows received packets on the LCD as they are, without parsing them.</source>
        <translation>Zeigt empfangene Pakete auf dem LCD unverändert, ohne sie auszuwerten.</translation>
    </message>
    <message>
        <source>Hide Unparsable Packets (HRAWDISP)</source>
        <translation>Nicht auswertbare Pakete ausblenden (HRAWDISP)</translation>
    </message>
    <message>
        <source>Leaves received packets that cannot be parsed off the LCD.</source>
        <translation>Lässt empfangene Pakete, die sich nicht auswerten lassen, vom LCD weg.</translation>
    </message>
    <message>
        <source>Display Path on Raw Packets (RPATHDISP)</source>
        <translation>Pfad bei Rohpaketen anzeigen (RPATHDISP)</translation>
    </message>
    <message>
        <source>Shows the digipeater path with raw packets on the LCD.</source>
        <translation>Zeigt bei Rohpaketen auf dem LCD den Digipeater-Pfad.</translation>
    </message>
    <message>
        <source>Enable LEDs (LEDS)</source>
        <translation>LEDs einschalten (LEDS)</translation>
    </message>
    <message>
        <source>When checked, the device uses its LEDs.</source>
        <translation>Wenn angehakt, verwendet das Gerät seine LEDs.</translation>
    </message>
</context>
<context>
    <name>SettingSearch</name>
    <message>
        <source> (default %1)</source>
        <translation> (Vorgabe %1)</translation>
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
