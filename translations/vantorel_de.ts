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
    <message>
        <source>update_title</source>
        <extracomment>Title of the update dialogs.</extracomment>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>update_not_configured</source>
        <extracomment>No feed address was built in or set.</extracomment>
        <translation>Diese Vantorel-Ausgabe hat keine Aktualisierungsquelle und kann daher nicht nach Aktualisierungen suchen.</translation>
    </message>
    <message>
        <source>update_up_to_date</source>
        <extracomment>%1 is the running version.</extracomment>
        <translation>Du hast die neueste Version von Vantorel (%1).</translation>
    </message>
    <message>
        <source>update_available</source>
        <extracomment>%1 is the new version, %2 the running one.</extracomment>
        <translation>Vantorel %1 ist verfügbar. Du hast %2.</translation>
    </message>
    <message>
        <source>update_release_notes</source>
        <extracomment>%1 is a link to the release notes.</extracomment>
        <translation>Neuerungen: %1</translation>
    </message>
    <message>
        <source>update_open_download</source>
        <extracomment>Button that opens the release&apos;s page in the browser.</extracomment>
        <translation>Download-Seite öffnen</translation>
    </message>
    <message>
        <source>update_feed_insecure</source>
        <extracomment>%1 is the address.</extracomment>
        <translation>Die Adresse der Aktualisierungsquelle %1 ist nicht sicher (https).</translation>
    </message>
    <message>
        <source>update_redirect_insecure</source>
        <extracomment>%1 is the address.</extracomment>
        <translation>Die Aktualisierungsquelle hat Vantorel an %1 weitergeleitet, eine unsichere Adresse (kein https).</translation>
    </message>
    <message>
        <source>update_too_large</source>
        <extracomment>The update feed is larger than 1 MiB, which no feed of ours is.</extracomment>
        <translation>Die Aktualisierungsquelle ist größer als 1 MiB, was keine unserer Quellen ist.</translation>
    </message>
    <message>
        <source>update_timeout</source>
        <extracomment>The update feed did not answer within 15 seconds.</extracomment>
        <translation>Die Aktualisierungsquelle hat nicht innerhalb von 15 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>update_network_error</source>
        <extracomment>%1 is the network&apos;s reason.</extracomment>
        <translation>Die Aktualisierungsquelle konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>update_feed_broken</source>
        <extracomment>%1 says where and why.</extracomment>
        <translation>Die Aktualisierungsquelle ist fehlerhaft: %1</translation>
    </message>
</context>
</TS>
