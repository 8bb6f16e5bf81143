#include "framework/Profile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

constexpr char kSection[] = "Recent File List";

std::string EntryName(int index) {
    return "File" + std::to_string(index + 1);
}

std::string AbsolutePath(std::string_view path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? std::string(path) : absolute.lexically_normal().string();
}

} // namespace

void CRecentFileList::Add(std::string_view path) {
    if (m_size <= 0 || path.empty())
        return;
    const std::string absolute = AbsolutePath(path);
    std::erase(m_entries, absolute);
    m_entries.insert(m_entries.begin(), absolute);
    if (m_entries.size() > static_cast<std::size_t>(m_size))
        m_entries.resize(static_cast<std::size_t>(m_size));
}

void CRecentFileList::ReadList(ProfileStore& store) {
    m_entries.clear();
    for (int index = 0; index < m_size; ++index) {
        const std::optional<std::string> path = store.Read(kSection, EntryName(index));
        if (path && !path->empty() &&
            std::find(m_entries.begin(), m_entries.end(), *path) == m_entries.end())
            m_entries.push_back(*path);
    }
}

void CRecentFileList::WriteList(ProfileStore& store) const {
    for (int index = 0; index < m_size; ++index) {
        if (static_cast<std::size_t>(index) < m_entries.size())
            store.Write(kSection, EntryName(index), m_entries[static_cast<std::size_t>(index)]);
        else
            store.Remove(kSection, EntryName(index));
    }
}
