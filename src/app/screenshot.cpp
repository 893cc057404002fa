#include "app/screenshot.h"

#include <SDL_opengl.h>

#include <ctime>
#include <vector>

#include "persist/screenshot_file.h"
#include "render/layout.h"

void save_screenshot(const Game& game) {
    std::vector<unsigned char> pixels(size_t(layout::WINDOW_WIDTH) * layout::WINDOW_HEIGHT * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    write_screenshot(encode_bmp(pixels.data(), layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT),
                     screenshot_base_name(game, std::time(nullptr)));
}
