<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Vantorel</name>
    <message>
        <source>desktop_label</source>
        <extracomment>Default name of a new desktop; %d is its position, counted from 1.</extracomment>
        <translation>Arbeitsfläche %d</translation>
    </message>
    <message>
        <source>settings_title</source>
        <extracomment>Title of the window in which desktops are named and coloured.</extracomment>
        <translation>Arbeitsflächen benennen</translation>
    </message>
    <message>
        <source>menu_settings</source>
        <extracomment>Menu entry that opens the window.</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>menu_check_updates</source>
        <extracomment>Menu entry.</extracomment>
        <translation>Nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>menu_quit</source>
        <extracomment>Menu entry.</extracomment>
        <translation>Vantorel beenden</translation>
    </message>
    <message>
        <source>instructions_hint</source>
        <extracomment>Instruction bar at the top of the window.</extracomment>
        <translation>Gib jeder Arbeitsfläche einen Namen und eine Farbe. Der Name der aktiven Arbeitsfläche erscheint in der Leiste.</translation>
    </message>
    <message>
        <source>no_desktops_detected</source>
        <extracomment>Shown in place of the list when there are no desktops.</extracomment>
        <translation>Keine Arbeitsflächen gefunden. Läuft ein Fenstermanager?</translation>
    </message>
    <message>
        <source>launch_at_login</source>
        <extracomment>Label of the on/off switch.</extracomment>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>Button that closes the window.</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>#%lld</source>
        <extracomment>Position number of a desktop row; %lld is the position, counted from 1.</extracomment>
        <translation>#%lld</translation>
    </message>
    <message>
        <source>current_badge</source>
        <extracomment>Badge on the row of the active desktop.</extracomment>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>name_placeholder</source>
        <extracomment>Placeholder of an empty name field.</extracomment>
        <translation>Name der Arbeitsfläche</translation>
    </message>
</context>
</TS>
