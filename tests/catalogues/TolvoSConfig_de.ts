<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A test catalogue: a few of the window program's texts in German. -->
<TS version="2.1" language="de_DE">
<context>
    <name>Templates</name>
    <message>
        <source>Load Configuration</source>
        <translation>Konfiguration laden</translation>
    </message>
    <message>
        <source>Tolvo&apos;s IP address:</source>
        <translation>IP-Adresse des Tolvo:</translation>
    </message>
    <message>
        <source>Infrastracture</source>
        <translation>Infrastruktur</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>WiFi Settings</source>
        <translation>WLAN-Einstellungen</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, Teil %2 von 4</translation>
    </message>
</context>
</TS>
