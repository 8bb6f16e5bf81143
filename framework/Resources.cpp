#include "framework/Resources.h"

#include <algorithm>

namespace {
std::span<const WaveResource> g_resources = g_waveResources;
} // namespace

std::span<const WaveResource> WaveResources() {
    return g_resources;
}

void SetWaveResources(std::span<const WaveResource> resources) {
    g_resources = resources.empty() ? std::span<const WaveResource>(g_waveResources) : resources;
}

std::optional<WaveImage> FindWaveResource(int id) {
    const auto found =
        std::find_if(g_resources.begin(), g_resources.end(),
                     [id](const WaveResource& resource) { return resource.id == id; });
    if (found == g_resources.end())
        return std::nullopt;
    return found->image;
}

std::optional<int> WaveResourceId(WaveImage image) {
    const auto found =
        std::find_if(g_resources.begin(), g_resources.end(), [image](const WaveResource& resource) {
            return resource.image.data() == image.data() && resource.image.size() == image.size();
        });
    if (found == g_resources.end())
        return std::nullopt;
    return found->id;
}
