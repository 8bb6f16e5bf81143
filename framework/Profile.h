#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where an application keeps its profile settings: named string values in
// named sections. A store that cannot be read reads as empty; one that
// cannot be written says so when it is flushed.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual std::optional<std::string> Read(std::string_view section, std::string_view entry) = 0;
    virtual void Write(std::string_view section, std::string_view entry,
                       std::string_view value) = 0;
    virtual void Remove(std::string_view section, std::string_view entry) = 0;
    // Puts what was written where it is kept. False, with `problem` saying
    // why, when that failed.
    virtual bool Flush(std::string& problem) = 0;
};

// The most recently opened files, most recent first, without duplicates,
// kept in the profile as section "Recent File List", entries "File1",
// "File2", ...
class CRecentFileList {
public:
    explicit CRecentFileList(int size) : m_size(size) {}

    // Puts `path`, made absolute, at the front; an older entry for the same
    // file goes, and the list keeps at most its size.
    void Add(std::string_view path);
    const std::vector<std::string>& Entries() const { return m_entries; }
    int Size() const { return m_size; }

    // Reads the list; empty and missing entries are skipped.
    void ReadList(ProfileStore& store);
    // Writes the list as File1.., and removes the entries past it.
    void WriteList(ProfileStore& store) const;

private:
    int m_size;
    std::vector<std::string> m_entries;
};
