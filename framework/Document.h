#pragma once

#include "framework/Wnd.h"

#include <string>
#include <string_view>

// Base of the document a view shows. A document opened from a file keeps
// its path; its title is the file's name, or the template's default name
// for a new document.
class CDocument : public CCmdTarget {
public:
    // Prepares a new, empty document; false refuses it.
    virtual bool OnNewDocument() { return true; }
    // Opens the file `path` as the document. The base checks that the file
    // can be opened for reading (a folder cannot) and reads nothing; when it
    // cannot, it says why in a message box and on stderr and returns false.
    virtual bool OnOpenDocument(const std::string& path);

    void SetTitle(std::string_view title) { m_title = title; }
    const std::string& GetTitle() const { return m_title; }
    // Sets the document's path and, from it, its title (the file's name).
    void SetPathName(std::string_view path);
    const std::string& GetPathName() const { return m_path; }

private:
    std::string m_title;
    std::string m_path;
};

// Why a file could not be opened as a document: the message box's text (in
// Japanese, as the program speaks) and the line for stderr. `error` is the
// errno value of the failed open.
std::string FileOpenFailureText(std::string_view path, int error);
std::string FileOpenFailureLine(std::string_view path, int error);
