<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A test catalogue: a few of tolvoctl's messages in German. -->
<TS version="2.1" language="de_DE">
<context>
    <name>tolvoctl</name>
    <message>
        <source>&quot;%1&quot; is no IPv4 address (four numbers from 0 to 255 joined by dots).</source>
        <translation>„%1“ ist keine IPv4-Adresse (vier Zahlen von 0 bis 255, durch Punkte getrennt).</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
</context>
</TS>
