#pragma once

#include "framework/Sound.h"
#include "res/Accelerators.h"
#include "res/Dialogs.h"
#include "res/IconResources.h"
#include "res/Menus.h"
#include "res/WaveResources.h"

#include <optional>
#include <span>
#include <string_view>

// The program's resources, found by id like the resources of an executable:
// wave clips, menus, accelerator tables, icons, dialogs and strings.

// The image of wave resource `id`, straight from resource memory (nothing is
// copied), or nothing when there is no such resource.
std::optional<WaveImage> FindWaveResource(int id);

// The id of the wave resource whose image this is (the same memory, as
// FindWaveResource gave it), or nothing for any other image.
std::optional<int> WaveResourceId(WaveImage image);

// The wave resources in use, and switching them, as a program switches its
// resource module; an empty span restores the program's own.
std::span<const WaveResource> WaveResources();
void SetWaveResources(std::span<const WaveResource> resources);

// The other resources by id; nothing when the program has no such resource.
std::optional<std::span<const MenuTemplateItem>> FindMenuResource(int id);
std::optional<std::span<const ACCEL>> FindAcceleratorResource(int id);
const IconResource* FindIconResource(int id);
const DialogTemplate* FindDialogResource(int id);
// String resource `id`; empty when there is none.
std::string_view LoadStringResource(int id);
