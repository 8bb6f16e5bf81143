#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon resources on Qt.

// Every size of icon resource `id` in one QIcon; a null icon when there is
// no such resource.
QIcon IconFromResource(int id);
// The image of icon resource `id` drawn for `size` x `size` pixels.
QPixmap IconPixmap(int id, int size);
