#pragma once

#include "framework/Wnd.h"

// Base of the document a view shows.
class CDocument : public CCmdTarget {
public:
    // Prepares a new, empty document; false refuses it.
    virtual bool OnNewDocument() { return true; }
};
