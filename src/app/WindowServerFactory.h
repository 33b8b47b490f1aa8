// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/CommandLine.h"
#include "windowserver/WindowServerBackend.h"

#include <functional>
#include <memory>
#include <vector>

// Picks the window server of the run: the one the command line names, or the first that the session offers, in
// the order sway (SWAYSOCK), i3 (I3SOCK, or the socket the X root window names), X11 (DISPLAY). A candidate that
// is there but can't be opened gives way to the next.
class WindowServerFactory {
public:
    // What the session says about its window manager.
    struct Environment {
        QString swaySocket; // SWAYSOCK
        QString i3Socket;   // I3SOCK
        QString display;    // DISPLAY

        static Environment current();
    };

    // Finds the candidates; nothing is opened yet, so this needs no running application.
    WindowServerFactory(CommandLine::WindowServer choice, const QString& spacesFrom, const Environment& environment);

    bool hasCandidates() const;
    // The first candidate that opens; nothing when none does.
    std::unique_ptr<WindowServerBackend> open();
    // Names what was tried and why each could not be had, in one line.
    QString error() const;

private:
    using Make = std::function<std::unique_ptr<WindowServerBackend>()>;
    struct Candidate {
        QString name;
        QString failure; // why it is not there, or why it did not open
        Make make;
    };

    std::vector<Candidate> m_candidates;
};
