// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

// A value owned elsewhere that a view reads and writes: the view holds no copy, so every rebuild shows the owner's
// current value.
template <typename Value>
struct Binding {
    std::function<Value()> get;
    std::function<void(const Value&)> set;
};
