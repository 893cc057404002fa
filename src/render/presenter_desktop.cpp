#include <GL/glx.h>
#include <SDL.h>

#include "render/extensions.h"
#include "render/presenter.h"

Presenter::Presenter() {
    Display* display = glXGetCurrentDisplay();
    if (display == nullptr) return;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (!names_extension(extensions, "GLX_MESA_copy_sub_buffer")) return;
    copy_sub_buffer_ =
        reinterpret_cast<CopySubBuffer>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXCopySubBufferMESA")));
}

void Presenter::show(const Box& changed) const {
    if (!keeps_back_buffer()) return SDL_GL_SwapBuffers();
    copy_sub_buffer_(glXGetCurrentDisplay(), glXGetCurrentDrawable(), changed.x, changed.y, changed.width,
                     changed.height);
}
