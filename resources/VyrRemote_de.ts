<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Softwareversion:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Remote control software for
Ethernet tester %1.</source>
        <translation>Fernsteuerungssoftware für
Ethernet-Tester %1.</translation>
    </message>
    <message>
        <source>Firmware update software for
Ethernet tester %1.</source>
        <translation>Firmware-Aktualisierung für
Ethernet-Tester %1.</translation>
    </message>
</context>
<context>
    <name>AsymTrafficForm</name>
    <message>
        <source>Asymetrical traffic test (Port A)</source>
        <translation>Asymmetrischer Traffic-Test (Port A)</translation>
    </message>
    <message>
        <source>Output stream settings</source>
        <translation>Ausgangsstrom</translation>
    </message>
    <message>
        <source>Input stream settings</source>
        <translation>Eingangsstrom</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Learning Interval, ms</source>
        <translation>Lernintervall, ms</translation>
    </message>
    <message>
        <source>Wait Interval, ms</source>
        <translation>Warteintervall, ms</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Estimate time</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Input stream statistics</source>
        <translation>Statistik Eingangsstrom</translation>
    </message>
    <message>
        <source>Output stream statistics</source>
        <translation>Statistik Ausgangsstrom</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Start A-&gt;A</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Port A</source>
        <translation>Port A</translation>
    </message>
    <message>
        <source>Port B</source>
        <translation>Port B</translation>
    </message>
    <message>
        <source>Start A-&gt;R</source>
        <translation>Start A-&gt;R</translation>
    </message>
    <message>
        <source>Start B-&gt;R</source>
        <translation>Start B-&gt;R</translation>
    </message>
</context>
<context>
    <name>AuthenticationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>Can not start the test</source>
        <translation>Der Test kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>No Sync</source>
        <translation>Keine Sync.</translation>
    </message>
    <message>
        <source>No Tx</source>
        <translation>Kein Senden</translation>
    </message>
    <message>
        <source>No Rx</source>
        <translation>Kein Empfang</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>RxTx</source>
        <translation>RxTx</translation>
    </message>
    <message>
        <source>Loss exceeded</source>
        <translation>Verlust überschritten</translation>
    </message>
    <message>
        <source>Remote device error</source>
        <translation>Fehler des Gegengeräts</translation>
    </message>
    <message>
        <source>Incompatible fw version</source>
        <translation>Inkompatible Firmwareversion</translation>
    </message>
    <message>
        <source>Unknown status</source>
        <translation>Unbekannter Zustand</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Routing problem</source>
        <translation>Routingproblem</translation>
    </message>
    <message>
        <source>Stream #</source>
        <translation>Datenstrom Nr. </translation>
    </message>
    <message>
        <source>Wrong rate settings.
Couldn&apos;t run with
rate &gt; 100%</source>
        <translation>Falsche Rate.
Start mit
Rate &gt; 100% nicht möglich</translation>
    </message>
    <message>
        <source>No active streams</source>
        <translation>Keine aktiven Datenströme</translation>
    </message>
    <message>
        <source>Active VLAN</source>
        <translation>VLAN aktiv</translation>
    </message>
    <message>
        <source>Active MPLS</source>
        <translation>MPLS aktiv</translation>
    </message>
    <message>
        <source>Set packet length</source>
        <translation>Paketlänge einstellen</translation>
    </message>
    <message>
        <source>b</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Test is not chosen</source>
        <translation>Kein Test gewählt</translation>
    </message>
    <message>
        <source>The test already run</source>
        <translation>Der Test läuft bereits</translation>
    </message>
    <message>
        <source>Too many addresses. The greatest possible quantity is</source>
        <translation>Zu viele Adressen. Die größtmögliche Anzahl ist</translation>
    </message>
    <message>
        <source>Not chosen any frame length</source>
        <translation>Keine Rahmenlänge gewählt</translation>
    </message>
    <message>
        <source>User rate settings not setted for latency test</source>
        <translation>Benutzerrate für den Latenztest nicht eingestellt</translation>
    </message>
    <message>
        <source>Signal sources are not chosen</source>
        <translation>Keine Signalquellen gewählt</translation>
    </message>
    <message>
        <source>PTP server is not chosen</source>
        <translation>Kein PTP-Server gewählt</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>FTransferForm</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Bildschirmfoto</translation>
    </message>
</context>
<context>
    <name>FileNameDialog</name>
    <message>
        <source>Enter file name</source>
        <translation>Dateinamen eingeben</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
</context>
<context>
    <name>HeaderWidget</name>
    <message>
        <source>Header</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Header level 2</source>
        <translation>Header Ebene 2</translation>
    </message>
    <message>
        <source>ARP enable</source>
        <translation>ARP aktivieren</translation>
    </message>
    <message>
        <source>Destination MAC</source>
        <translation>Ziel-MAC</translation>
    </message>
    <message>
        <source>Header level 3</source>
        <translation>Header Ebene 3</translation>
    </message>
    <message>
        <source>Auto IP destination</source>
        <translation>Auto-IP-Ziel</translation>
    </message>
    <message>
        <source>IP destination</source>
        <translation>IP-Ziel</translation>
    </message>
    <message>
        <source>IP source</source>
        <translation>IP-Quelle</translation>
    </message>
    <message>
        <source>ToS</source>
        <translation>ToS</translation>
    </message>
    <message>
        <source>DSCP</source>
        <translation>DSCP</translation>
    </message>
    <message>
        <source>Header level 4</source>
        <translation>Header Ebene 4</translation>
    </message>
    <message>
        <source>UDP destination</source>
        <translation>UDP-Ziel</translation>
    </message>
    <message>
        <source>UDP source</source>
        <translation>UDP-Quelle</translation>
    </message>
</context>
<context>
    <name>JitterForm</name>
    <message>
        <source>Jitter test (Port A)</source>
        <translation>Jitter-Test (Port A)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Rate units</source>
        <translation>Rateneinheit</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Packet length, b</source>
        <translation>Paketlänge, B</translation>
    </message>
    <message>
        <source>Duration, s</source>
        <translation>Dauer, s</translation>
    </message>
    <message>
        <source>Threshold, s</source>
        <translation>Schwelle, s</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Test time</source>
        <translation>Testzeit</translation>
    </message>
    <message>
        <source>Passed time</source>
        <translation>Vergangene Zeit</translation>
    </message>
    <message>
        <source>Rx Frames</source>
        <translation>Rx-Frames</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>In order</source>
        <translation>In Reihenfolge</translation>
    </message>
    <message>
        <source>Not in order</source>
        <translation>Nicht in Reihenfolge</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Verteilung</translation>
    </message>
    <message>
        <source>Jitter, ms</source>
        <translation>Jitter, ms</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Start A-&gt;A</translation>
    </message>
    <message>
        <source>Start A-&gt;B</source>
        <translation>Start A-&gt;B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Serial Connection</source>
        <translation>Serielle Verbindung</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Ethernet Connection</source>
        <translation>Ethernet-Verbindung</translation>
    </message>
    <message>
        <source>Port A</source>
        <translation>Port A</translation>
    </message>
    <message>
        <source>Port B</source>
        <translation>Port B</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Process A</source>
        <translation>Prozess A</translation>
    </message>
    <message>
        <source>Process B</source>
        <translation>Prozess B</translation>
    </message>
    <message>
        <source>Traffic
test</source>
        <translation>Verkehrs-
test</translation>
    </message>
    <message>
        <source>Multistream</source>
        <translation>Mehrere
Ströme</translation>
    </message>
    <message>
        <source>Packet
Jitter</source>
        <translation>Paket-
Jitter</translation>
    </message>
    <message>
        <source>TCP/IP Tests</source>
        <translation>TCP/IP-Tests</translation>
    </message>
    <message>
        <source>Cable
Diagnostics</source>
        <translation>Kabel-
diagnose</translation>
    </message>
    <message>
        <source>Optical
test</source>
        <translation>Optischer
Test</translation>
    </message>
    <message>
        <source>BER Test</source>
        <translation>BER-Test</translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Synchroni-
sation</translation>
    </message>
    <message>
        <source>Thru</source>
        <translation>Durchgang</translation>
    </message>
    <message>
        <source>Loopback</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>File transfer</source>
        <translation>Datei-
übertragung</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Device 
settings</source>
        <translation>Geräte-
einstellungen</translation>
    </message>
    <message>
        <source>Interface
settings</source>
        <translation>Schnittstellen-
einstellungen</translation>
    </message>
    <message>
        <source>%1 Remote Control</source>
        <translation>%1 Fernsteuerung</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is not a valid IP address.
Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>Die Adresse „%1“ ist keine gültige IP-Adresse.
Geben Sie vier Zahlen von 0 bis 255 ein, durch Punkte getrennt.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Compiled for %1 release version %2</source>
        <translation>Erstellt für %1 Release-Version %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>File not for loading.</source>
        <translation>Diese Datei kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Can not save the file.</source>
        <translation>Die Datei kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The memory is full.</source>
        <translation>Der Speicher ist voll.</translation>
    </message>
    <message>
        <source>File already exists.</source>
        <translation>Die Datei existiert bereits.</translation>
    </message>
    <message>
        <source>Test start error</source>
        <translation>Fehler beim Teststart</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>bps</source>
        <translation>bit/s</translation>
    </message>
    <message>
        <source>Kbps</source>
        <translation>kbit/s</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>MultiForm</name>
    <message>
        <source>Multistream test (Port A)</source>
        <translation>Multistream-Test (Port A)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Stream #</source>
        <translation>Strom Nr. </translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Rate units</source>
        <translation>Rateneinheit</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Packet length, b</source>
        <translation>Paketlänge, B</translation>
    </message>
    <message>
        <source>Study, ms</source>
        <translation>Lernphase, ms</translation>
    </message>
    <message>
        <source>Interval, ms</source>
        <translation>Intervall, ms</translation>
    </message>
    <message>
        <source>Duration, s</source>
        <translation>Dauer, s</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Estimate time</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Tx frames</source>
        <translation>Tx-Frames</translation>
    </message>
    <message>
        <source>Rx frames</source>
        <translation>Rx-Frames</translation>
    </message>
    <message>
        <source>Tx bytes</source>
        <translation>Tx-Bytes</translation>
    </message>
    <message>
        <source>Loss frames</source>
        <translation>Verlorene Frames</translation>
    </message>
    <message>
        <source>Latency</source>
        <translation>Latenz</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Coef</source>
        <translation>Koeff.</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Start A-&gt;A</translation>
    </message>
    <message>
        <source>Start A-&gt;B</source>
        <translation>Start A-&gt;B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Kbps</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>bps</source>
        <translation>bit/s</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>ns</source>
        <translation>ns</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>us</source>
        <translation>µs</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Data base does not open!
Program is now closed.</source>
        <translation>Die Datenbank lässt sich nicht öffnen!
Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>No source</source>
        <translation>Keine Quelle</translation>
    </message>
    <message>
        <source>CJSC</source>
        <translation>AG</translation>
    </message>
    <message>
        <source>RP Enterprise Halvorsk</source>
        <translation>FP Unternehmen Halvorsk</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>cpu updated %1 %</source>
        <translation>CPU zu %1 % aktualisiert</translation>
    </message>
    <message>
        <source>fpga updated %1 %</source>
        <translation>FPGA zu %1 % aktualisiert</translation>
    </message>
    <message>
        <source>cpu update failed</source>
        <translation>CPU-Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>cpu update complete</source>
        <translation>CPU-Aktualisierung abgeschlossen</translation>
    </message>
    <message>
        <source>fpga update failed</source>
        <translation>FPGA-Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>fpga update complete</source>
        <translation>FPGA-Aktualisierung abgeschlossen</translation>
    </message>
    <message>
        <source>full update complete</source>
        <translation>Vollständige Aktualisierung abgeschlossen</translation>
    </message>
    <message>
        <source>finish update failed</source>
        <translation>Abschluss der Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>finish update complete</source>
        <translation>Aktualisierung abgeschlossen</translation>
    </message>
</context>
<context>
    <name>ReportFilesForm</name>
    <message>
        <source>Files:</source>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Save pdf report</source>
        <translation>PDF-Bericht speichern</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>It is impossible to load several files at the same time.</source>
        <translation>Mehrere Dateien können nicht gleichzeitig geladen werden.</translation>
    </message>
    <message>
        <source>Stop all processes to be able to load file.</source>
        <translation>Beenden Sie alle Prozesse, um die Datei zu laden.</translation>
    </message>
    <message>
        <source>Delete all files</source>
        <translation>Alle Dateien löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all files?</source>
        <translation>Möchten Sie wirklich alle Dateien löschen?</translation>
    </message>
    <message>
        <source>PDF-report is successfully saved.</source>
        <translation>Der PDF-Bericht wurde erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>PDF-report is not saved: no report for this test.</source>
        <translation>PDF-Bericht nicht gespeichert: Für diesen Test gibt es keinen Bericht.</translation>
    </message>
    <message>
        <source>Can not open file for writing.</source>
        <translation>Die Datei kann nicht zum Schreiben geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>RfcForm</name>
    <message>
        <source>Frame settings</source>
        <translation>Frame-Einstellungen</translation>
    </message>
    <message>
        <source>Frame size, b</source>
        <translation>Framegröße, B</translation>
    </message>
    <message>
        <source>Test settings</source>
        <translation>Testeinstellungen</translation>
    </message>
    <message>
        <source>Throughput</source>
        <translation>Durchsatz</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Min loading</source>
        <translation>Min. Last</translation>
    </message>
    <message>
        <source>Max loading</source>
        <translation>Max. Last</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Frameloss</source>
        <translation>Frameverlust</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Messdauer</translation>
    </message>
    <message>
        <source>Loading step</source>
        <translation>Laststufe</translation>
    </message>
    <message>
        <source>Latency</source>
        <translation>Latenz</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>User loading</source>
        <translation>Benutzerlast</translation>
    </message>
    <message>
        <source>Back-to-back</source>
        <translation>Back-to-Back</translation>
    </message>
    <message>
        <source>Iteration</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Min interval, s</source>
        <translation>Min. Intervall, s</translation>
    </message>
    <message>
        <source>Max interval, s</source>
        <translation>Max. Intervall, s</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Zusätzlich</translation>
    </message>
    <message>
        <source>Study, ms</source>
        <translation>Lernintervall, ms</translation>
    </message>
    <message>
        <source>Interval, ms</source>
        <translation>Intervall, ms</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Frame length, b</source>
        <translation>Framelänge, B</translation>
    </message>
    <message>
        <source>Load, %</source>
        <translation>Last, %</translation>
    </message>
    <message>
        <source>Throughput L1</source>
        <translation>Durchsatz L1</translation>
    </message>
    <message>
        <source>Throughput L2</source>
        <translation>Durchsatz L2</translation>
    </message>
    <message>
        <source>Frame loss, %</source>
        <translation>Frameverlust, %</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>Last:</translation>
    </message>
    <message>
        <source>Back to back</source>
        <translation>Back-to-Back</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>T, s</source>
        <translation>T, s</translation>
    </message>
    <message>
        <source>Graphs 1</source>
        <translation>Diagramme 1</translation>
    </message>
    <message>
        <source>Graphs 2</source>
        <translation>Diagramme 2</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Start A-&gt;A</translation>
    </message>
    <message>
        <source>Start A-&gt;B</source>
        <translation>Start A-&gt;B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>%1 Mbps</source>
        <translation>%1 Mbit/s</translation>
    </message>
    <message>
        <source>Troughput</source>
        <translation>Durchsatz</translation>
    </message>
    <message>
        <source>Frame,b</source>
        <translation>Frame,B</translation>
    </message>
    <message>
        <source>ns</source>
        <translation>ns</translation>
    </message>
    <message>
        <source>us</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>ScreenshotForm</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Can not open file for writing.</source>
        <translation>Die Datei kann nicht zum Schreiben geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>SettingsFilesForm</name>
    <message>
        <source>Files:</source>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Stop all processes to be able to load file.</source>
        <translation>Beenden Sie alle Prozesse, um die Datei zu laden.</translation>
    </message>
    <message>
        <source>Delete all files</source>
        <translation>Alle Dateien löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all files?</source>
        <translation>Möchten Sie wirklich alle Dateien löschen?</translation>
    </message>
</context>
<context>
    <name>TestForm</name>
    <message>
        <source>Traffic test</source>
        <translation>Traffic-Test</translation>
    </message>
    <message>
        <source>RFC2544 test</source>
        <translation>RFC2544-Test</translation>
    </message>
    <message>
        <source>Y1564 test</source>
        <translation>Y1564-Test</translation>
    </message>
    <message>
        <source>Multistream test</source>
        <translation>Multistream-Test</translation>
    </message>
    <message>
        <source>Jitter test</source>
        <translation>Jitter-Test</translation>
    </message>
    <message>
        <source>PTP test</source>
        <translation>PTP-Test</translation>
    </message>
    <message>
        <source>Ping test</source>
        <translation>Ping-Test</translation>
    </message>
    <message>
        <source>Trace test</source>
        <translation>Trace-Test</translation>
    </message>
    <message>
        <source>DNS test</source>
        <translation>DNS-Test</translation>
    </message>
    <message>
        <source>IP Scanner test</source>
        <translation>IP-Scanner-Test</translation>
    </message>
    <message>
        <source>Cable test</source>
        <translation>Kabeltest</translation>
    </message>
    <message>
        <source>MDI test</source>
        <translation>MDI-Test</translation>
    </message>
    <message>
        <source>Asymetric traffic test</source>
        <translation>Asymmetrischer Traffic-Test</translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>BERT test</source>
        <translation>BERT-Test</translation>
    </message>
    <message>
        <source>Loopback</source>
        <translation>Loopback</translation>
    </message>
    <message>
        <source>Port A</source>
        <translation>Port A</translation>
    </message>
    <message>
        <source>Port B</source>
        <translation>Port B</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Start A-&gt;A</translation>
    </message>
    <message>
        <source>Start B-&gt;B</source>
        <translation>Start B-&gt;B</translation>
    </message>
    <message>
        <source>Start A-&gt;B</source>
        <translation>Start A-&gt;B</translation>
    </message>
    <message>
        <source>Start B-&gt;A</source>
        <translation>Start B-&gt;A</translation>
    </message>
    <message>
        <source>Wrong settings for DNS test</source>
        <translation>Falsche Einstellungen für den DNS-Test</translation>
    </message>
    <message>
        <source>Cannot run test - empty DNS meaning</source>
        <translation>Test kann nicht starten - DNS-Name leer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Can not start the test for topology %1,
because &quot;Auto IP destination&quot; flag is set.</source>
        <translation>Der Test für die Topologie %1 kann nicht gestartet werden,
weil &quot;Auto-IP-Ziel&quot; gesetzt ist.</translation>
    </message>
</context>
<context>
    <name>TestTabForm</name>
    <message>
        <source>Symmetric</source>
        <translation>Symmetrisch</translation>
    </message>
    <message>
        <source>Asymmetric</source>
        <translation>Asymmetrisch</translation>
    </message>
</context>
<context>
    <name>TrafficFlowSettingsWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Packet length, b</source>
        <translation>Paketlänge, B</translation>
    </message>
    <message>
        <source>Max FLR</source>
        <translation>Max. FLR</translation>
    </message>
</context>
<context>
    <name>TrafficFlowStatsWidget</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Tx frames</source>
        <translation>Tx-Frames</translation>
    </message>
    <message>
        <source>Rx frames</source>
        <translation>Rx-Frames</translation>
    </message>
    <message>
        <source>Tx byte</source>
        <translation>Tx-Bytes</translation>
    </message>
    <message>
        <source>Loss frames</source>
        <translation>Verlorene Frames</translation>
    </message>
    <message>
        <source>Vrt</source>
        <translation>Vrt</translation>
    </message>
    <message>
        <source>PDV</source>
        <translation>PDV</translation>
    </message>
    <message>
        <source>Error frames</source>
        <translation>Fehlerhafte Frames</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Coef</source>
        <translation>Koeff.</translation>
    </message>
</context>
<context>
    <name>TrafficForm</name>
    <message>
        <source>Traffic test (Port A)</source>
        <translation>Traffic-Test (Port A)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Rate units</source>
        <translation>Rateneinheit</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Threshold FLR</source>
        <translation>FLR-Schwelle</translation>
    </message>
    <message>
        <source>Packet length, b</source>
        <translation>Paketlänge, B</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Learning Int., ms</source>
        <translation>Lernintervall, ms</translation>
    </message>
    <message>
        <source>Wait Interval, ms</source>
        <translation>Warteintervall, ms</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Estimate time</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Tx frames</source>
        <translation>Tx-Frames</translation>
    </message>
    <message>
        <source>Rx frames</source>
        <translation>Rx-Frames</translation>
    </message>
    <message>
        <source>Tx bytes</source>
        <translation>Tx-Bytes</translation>
    </message>
    <message>
        <source>Vrt</source>
        <translation>Vrt</translation>
    </message>
    <message>
        <source>PDV</source>
        <translation>PDV</translation>
    </message>
    <message>
        <source>Latency</source>
        <translation>Latenz</translation>
    </message>
    <message>
        <source>Loss frames</source>
        <translation>Verlorene Frames</translation>
    </message>
    <message>
        <source>Error frames</source>
        <translation>Fehlerhafte Frames</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Coef</source>
        <translation>Koeff.</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Start A-&gt;A</translation>
    </message>
    <message>
        <source>Start A-&gt;B</source>
        <translation>Start A-&gt;B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Loss exceeded</source>
        <translation>Verlust überschritten</translation>
    </message>
</context>
<context>
    <name>Y1564Form</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Stream settings</source>
        <translation>Stromeinstellungen</translation>
    </message>
    <message>
        <source>Stream #</source>
        <translation>Datenstrom Nr. </translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Packet length, b</source>
        <translation>Paketlänge, B</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Test Criteria</source>
        <translation>Testkriterien</translation>
    </message>
    <message>
        <source>FTD, ms</source>
        <translation>FTD, ms</translation>
    </message>
    <message>
        <source>FDV, ms</source>
        <translation>FDV, ms</translation>
    </message>
    <message>
        <source>Special VLAN settings</source>
        <translation>Besondere VLAN-Einstellungen</translation>
    </message>
    <message>
        <source>VLAN count</source>
        <translation>VLAN-Anzahl</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Interface type</source>
        <translation>Schnittstellentyp</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Learning Int.,ms</source>
        <translation>Lernintervall, ms</translation>
    </message>
    <message>
        <source>Wait Interval, ms</source>
        <translation>Warteintervall, ms</translation>
    </message>
    <message>
        <source>Configuration test</source>
        <translation>Konfigurationstest</translation>
    </message>
    <message>
        <source>Test step, s</source>
        <translation>Testschritt, s</translation>
    </message>
    <message>
        <source>Step load</source>
        <translation>Stufenlast</translation>
    </message>
    <message>
        <source>Performance test</source>
        <translation>Leistungstest</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>H:mm:ss</source>
        <translation>H:mm:ss</translation>
    </message>
    <message>
        <source>GroupBox</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Start ntp</source>
        <translation>NTP starten</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Status aktualisieren</translation>
    </message>
    <message>
        <source>Stop ntp</source>
        <translation>NTP stoppen</translation>
    </message>
    <message>
        <source>no sync</source>
        <translation>keine Synchronisation</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Estimate time</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Rate IR</source>
        <translation>Rate IR</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Avr.</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Max.</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Frame Loss FL</source>
        <translation>Frame-Verlust FL</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>FLR</source>
        <translation>FLR</translation>
    </message>
    <message>
        <source>Frame Delay FTD</source>
        <translation>Frame-Verzögerung FTD</translation>
    </message>
    <message>
        <source>Jitter FDV</source>
        <translation>Jitter FDV</translation>
    </message>
    <message>
        <source>Common status</source>
        <translation>Gesamtzustand</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>IR, Mbps</source>
        <translation>IR, Mbit/s</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Start A-&gt;A</translation>
    </message>
    <message>
        <source>Start A-&gt;B</source>
        <translation>Start A-&gt;B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>%1 Mbps</source>
        <translation>%1 Mbit/s</translation>
    </message>
</context>
<context>
    <name>vyrupDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Write cpu started</source>
        <translation>Schreiben der CPU begonnen</translation>
    </message>
    <message>
        <source>Write cpu completed</source>
        <translation>Schreiben der CPU abgeschlossen</translation>
    </message>
    <message>
        <source>Write cpu failed</source>
        <translation>Schreiben der CPU fehlgeschlagen</translation>
    </message>
    <message>
        <source>Erase Fpga started</source>
        <translation>Löschen des FPGA begonnen</translation>
    </message>
    <message>
        <source>Erase Fpga completed</source>
        <translation>Löschen des FPGA abgeschlossen</translation>
    </message>
    <message>
        <source>Erase Fpga failed</source>
        <translation>Löschen des FPGA fehlgeschlagen</translation>
    </message>
    <message>
        <source>Write Fpga started</source>
        <translation>Schreiben des FPGA begonnen</translation>
    </message>
    <message>
        <source>Write Fpga completed</source>
        <translation>Schreiben des FPGA abgeschlossen</translation>
    </message>
    <message>
        <source>Write Fpga failed</source>
        <translation>Schreiben des FPGA fehlgeschlagen</translation>
    </message>
    <message>
        <source>Reset started</source>
        <translation>Neustart begonnen</translation>
    </message>
    <message>
        <source>Reset completed</source>
        <translation>Neustart abgeschlossen</translation>
    </message>
    <message>
        <source>Reset failed</source>
        <translation>Neustart fehlgeschlagen</translation>
    </message>
    <message>
        <source>Invalid Device Type</source>
        <translation>Ungültiger Gerätetyp</translation>
    </message>
    <message>
        <source>Wait After Reset Failed</source>
        <translation>Warten nach dem Neustart fehlgeschlagen</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Ungültiges Dateiformat</translation>
    </message>
    <message>
        <source>FullUpdateCompleted</source>
        <translation>Vollständige Aktualisierung abgeschlossen</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Select ROM file</source>
        <translation>Aktualisierungsdatei wählen</translation>
    </message>
    <message>
        <source>Update file(*.vyrup)</source>
        <translation>Aktualisierungsdatei(*.vyrup)</translation>
    </message>
    <message>
        <source>Open file error</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>Read file error</source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
</context>
</TS>
