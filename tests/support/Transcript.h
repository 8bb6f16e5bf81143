#pragma once

#include <string>
#include <vector>

// Everything the player would hear and see, in the order it happened: one
// entry per observable effect, such as "clip 238", "redraw" or
// "message 引き分けです。". Test hosts append to it; tests compare it.
class Transcript {
public:
    void Add(std::string entry) { m_entries.push_back(std::move(entry)); }
    void Clear() { m_entries.clear(); }
    const std::vector<std::string>& Entries() const { return m_entries; }

    // The clip ids heard, space-separated: "238 251 242".
    std::string Clips() const {
        std::string ids;
        for (const std::string& entry : m_entries) {
            if (entry.rfind("clip ", 0) != 0)
                continue;
            if (!ids.empty())
                ids += ' ';
            ids += entry.substr(5);
        }
        return ids;
    }

private:
    std::vector<std::string> m_entries;
};
