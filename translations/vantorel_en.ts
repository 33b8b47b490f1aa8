<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Vantorel</name>
    <message>
        <source>desktop_label</source>
        <extracomment>Default name of a new desktop; %d is its position, counted from 1.</extracomment>
        <translation>Desktop %d</translation>
    </message>
    <message>
        <source>settings_title</source>
        <extracomment>Title of the window in which desktops are named and coloured.</extracomment>
        <translation>Mark My Desktops</translation>
    </message>
    <message>
        <source>menu_settings</source>
        <extracomment>Menu entry that opens the window.</extracomment>
        <translation>Settings</translation>
    </message>
    <message>
        <source>menu_check_updates</source>
        <extracomment>Menu entry.</extracomment>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>menu_quit</source>
        <extracomment>Menu entry.</extracomment>
        <translation>Quit Vantorel</translation>
    </message>
    <message>
        <source>instructions_hint</source>
        <extracomment>Instruction bar at the top of the window.</extracomment>
        <translation>Give each desktop a name and a color. The active desktop&apos;s name is shown in the panel.</translation>
    </message>
    <message>
        <source>no_desktops_detected</source>
        <extracomment>Shown in place of the list when there are no desktops.</extracomment>
        <translation>No desktops found. Is a window manager running?</translation>
    </message>
    <message>
        <source>launch_at_login</source>
        <extracomment>Label of the on/off switch.</extracomment>
        <translation>Launch at Login</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>Button that closes the window.</extracomment>
        <translation>Done</translation>
    </message>
    <message>
        <source>#%lld</source>
        <extracomment>Position number of a desktop row; %lld is the position, counted from 1.</extracomment>
        <translation>#%lld</translation>
    </message>
    <message>
        <source>current_badge</source>
        <extracomment>Badge on the row of the active desktop.</extracomment>
        <translation>Current</translation>
    </message>
    <message>
        <source>name_placeholder</source>
        <extracomment>Placeholder of an empty name field.</extracomment>
        <translation>Desktop Name</translation>
    </message>
    <message>
        <source>update_title</source>
        <extracomment>Title of the update dialogs.</extracomment>
        <translation>Software Update</translation>
    </message>
    <message>
        <source>update_not_configured</source>
        <extracomment>No feed address was built in or set.</extracomment>
        <translation>This copy of Vantorel has no update feed, so it cannot look for updates.</translation>
    </message>
    <message>
        <source>update_up_to_date</source>
        <extracomment>%1 is the running version.</extracomment>
        <translation>You have the newest version of Vantorel (%1).</translation>
    </message>
    <message>
        <source>update_available</source>
        <extracomment>%1 is the new version, %2 the running one.</extracomment>
        <translation>Vantorel %1 is available. You have %2.</translation>
    </message>
    <message>
        <source>update_release_notes</source>
        <extracomment>%1 is a link to the release notes.</extracomment>
        <translation>What&apos;s new: %1</translation>
    </message>
    <message>
        <source>update_open_download</source>
        <extracomment>Button that opens the release&apos;s page in the browser.</extracomment>
        <translation>Open Download Page</translation>
    </message>
    <message>
        <source>update_feed_insecure</source>
        <extracomment>%1 is the address.</extracomment>
        <translation>The update feed address %1 is not secure (https).</translation>
    </message>
    <message>
        <source>update_redirect_insecure</source>
        <extracomment>%1 is the address.</extracomment>
        <translation>The update feed sent Vantorel on to %1, which is not secure (https).</translation>
    </message>
    <message>
        <source>update_too_large</source>
        <extracomment>The update feed is larger than 1 MiB, which no feed of ours is.</extracomment>
        <translation>The update feed is larger than 1 MiB, which no feed of ours is.</translation>
    </message>
    <message>
        <source>update_timeout</source>
        <extracomment>The update feed did not answer within 15 seconds.</extracomment>
        <translation>The update feed did not answer within 15 seconds.</translation>
    </message>
    <message>
        <source>update_network_error</source>
        <extracomment>%1 is the network&apos;s reason.</extracomment>
        <translation>The update feed could not be read: %1</translation>
    </message>
    <message>
        <source>update_feed_broken</source>
        <extracomment>%1 says where and why.</extracomment>
        <translation>The update feed is broken: %1</translation>
    </message>
</context>
</TS>
