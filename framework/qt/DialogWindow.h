#pragma once

#include "res/Dialogs.h"

#include <QDialog>
#include <QFont>
#include <QSize>

#include <memory>

// Dialog templates on Qt. The dialog takes its font from the template and
// places its controls at their dialog-unit rectangles turned into pixels by
// that font's base units; it cannot be resized. OK (and any default
// button) ends it with its id; Escape and the close box end it with 2.

// The template's font: its face at its point size, or the nearest the
// desktop has.
QFont DialogFont(const DialogTemplate& dialog);
// The dialog base units of a font: its average character width and its
// height, in pixels.
QSize DialogBaseUnits(const QFont& font);

std::unique_ptr<QDialog> BuildDialog(const DialogTemplate& dialog, QWidget* parent);
// Builds the dialog and runs it modally; returns the id that ended it.
int RunDialog(const DialogTemplate& dialog, QWidget* parent);
