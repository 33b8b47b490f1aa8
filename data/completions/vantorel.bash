# SPDX-FileCopyrightText: 2026 The Vantorel developers
# SPDX-License-Identifier: MIT
# bash completion for vantorel

_vantorel() {
    local cur prev
    _init_completion -s || return

    case $prev in
    --window-server)
        mapfile -t COMPREPLY < <(compgen -W 'x11 kwin i3 sway scripted' -- "$cur")
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
    recolor)
        return
        ;;
    esac
    $split && return

    if [[ $cword -gt 1 && ${words[cword - 2]} == recolor ]] || [[ $cword -gt 2 && ${words[cword - 3]} == recolor ]]; then
        mapfile -t COMPREPLY < <(compgen -W 'red blue green orange purple yellow pink grey' -- "$cur")
        return
    fi
    mapfile -t COMPREPLY < <(compgen -W 'list rename recolor switch --help --version --window-server= --spaces-from=
        --bar= --output= --json --id' -- "$cur")
    [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
} && complete -F _vantorel vantorel
