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
    <name>CatalogueCheck</name>
    <message>
        <source>0, no limit</source>
        <translation>0, keine Grenze</translation>
    </message>
    <message>
        <source>no run keeps within a limit below zero: every run is invalid</source>
        <translation>kein Strang hält eine Grenze unter null ein: jeder Strang ist ungültig</translation>
    </message>
    <message>
        <source>the calculation takes it as written: the voltage drop falls as the run grows</source>
        <translation>die Berechnung nimmt ihn wie angegeben: der Spannungsabfall sinkt, je länger der Strang wird</translation>
    </message>
    <message>
        <source>the calculation takes it as written: the run grows shorter as fixtures are added</source>
        <translation>die Berechnung nimmt sie wie angegeben: der Strang wird mit jeder Leuchte kürzer</translation>
    </message>
    <message>
        <source>a maximum below 1 is read as 999: the leader length box offers up to 999 ft</source>
        <translation>ein Maximum unter 1 wird als 999 gelesen: das Feld der Zuleitungslänge bietet bis 999 ft</translation>
    </message>
    <message>
        <source>its Name</source>
        <translation>sein Name</translation>
    </message>
    <message>
        <source>0, no family</source>
        <translation>0, keine Familie</translation>
    </message>
    <message>
        <source>0: the fixture stays enabled</source>
        <translation>0: die Leuchte bleibt aktiviert</translation>
    </message>
    <message>
        <source>every current and drop is divided by it: with 0 none of them is a finite number (&quot;Current inf A&quot;) and no run is valid; below 0 they come out negative</source>
        <translation>jeder Strom und Spannungsabfall wird durch ihn geteilt: mit 0 ist keiner davon eine endliche Zahl (&quot;Current inf A&quot;) und kein Strang gültig; unter 0 werden sie negativ</translation>
    </message>
    <message>
        <source>a fixture that draws no power (or gives it back) adds no current and no drop: its runs grow until another limit or the bound stops them</source>
        <translation>eine Leuchte ohne Leistungsaufnahme (oder mit Rückspeisung) fügt weder Strom noch Spannungsabfall hinzu: ihre Stränge wachsen, bis eine andere Grenze oder die Höchstzahl sie aufhält</translation>
    </message>
    <message>
        <source>every drop is multiplied by it: its runs show no voltage drop (or a negative one)</source>
        <translation>jeder Spannungsabfall wird mit ihm multipliziert: ihre Stränge zeigen keinen (oder einen negativen) Spannungsabfall</translation>
    </message>
    <message>
        <source>every run keeps above a minimum below zero: it limits nothing</source>
        <translation>jeder Strang bleibt über einem Minimum unter null: es begrenzt nichts</translation>
    </message>
    <message>
        <source>0, no jumpers required</source>
        <translation>0, keine Verbindungskabel nötig</translation>
    </message>
    <message>
        <source>the power is the current times this voltage: the port&apos;s limit is never reached</source>
        <translation>die Leistung ist der Strom mal diese Spannung: die Grenze des Anschlusses wird nie erreicht</translation>
    </message>
    <message>
        <source>a fixture that draws no current adds no power and no drop: its runs grow until the bound stops them</source>
        <translation>eine Leuchte ohne Stromaufnahme fügt weder Leistung noch Spannungsabfall hinzu: ihre Stränge wachsen bis zur Höchstzahl</translation>
    </message>
    <message>
        <source>the string&apos;s current is its power divided by this voltage: with 0 it cannot be calculated</source>
        <translation>der Strom des Strings ist seine Leistung geteilt durch diese Spannung: mit 0 kann er nicht berechnet werden</translation>
    </message>
    <message>
        <source>every string keeps above a minimum below zero: it limits nothing</source>
        <translation>jeder String bleibt über einem Minimum unter null: es begrenzt nichts</translation>
    </message>
    <message>
        <source>a string that draws no current has no drop: any number of nodes and any leader keep within its budget</source>
        <translation>ein String ohne Stromaufnahme hat keinen Spannungsabfall: jede Zahl von Knoten und jede Zuleitung bleibt in seinem Spielraum</translation>
    </message>
    <message>
        <source>a limit below zero sets no limit</source>
        <translation>eine Grenze unter null setzt keine Grenze</translation>
    </message>
    <message>
        <source>0, the first wire</source>
        <translation>0, der erste Querschnitt</translation>
    </message>
    <message>
        <source>the leader length box starts at 1 ft at the least</source>
        <translation>das Feld der Zuleitungslänge beginnt bei mindestens 1 ft</translation>
    </message>
    <message>
        <source>Zelvane supply</source>
        <translation>Zelvane-Netzteil</translation>
    </message>
    <message>
        <source>Ombrel supply</source>
        <translation>Ombrel-Netzteil</translation>
    </message>
    <message>
        <source>Tessan supply</source>
        <translation>Tessan-Netzteil</translation>
    </message>
    <message>
        <source>Zelvane fixture</source>
        <translation>Zelvane-Leuchte</translation>
    </message>
    <message>
        <source>Ombrel fixture</source>
        <translation>Ombrel-Leuchte</translation>
    </message>
    <message>
        <source>Tessan fixture</source>
        <translation>Tessan-Leuchte</translation>
    </message>
    <message>
        <source>flex string</source>
        <translation>Flex-String</translation>
    </message>
    <message>
        <source>a project file can only name the first</source>
        <translation>eine Projektdatei kann nur den ersten Eintrag nennen</translation>
    </message>
    <message>
        <source>which is not a whole number</source>
        <translation>was keine ganze Zahl ist</translation>
    </message>
    <message>
        <source>which is not a number</source>
        <translation>was keine Zahl ist</translation>
    </message>
    <message>
        <source>&quot;Disable&quot; of %1 reads &quot;%2&quot;, %3: the fixture stays enabled (write 1 to disable it)</source>
        <translation>&quot;Disable&quot; von %1 lautet &quot;%2&quot;, %3: die Leuchte bleibt aktiviert (1 schreiben, um sie zu deaktivieren)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 reads &quot;%3&quot;, %4: it is taken as %5</source>
        <translation>&quot;%1&quot; von %2 lautet &quot;%3&quot;, %4: es gilt als %5</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 is negative (%3): %4</source>
        <translation>&quot;%1&quot; von %2 ist negativ (%3): %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 is %3: %4</source>
        <translation>&quot;%1&quot; von %2 ist %3: %4</translation>
    </message>
    <message>
        <source>&quot;Disable&quot; of %1 has no effect: only a fixture can be disabled</source>
        <translation>&quot;Disable&quot; von %1 wirkt nicht: nur eine Leuchte lässt sich deaktivieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an element the program reads in a %2: %3</source>
        <translation>&quot;%1&quot; ist kein Element, das das Programm hier liest (%2): %3</translation>
    </message>
    <message>
        <source>it is ignored</source>
        <translation>es wird übergangen</translation>
    </message>
    <message>
        <source>did you mean &quot;%1&quot;?</source>
        <translation>war &quot;%1&quot; gemeint?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 is read but not used: %3</source>
        <translation>&quot;%1&quot; von %2 wird gelesen, aber nicht verwendet: %3</translation>
    </message>
    <message>
        <source>%1 is listed twice (first at %2:%3): %4</source>
        <translation>%1 steht zweimal in der Liste (zuerst bei %2:%3): %4</translation>
    </message>
    <message>
        <source>a fixture&apos;s valid supply always finds the first</source>
        <translation>das gültige Netzteil einer Leuchte findet immer das erste</translation>
    </message>
    <message>
        <source>leader %1 of %2</source>
        <translation>Zuleitung %1 von %2</translation>
    </message>
    <message>
        <source>jumper %1 of %2</source>
        <translation>Verbindungskabel %1 von %2</translation>
    </message>
    <message>
        <source>leader &quot;%1&quot; of %2</source>
        <translation>Zuleitung &quot;%1&quot; von %2</translation>
    </message>
    <message>
        <source>jumper &quot;%1&quot; of %2</source>
        <translation>Verbindungskabel &quot;%1&quot; von %2</translation>
    </message>
    <message>
        <source>standard jumper</source>
        <translation>Standard-Verbindungskabel</translation>
    </message>
    <message>
        <source>user-sized jumper</source>
        <translation>konfektionierbares Verbindungskabel</translation>
    </message>
    <message>
        <source>standard leader</source>
        <translation>Standard-Zuleitung</translation>
    </message>
    <message>
        <source>user-sized leader</source>
        <translation>konfektionierbare Zuleitung</translation>
    </message>
    <message>
        <source>the window starts a user-sized jumper at 1 ft</source>
        <translation>das Fenster beginnt ein konfektionierbares Verbindungskabel mit 1 ft</translation>
    </message>
    <message>
        <source>the Tessan tab starts a user-sized leader at 1 ft</source>
        <translation>die Tessan-Registerkarte beginnt eine konfektionierbare Zuleitung mit 1 ft</translation>
    </message>
    <message>
        <source>a leader is never repeated</source>
        <translation>eine Zuleitung wiederholt sich nie</translation>
    </message>
    <message>
        <source>the Zelvane tab never puts two jumpers in a row</source>
        <translation>die Zelvane-Registerkarte setzt nie zwei Verbindungskabel hintereinander</translation>
    </message>
    <message>
        <source>only a leader has a length box</source>
        <translation>nur eine Zuleitung hat ein Längenfeld</translation>
    </message>
    <message>
        <source>wire %1 of %2</source>
        <translation>Querschnitt %1 von %2</translation>
    </message>
    <message>
        <source>wire &quot;%1&quot; of %2</source>
        <translation>Querschnitt &quot;%1&quot; von %2</translation>
    </message>
    <message>
        <source>wire</source>
        <translation>Querschnitt</translation>
    </message>
    <message>
        <source>%1 has an empty CustomWireList: with no gauge to choose it cannot be calculated</source>
        <translation>%1 hat eine leere CustomWireList: ohne wählbaren Querschnitt kann sie nicht berechnet werden</translation>
    </message>
    <message>
        <source>%1 names supply &quot;%2&quot; twice in one ValidSupplyList: the window offers it twice</source>
        <translation>%1 nennt das Netzteil &quot;%2&quot; zweimal in einer ValidSupplyList: das Fenster bietet es zweimal an</translation>
    </message>
    <message>
        <source>Zelvane supply %1 limits only the electrical length, which %2 of family 1 does not use (family 1 counts fixtures): it limits nothing on its runs</source>
        <translation>Zelvane-Netzteil %1 begrenzt nur die elektrische Länge, die %2 der Familie 1 nicht verwendet (Familie 1 zählt Leuchten): es begrenzt ihre Stränge nicht</translation>
    </message>
    <message>
        <source>Zelvane supply %1 limits only the number of fixtures, which %2 does not use (only family 1 counts fixtures): it limits nothing on its runs</source>
        <translation>Zelvane-Netzteil %1 begrenzt nur die Zahl der Leuchten, die %2 nicht verwendet (nur Familie 1 zählt Leuchten): es begrenzt ihre Stränge nicht</translation>
    </message>
    <message>
        <source>%1 has no valid supply: it cannot be calculated</source>
        <translation>%1 hat kein gültiges Netzteil: sie kann nicht berechnet werden</translation>
    </message>
    <message>
        <source>%1 has no leader: it cannot be calculated</source>
        <translation>%1 hat keine Zuleitung: sie kann nicht berechnet werden</translation>
    </message>
    <message>
        <source>%1 requires jumpers but lists none: no jumper of its run can be calculated</source>
        <translation>%1 verlangt Verbindungskabel, nennt aber keines: kein Verbindungskabel ihres Strangs kann berechnet werden</translation>
    </message>
    <message>
        <source>%1 requires jumpers but its default jumper %2 has no wires: no run of more than one fixture can be calculated</source>
        <translation>%1 verlangt Verbindungskabel, aber ihr Standard-Verbindungskabel %2 hat keine Querschnitte: kein Strang aus mehr als einer Leuchte kann berechnet werden</translation>
    </message>
    <message>
        <source>%1 is named by no fixture</source>
        <translation>%1 wird von keiner Leuchte genannt</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>wattlan-cli: note: the window offers line voltages of %1 to %2 V and circuits of %3 to %4 A; the rows beyond them are computed all the same
</source>
        <translation>wattlan-cli: Hinweis: das Fenster bietet Netzspannungen von %1 bis %2 V und Stromkreise von %3 bis %4 A; die Zeilen darüber hinaus werden trotzdem berechnet
</translation>
    </message>
    <message>
        <source>wattlan-cli: the catalogue in %1 cannot be loaded (wattlan-cli check says why)
</source>
        <translation>wattlan-cli: der Katalog in %1 kann nicht geladen werden (wattlan-cli check sagt, warum)
</translation>
    </message>
    <message>
        <source>wattlan-cli: warning: the catalogue has %1 problem(s) the window would report (see wattlan-cli check)
</source>
        <translation>wattlan-cli: Warnung: der Katalog hat %1 Problem(e), die das Fenster melden würde (siehe wattlan-cli check)
</translation>
    </message>
    <message>
        <source>wattlan-cli: %1: refused: %2
</source>
        <translation>wattlan-cli: %1: abgelehnt: %2
</translation>
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
    <name>MaxRuns</name>
    <message>
        <source>one fixture already: %1</source>
        <translation>schon eine Leuchte: %1</translation>
    </message>
    <message>
        <source>cannot be calculated: %1 V less the %2 V safety margin leaves no voltage for the fixtures</source>
        <translation>nicht berechenbar: %1 V abzüglich %2 V Sicherheitsabstand lassen den Leuchten keine Spannung</translation>
    </message>
    <message>
        <source>cannot be calculated: the string&apos;s Voltage is 0</source>
        <translation>nicht berechenbar: die Voltage des Strings ist 0</translation>
    </message>
    <message>
        <source>cannot be calculated: the string&apos;s figures give no number</source>
        <translation>nicht berechenbar: die Werte des Strings ergeben keine Zahl</translation>
    </message>
    <message>
        <source>the bound of %1 nodes</source>
        <translation>die Höchstzahl von %1 Knoten</translation>
    </message>
    <message>
        <source>voltage or port power at %1 nodes (the window shows at most 99)</source>
        <translation>Spannung oder Anschlussleistung bei %1 Knoten (das Fenster zeigt höchstens 99)</translation>
    </message>
    <message>
        <source>no limit: the leader drops no voltage</source>
        <translation>keine Grenze: an der Zuleitung fällt keine Spannung ab</translation>
    </message>
    <message>
        <source>voltage budget, without any leader</source>
        <translation>Spannungsspielraum, schon ohne Zuleitung</translation>
    </message>
    <message>
        <source>voltage budget (the window shows at most 99 ft)</source>
        <translation>Spannungsspielraum (das Fenster zeigt höchstens 99 ft)</translation>
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
