#pragma once

#include "framework/Sound.h"
#include "res/WaveResources.h"

#include <optional>
#include <span>

// Wave resources, found by id like the resources of an executable. The
// program's own (res/) are in use unless a test switches to other ones.

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
