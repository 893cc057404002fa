#include "app/screenshot.h"

#include <SDL_opengl.h>

#include <vector>

#include "app/platform.h"
#include "persist/player_folder.h"
#include "persist/screenshot_file.h"
#include "render/layout.h"

std::string back_buffer_bmp() {
    std::vector<unsigned char> pixels(size_t(layout::WINDOW_WIDTH) * layout::WINDOW_HEIGHT * 4);
    read_the_back_buffer();
    glReadPixels(0, 0, layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return encode_bmp(pixels.data(), layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT);
}

std::string save_screenshot(const Session& session, std::time_t now, const std::string& preferred) {
    return write_screenshot(back_buffer_bmp(), player_file_to_write(screenshot_base_name(session, now)), preferred);
}
