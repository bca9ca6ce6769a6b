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
        <source>Asymmetric traffic test (Port A)</source>
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
        <source>Learning interval, ms</source>
        <translation>Lernintervall, ms</translation>
    </message>
    <message>
        <source>Wait interval, ms</source>
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
        <source>Remaining time</source>
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
        <source>Log in</source>
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
    <name>BertForm</name>
    <message>
        <source>BERT (Port A)</source>
        <translation>BERT (Port A)</translation>
    </message>
    <message>
        <source>Test settings</source>
        <translation>Testeinstellungen</translation>
    </message>
    <message>
        <source>Pattern type</source>
        <translation>Mustertyp</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>User pattern</source>
        <translation>Benutzermuster</translation>
    </message>
    <message>
        <source>Frame size</source>
        <translation>Framegröße</translation>
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
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Offset, bytes</source>
        <translation>Versatz, Bytes</translation>
    </message>
    <message>
        <source>Sync wait, ms</source>
        <translation>Sync-Wartezeit, ms</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Rx bits</source>
        <translation>Empfangene Bits</translation>
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
    <name>CableForm</name>
    <message>
        <source>Cable test (Port A)</source>
        <translation>Kabeltest (Port A)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Length, m</source>
        <translation>Länge, m</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarität</translation>
    </message>
    <message>
        <source>Latency, ns</source>
        <translation>Latenz, ns</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kurzschluss</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Mismatch</source>
        <translation>Fehlanpassung</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Unbekannt (%1)</translation>
    </message>
</context>
<context>
    <name>DateTimeDialog</name>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>DevSettingsForm</name>
    <message>
        <source>Checking</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Switched off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Clock frequency</source>
        <translation>Taktfrequenz</translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation>Geschwindigkeiten</translation>
    </message>
    <message>
        <source>Output 1PPS GNSS</source>
        <translation>Ausgang 1PPS GNSS</translation>
    </message>
    <message>
        <source>PPS difference check</source>
        <translation>PPS-Differenzprüfung</translation>
    </message>
    <message>
        <source>Output 1PPS PTP</source>
        <translation>Ausgang 1PPS PTP</translation>
    </message>
    <message>
        <source>Output 2048 kHz</source>
        <translation>Ausgang 2048 kHz</translation>
    </message>
    <message>
        <source>Output 1PPS NTP1</source>
        <translation>Ausgang 1PPS NTP1</translation>
    </message>
    <message>
        <source>Output 1PPS NTP2</source>
        <translation>Ausgang 1PPS NTP2</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Watchdog</source>
        <translation>Watchdog</translation>
    </message>
    <message>
        <source>Set WD</source>
        <translation>WD setzen</translation>
    </message>
    <message>
        <source>Sync 1PPS or NTP</source>
        <translation>Synchr. 1PPS oder NTP</translation>
    </message>
    <message>
        <source>Sync 1PPS</source>
        <translation>Synchr. 1PPS</translation>
    </message>
    <message>
        <source>Sync NTP</source>
        <translation>Synchr. NTP</translation>
    </message>
    <message>
        <source>Sync 1PPS/NTP</source>
        <translation>Synchr. 1PPS/NTP</translation>
    </message>
    <message>
        <source>Device settings</source>
        <translation>Geräteeinstellungen</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Change date and time</source>
        <translation>Datum und Uhrzeit ändern</translation>
    </message>
    <message>
        <source>Set from computer</source>
        <translation>Vom Computer übernehmen</translation>
    </message>
    <message>
        <source>The device settings have not been read from the tester yet.
Nothing was sent.</source>
        <translation>Die Geräteeinstellungen wurden noch nicht vom Tester gelesen.
Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Reset device settings</source>
        <translation>Geräteeinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all device settings?</source>
        <translation>Wollen Sie wirklich alle Geräteeinstellungen zurücksetzen?</translation>
    </message>
    <message>
        <source>Are you sure you want to set date and time from computer?</source>
        <translation>Wollen Sie Datum und Uhrzeit wirklich vom Computer übernehmen?</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>Cannot start the test</source>
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
        <source>No sync</source>
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
        <source>Incompatible FW version</source>
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
Cannot start with
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
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>No test chosen</source>
        <translation>Kein Test gewählt</translation>
    </message>
    <message>
        <source>The test is already running</source>
        <translation>Der Test läuft bereits</translation>
    </message>
    <message>
        <source>Too many addresses. The largest possible number is</source>
        <translation>Zu viele Adressen. Die größtmögliche Anzahl ist</translation>
    </message>
    <message>
        <source>No frame length chosen</source>
        <translation>Keine Rahmenlänge gewählt</translation>
    </message>
    <message>
        <source>User rate not set for the latency test</source>
        <translation>Benutzerrate für den Latenztest nicht eingestellt</translation>
    </message>
    <message>
        <source>No signal sources chosen</source>
        <translation>Keine Signalquellen gewählt</translation>
    </message>
    <message>
        <source>No PTP server chosen</source>
        <translation>Kein PTP-Server gewählt</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
</context>
<context>
    <name>DnsForm</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Host name</source>
        <translation>Hostname</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
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
        <source>Wrong host name</source>
        <translation>Ungültiger Hostname</translation>
    </message>
    <message>
        <source>The host name takes %1 bytes; the tester holds at most %2.
Nothing was sent.</source>
        <translation>Der Hostname belegt %1 Bytes; der Tester speichert höchstens %2.
Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
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
    <name>FileList</name>
    <message>
        <source>The list is incomplete: the link to the tester was lost while it was read.</source>
        <translation>Die Liste ist unvollständig: Die Verbindung zum Tester brach beim Lesen ab.</translation>
    </message>
    <message>
        <source>The list is incomplete: the tester sent a reply that could not be read.</source>
        <translation>Die Liste ist unvollständig: Der Tester sandte eine Antwort, die nicht gelesen werden konnte.</translation>
    </message>
    <message>
        <source>The list is incomplete: the tester named a file twice, so reading stopped.</source>
        <translation>Die Liste ist unvollständig: Der Tester nannte eine Datei zweimal, das Lesen wurde beendet.</translation>
    </message>
    <message>
        <source>The list shows the first %1 files only; the tester may hold more.</source>
        <translation>Die Liste zeigt nur die ersten %1 Dateien; der Tester kann mehr enthalten.</translation>
    </message>
    <message>
        <source>The list is incomplete: the tester took longer than %1 s to list its files.</source>
        <translation>Die Liste ist unvollständig: Der Tester brauchte länger als %1 s, um seine Dateien aufzulisten.</translation>
    </message>
    <message>
        <source>The list is incomplete: reading it stopped for the disconnect.</source>
        <translation>Die Liste ist unvollständig: Das Lesen wurde beendet, weil die Verbindung getrennt wird.</translation>
    </message>
    <message>
        <source>The list is incomplete: reading it stopped as the program closed.</source>
        <translation>Die Liste ist unvollständig: Das Lesen wurde beim Schließen des Programms beendet.</translation>
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
    <name>IFaceForm</name>
    <message>
        <source>Common settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Link speed</source>
        <translation>Verbindungsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Duplex </source>
        <translation>Duplex </translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>VLAN settings</source>
        <translation>VLAN-Einstellungen</translation>
    </message>
    <message>
        <source>VLAN tags</source>
        <translation>Anzahl VLAN-Tags</translation>
    </message>
    <message>
        <source>MPLS settings</source>
        <translation>MPLS-Einstellungen</translation>
    </message>
    <message>
        <source>MPLS labels</source>
        <translation>Anzahl MPLS-Labels</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Filtereinstellungen</translation>
    </message>
    <message>
        <source>MAC Dest.</source>
        <translation>Ziel-MAC</translation>
    </message>
    <message>
        <source>MAC Source = MAC Dest.</source>
        <translation>Quell-MAC = Ziel-MAC</translation>
    </message>
    <message>
        <source>IP Dest.</source>
        <translation>Ziel-IP</translation>
    </message>
    <message>
        <source>IP Source = IP Dest.</source>
        <translation>Quell-IP = Ziel-IP</translation>
    </message>
    <message>
        <source>VLAN ID 1</source>
        <translation>VLAN-ID 1</translation>
    </message>
    <message>
        <source>VLAN ID 2</source>
        <translation>VLAN-ID 2</translation>
    </message>
</context>
<context>
    <name>IfsetForm</name>
    <message>
        <source>Interface settings (Port A)</source>
        <translation>Schnittstelleneinstellungen (Port A)</translation>
    </message>
    <message>
        <source>Interface settings (Port B)</source>
        <translation>Schnittstelleneinstellungen (Port B)</translation>
    </message>
    <message>
        <source>Interface settings (Port RC)</source>
        <translation>Schnittstelleneinstellungen (Port RC)</translation>
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
        <source>Port A is busy.</source>
        <translation>Port A ist belegt.</translation>
    </message>
    <message>
        <source>Port B is busy.</source>
        <translation>Port B ist belegt.</translation>
    </message>
    <message>
        <source>Port RC is busy with remote control.</source>
        <translation>Port RC ist durch die Fernsteuerung belegt.</translation>
    </message>
    <message>
        <source>The settings of Port A have not been read.</source>
        <translation>Die Einstellungen von Port A wurden nicht gelesen.</translation>
    </message>
    <message>
        <source>The settings of Port B have not been read.</source>
        <translation>Die Einstellungen von Port B wurden nicht gelesen.</translation>
    </message>
    <message>
        <source>The settings of Port RC have not been read.</source>
        <translation>Die Einstellungen von Port RC wurden nicht gelesen.</translation>
    </message>
    <message>
        <source>Settings were not sent.</source>
        <translation>Die Einstellungen wurden nicht gesendet.</translation>
    </message>
    <message>
        <source>Interface settings</source>
        <translation>Schnittstelleneinstellungen</translation>
    </message>
    <message>
        <source>MAC Change</source>
        <translation>MAC-Änderung</translation>
    </message>
    <message>
        <source>The new MAC applies after a reboot. Reboot now?</source>
        <translation>Die neue MAC-Adresse gilt nach einem Neustart. Jetzt neu starten?</translation>
    </message>
</context>
<context>
    <name>IpScannerForm</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Erste Adresse</translation>
    </message>
    <message>
        <source>Last address</source>
        <translation>Letzte Adresse</translation>
    </message>
    <message>
        <source>Wait time, ms</source>
        <translation>Wartezeit, ms</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Wiederholungen</translation>
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
        <source>Remaining time</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
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
        <source>No connection</source>
        <translation>Keine Verbindung</translation>
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
        <source>Packet length, B</source>
        <translation>Paketlänge, B</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Threshold, ms</source>
        <translation>Schwelle, ms</translation>
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
        <source>Remaining time</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Rx frames</source>
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
    <name>LbForm</name>
    <message>
        <source>Loopback (Port A)</source>
        <translation>Loopback (Port A)</translation>
    </message>
    <message>
        <source>Level 2 settings</source>
        <translation>Einstellungen Ebene 2</translation>
    </message>
    <message>
        <source>Replace MAC</source>
        <translation>MAC ersetzen</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Replace VLAN ID</source>
        <translation>VLAN-ID ersetzen</translation>
    </message>
    <message>
        <source>Replace priority</source>
        <translation>Priorität ersetzen</translation>
    </message>
    <message>
        <source>Level 3 settings</source>
        <translation>Einstellungen Ebene 3</translation>
    </message>
    <message>
        <source>Replace IP</source>
        <translation>IP ersetzen</translation>
    </message>
    <message>
        <source>Replace ToS</source>
        <translation>ToS ersetzen</translation>
    </message>
    <message>
        <source>Replace DSCP</source>
        <translation>DSCP ersetzen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Ebene 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Ebene 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Ebene 3</translation>
    </message>
    <message>
        <source>Level 4</source>
        <translation>Ebene 4</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
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
jitter</source>
        <translation>Paket-
Jitter</translation>
    </message>
    <message>
        <source>TCP/IP tests</source>
        <translation>TCP/IP-Tests</translation>
    </message>
    <message>
        <source>Cable
diagnostics</source>
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
        <source>BER test</source>
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
        <source>This file cannot be loaded.</source>
        <translation>Diese Datei kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Cannot save the file.</source>
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
        <source>Connection to the tester lost.</source>
        <translation>Verbindung zum Tester verloren.</translation>
    </message>
    <message>
        <source>Could not connect to the tester.</source>
        <translation>Keine Verbindung zum Tester möglich.</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>No test was running.</source>
        <translation>Es lief kein Test.</translation>
    </message>
    <message>
        <source>Tests running: %1.</source>
        <translation>Laufende Tests: %1.</translation>
    </message>
    <message>
        <source>The test windows are closed and their results are no longer shown. Connect again and open a test to read its results from the tester.</source>
        <translation>Die Testfenster sind geschlossen, ihre Ergebnisse werden nicht mehr angezeigt. Verbinden Sie erneut und öffnen Sie einen Test, um seine Ergebnisse vom Tester zu lesen.</translation>
    </message>
    <message>
        <source>Nothing answered at this address. Check the address, the cable and that the tester is switched on.</source>
        <translation>Unter dieser Adresse hat nichts geantwortet. Prüfen Sie die Adresse, das Kabel und ob der Tester eingeschaltet ist.</translation>
    </message>
    <message>
        <source>A device took the connection but did not answer as a tester does.</source>
        <translation>Ein Gerät hat die Verbindung angenommen, aber nicht wie ein Tester geantwortet.</translation>
    </message>
    <message>
        <source>No tester at this address.</source>
        <translation>Kein Tester unter dieser Adresse.</translation>
    </message>
    <message>
        <source>The tester did not answer.</source>
        <translation>Der Tester hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>no address was given.</source>
        <translation>es wurde keine Adresse angegeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not four numbers from 0 to 255 separated by dots.</source>
        <translation>„%1“ sind nicht vier durch Punkte getrennte Zahlen von 0 bis 255.</translation>
    </message>
    <message>
        <source>no port number follows the colon.</source>
        <translation>nach dem Doppelpunkt folgt keine Portnummer.</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>der Port „%1“ ist keine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>Not a valid address: %1</source>
        <translation>Keine gültige Adresse: %1</translation>
    </message>
    <message>
        <source>Nothing was connected. Enter an address such as 192.168.1.202, or 192.168.1.202:55555 with a port.</source>
        <translation>Es wurde keine Verbindung aufgebaut. Geben Sie eine Adresse wie 192.168.1.202 ein, mit Port wie 192.168.1.202:55555.</translation>
    </message>
    <message>
        <source>Not a valid address.</source>
        <translation>Keine gültige Adresse.</translation>
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
    <name>MdiForm</name>
    <message>
        <source>MDI test (Port A)</source>
        <translation>MDI-Test (Port A)</translation>
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
        <source>Load L4</source>
        <translation>Last L4</translation>
    </message>
    <message>
        <source>Threshold MLR</source>
        <translation>MLR-Schwelle</translation>
    </message>
    <message>
        <source>Packet length, B</source>
        <translation>Paketlänge, B</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Learning int., ms</source>
        <translation>Lernintervall, ms</translation>
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
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>DF</source>
        <translation>DF</translation>
    </message>
    <message>
        <source>MLR</source>
        <translation>MLR</translation>
    </message>
    <message>
        <source>Rx frames</source>
        <translation>Rx-Frames</translation>
    </message>
    <message>
        <source>Vrx</source>
        <translation>Vrx</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
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
        <source>Packet length, B</source>
        <translation>Paketlänge, B</translation>
    </message>
    <message>
        <source>Learning int., ms</source>
        <translation>Lernintervall, ms</translation>
    </message>
    <message>
        <source>Interval, ms</source>
        <translation>Intervall, ms</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
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
        <source>Remaining time</source>
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
        <source>Lost frames</source>
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
        <source>Ratio</source>
        <translation>Anteil</translation>
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
    <name>OamForm</name>
    <message>
        <source>OAM (Port A)</source>
        <translation>OAM (Port A)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>OAM mode</source>
        <translation>OAM-Modus</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Passiv</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Remote LB</source>
        <translation>Entfernter Loopback</translation>
    </message>
    <message>
        <source>Start loopback</source>
        <translation>Loopback starten</translation>
    </message>
    <message>
        <source>Stop loopback</source>
        <translation>Loopback stoppen</translation>
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
        <source>Supported</source>
        <translation>Unterstützt</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>Nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>OptTestForm</name>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
</context>
<context>
    <name>PDFCreator</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Pattern type</source>
        <translation>Mustertyp</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>User pattern</source>
        <translation>Benutzermuster</translation>
    </message>
    <message>
        <source>Frame size</source>
        <translation>Framegröße</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Offset, bytes</source>
        <translation>Versatz, Bytes</translation>
    </message>
    <message>
        <source>Sync wait, ms</source>
        <translation>Sync-Wartezeit, ms</translation>
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
        <source>Remaining time</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Rx bits</source>
        <translation>Empfangene Bits</translation>
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
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kurzschluss</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Mismatch</source>
        <translation>Fehlanpassung</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Length, m</source>
        <translation>Länge, m</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarität</translation>
    </message>
    <message>
        <source>Latency, ns</source>
        <translation>Latenz, ns</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>Statistics report</source>
        <translation>Statistikbericht</translation>
    </message>
    <message>
        <source>Traffic test report</source>
        <translation>Bericht Traffic-Test</translation>
    </message>
    <message>
        <source>Jitter test report</source>
        <translation>Bericht Jittertest</translation>
    </message>
    <message>
        <source>Cable test report</source>
        <translation>Bericht Kabeltest</translation>
    </message>
    <message>
        <source>Optical test report</source>
        <translation>Bericht optischer Test</translation>
    </message>
    <message>
        <source>MDI test report</source>
        <translation>Bericht MDI-Test</translation>
    </message>
    <message>
        <source>BERT report</source>
        <translation>BERT-Bericht</translation>
    </message>
    <message>
        <source>(Port A)</source>
        <translation>(Port A)</translation>
    </message>
    <message>
        <source>(Port B)</source>
        <translation>(Port B)</translation>
    </message>
    <message>
        <source>(Remote control port)</source>
        <translation>(Fernsteuerungsport)</translation>
    </message>
    <message>
        <source>Device information</source>
        <translation>Geräteinformationen</translation>
    </message>
    <message>
        <source>Manufactured by</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Interface settings</source>
        <translation>Schnittstelleneinstellungen</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>VLAN tags</source>
        <translation>Anzahl VLAN-Tags</translation>
    </message>
    <message>
        <source>MPLS labels</source>
        <translation>Anzahl MPLS-Labels</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Interface status</source>
        <translation>Schnittstellenstatus</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Header level</source>
        <translation>Header-Ebene</translation>
    </message>
    <message>
        <source>ARP enable</source>
        <translation>ARP aktiv</translation>
    </message>
    <message>
        <source>MAC destination</source>
        <translation>Ziel-MAC</translation>
    </message>
    <message>
        <source>IP destination</source>
        <translation>Ziel-IP</translation>
    </message>
    <message>
        <source>UDP source</source>
        <translation>UDP-Quellport</translation>
    </message>
    <message>
        <source>UDP destination</source>
        <translation>UDP-Zielport</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Topology</source>
        <translation>Topologie</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Rx frames</source>
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
        <source>Jitter, ms</source>
        <translation>Jitter, ms</translation>
    </message>
    <message>
        <source>Load L4</source>
        <translation>Last L4</translation>
    </message>
    <message>
        <source>Threshold MLR</source>
        <translation>MLR-Schwelle</translation>
    </message>
    <message>
        <source>Learning interval, ms</source>
        <translation>Lernintervall, ms</translation>
    </message>
    <message>
        <source>DF</source>
        <translation>DF</translation>
    </message>
    <message>
        <source>MLR</source>
        <translation>MLR</translation>
    </message>
    <message>
        <source>Vrx</source>
        <translation>Vrx</translation>
    </message>
    <message>
        <source>nm</source>
        <translation>nm</translation>
    </message>
    <message>
        <source>mW</source>
        <translation>mW</translation>
    </message>
    <message>
        <source>dBm</source>
        <translation>dBm</translation>
    </message>
    <message>
        <source>SFP module</source>
        <translation>SFP-Modul</translation>
    </message>
    <message>
        <source>no SFP module</source>
        <translation>kein SFP-Modul</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Part number</source>
        <translation>Teilenummer</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>Monitoring (DDM)</source>
        <translation>Überwachung (DDM)</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>RX power</source>
        <translation>RX-Leistung</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>TX-Leistung</translation>
    </message>
    <message>
        <source>Common data</source>
        <translation>Allgemeine Daten</translation>
    </message>
    <message>
        <source>Frame types</source>
        <translation>Frametypen</translation>
    </message>
    <message>
        <source>Frame errors</source>
        <translation>Framefehler</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Threshold FLR</source>
        <translation>FLR-Schwelle</translation>
    </message>
    <message>
        <source>Packet length, B</source>
        <translation>Paketlänge, B</translation>
    </message>
    <message>
        <source>Learning int., ms</source>
        <translation>Lernintervall, ms</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Tx frames</source>
        <translation>Tx-Frames</translation>
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
        <source>Lost frames</source>
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
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>us</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>ns</source>
        <translation>ns</translation>
    </message>
    <message>
        <source>bps</source>
        <translation>bit/s</translation>
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
        <source>No sync</source>
        <translation>Keine Sync.</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Fiber</source>
        <translation>Glasfaser</translation>
    </message>
    <message>
        <source>Output stream settings</source>
        <translation>Einstellungen Ausgangsstrom</translation>
    </message>
    <message>
        <source>Input stream settings</source>
        <translation>Einstellungen Eingangsstrom</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Rate </source>
        <translation>Rate </translation>
    </message>
    <message>
        <source>Packet size, B</source>
        <translation>Paketgröße, B</translation>
    </message>
    <message>
        <source>Output stream statistics</source>
        <translation>Statistik Ausgangsstrom</translation>
    </message>
    <message>
        <source>Input stream statistics</source>
        <translation>Statistik Eingangsstrom</translation>
    </message>
    <message>
        <source>Multistream test report</source>
        <translation>Bericht Multistream-Test</translation>
    </message>
    <message>
        <source>Asymmetric traffic test report</source>
        <translation>Bericht asymmetrischer Traffic-Test</translation>
    </message>
    <message>
        <source>Ping test report</source>
        <translation>Bericht Ping-Test</translation>
    </message>
    <message>
        <source>Trace test report</source>
        <translation>Bericht Trace-Route-Test</translation>
    </message>
    <message>
        <source>DNS test report</source>
        <translation>Bericht DNS-Test</translation>
    </message>
    <message>
        <source>IP scanner test report</source>
        <translation>Bericht IP-Scanner</translation>
    </message>
    <message>
        <source>PTP test report</source>
        <translation>Bericht PTP-Test</translation>
    </message>
    <message>
        <source>Synchronization report</source>
        <translation>Synchronisationsbericht</translation>
    </message>
    <message>
        <source>Pause, ms</source>
        <translation>Pause, ms</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Wait time, ms</source>
        <translation>Wartezeit, ms</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Domänenname</translation>
    </message>
    <message>
        <source>Domain IP</source>
        <translation>Domänen-IP</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Erste Adresse</translation>
    </message>
    <message>
        <source>Last address</source>
        <translation>Letzte Adresse</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Verstrichen</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>No active addresses</source>
        <translation>Keine aktiven Adressen</translation>
    </message>
    <message>
        <source>No connection</source>
        <translation>Keine Verbindung</translation>
    </message>
    <message>
        <source>Stream #</source>
        <translation>Strom Nr. </translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Interval, ms</source>
        <translation>Intervall, ms</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Unicast</source>
        <translation>Unicast</translation>
    </message>
    <message>
        <source>Multicast</source>
        <translation>Multicast</translation>
    </message>
    <message>
        <source>Domain auto detection</source>
        <translation>Domäne automatisch erkennen</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domäne</translation>
    </message>
    <message>
        <source>IP PTP Master</source>
        <translation>IP des PTP-Masters</translation>
    </message>
    <message>
        <source>Unicast negotiation</source>
        <translation>Unicast-Aushandlung</translation>
    </message>
    <message>
        <source>Announce interval</source>
        <translation>Announce-Intervall</translation>
    </message>
    <message>
        <source>Sync interval</source>
        <translation>Sync-Intervall</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>PTP version</source>
        <translation>PTP-Version</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>UTC-Offset</translation>
    </message>
    <message>
        <source>Clock class</source>
        <translation>Uhrenklasse</translation>
    </message>
    <message>
        <source>Clock accuracy</source>
        <translation>Uhrengenauigkeit</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Zeitquelle</translation>
    </message>
    <message>
        <source>Priority 1</source>
        <translation>Priorität 1</translation>
    </message>
    <message>
        <source>Priority 2</source>
        <translation>Priorität 2</translation>
    </message>
    <message>
        <source>Servers list</source>
        <translation>Serverliste</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Announce</source>
        <translation>Announce</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Follow Up</source>
        <translation>Follow Up</translation>
    </message>
    <message>
        <source>Delay Response</source>
        <translation>Delay Response</translation>
    </message>
    <message>
        <source>Delay Request</source>
        <translation>Delay Request</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>T average</source>
        <translation>T Mittelwert</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Relative time interval</source>
        <translation>Relatives Zeitintervall</translation>
    </message>
    <message>
        <source>PTP settings</source>
        <translation>PTP-Einstellungen</translation>
    </message>
    <message>
        <source>Convert PTP time to UTC</source>
        <translation>PTP-Zeit in UTC umrechnen</translation>
    </message>
    <message>
        <source>PTP servers list</source>
        <translation>PTP-Serverliste</translation>
    </message>
    <message>
        <source>PTP information</source>
        <translation>PTP-Informationen</translation>
    </message>
    <message>
        <source>GPS sync</source>
        <translation>GPS-Synchr.</translation>
    </message>
    <message>
        <source>PPS sync</source>
        <translation>PPS-Synchr.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Satellites used</source>
        <translation>Genutzte Satelliten</translation>
    </message>
    <message>
        <source>GPS data</source>
        <translation>GPS-Daten</translation>
    </message>
    <message>
        <source>GPS satellites</source>
        <translation>GPS-Satelliten</translation>
    </message>
    <message>
        <source>PRN</source>
        <translation>PRN</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>SNR</source>
        <translation>SNR</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Genutzt</translation>
    </message>
    <message>
        <source>NTP 1 Settings</source>
        <translation>NTP-1-Einstellungen</translation>
    </message>
    <message>
        <source>NTP 2 Settings</source>
        <translation>NTP-2-Einstellungen</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>UDP-Port</translation>
    </message>
    <message>
        <source>Interval, s</source>
        <translation>Intervall, s</translation>
    </message>
    <message>
        <source>NTP version</source>
        <translation>NTP-Version</translation>
    </message>
    <message>
        <source>Stratum</source>
        <translation>Stratum</translation>
    </message>
    <message>
        <source>Poll interval</source>
        <translation>Abfrageintervall</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Root delay</source>
        <translation>Root-Verzögerung</translation>
    </message>
    <message>
        <source>Root dispersion</source>
        <translation>Root-Streuung</translation>
    </message>
    <message>
        <source>Ref. identifier</source>
        <translation>Ref.-Kennung</translation>
    </message>
    <message>
        <source>NTP 1 Information</source>
        <translation>NTP-1-Informationen</translation>
    </message>
    <message>
        <source>NTP 2 Information</source>
        <translation>NTP-2-Informationen</translation>
    </message>
    <message>
        <source>ΔPh inst.</source>
        <translation>ΔPh aktuell</translation>
    </message>
    <message>
        <source>ΔPh min</source>
        <translation>ΔPh min.</translation>
    </message>
    <message>
        <source>ΔPh avg.</source>
        <translation>ΔPh Mittel</translation>
    </message>
    <message>
        <source>ΔPh max</source>
        <translation>ΔPh max.</translation>
    </message>
    <message>
        <source>Time/Date diff.</source>
        <translation>Differenz Zeit/Datum</translation>
    </message>
    <message>
        <source>Base T/D</source>
        <translation>Ref. Zeit/Datum</translation>
    </message>
    <message>
        <source>Meas. T/D</source>
        <translation>Gem. Zeit/Datum</translation>
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
        <source>Request</source>
        <translation>Anfrage</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>No conn.</source>
        <translation>Keine Verb.</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>Zeitüberschr.</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Illegal argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>RFC 2544 test report</source>
        <translation>Testbericht RFC 2544</translation>
    </message>
    <message>
        <source>Y1564 test report</source>
        <translation>Testbericht Y1564</translation>
    </message>
    <message>
        <source>Header settings</source>
        <translation>Header-Einstellungen</translation>
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
        <source>Max load</source>
        <translation>Max. Last</translation>
    </message>
    <message>
        <source>Min load</source>
        <translation>Min. Last</translation>
    </message>
    <message>
        <source>Frame, B</source>
        <translation>Frame, B</translation>
    </message>
    <message>
        <source>Load, %</source>
        <translation>Last, %</translation>
    </message>
    <message>
        <source>Thr L1</source>
        <translation>Durchs. L1</translation>
    </message>
    <message>
        <source>Thr L2</source>
        <translation>Durchs. L2</translation>
    </message>
    <message>
        <source>User load</source>
        <translation>Benutzerlast</translation>
    </message>
    <message>
        <source>Back-to-back</source>
        <translation>Back-to-Back</translation>
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
        <source>T, s</source>
        <translation>T, s</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Frame loss</source>
        <translation>Frameverlust</translation>
    </message>
    <message>
        <source>Load step</source>
        <translation>Laststufe</translation>
    </message>
    <message>
        <source>Starting load</source>
        <translation>Anfangslast</translation>
    </message>
    <message>
        <source>Ending load</source>
        <translation>Endlast</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Wait interval, ms</source>
        <translation>Warteintervall, ms</translation>
    </message>
    <message>
        <source>Configuration test</source>
        <translation>Konfigurationstest</translation>
    </message>
    <message>
        <source>Test step</source>
        <translation>Testschritt</translation>
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
        <source>SLA</source>
        <translation>SLA</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Test criteria</source>
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
        <source>Stream header #</source>
        <translation>Strom-Header #</translation>
    </message>
    <message>
        <source>Rate IR</source>
        <translation>Rate IR</translation>
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
        <source>Subtest</source>
        <translation>Teiltest</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Avg.</source>
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
        <source>Count, frames</source>
        <translation>Anzahl, Frames</translation>
    </message>
    <message>
        <source>Overall status</source>
        <translation>Gesamtzustand</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <comment>frames</comment>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>Multicast</source>
        <comment>frames</comment>
        <translation>Multicast</translation>
    </message>
    <message>
        <source>Unicast</source>
        <comment>frames</comment>
        <translation>Unicast</translation>
    </message>
    <message>
        <source>Frame sizes</source>
        <translation>Framegrößen</translation>
    </message>
    <message>
        <source>Rate units</source>
        <translation>Rateneinheit</translation>
    </message>
    <message>
        <source>Test settings</source>
        <translation>Testeinstellungen</translation>
    </message>
    <message>
        <source>Threshold, ms</source>
        <translation>Schwelle, ms</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Verteilung</translation>
    </message>
</context>
<context>
    <name>PTPForm</name>
    <message>
        <source>PTP (Port A)</source>
        <translation>PTP (Port A)</translation>
    </message>
    <message>
        <source>Test settings</source>
        <translation>Testeinstellungen</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Domain auto detection</source>
        <translation>Domäne automatisch erkennen</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domäne</translation>
    </message>
    <message>
        <source>IP PTP Master</source>
        <translation>IP des PTP-Masters</translation>
    </message>
    <message>
        <source>Announce interval</source>
        <translation>Announce-Intervall</translation>
    </message>
    <message>
        <source>Sync interval</source>
        <translation>Sync-Intervall</translation>
    </message>
    <message>
        <source>Servers list</source>
        <translation>Serverliste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>PTP version</source>
        <translation>PTP-Version</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>UTC-Offset</translation>
    </message>
    <message>
        <source>Clock class</source>
        <translation>Uhrenklasse</translation>
    </message>
    <message>
        <source>Clock accuracy</source>
        <translation>Uhrengenauigkeit</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Zeitquelle</translation>
    </message>
    <message>
        <source>Priority 1</source>
        <translation>Priorität 1</translation>
    </message>
    <message>
        <source>Priority 2</source>
        <translation>Priorität 2</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Rx frames</source>
        <translation>Rx-Frames</translation>
    </message>
    <message>
        <source>Announce</source>
        <translation>Announce</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Follow Up</source>
        <translation>Follow Up</translation>
    </message>
    <message>
        <source>Delay Response</source>
        <translation>Delay Response</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Tx frames</source>
        <translation>Tx-Frames</translation>
    </message>
    <message>
        <source>Delay Request</source>
        <translation>Delay Request</translation>
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
        <source>Remaining time</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>T average</source>
        <translation>T Mittelwert</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
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
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
</context>
<context>
    <name>PassForm</name>
    <message>
        <source>Thru</source>
        <translation>Durchgang</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>PingForm</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>IP destination</source>
        <translation>Ziel-IP</translation>
    </message>
    <message>
        <source>Packet size, B</source>
        <translation>Paketgröße, B</translation>
    </message>
    <message>
        <source>Wait time, ms</source>
        <translation>Wartezeit, ms</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Ping results</source>
        <translation>Ping-Ergebnis</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Frame, B</source>
        <translation>Frame, B</translation>
    </message>
    <message>
        <source>Latency, ms</source>
        <translation>Latenz, ms</translation>
    </message>
    <message>
        <source>Ping statistics</source>
        <translation>Ping-Statistik</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Latency</source>
        <translation>Latenz</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
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
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Anfrage</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>No conn.</source>
        <translation>Keine Verb.</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>kbps</source>
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
        <source>The database cannot be opened!
The program will close.</source>
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
        <source>CPU updated %1 %</source>
        <translation>CPU zu %1 % aktualisiert</translation>
    </message>
    <message>
        <source>FPGA updated %1 %</source>
        <translation>FPGA zu %1 % aktualisiert</translation>
    </message>
    <message>
        <source>CPU update failed</source>
        <translation>CPU-Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>CPU update complete</source>
        <translation>CPU-Aktualisierung abgeschlossen</translation>
    </message>
    <message>
        <source>FPGA update failed</source>
        <translation>FPGA-Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>FPGA update complete</source>
        <translation>FPGA-Aktualisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Full update complete</source>
        <translation>Vollständige Aktualisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Finishing the update failed</source>
        <translation>Abschluss der Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Update finished</source>
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
        <source>Save PDF report</source>
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
        <source>Stop all processes to load a file.</source>
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
        <source>The PDF report is saved.</source>
        <translation>Der PDF-Bericht wurde gespeichert.</translation>
    </message>
    <message>
        <source>The PDF report is not saved: this test has no report.</source>
        <translation>PDF-Bericht nicht gespeichert: Für diesen Test gibt es keinen Bericht.</translation>
    </message>
    <message>
        <source>Cannot open the file for writing.</source>
        <translation>Die Datei kann nicht zum Schreiben geöffnet werden.</translation>
    </message>
    <message>
        <source>The report on the tester is damaged or of an unknown format.</source>
        <translation>Der Bericht auf dem Tester ist beschädigt oder hat ein unbekanntes Format.</translation>
    </message>
    <message>
        <source>The report could not be read from the tester.</source>
        <translation>Der Bericht konnte nicht vom Tester gelesen werden.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RfcForm</name>
    <message>
        <source>Frame settings</source>
        <translation>Frame-Einstellungen</translation>
    </message>
    <message>
        <source>Frame size, B</source>
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
        <source>Min load</source>
        <translation>Min. Last</translation>
    </message>
    <message>
        <source>Max load</source>
        <translation>Max. Last</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Frame loss</source>
        <translation>Frameverlust</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Messdauer</translation>
    </message>
    <message>
        <source>Load step</source>
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
        <source>User load</source>
        <translation>Benutzerlast</translation>
    </message>
    <message>
        <source>Back-to-back</source>
        <translation>Back-to-Back</translation>
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
        <source>Learning int., ms</source>
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
        <source>Frame length, B</source>
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
        <source>Load:</source>
        <translation>Last:</translation>
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
        <source>Frame, B</source>
        <translation>Frame, B</translation>
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
    <name>SFPInfoWidget</name>
    <message>
        <source>Vendor</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Part number</source>
        <translation>Teilenummer</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>Monitoring (DDM)</source>
        <translation>Überwachung (DDM)</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>RX power</source>
        <translation>RX-Leistung</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>TX-Leistung</translation>
    </message>
    <message>
        <source>SFP module</source>
        <translation>SFP-Modul</translation>
    </message>
    <message>
        <source>nm</source>
        <translation>nm</translation>
    </message>
    <message>
        <source>mW</source>
        <translation>mW</translation>
    </message>
    <message>
        <source>dBm</source>
        <translation>dBm</translation>
    </message>
    <message>
        <source>no SFP module</source>
        <translation>kein SFP-Modul</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>ScaleAdjForm</name>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Relative time interval</source>
        <translation>Relatives Zeitintervall</translation>
    </message>
    <message>
        <source>Run NTP sync</source>
        <translation>NTP-Synchr. starten</translation>
    </message>
    <message>
        <source>PTP settings</source>
        <translation>PTP-Einstellungen</translation>
    </message>
    <message>
        <source>Domain auto detection</source>
        <translation>Domäne automatisch erkennen</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domäne</translation>
    </message>
    <message>
        <source>IP PTP Master</source>
        <translation>IP des PTP-Masters</translation>
    </message>
    <message>
        <source>Announce interval</source>
        <translation>Announce-Intervall</translation>
    </message>
    <message>
        <source>Sync interval</source>
        <translation>Sync-Intervall</translation>
    </message>
    <message>
        <source>Convert PTP time to UTC</source>
        <translation>PTP-Zeit in UTC umrechnen</translation>
    </message>
    <message>
        <source>PTP servers list</source>
        <translation>PTP-Serverliste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>PTP information</source>
        <translation>PTP-Informationen</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>PTP version</source>
        <translation>PTP-Version</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>UTC-Versatz</translation>
    </message>
    <message>
        <source>Clock class</source>
        <translation>Uhrenklasse</translation>
    </message>
    <message>
        <source>Clock accuracy</source>
        <translation>Uhrengenauigkeit</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Zeitquelle</translation>
    </message>
    <message>
        <source>Priority 1</source>
        <translation>Priorität 1</translation>
    </message>
    <message>
        <source>Priority 2</source>
        <translation>Priorität 2</translation>
    </message>
    <message>
        <source>GPS data</source>
        <translation>GPS-Daten</translation>
    </message>
    <message>
        <source>GPS synchronization</source>
        <translation>GPS-Synchronisation</translation>
    </message>
    <message>
        <source>PPS synchronization</source>
        <translation>PPS-Synchronisation</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>PDOP</source>
        <translation>PDOP</translation>
    </message>
    <message>
        <source>HDOP</source>
        <translation>HDOP</translation>
    </message>
    <message>
        <source>VDOP</source>
        <translation>VDOP</translation>
    </message>
    <message>
        <source>Satellites used</source>
        <translation>Genutzte Satelliten</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>GPS satellites</source>
        <translation>GPS-Satelliten</translation>
    </message>
    <message>
        <source>PRN</source>
        <translation>PRN</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>SNR</source>
        <translation>SNR</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Genutzt</translation>
    </message>
    <message>
        <source>NTP settings</source>
        <translation>NTP-Einstellungen</translation>
    </message>
    <message>
        <source>Server 1</source>
        <translation>Server 1</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>UDP-Port</translation>
    </message>
    <message>
        <source>Interval, s</source>
        <translation>Intervall, s</translation>
    </message>
    <message>
        <source>Server 2</source>
        <translation>Server 2</translation>
    </message>
    <message>
        <source>NTP information</source>
        <translation>NTP-Informationen</translation>
    </message>
    <message>
        <source>NTP version</source>
        <translation>NTP-Version</translation>
    </message>
    <message>
        <source>Stratum</source>
        <translation>Stratum</translation>
    </message>
    <message>
        <source>Poll interval</source>
        <translation>Abfrageintervall</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Root delay</source>
        <translation>Root-Verzögerung</translation>
    </message>
    <message>
        <source>Root dispersion</source>
        <translation>Root-Streuung</translation>
    </message>
    <message>
        <source>Ref. identifier</source>
        <translation>Ref.-Kennung</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Vergangen</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>∆Ph instant</source>
        <translation>∆Ph aktuell</translation>
    </message>
    <message>
        <source>∆Ph min</source>
        <translation>∆Ph min.</translation>
    </message>
    <message>
        <source>∆Ph average</source>
        <translation>∆Ph Mittel</translation>
    </message>
    <message>
        <source>∆Ph max</source>
        <translation>∆Ph max.</translation>
    </message>
    <message>
        <source>Time/Date diff.</source>
        <translation>Differenz Zeit/Datum</translation>
    </message>
    <message>
        <source>Ref. time/date</source>
        <translation>Ref. Zeit/Datum</translation>
    </message>
    <message>
        <source>Meas. time/date</source>
        <translation>Gem. Zeit/Datum</translation>
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
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
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
        <source>Cannot open the file for writing.</source>
        <translation>Die Datei kann nicht zum Schreiben geöffnet werden.</translation>
    </message>
    <message>
        <source>The screenshot did not arrive: the transfer from the tester broke off. Press &quot;Receive&quot; to try again.</source>
        <translation>Das Bildschirmfoto ist nicht angekommen: Die Übertragung vom Tester brach ab. Drücken Sie „Abrufen“, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>There is no screenshot to save: the last one did not arrive.</source>
        <translation>Kein Bildschirmfoto zum Speichern: Das letzte ist nicht angekommen.</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
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
        <source>Stop all processes to load a file.</source>
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
    <name>StatsForm</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Auto reset statistics</source>
        <translation>Statistik automatisch zurücksetzen</translation>
    </message>
    <message>
        <source>Frames (Port A)</source>
        <translation>Frames (Port A)</translation>
    </message>
    <message>
        <source>Bytes (Port A)</source>
        <translation>Bytes (Port A)</translation>
    </message>
    <message>
        <source>Frames (Port B)</source>
        <translation>Frames (Port B)</translation>
    </message>
    <message>
        <source>Bytes (Port B)</source>
        <translation>Bytes (Port B)</translation>
    </message>
    <message>
        <source>Frame types</source>
        <translation>Frametypen</translation>
    </message>
    <message>
        <source>Broadcast (Port A)</source>
        <translation>Broadcast (Port A)</translation>
    </message>
    <message>
        <source>Multicast (Port A)</source>
        <translation>Multicast (Port A)</translation>
    </message>
    <message>
        <source>Unicast (Port A)</source>
        <translation>Unicast (Port A)</translation>
    </message>
    <message>
        <source>Pause (Port A)</source>
        <translation>Pause (Port A)</translation>
    </message>
    <message>
        <source>Broadcast (Port B)</source>
        <translation>Broadcast (Port B)</translation>
    </message>
    <message>
        <source>Multicast (Port B)</source>
        <translation>Multicast (Port B)</translation>
    </message>
    <message>
        <source>Unicast (Port B)</source>
        <translation>Unicast (Port B)</translation>
    </message>
    <message>
        <source>Pause (Port B)</source>
        <translation>Pause (Port B)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Frame sizes</source>
        <translation>Framegrößen</translation>
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
        <source>Frame errors</source>
        <translation>Framefehler</translation>
    </message>
    <message>
        <source>CRC (Port A)</source>
        <translation>CRC (Port A)</translation>
    </message>
    <message>
        <source>Jabber (Port A)</source>
        <translation>Jabber (Port A)</translation>
    </message>
    <message>
        <source>CRC (Port B)</source>
        <translation>CRC (Port B)</translation>
    </message>
    <message>
        <source>Jabber (Port B)</source>
        <translation>Jabber (Port B)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Reset counters</source>
        <translation>Zähler zurücksetzen</translation>
    </message>
    <message>
        <source>Reload setting</source>
        <translation>Einstellung neu laden</translation>
    </message>
    <message>
        <source>Common data</source>
        <translation>Allgemeine Daten</translation>
    </message>
    <message>
        <source>L1 (Port A)</source>
        <translation>L1 (Port A)</translation>
    </message>
    <message>
        <source>L2 (Port A)</source>
        <translation>L2 (Port A)</translation>
    </message>
    <message>
        <source>L3 (Port A)</source>
        <translation>L3 (Port A)</translation>
    </message>
    <message>
        <source>L1 (Port B)</source>
        <translation>L1 (Port B)</translation>
    </message>
    <message>
        <source>L2 (Port B)</source>
        <translation>L2 (Port B)</translation>
    </message>
    <message>
        <source>L3 (Port B)</source>
        <translation>L3 (Port B)</translation>
    </message>
    <message>
        <source>Runts (Port A)</source>
        <translation>Runts (Port A)</translation>
    </message>
    <message>
        <source>Runts (Port B)</source>
        <translation>Runts (Port B)</translation>
    </message>
</context>
<context>
    <name>TCPIPForm</name>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Trace</translation>
    </message>
    <message>
        <source>IP scanner</source>
        <translation>IP-Scanner</translation>
    </message>
</context>
<context>
    <name>TestForm</name>
    <message>
        <source>Traffic test</source>
        <translation>Traffic-Test</translation>
    </message>
    <message>
        <source>RFC 2544 test</source>
        <translation>RFC-2544-Test</translation>
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
        <source>IP scanner test</source>
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
        <source>Asymmetric traffic test</source>
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
        <source>Cannot run the test: the DNS name is empty</source>
        <translation>Test kann nicht starten: DNS-Name leer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Cannot start the test for topology %1,
because &quot;Auto IP destination&quot; is set.</source>
        <translation>Der Test für die Topologie %1 kann nicht gestartet werden,
weil &quot;Auto-IP-Ziel&quot; gesetzt ist.</translation>
    </message>
    <message>
        <source>The settings of this test have not been read from the tester, so nothing was sent.
Press Reset to read them again; this replaces the values you changed with the tester&apos;s.</source>
        <translation>Die Einstellungen dieses Tests wurden nicht vom Tester gelesen, daher wurde nichts gesendet.
Drücken Sie „Zurücksetzen“, um sie erneut zu lesen; dabei werden Ihre geänderten Werte durch die des Testers ersetzt.</translation>
    </message>
    <message>
        <source>The settings of this test have not been read from the tester, so nothing was sent and the test was not started.
Press Reset to read them again; this replaces the values you changed with the tester&apos;s.</source>
        <translation>Die Einstellungen dieses Tests wurden nicht vom Tester gelesen, daher wurde nichts gesendet und der Test nicht gestartet.
Drücken Sie „Zurücksetzen“, um sie erneut zu lesen; dabei werden Ihre geänderten Werte durch die des Testers ersetzt.</translation>
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
    <name>TraceForm</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Packet size, B</source>
        <translation>Paketgröße, B</translation>
    </message>
    <message>
        <source>Wait time, ms</source>
        <translation>Wartezeit, ms</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Trace results</source>
        <translation>Trace-Ergebnisse</translation>
    </message>
    <message>
        <source>Latency, ms</source>
        <translation>Latenz, ms</translation>
    </message>
    <message>
        <source>page #</source>
        <translation>Seite #</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
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
        <source>timeout</source>
        <translation>Zeitüberschr.</translation>
    </message>
    <message>
        <source>No conn.</source>
        <translation>Keine Verb.</translation>
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
        <source>Packet length, B</source>
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
        <source>Tx bytes</source>
        <translation>Tx-Bytes</translation>
    </message>
    <message>
        <source>Lost frames</source>
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
        <source>Ratio</source>
        <translation>Anteil</translation>
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
        <source>Packet length, B</source>
        <translation>Paketlänge, B</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Learning int., ms</source>
        <translation>Lernintervall, ms</translation>
    </message>
    <message>
        <source>Wait interval, ms</source>
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
        <source>Remaining time</source>
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
        <source>Lost frames</source>
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
        <source>Ratio</source>
        <translation>Anteil</translation>
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
        <source>Packet length, B</source>
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
        <source>Test criteria</source>
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
        <source>VLAN tags</source>
        <translation>Anzahl VLAN-Tags</translation>
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
        <source>Learning int., ms</source>
        <translation>Lernintervall, ms</translation>
    </message>
    <message>
        <source>Wait interval, ms</source>
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
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Direction</source>
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
        <source>Start NTP</source>
        <translation>NTP starten</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Status aktualisieren</translation>
    </message>
    <message>
        <source>Stop NTP</source>
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
        <source>Remaining time</source>
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
        <source>Avg.</source>
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
        <source>Overall status</source>
        <translation>Gesamtzustand</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
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
    <name>vyrupDialog</name>
    <message>
        <source>Update</source>
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
        <source>CPU write started</source>
        <translation>Schreiben der CPU begonnen</translation>
    </message>
    <message>
        <source>CPU write completed</source>
        <translation>Schreiben der CPU abgeschlossen</translation>
    </message>
    <message>
        <source>CPU write failed</source>
        <translation>Schreiben der CPU fehlgeschlagen</translation>
    </message>
    <message>
        <source>FPGA erase started</source>
        <translation>Löschen des FPGA begonnen</translation>
    </message>
    <message>
        <source>FPGA erase completed</source>
        <translation>Löschen des FPGA abgeschlossen</translation>
    </message>
    <message>
        <source>FPGA erase failed</source>
        <translation>Löschen des FPGA fehlgeschlagen</translation>
    </message>
    <message>
        <source>FPGA write started</source>
        <translation>Schreiben des FPGA begonnen</translation>
    </message>
    <message>
        <source>FPGA write completed</source>
        <translation>Schreiben des FPGA abgeschlossen</translation>
    </message>
    <message>
        <source>FPGA write failed</source>
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
        <source>Invalid device type</source>
        <translation>Ungültiger Gerätetyp</translation>
    </message>
    <message>
        <source>Wait after reset failed</source>
        <translation>Warten nach dem Neustart fehlgeschlagen</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Ungültiges Dateiformat</translation>
    </message>
    <message>
        <source>Full update completed</source>
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
        <source>Update file (*.vyrup)</source>
        <translation>Aktualisierungsdatei (*.vyrup)</translation>
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
