#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program's installed data files (such as the how-to-play page), found
// from where the program runs.

// Where a data file is looked for, in order: the build tree's copy when the
// program runs from inside `buildTree`; the data folder relative to the
// program's folder (an installed program, wherever its prefix was moved);
// the data folder of the prefix the program was built for.
struct DataFileSearch {
    std::filesystem::path programDir;     // the folder of the running executable
    std::filesystem::path buildTree;      // the build tree the program was built in
    std::filesystem::path buildTreeData;  // the data folder inside the build tree
    std::filesystem::path dataFromBinDir; // the data folder, relative to the installed program's
    std::filesystem::path installedData;  // the data folder, absolute
};

// The paths looked at for `relative`, in the order above.
std::vector<std::filesystem::path> DataFileCandidates(const DataFileSearch& search,
                                                      std::string_view relative);

// The first candidate that is a regular file, or nothing.
std::optional<std::filesystem::path> FindDataFile(const DataFileSearch& search,
                                                  std::string_view relative);

// The search of this program, from the running executable and the folders
// it was built and installed with.
DataFileSearch ProgramDataFileSearch();

// A file:// URL for an absolute path, with every byte outside the URL's
// unreserved characters and "/" percent-encoded.
std::string FileUrl(const std::filesystem::path& absolute);
