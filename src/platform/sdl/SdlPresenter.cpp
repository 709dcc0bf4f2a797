#include "platform/sdl/SdlPresenter.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/sdl/SdlSurfacePresenter.h"
#include "platform/sdl/SdlTexturePresenter.h"
#include "platform/sdl/X11ShmPresenter.h"
#include "platform/sdl/X11Window.h"

namespace zav {

namespace {

// Mesa's software rasterisers (as under Xvfb) call themselves accelerated.
bool rasterisesInSoftware(const SDL_RendererInfo& info) {
    if (std::strcmp(info.name, "software") == 0) return true;
    if (!SDL_GL_GetCurrentContext()) return false;
    using GetString = const unsigned char* (*)(unsigned);
    constexpr unsigned kGlRenderer = 0x1F01;
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const auto* name = getString ? reinterpret_cast<const char*>(getString(kGlRenderer)) : nullptr;
    if (!name) return false;
    const std::string_view renderer(name);
    for (std::string_view software : {"llvmpipe", "softpipe", "Software Rasterizer", "SWR"})
        if (renderer.find(software) != std::string_view::npos) return true;
    return false;
}

bool acceptable(SDL_Renderer* renderer, std::string_view choice) {
    SDL_RendererInfo info{};
    return SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_ACCELERATED) &&
           (choice == "renderer" || !rasterisesInSoftware(info));
}

// Whether the GPU path is worth taking. Asked on a window of its own: a renderer turns its window
// into a GL window for good, and presenting through the surface of a GL window costs about twice
// the CPU.
bool gpuWanted(std::string_view choice, const std::optional<X11Window>& x11) {
    if (choice == "surface") return false;
    // Loading a software rasteriser only to turn it down costs 70 MiB and a tenth of a second.
    if (x11 && choice != "renderer" && !x11RendersDirectly(x11->display)) return false;
    SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    if (!probe) return false;
    bool wanted = false;
    if (SDL_Renderer* renderer = SDL_CreateRenderer(probe, -1, SDL_RENDERER_ACCELERATED)) {
        wanted = acceptable(renderer, choice);
        SDL_DestroyRenderer(renderer);
    }
    SDL_DestroyWindow(probe);
    return wanted;
}

}  // namespace

std::unique_ptr<SdlPresenter> makeSdlPresenter(SDL_Window* window) {
    const char* choice = std::getenv("ZAV_PRESENT");
    const std::optional<X11Window> x11 = x11WindowOf(window);
    if (gpuWanted(choice ? choice : "", x11)) {
        SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
        if (renderer) {
            if (auto presenter = SdlTexturePresenter::create(renderer)) return presenter;
        }
    }
    if (x11)
        if (auto presenter = X11ShmPresenter::create(window, *x11)) return presenter;
    return std::make_unique<SdlSurfacePresenter>(window);
}

}  // namespace zav
