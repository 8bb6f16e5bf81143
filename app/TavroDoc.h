#pragma once

#include "framework/Document.h"

// The document: the game lives in the board view, so it holds nothing, reads
// nothing from a file it is opened from, and is never modified.
class CTavroDoc : public CDocument {
public:
    bool OnNewDocument() override { return CDocument::OnNewDocument(); }
};
