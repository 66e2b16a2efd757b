<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CFrame</name>
    <message>
        <source>Found %1 CFrame elements</source>
        <translation>%1 CFrame-Elemente gefunden</translation>
    </message>
    <message>
        <source>Found NULL CFrame node</source>
        <translation>NULL-Knoten für CFrame gefunden</translation>
    </message>
    <message>
        <source>Found NULL CFrame element</source>
        <translation>NULL-Element für CFrame gefunden</translation>
    </message>
</context>
<context>
    <name>CWidget</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Wattlan</source>
        <translation>Wattlan</translation>
    </message>
    <message>
        <source>Cannot read database file %1:
%2.</source>
        <translation>Die Datenbankdatei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB</source>
        <translation>Die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>Error parsing database file %1:
%2
Line %3 Column %4</source>
        <translation>Fehler beim Lesen der Datenbankdatei %1:
%2
Zeile %3, Spalte %4</translation>
    </message>
    <message>
        <source>Elements are nested more than %1 deep</source>
        <translation>Elemente sind tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>Error in database file %1:
DBVersion %2 not found.</source>
        <translation>Fehler in der Datenbankdatei %1:
DBVersion %2 nicht gefunden.</translation>
    </message>
    <message>
        <source>Error in database file %1:
DBVersion %2 does not match previous (%3)</source>
        <translation>Fehler in der Datenbankdatei %1:
DBVersion %2 passt nicht zur vorherigen (%3)</translation>
    </message>
    <message>
        <source>Error in database file %1:
PowerSupply element with no Name</source>
        <translation>Fehler in der Datenbankdatei %1:
PowerSupply-Element ohne Name</translation>
    </message>
    <message>
        <source>Error in database file %1:
PowerSupply %2 has unknown type</source>
        <translation>Fehler in der Datenbankdatei %1:
PowerSupply %2 hat einen unbekannten Typ</translation>
    </message>
    <message>
        <source>Error in database file %1:
Fixture element with no Name</source>
        <translation>Fehler in der Datenbankdatei %1:
Fixture-Element ohne Name</translation>
    </message>
    <message>
        <source>Error in database file %1:
Fixture %2 has unknown type</source>
        <translation>Fehler in der Datenbankdatei %1:
Fixture %2 hat einen unbekannten Typ</translation>
    </message>
</context>
<context>
    <name>JWidget</name>
    <message>
        <source>AWG</source>
        <translation>AWG</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
</context>
<context>
    <name>RunSheet</name>
    <message>
        <source>Fixture: %1</source>
        <translation>Leuchte: %1</translation>
    </message>
    <message>
        <source>Catalogue version %1</source>
        <translation>Katalogversion %1</translation>
    </message>
    <message>
        <source>Run sheet: %1</source>
        <translation>Strangblatt: %1</translation>
    </message>
    <message>
        <source>holds</source>
        <translation>erfüllt</translation>
    </message>
    <message>
        <source>FAILS</source>
        <translation>VERLETZT</translation>
    </message>
    <message>
        <source>Supply: %1</source>
        <translation>Netzteil: %1</translation>
    </message>
    <message>
        <source>Leader: %1, %2 ft</source>
        <translation>Zuleitung: %1, %2 ft</translation>
    </message>
    <message>
        <source>Leader: %1, %2, %3 ft</source>
        <translation>Zuleitung: %1, %2, %3 ft</translation>
    </message>
    <message>
        <source>Jumper: %1</source>
        <translation>Verbindungskabel: %1</translation>
    </message>
    <message>
        <source>Jumper: %1, %2, %3 ft</source>
        <translation>Verbindungskabel: %1, %2, %3 ft</translation>
    </message>
    <message>
        <source>%1 cable, %2: %3 ft in all</source>
        <translation>%1 als Meterware, %2: %3 ft insgesamt</translation>
    </message>
    <message>
        <source>%1, %2, %3 ft</source>
        <translation>%1, %2, %3 ft</translation>
    </message>
    <message>
        <source>The run as built, supply end first (volts at each fixture&apos;s input)</source>
        <translation>Der Strang wie gebaut, vom Netzteil aus (Spannung am Eingang jeder Leuchte)</translation>
    </message>
    <message>
        <source>Supply %1 at %2 V, then %3</source>
        <translation>Netzteil %1 mit %2 V, dann %3</translation>
    </message>
    <message>
        <source>NOT OPENED</source>
        <translation>NICHT GEÖFFNET</translation>
    </message>
    <message>
        <source>This file could not be opened:</source>
        <translation>Diese Datei konnte nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>VALID</source>
        <translation>GÜLTIG</translation>
    </message>
    <message>
        <source>NOT VALID</source>
        <translation>UNGÜLTIG</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Netzteil</translation>
    </message>
    <message>
        <source>Line voltage</source>
        <translation>Netzspannung</translation>
    </message>
    <message>
        <source>%1 V (effective %2 V)</source>
        <translation>%1 V (wirksam %2 V)</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Absicherung</translation>
    </message>
    <message>
        <source>%1 A (derated to %2 A)</source>
        <translation>%1 A (abgemindert auf %2 A)</translation>
    </message>
    <message>
        <source>Leader</source>
        <translation>Zuleitung</translation>
    </message>
    <message>
        <source>Leader gauge</source>
        <translation>Querschnitt der Zuleitung</translation>
    </message>
    <message>
        <source>Leader length</source>
        <translation>Zuleitungslänge</translation>
    </message>
    <message>
        <source>Fixtures</source>
        <translation>Leuchten</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Voltage drop</source>
        <translation>Spannungsabfall</translation>
    </message>
    <message>
        <source>End voltage</source>
        <translation>Spannung am Ende</translation>
    </message>
    <message>
        <source>Lowest allowed</source>
        <translation>Niedrigste zulässige</translation>
    </message>
    <message>
        <source>Settings and totals</source>
        <translation>Einstellungen und Summen</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>Voltage along the run</source>
        <translation>Spannung entlang des Strangs</translation>
    </message>
    <message>
        <source>Bill of materials</source>
        <translation>Stückliste</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Summary of %1 runs</source>
        <translation>Übersicht über %1 Stränge</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Leuchte</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Gültig</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Run sheet</source>
        <translation>Strangblatt</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP-Proxy</translation>
    </message>
    <message>
        <source>Use a proxy to access the internet</source>
        <translation>Für den Internetzugang einen Proxy verwenden</translation>
    </message>
    <message>
        <source>HTTP Proxy:</source>
        <translation>HTTP-Proxy:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatisch nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Prüfen alle</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Update Error</source>
        <translation>Aktualisierungsfehler</translation>
    </message>
    <message>
        <source>Unable to retrieve update file.</source>
        <translation>Die Aktualisierungsdatei konnte nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>No Update Available</source>
        <translation>Keine Aktualisierung verfügbar</translation>
    </message>
    <message>
        <source>You have the latest version: v%1</source>
        <translation>Sie haben die neueste Version: v%1</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Aktualisierung verfügbar</translation>
    </message>
    <message>
        <source>A newer version (%1) of this application is available.

Would you like to go to the download page?</source>
        <translation>Eine neuere Version (%1) dieser Anwendung ist verfügbar.

Möchten Sie die Download-Seite öffnen?</translation>
    </message>
    <message>
        <source>The download page address is not a web address and was not opened.</source>
        <translation>Die Adresse der Download-Seite ist keine Webadresse und wurde nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>VoltagePlot</name>
    <message>
        <source>fixture (0: the supply end of the leader)</source>
        <translation>Leuchte (0: Netzteilseite der Zuleitung)</translation>
    </message>
    <message>
        <source>volts at the input</source>
        <translation>Spannung am Eingang (V)</translation>
    </message>
    <message>
        <source>lowest allowed %1 V</source>
        <translation>niedrigste zulässige %1 V</translation>
    </message>
    <message>
        <source>fixture %1 is the first below it</source>
        <translation>Leuchte %1 liegt als erste darunter</translation>
    </message>
    <message>
        <source>Voltage along the run</source>
        <translation>Spannung entlang des Strangs</translation>
    </message>
</context>
<context>
    <name>Wattlan</name>
    <message>
        <source>Orvane Wattlan Version  %1.%2.%3 Build %4-%5</source>
        <translation>Orvane Wattlan Version  %1.%2.%3 Build %4-%5</translation>
    </message>
    <message>
        <source>Create a new configuration</source>
        <translation>Neue Konfiguration anlegen</translation>
    </message>
    <message>
        <source>Open an exisiting configuration, checking for unsaved changes</source>
        <translation>Vorhandene Konfiguration öffnen, nach ungespeicherten Änderungen fragen</translation>
    </message>
    <message>
        <source>Save the current configuration</source>
        <translation>Aktuelle Konfiguration speichern</translation>
    </message>
    <message>
        <source>Save the current configuration to as a new filename</source>
        <translation>Aktuelle Konfiguration unter neuem Dateinamen speichern</translation>
    </message>
    <message>
        <source>Quit the application, checking for unsaved changes</source>
        <translation>Anwendung beenden, nach ungespeicherten Änderungen fragen</translation>
    </message>
    <message>
        <source>%1 Release %2.%3.%4 [Build %5-%6]</source>
        <translation>%1 Release %2.%3.%4 [Build %5-%6]</translation>
    </message>
    <message>
        <source>&amp;Save %1</source>
        <translation>%1 &amp;speichern</translation>
    </message>
    <message>
        <source>Save %1 &amp;As...</source>
        <translation>%1 speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Untitled.xml</source>
        <translation>Unbenannt.xml</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Wattlan&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Orvane&lt;br&gt;Lighting planning tools for designers and installers.&lt;/p&gt;&lt;p&gt;Version  %1.%2.%3 Build %4-%5&lt;/p&gt;&lt;p&gt;Database version %6&lt;/p&gt;&lt;p&gt;QT version %7&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Wattlan&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Orvane&lt;br&gt;Planungswerkzeuge für Lichtplaner und Installateure.&lt;/p&gt;&lt;p&gt;Version  %1.%2.%3 Build %4-%5&lt;/p&gt;&lt;p&gt;Datenbankversion %6&lt;/p&gt;&lt;p&gt;Qt-Version %7&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>(derated to %1 amps)</source>
        <translation>(abgemindert auf %1 A)</translation>
    </message>
    <message>
        <source>Wattlan</source>
        <translation>Wattlan</translation>
    </message>
    <message>
        <source>Fixture combo mismatch (ZV)!</source>
        <translation>Leuchtenauswahl stimmt nicht überein (ZV)!</translation>
    </message>
    <message>
        <source>Current %1 A %2 derated load %3 A</source>
        <translation>Strom %1 A %2 abgeminderte Last %3 A</translation>
    </message>
    <message>
        <source>Fixtures %1 %2 supply max %3</source>
        <translation>Leuchten %1 %2 Netzteil max. %3</translation>
    </message>
    <message>
        <source>Electrical length %1 ft %2 supply max %3 ft</source>
        <translation>Elektrische Länge %1 ft %2 Netzteil max. %3 ft</translation>
    </message>
    <message>
        <source>Voltage drop %1 V %2 max %3 V</source>
        <translation>Spannungsabfall %1 V %2 max. %3 V</translation>
    </message>
    <message>
        <source>Voltage at the far end %1 V %2 min %3 V</source>
        <translation>Spannung am Ende %1 V %2 min. %3 V</translation>
    </message>
    <message>
        <source>Power %1 W %2 max %3 W</source>
        <translation>Leistung %1 W %2 max. %3 W</translation>
    </message>
    <message>
        <source>Current %1 A %2 fixture max %3 A</source>
        <translation>Strom %1 A %2 Leuchte max. %3 A</translation>
    </message>
    <message>
        <source>Fixture length %1 ft %2 max %3 ft</source>
        <translation>Leuchtenlänge %1 ft %2 max. %3 ft</translation>
    </message>
    <message>
        <source>No fixture selected</source>
        <translation>Keine Leuchte ausgewählt</translation>
    </message>
    <message>
        <source>No supply selected for this fixture</source>
        <translation>Kein Netzteil für diese Leuchte ausgewählt</translation>
    </message>
    <message>
        <source>No leader cable or gauge selected</source>
        <translation>Keine Zuleitung oder kein Querschnitt ausgewählt</translation>
    </message>
    <message>
        <source>A figure is not a finite number (a power factor or voltage of 0?)</source>
        <translation>Ein Wert ist keine endliche Zahl (Leistungsfaktor oder Spannung 0?)</translation>
    </message>
    <message>
        <source>Voltage drop %1 % of %2 V %3 max %4 %</source>
        <translation>Spannungsabfall %1 % von %2 V %3 max. %4 %</translation>
    </message>
    <message>
        <source>Length = %1 Power = %2 Current = %3 VDrop = %4</source>
        <translation>Länge = %1 Leistung = %2 Strom = %3 Spannungsabfall = %4</translation>
    </message>
    <message>
        <source>Fixture combo mismatch (TS Fixture)!</source>
        <translation>Leuchtenauswahl stimmt nicht überein (TS-Leuchte)!</translation>
    </message>
    <message>
        <source>Fixture combo mismatch (Flex)!</source>
        <translation>Leuchtenauswahl stimmt nicht überein (Flex)!</translation>
    </message>
    <message>
        <source>Fixture combo mismatch (OB)!</source>
        <translation>Leuchtenauswahl stimmt nicht überein (OB)!</translation>
    </message>
    <message>
        <source>Project Files (*.xml);;All Files (*.* *)</source>
        <translation>Projektdateien (*.xml);;Alle Dateien (*.* *)</translation>
    </message>
    <message>
        <source>&quot; already exists. Do you want to replace it?</source>
        <translation>&quot; ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>A file or folder with the same name already exists in the folder </source>
        <translation>Eine Datei oder ein Ordner mit diesem Namen ist bereits vorhanden im Ordner </translation>
    </message>
    <message>
        <source>. Replacing it will overwrite its current contents.</source>
        <translation>. Beim Ersetzen wird der bisherige Inhalt überschrieben.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Konfiguration öffnen</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Do you want to save the changes you made to the configuration &apos;%1&apos;?</source>
        <translation>Möchten Sie die Änderungen an der Konfiguration „%1“ speichern?</translation>
    </message>
    <message>
        <source>The data could not be written completely</source>
        <translation>Die Daten konnten nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>elements are nested more than %1 levels deep.</source>
        <translation>Elemente sind tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>It holds more than %1 elements.</source>
        <translation>Sie enthält mehr als %1 Elemente.</translation>
    </message>
    <message>
        <source>Its root element is &quot;%1&quot;, not &quot;Wattlan&quot;.</source>
        <translation>Ihr Wurzelelement ist &quot;%1&quot;, nicht &quot;Wattlan&quot;.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>Sie ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>Cannot open file %1:
%2.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden:
%2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>Failed to save configuration: %1</source>
        <translation>Konfiguration konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Konfiguration gespeichert</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>Failed to open configuration %1</source>
        <translation>Konfiguration %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <source>%1 is not a Wattlan configuration.
%2</source>
        <translation>%1 ist keine Wattlan-Konfiguration.
%2</translation>
    </message>
    <message>
        <source>The jumper before fixture %1 has no cable type or gauge</source>
        <translation>Dem Verbindungskabel vor Leuchte %1 fehlt Kabeltyp oder Querschnitt</translation>
    </message>
    <message>
        <source>%1 jumpers have no cable type or gauge, the first before fixture %2</source>
        <translation>%1 Verbindungskabeln fehlt Kabeltyp oder Querschnitt, dem ersten vor Leuchte %2</translation>
    </message>
    <message>
        <source>Power %1 W %2 port max %3 W</source>
        <translation>Leistung %1 W %2 Ausgang max. %3 W</translation>
    </message>
    <message>
        <source>Fixture %1: %2 V at its input, %3 V (%4 %) below the supply</source>
        <translation>Leuchte %1: %2 V am Eingang, %3 V (%4 %) unter der Versorgung</translation>
    </message>
    <message>
        <source> — below the minimum %1 V</source>
        <translation> — unter dem Minimum %1 V</translation>
    </message>
    <message>
        <source>Jumper: no cable type or gauge</source>
        <translation>Verbindungskabel: kein Kabeltyp oder Querschnitt</translation>
    </message>
    <message>
        <source>Jumper: %1 ft, %2 Ω, %3 V drop</source>
        <translation>Verbindungskabel: %1 ft, %2 Ω, %3 V Abfall</translation>
    </message>
    <message>
        <source>No next fixture: the run holds %1, the most it may</source>
        <translation>Keine weitere Leuchte: der Strang hat bereits die Höchstzahl von %1</translation>
    </message>
    <message>
        <source>Next fixture (%1): within every limit</source>
        <translation>Nächste Leuchte (%1): innerhalb aller Grenzen</translation>
    </message>
    <message>
        <source>Next fixture (%1): %2</source>
        <translation>Nächste Leuchte (%1): %2</translation>
    </message>
    <message>
        <source>%1[*] – %2</source>
        <translation>%1[*] – %2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Create a new configuration of the Zelvane tab (project files do not keep this tab)</source>
        <translation>Neue Konfiguration der Registerkarte Zelvane anlegen (Projektdateien enthalten diese Registerkarte nicht)</translation>
    </message>
    <message>
        <source>Open a configuration into the Zelvane tab, checking for unsaved changes (project files do not keep this tab)</source>
        <translation>Konfiguration in die Registerkarte Zelvane öffnen, nach ungespeicherten Änderungen fragen (Projektdateien enthalten diese Registerkarte nicht)</translation>
    </message>
    <message>
        <source>Save the configuration of the Zelvane tab (project files do not keep this tab)</source>
        <translation>Konfiguration der Registerkarte Zelvane speichern (Projektdateien enthalten diese Registerkarte nicht)</translation>
    </message>
    <message>
        <source>Save the configuration of the Zelvane tab to a new file (project files do not keep this tab)</source>
        <translation>Konfiguration der Registerkarte Zelvane unter neuem Dateinamen speichern (Projektdateien enthalten diese Registerkarte nicht)</translation>
    </message>
    <message>
        <source>Export Run Sheet…</source>
        <translation>Strangblatt exportieren…</translation>
    </message>
    <message>
        <source>Write the run sheet of the Zelvane tab to a PDF file</source>
        <translation>Strangblatt der Registerkarte Zelvane in eine PDF-Datei schreiben</translation>
    </message>
    <message>
        <source>Print the run sheet of the Zelvane tab</source>
        <translation>Strangblatt der Registerkarte Zelvane drucken</translation>
    </message>
    <message>
        <source>Export Run Sheet</source>
        <translation>Strangblatt exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*.* *)</source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*.* *)</translation>
    </message>
    <message>
        <source>The sheet could not be drawn</source>
        <translation>Das Blatt konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation>Fehler beim Exportieren</translation>
    </message>
    <message>
        <source>Cannot write the run sheet to %1:
%2.</source>
        <translation>Das Strangblatt kann nicht in %1 geschrieben werden:
%2.</translation>
    </message>
    <message>
        <source>Failed to export the run sheet: %1</source>
        <translation>Strangblatt konnte nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>Run sheet exported to %1</source>
        <translation>Strangblatt exportiert nach %1</translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation>Fehler beim Drucken</translation>
    </message>
    <message>
        <source>Cannot print the run sheet on %1.</source>
        <translation>Das Strangblatt kann nicht auf %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>Failed to print the run sheet</source>
        <translation>Strangblatt konnte nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Run sheet printed</source>
        <translation>Strangblatt gedruckt</translation>
    </message>
    <message>
        <source>Cannot print pages %1 of the run sheet on %2.</source>
        <translation>Die Seiten %1 des Strangblatts können nicht auf %2 gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>WattlanClass</name>
    <message>
        <source>Orvane Wattlan</source>
        <translation>Orvane Wattlan</translation>
    </message>
    <message>
        <source>Zelvane</source>
        <translation>Zelvane</translation>
    </message>
    <message>
        <source>Fixture:</source>
        <translation>Leuchte:</translation>
    </message>
    <message>
        <source>Quellor:</source>
        <translation>Quellor:</translation>
    </message>
    <message>
        <source>Line Voltage:</source>
        <translation>Netzspannung:</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>120</source>
        <translation>120</translation>
    </message>
    <message>
        <source>208</source>
        <translation>208</translation>
    </message>
    <message>
        <source>220</source>
        <translation>220</translation>
    </message>
    <message>
        <source>240</source>
        <translation>240</translation>
    </message>
    <message>
        <source>277</source>
        <translation>277</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>VAC</source>
        <translation>V AC</translation>
    </message>
    <message>
        <source>Max Circuit Load:</source>
        <translation>Absicherung:</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>Amps</source>
        <translation>A</translation>
    </message>
    <message>
        <source>(derated to xx amps)</source>
        <translation>(abgemindert auf xx A)</translation>
    </message>
    <message>
        <source>Leader Type:</source>
        <translation>Zuleitung:</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>Querschnitt</translation>
    </message>
    <message>
        <source>Leader Length:</source>
        <translation>Zuleitungslänge:</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Add Fixture</source>
        <translation>Leuchte anfügen</translation>
    </message>
    <message>
        <source>Add Jumper</source>
        <translation>Verbindungskabel anfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Total Power:</source>
        <translation>Gesamtleistung:</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>amps</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>Total Fixtures: 1</source>
        <translation>Leuchten gesamt: 1</translation>
    </message>
    <message>
        <source>Flex String</source>
        <translation>Flex-String</translation>
    </message>
    <message>
        <source>String</source>
        <translation>String</translation>
    </message>
    <message>
        <source>Power Supply</source>
        <translation>Netzteil</translation>
    </message>
    <message>
        <source>Standard Leader</source>
        <translation>Standardzuleitung</translation>
    </message>
    <message>
        <source>Custom Leader</source>
        <translation>Eigene Zuleitung</translation>
    </message>
    <message>
        <source>AWG</source>
        <translation>AWG</translation>
    </message>
    <message>
        <source>Node Spacing</source>
        <translation>Knotenabstand</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Leader Length</source>
        <translation>Zuleitungslänge</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Number Nodes</source>
        <translation>Anzahl Knoten</translation>
    </message>
    <message>
        <source>Tessan Fixture</source>
        <translation>Tessan-Leuchte</translation>
    </message>
    <message>
        <source>Power Supply:</source>
        <translation>Netzteil:</translation>
    </message>
    <message>
        <source>Gauge:</source>
        <translation>Querschnitt:</translation>
    </message>
    <message>
        <source>Ombrel</source>
        <translation>Ombrel</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Leuchte</translation>
    </message>
    <message>
        <source>Leader Type</source>
        <translation>Zuleitung</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Anwendung beenden</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create a new configuration</source>
        <translation>Neue Konfiguration anlegen</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Open an existing configuration</source>
        <translation>Vorhandene Konfiguration öffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save the configuration to a new file</source>
        <translation>Konfiguration in einer neuen Datei speichern</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>YmFixture</name>
    <message>
        <source>Error parsing &quot;Valid Supply&quot; item for fixture %1.
Supply %2 not defined.</source>
        <translation>Fehler beim Lesen des Eintrags &quot;Valid Supply&quot; der Leuchte %1.
Netzteil %2 ist nicht definiert.</translation>
    </message>
</context>
<context>
    <name>YmItem</name>
    <message>
        <source>Error parsing &quot;%1&quot; field for %2</source>
        <translation>Fehler beim Lesen des Feldes &quot;%1&quot; von %2</translation>
    </message>
    <message>
        <source>Error in database file:
CustomWire element with no Name</source>
        <translation>Fehler in der Datenbankdatei:
CustomWire-Element ohne Name</translation>
    </message>
    <message>
        <source>Error in database file:
Jumper/Leader element with no Name</source>
        <translation>Fehler in der Datenbankdatei:
Jumper/Leader-Element ohne Name</translation>
    </message>
</context>
<context>
    <name>ZVFixture</name>
    <message>
        <source>Error parsing %1
MaxVoltageDrop, MinVoltage, and VoltageDropPercent are zero</source>
        <translation>Fehler beim Lesen von %1
MaxVoltageDrop, MinVoltage und VoltageDropPercent sind null</translation>
    </message>
</context>
<context>
    <name>ZVPowerSupply</name>
    <message>
        <source>Error parsing %1
MaxElectricalLength and MaxNumFixtures are both zero</source>
        <translation>Fehler beim Lesen von %1
MaxElectricalLength und MaxNumFixtures sind beide null</translation>
    </message>
</context>
</TS>
