# SPDX-FileCopyrightText: 2026 The Vantorel developers
# SPDX-License-Identifier: MIT

complete -c vantorel -f
complete -c vantorel -s h -l help -d 'Show the help and exit'
complete -c vantorel -s v -l version -d 'Show the version and exit'
complete -c vantorel -l window-server -x -a 'x11 kwin i3 sway scripted' -d 'Follow this window server'
complete -c vantorel -l spaces-from -r -F -d 'Follow desktops written by hand in a file'
complete -c vantorel -l bar -x -a 'waybar polybar i3blocks plain' -d 'Write the label for a text bar'
complete -c vantorel -l output -x -d 'Show the desktop visible on this monitor'
complete -c vantorel -n __fish_use_subcommand -a 'list rename recolor switch'
complete -c vantorel -n '__fish_seen_subcommand_from list' -l json -d 'Print a JSON array'
complete -c vantorel -n '__fish_seen_subcommand_from rename recolor switch' -l id -d 'Take the desktop by its id'
complete -c vantorel -n '__fish_seen_subcommand_from recolor' -a 'red blue green orange purple yellow pink grey'
