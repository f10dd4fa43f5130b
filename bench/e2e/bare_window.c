/* The yardstick for start-up time: a bare SDL program that shows one window of the size and
 * place of the e2e test window, filled with one colour, and waits for a quit request. */
#include <SDL.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    if (argc != 6) {
        fprintf(stderr, "usage: bare_window X Y WIDTH HEIGHT RRGGBB\n");
        return 2;
    }
    int x = atoi(argv[1]);
    int y = atoi(argv[2]);
    int width = atoi(argv[3]);
    int height = atoi(argv[4]);
    Uint32 colour = (Uint32)strtoul(argv[5], NULL, 16);

    /* The same window surface path as the layer's host, so that only our own work differs. */
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("bare", x, y, width, height, SDL_WINDOW_BORDERLESS);
    if (window == NULL) {
        fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    SDL_FillRect(surface, NULL,
                 SDL_MapRGB(surface->format, (colour >> 16) & 0xFF, (colour >> 8) & 0xFF,
                            colour & 0xFF));
    SDL_UpdateWindowSurface(window);

    SDL_Event event;
    while (SDL_WaitEvent(&event)) {
        if (event.type == SDL_QUIT) {
            break;
        }
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            SDL_UpdateWindowSurface(window);
        }
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
