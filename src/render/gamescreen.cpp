#include "render/gamescreen.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include "model/gamestate.h"

namespace {

const GLubyte CELL_COLORS[8][3] = {{0, 0, 0},     {0, 255, 255}, {255, 255, 0}, {160, 0, 240},
                                   {255, 160, 0}, {0, 0, 255},   {0, 255, 0},   {255, 0, 0}};

}  // namespace

void render(GameState& state, Resources&) {
    glClear(GL_COLOR_BUFFER_BIT);
    const float size = state.big_mode ? 40.0f : 20.0f;
    glBegin(GL_QUADS);
    for (int column = 0; column < state.get_playfield_width(); ++column) {
        for (int row = 0; row < state.get_playfield_height(); ++row) {
            const int cell = state.playfield.get_cell(column, row);
            if (cell < CELL_I || cell > CELL_Z) continue;
            const float x = 220 + column * size;
            const float y = 40 + row * size;
            glColor3ubv(CELL_COLORS[cell]);
            glVertex2f(x, y);
            glVertex2f(x + size, y);
            glVertex2f(x + size, y + size);
            glVertex2f(x, y + size);
        }
    }
    glEnd();
    SDL_GL_SwapBuffers();
}
