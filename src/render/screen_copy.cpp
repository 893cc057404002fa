#include "render/screen_copy.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include "render/extensions.h"

namespace {

// The framebuffer calls are extensions to the OpenGL that SDL's headers declare, so they are
// looked up at run time.
struct FramebufferCalls {
    PFNGLGENFRAMEBUFFERSEXTPROC gen_framebuffers;
    PFNGLDELETEFRAMEBUFFERSEXTPROC delete_framebuffers;
    PFNGLBINDFRAMEBUFFEREXTPROC bind_framebuffer;
    PFNGLGENRENDERBUFFERSEXTPROC gen_renderbuffers;
    PFNGLDELETERENDERBUFFERSEXTPROC delete_renderbuffers;
    PFNGLBINDRENDERBUFFEREXTPROC bind_renderbuffer;
    PFNGLRENDERBUFFERSTORAGEEXTPROC renderbuffer_storage;
    PFNGLFRAMEBUFFERRENDERBUFFEREXTPROC framebuffer_renderbuffer;
    PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC check_framebuffer_status;
    PFNGLBLITFRAMEBUFFEREXTPROC blit_framebuffer;
};

FramebufferCalls calls;

bool has_extension(const char* name) {
    return names_extension(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), name);
}

template <typename Call>
bool look_up(Call& call, const char* name) {
    call = reinterpret_cast<Call>(SDL_GL_GetProcAddress(name));
    return call != nullptr;
}

bool look_up_calls() {
    if (!has_extension("GL_EXT_framebuffer_object") || !has_extension("GL_EXT_framebuffer_blit")) return false;
    return look_up(calls.gen_framebuffers, "glGenFramebuffersEXT") &&
           look_up(calls.delete_framebuffers, "glDeleteFramebuffersEXT") &&
           look_up(calls.bind_framebuffer, "glBindFramebufferEXT") &&
           look_up(calls.gen_renderbuffers, "glGenRenderbuffersEXT") &&
           look_up(calls.delete_renderbuffers, "glDeleteRenderbuffersEXT") &&
           look_up(calls.bind_renderbuffer, "glBindRenderbufferEXT") &&
           look_up(calls.renderbuffer_storage, "glRenderbufferStorageEXT") &&
           look_up(calls.framebuffer_renderbuffer, "glFramebufferRenderbufferEXT") &&
           look_up(calls.check_framebuffer_status, "glCheckFramebufferStatusEXT") &&
           look_up(calls.blit_framebuffer, "glBlitFramebufferEXT");
}

}  // namespace

ScreenCopy::ScreenCopy(int width, int height) {
    if (!look_up_calls()) return;
    calls.gen_renderbuffers(1, &colors_);
    calls.bind_renderbuffer(GL_RENDERBUFFER_EXT, colors_);
    calls.renderbuffer_storage(GL_RENDERBUFFER_EXT, GL_RGBA8, width, height);
    calls.gen_framebuffers(1, &framebuffer_);
    calls.bind_framebuffer(GL_FRAMEBUFFER_EXT, framebuffer_);
    calls.framebuffer_renderbuffer(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_RENDERBUFFER_EXT, colors_);
    const bool complete = calls.check_framebuffer_status(GL_FRAMEBUFFER_EXT) == GL_FRAMEBUFFER_COMPLETE_EXT;
    calls.bind_framebuffer(GL_FRAMEBUFFER_EXT, 0);
    if (!complete) {
        calls.delete_framebuffers(1, &framebuffer_);
        calls.delete_renderbuffers(1, &colors_);
        framebuffer_ = 0;
        colors_ = 0;
    }
}

ScreenCopy::~ScreenCopy() {
    if (!usable()) return;
    calls.delete_framebuffers(1, &framebuffer_);
    calls.delete_renderbuffers(1, &colors_);
}

void ScreenCopy::draw_into() const {
    if (usable()) calls.bind_framebuffer(GL_FRAMEBUFFER_EXT, framebuffer_);
}

void ScreenCopy::put(const Box& part) const {
    if (!usable()) return;
    calls.bind_framebuffer(GL_READ_FRAMEBUFFER_EXT, framebuffer_);
    calls.bind_framebuffer(GL_DRAW_FRAMEBUFFER_EXT, 0);
    const int right = part.x + part.width, top = part.y + part.height;
    calls.blit_framebuffer(part.x, part.y, right, top, part.x, part.y, right, top, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    calls.bind_framebuffer(GL_FRAMEBUFFER_EXT, 0);
}
