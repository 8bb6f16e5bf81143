#include "framework/Resources.h"

#include "res/ResourceIds.h"
#include "res/Strings.h"

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

std::optional<std::span<const MenuTemplateItem>> FindMenuResource(int id) {
    if (id != IDR_MAINFRAME)
        return std::nullopt;
    return std::span<const MenuTemplateItem>(g_mainMenu);
}

std::optional<std::span<const ACCEL>> FindAcceleratorResource(int id) {
    if (id != IDR_MAINFRAME)
        return std::nullopt;
    return std::span<const ACCEL>(g_mainAccelerators);
}

const IconResource* FindIconResource(int id) {
    for (const IconResource& icon : g_iconResources) {
        if (icon.id == id)
            return &icon;
    }
    return nullptr;
}

const DialogTemplate* FindDialogResource(int id) {
    return id == IDD_ABOUTBOX ? &g_aboutBox : nullptr;
}

std::string_view LoadStringResource(int id) {
    return id == IDR_MAINFRAME ? std::string_view(g_mainFrameDocStrings) : std::string_view();
}
