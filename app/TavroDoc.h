#pragma once

#include "framework/Document.h"

// The document: the game lives in the board view, so it holds nothing.
class CTavroDoc : public CDocument {};
