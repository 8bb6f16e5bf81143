#pragma once

#include "framework/Types.h"

#include <span>

// One entry of a class's command map: a command id and the member that
// handles it.
template <class Target>
struct CommandEntry {
    UINT id;
    void (Target::*handler)();
};

// The entry of `map` for `id`, or nullptr.
template <class Target>
const CommandEntry<Target>* FindCommand(std::span<const CommandEntry<Target>> map, UINT id) {
    for (const CommandEntry<Target>& entry : map) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

// Runs the handler that `map` gives for `id` on `target`; true when the map
// has one.
template <class Target>
bool DispatchCommand(Target& target, std::span<const CommandEntry<Target>> map, UINT id) {
    const CommandEntry<Target>* entry = FindCommand(map, id);
    if (entry == nullptr)
        return false;
    (target.*entry->handler)();
    return true;
}
