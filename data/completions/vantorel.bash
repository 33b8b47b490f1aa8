# SPDX-FileCopyrightText: 2026 The Vantorel developers
# SPDX-License-Identifier: MIT
# bash completion for vantorel

_vantorel() {
    local cur prev
    _init_completion -s || return

    case $prev in
    --window-server)
        mapfile -t COMPREPLY < <(compgen -W 'x11 i3 sway scripted' -- "$cur")
        return
        ;;
    --bar)
        mapfile -t COMPREPLY < <(compgen -W 'waybar polybar i3blocks plain' -- "$cur")
        return
        ;;
    --spaces-from)
        _filedir
        return
        ;;
    esac
    $split && return

    mapfile -t COMPREPLY < <(compgen -W '--help --version --window-server= --spaces-from= --bar=' -- "$cur")
    [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
} && complete -F _vantorel vantorel
