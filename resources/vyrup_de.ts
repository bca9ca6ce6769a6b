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
        <translation>Fernsteuerungssoftware für den
Ethernet-Tester %1.</translation>
    </message>
    <message>
        <source>Firmware update software for
Ethernet tester %1.</source>
        <translation>Software zur Firmware-Aktualisierung
des Ethernet-Testers %1.</translation>
    </message>
</context>
<context>
    <name>IPsettingForm</name>
    <message>
        <source>IP settings</source>
        <translation>IP-Einstellungen</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
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
        <source>Login</source>
        <translation>Anm</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>PW</translation>
    </message>
    <message>
        <source>ROM update (advanced)</source>
        <translation>ROM-Aktualisierung (erweitert)</translation>
    </message>
    <message>
        <source>RPD file</source>
        <translation>RPD-Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Flash RPD</source>
        <translation>RPD schreiben</translation>
    </message>
    <message>
        <source>Flash BIN</source>
        <translation>BIN schreiben</translation>
    </message>
    <message>
        <source>Flash FS</source>
        <translation>FS schreiben</translation>
    </message>
    <message>
        <source>BIN file</source>
        <translation>BIN-Datei</translation>
    </message>
    <message>
        <source>FS file</source>
        <translation>FS-Datei</translation>
    </message>
    <message>
        <source>Reset to update</source>
        <translation>Neustart zur Aktualisierung</translation>
    </message>
    <message>
        <source>GPS module file</source>
        <translation>GPS-Modul-Datei</translation>
    </message>
    <message>
        <source>Flash GPS</source>
        <translation>GPS schreiben</translation>
    </message>
    <message>
        <source>ROM update</source>
        <translation>ROM-Aktualisierung</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>FPGA</source>
        <translation>FPGA</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>GPS module</source>
        <translation>GPS-Modul</translation>
    </message>
    <message>
        <source>Flash ROM</source>
        <translation>ROM schreiben</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; color:#000000;&quot;&gt;Connect to device.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; color:#000000;&quot;&gt;Mit dem Gerät verbinden.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Connected to device.</source>
        <translation>Mit dem Gerät verbunden.</translation>
    </message>
    <message>
        <source>Device type:</source>
        <translation>Gerätetyp:</translation>
    </message>
    <message>
        <source>Device serial:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Release:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Connecting to the device failed.</source>
        <translation>Verbindung zum Gerät fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Disconnected from the device.</source>
        <translation>Vom Gerät getrennt.</translation>
    </message>
    <message>
        <source>Cannot update the device in remote control mode.
Switch to update mode?</source>
        <translation>Das Gerät kann im Fernsteuerungsmodus nicht aktualisiert werden.
In den Aktualisierungsmodus wechseln?</translation>
    </message>
    <message>
        <source>Select ROM file</source>
        <translation>ROM-Datei auswählen</translation>
    </message>
    <message>
        <source>Update file (*.vyrup)</source>
        <translation>Aktualisierungsdatei (*.vyrup)</translation>
    </message>
    <message>
        <source>Select BIN file.</source>
        <translation>BIN-Datei auswählen.</translation>
    </message>
    <message>
        <source>CPU update file (*.bin)</source>
        <translation>CPU-Aktualisierungsdatei(*.bin)</translation>
    </message>
    <message>
        <source>Select RPD file.</source>
        <translation>RPD-Datei auswählen.</translation>
    </message>
    <message>
        <source>FPGA update file (*.rpd)</source>
        <translation>FPGA-Aktualisierungsdatei(*.rpd)</translation>
    </message>
    <message>
        <source>Select IMG file.</source>
        <translation>IMG-Datei auswählen.</translation>
    </message>
    <message>
        <source>Image file (*.img)</source>
        <translation>Abbilddatei(*.img)</translation>
    </message>
    <message>
        <source>GPS module update file (*.bin)</source>
        <translation>GPS-Modul-Aktualisierungsdatei(*.bin)</translation>
    </message>
    <message>
        <source>Open file error</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>Updating CPU memory.</source>
        <translation>CPU-Speicher wird aktualisiert.</translation>
    </message>
    <message>
        <source>CPU update finished.</source>
        <translation>CPU-Aktualisierung abgeschlossen.</translation>
    </message>
    <message>
        <source>CPU update failed.</source>
        <translation>CPU-Aktualisierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Erasing FPGA flash memory.</source>
        <translation>FPGA-Flash-Speicher wird gelöscht.</translation>
    </message>
    <message>
        <source>Erasing FPGA flash memory finished.</source>
        <translation>Löschen des FPGA-Flash-Speichers abgeschlossen.</translation>
    </message>
    <message>
        <source>Erasing FPGA flash memory failed.</source>
        <translation>Löschen des FPGA-Flash-Speichers fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Updating FPGA flash memory.</source>
        <translation>FPGA-Flash-Speicher wird aktualisiert.</translation>
    </message>
    <message>
        <source>FPGA update finished.</source>
        <translation>FPGA-Aktualisierung abgeschlossen.</translation>
    </message>
    <message>
        <source>FPGA update failed.</source>
        <translation>FPGA-Aktualisierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Resetting the device.</source>
        <translation>Gerät wird neu gestartet.</translation>
    </message>
    <message>
        <source>Device reset finished.</source>
        <translation>Neustart des Geräts abgeschlossen.</translation>
    </message>
    <message>
        <source>Device reset failed.</source>
        <translation>Neustart des Geräts fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Updating FS.</source>
        <translation>Dateisystem wird aktualisiert.</translation>
    </message>
    <message>
        <source>FS update finished.</source>
        <translation>Dateisystem-Aktualisierung abgeschlossen.</translation>
    </message>
    <message>
        <source>FS update failed.</source>
        <translation>Dateisystem-Aktualisierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Updating GPS module.</source>
        <translation>GPS-Modul wird aktualisiert.</translation>
    </message>
    <message>
        <source>GPS module update finished.</source>
        <translation>GPS-Modul-Aktualisierung abgeschlossen.</translation>
    </message>
    <message>
        <source>GPS module update failed.</source>
        <translation>GPS-Modul-Aktualisierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Invalid device type.</source>
        <translation>Ungültiger Gerätetyp.</translation>
    </message>
    <message>
        <source>Wait after reset failed.</source>
        <translation>Warten nach dem Neustart fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Wrong file format.</source>
        <translation>Falsches Dateiformat.</translation>
    </message>
    <message>
        <source>Firmware update finished.</source>
        <translation>Firmware-Aktualisierung abgeschlossen.</translation>
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
        <source>Logon</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
        <source>Login</source>
        <translation>Anm</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>PW</translation>
    </message>
    <message>
        <source>IP settings</source>
        <translation>IP-Einstellungen</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
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
        <source>Reset</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>About the program</source>
        <translation>Informationen über das Programm</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Informationen über Qt</translation>
    </message>
    <message>
        <source>Connected to device.</source>
        <translation>Mit dem Gerät verbunden.</translation>
    </message>
    <message>
        <source>Device serial:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Release:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Connecting to the device failed.</source>
        <translation>Verbindung zum Gerät fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Disconnected from the device.</source>
        <translation>Vom Gerät getrennt.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not complete. The IP settings were not sent.</source>
        <translation>%1 &quot;%2&quot; ist unvollständig. Die IP-Einstellungen wurden nicht gesendet.</translation>
    </message>
    <message>
        <source>IP settings sent.</source>
        <translation>IP-Einstellungen gesendet.</translation>
    </message>
    <message>
        <source>Sending the IP settings failed.</source>
        <translation>Senden der IP-Einstellungen fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>logonDialog</name>
    <message>
        <source>Log on</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
