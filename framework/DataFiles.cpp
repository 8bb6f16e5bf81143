#include "framework/DataFiles.h"

#include "res/BuildConfig.h"

#include <system_error>

namespace {

namespace fs = std::filesystem;

// True when `path` lies inside `folder` (both lexically normal).
bool IsInside(const fs::path& path, const fs::path& folder) {
    if (folder.empty())
        return false;
    const fs::path relative = path.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != "..";
}

bool IsUnreserved(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
           byte == '~' || byte == '/';
}

} // namespace

std::vector<fs::path> DataFileCandidates(const DataFileSearch& search, std::string_view relative) {
    std::vector<fs::path> candidates;
    const fs::path programDir = search.programDir.lexically_normal();
    if (!programDir.empty() && IsInside(programDir, search.buildTree.lexically_normal()))
        candidates.push_back(search.buildTreeData / relative);
    if (!programDir.empty())
        candidates.push_back((programDir / search.dataFromBinDir / relative).lexically_normal());
    candidates.push_back(search.installedData / relative);
    return candidates;
}

std::optional<fs::path> FindDataFile(const DataFileSearch& search, std::string_view relative) {
    for (const fs::path& candidate : DataFileCandidates(search, relative)) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

DataFileSearch ProgramDataFileSearch() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return DataFileSearch{error ? fs::path() : program.parent_path(), g_buildTree,
                          g_buildTreeDataDir, g_dataDirFromBinDir, g_installedDataDir};
}

std::string FileUrl(const fs::path& absolute) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : absolute.string()) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte)) {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0x0F];
        }
    }
    return url;
}
