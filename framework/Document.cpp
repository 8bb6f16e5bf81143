#include "framework/Document.h"

#include "framework/App.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// 0 when `path` opens for reading as a file, else the errno value. Opening
// does not wait for a writer of a named pipe.
int TryOpenForReading(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat status {};
    int error = 0;
    if (::fstat(fd, &status) != 0)
        error = errno;
    else if (S_ISDIR(status.st_mode))
        error = EISDIR;
    ::close(fd);
    return error;
}

const char* ReasonInJapanese(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "ファイルが見つかりません。";
    case EISDIR:
        return "フォルダーは開けません。";
    case EACCES:
    case EPERM:
        return "ファイルを読む権限がありません。";
    default:
        return nullptr;
    }
}

} // namespace

bool CDocument::OnOpenDocument(const std::string& path) {
    const int error = TryOpenForReading(path);
    if (error == 0)
        return true;
    std::fprintf(stderr, "%s\n", FileOpenFailureLine(path, error).c_str());
    AfxMessageBox(FileOpenFailureText(path, error), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void CDocument::SetPathName(std::string_view path) {
    m_path = path;
    m_title = std::filesystem::path(path).filename().string();
    if (m_title.empty())
        m_title = path;
}

std::string FileOpenFailureText(std::string_view path, int error) {
    std::string text = "「" + std::string(path) + "」を開けませんでした。\n";
    if (const char* reason = ReasonInJapanese(error))
        text += reason;
    else
        text += std::strerror(error);
    return text;
}

std::string FileOpenFailureLine(std::string_view path, int error) {
    // The name the program was started by, as command-line tools begin their messages.
    return std::string(program_invocation_short_name) + ": cannot open '" + std::string(path) +
           "': " + std::strerror(error);
}
