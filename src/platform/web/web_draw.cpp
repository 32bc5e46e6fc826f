// The drawing primitives on WebGL. Everything is a textured quad (plain
// colours use a white texel), gathered into one batch until the texture, the
// blend mode or the clip changes. The blend modes mirror the SDL renderer's
// on the desktop, so both draw the same images.
#include <GLES2/gl2.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/draw.h"
#include "platform/log.h"
#include "platform/render_backend.h"
#include "platform/web/web_context.h"

namespace vandrell {

// The texture of one image frame in the page's WebGL context.
class TImageFrame {
 public:
  TImageFrame() = default;
  TImageFrame(const TImageFrame&) = delete;
  TImageFrame& operator=(const TImageFrame&) = delete;
  ~TImageFrame() {
    if (texture) glDeleteTextures(1, &texture);
  }

  GLuint texture = 0;
  uint32_t seq = 0;
};

namespace {

// How the fragment shader treats a texel before the blend.
enum TTexelMode : int32_t {
  TEXEL_PLAIN = 0,
  TEXEL_CUT = 1,            // MASKBLEND: drawn opaque from alpha 0.5 on, not at all below
  TEXEL_PREMULTIPLIED = 2,  // SHADEBLEND: colour times alpha, so transparent texels multiply by nothing
};

const char* const VERTEX_SHADER = R"(
attribute vec2 position;
attribute vec2 texel;
attribute vec4 colour;
uniform vec2 size;
varying vec2 vTexel;
varying vec4 vColour;
void main() {
  gl_Position = vec4(position.x * 2.0 / size.x - 1.0, 1.0 - position.y * 2.0 / size.y, 0.0, 1.0);
  vTexel = texel;
  vColour = colour;
})";

const char* const FRAGMENT_SHADER = R"(
precision highp float;
uniform sampler2D image;
uniform int mode;
varying vec2 vTexel;
varying vec4 vColour;
void main() {
  vec4 t = texture2D(image, vTexel);
  if (mode == 1) {
    if (t.a < 0.5) discard;
    t.a = 1.0;
  } else if (mode == 2) {
    t.rgb *= t.a;
  }
  gl_FragColor = t * vColour;
})";

struct Vertex {
  float x, y, u, v;
  uint8_t r, g, b, a;
};

struct Clip {
  int32_t x = 0, y = 0, w = -1, h = -1;
  bool operator==(const Clip&) const = default;
};

struct Renderer {
  bool ready = false;
  GLuint program = 0;
  GLuint buffer = 0;
  GLuint white = 0;
  GLint sizeUniform = -1;
  GLint modeUniform = -1;
  // The batch and the state it is drawn with.
  std::vector<Vertex> vertices;
  GLuint texture = 0;
  int32_t blend = SOLIDBLEND;
  Clip clip;
  // What the GL context was last set to.
  int32_t glBlend = -1;
  Clip glClip;
};

Renderer& renderer() {
  static Renderer r;
  return r;
}

GLuint compile(GLenum kind, const char* source) {
  const GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint done = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &done);
  if (!done) {
    char text[512] = {};
    glGetShaderInfoLog(shader, sizeof(text), nullptr, text);
    DebugLog(std::string("Shader refused: ") + text);
  }
  return shader;
}

bool ensureRenderer() {
  Renderer& r = renderer();
  if (r.ready) return true;
  r.program = glCreateProgram();
  glAttachShader(r.program, compile(GL_VERTEX_SHADER, VERTEX_SHADER));
  glAttachShader(r.program, compile(GL_FRAGMENT_SHADER, FRAGMENT_SHADER));
  glBindAttribLocation(r.program, 0, "position");
  glBindAttribLocation(r.program, 1, "texel");
  glBindAttribLocation(r.program, 2, "colour");
  glLinkProgram(r.program);
  GLint linked = 0;
  glGetProgramiv(r.program, GL_LINK_STATUS, &linked);
  if (!linked) {
    DebugLog("The drawing shaders do not link");
    return false;
  }
  glUseProgram(r.program);
  r.sizeUniform = glGetUniformLocation(r.program, "size");
  r.modeUniform = glGetUniformLocation(r.program, "mode");
  glUniform1i(glGetUniformLocation(r.program, "image"), 0);
  glGenBuffers(1, &r.buffer);
  glBindBuffer(GL_ARRAY_BUFFER, r.buffer);
  glEnableVertexAttribArray(0);
  glEnableVertexAttribArray(1);
  glEnableVertexAttribArray(2);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(offsetof(Vertex, x)));
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(offsetof(Vertex, u)));
  glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex), reinterpret_cast<void*>(offsetof(Vertex, r)));
  const uint8_t white[4] = {255, 255, 255, 255};
  glGenTextures(1, &r.white);
  glBindTexture(GL_TEXTURE_2D, r.white);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glEnable(GL_SCISSOR_TEST);
  r.ready = true;
  return true;
}

// The same equations as SDL's blend modes.
void applyBlend(int32_t mode) {
  Renderer& r = renderer();
  if (mode == r.glBlend) return;
  r.glBlend = mode;
  glUniform1i(r.modeUniform, mode == MASKBLEND ? TEXEL_CUT : mode == SHADEBLEND ? TEXEL_PREMULTIPLIED : TEXEL_PLAIN);
  switch (mode) {
    case ALPHABLEND:
      glEnable(GL_BLEND);
      glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
      break;
    case LIGHTBLEND:
      glEnable(GL_BLEND);
      glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE, GL_ZERO, GL_ONE);
      break;
    case SHADEBLEND:
      glEnable(GL_BLEND);
      glBlendFuncSeparate(GL_DST_COLOR, GL_ONE_MINUS_SRC_ALPHA, GL_ZERO, GL_ONE);
      break;
    default:  // solid, and mask, whose texels are opaque or discarded
      glDisable(GL_BLEND);
      break;
  }
}

void drawBatch(const TGraphics& g) {
  Renderer& r = renderer();
  if (r.vertices.empty()) return;
  if (!(r.clip == r.glClip)) {
    glScissor(r.clip.x, g.height - r.clip.y - r.clip.h, r.clip.w, r.clip.h);
    r.glClip = r.clip;
  }
  applyBlend(r.blend);
  glUniform2f(r.sizeUniform, static_cast<float>(g.width), static_cast<float>(g.height));
  glBindTexture(GL_TEXTURE_2D, r.texture);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(r.vertices.size() * sizeof(Vertex)), r.vertices.data(),
               GL_STREAM_DRAW);
  glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(r.vertices.size()));
  r.vertices.clear();
}

// The current context, ready for a quad of `texture` with the state's blend
// and viewport; null when there is nothing to draw on.
TGraphics* target(GLuint texture) {
  TGraphics* g = CurrentGraphics().get();
  if (!g || !ensureRenderer()) return nullptr;
  const TDrawState& s = TDrawState::Current();
  if (s.viewport_w <= 0 || s.viewport_h <= 0 || !s.shows()) return nullptr;
  Renderer& r = renderer();
  const Clip clip{s.viewport_x, s.viewport_y, s.viewport_w, s.viewport_h};
  const int32_t blend = s.drawnBlend();
  if (texture != r.texture || blend != r.blend || !(clip == r.clip)) {
    drawBatch(*g);
    r.texture = texture;
    r.blend = blend;
    r.clip = clip;
  }
  return g;
}

// A quad with corners a, b, c, d (clockwise from the texture's top-left).
void addQuad(const TDrawPoint (&corners)[4], float u0, float v0, float u1, float v1) {
  const TDrawState& s = TDrawState::Current();
  const uint8_t red = s.tint(s.color_red), green = s.tint(s.color_green), blue = s.tint(s.color_blue);
  const uint8_t alpha = s.alphaByte();
  const float u[4] = {u0, u1, u1, u0}, v[4] = {v0, v0, v1, v1};
  auto vertex = [&](int i) {
    return Vertex{corners[i].x, corners[i].y, u[i], v[i], red, green, blue, alpha};
  };
  std::vector<Vertex>& out = renderer().vertices;
  for (int i : {0, 1, 2, 0, 2, 3}) out.push_back(vertex(i));
}

GLuint frameTexture(TImage& image, int32_t frame) {
  const TPixmapPtr& pixmap = image.pixmaps[frame];
  if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return 0;
  // Images assembled by hand may have pixmaps only.
  if (image.frames.size() < image.pixmaps.size()) image.frames.resize(image.pixmaps.size());
  if (image.seqs.size() < image.pixmaps.size()) image.seqs.resize(image.pixmaps.size());
  std::shared_ptr<TImageFrame>& copy = image.frames[frame];
  const uint32_t seq = image.seqs[frame];
  if (copy && copy->seq == seq) return copy->texture;
  const bool fresh = !copy;
  if (fresh) {
    copy = std::make_shared<TImageFrame>();
    glGenTextures(1, &copy->texture);
  }
  // The batch may still draw the texture's old pixels.
  if (TGraphics* g = CurrentGraphics().get()) drawBatch(*g);
  glBindTexture(GL_TEXTURE_2D, copy->texture);
  renderer().texture = 0;
  // Pixmap rows may be padded; WebGL reads them packed.
  std::vector<uint8_t> packed;
  const uint8_t* pixels = pixmap->pixels;
  if (pixmap->pitch != pixmap->width * 4) {
    packed.resize(static_cast<size_t>(pixmap->width) * pixmap->height * 4);
    for (int32_t y = 0; y < pixmap->height; ++y)
      std::copy_n(pixmap->PixelPtr(0, y), pixmap->width * 4, packed.data() + static_cast<size_t>(y) * pixmap->width * 4);
    pixels = packed.data();
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  if (fresh) {
    const GLint filter = image.flags & FILTEREDIMAGE ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pixmap->width, pixmap->height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  } else {
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, pixmap->width, pixmap->height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  }
  copy->seq = seq;
  return copy->texture;
}

}  // namespace

void RenderPixels(const std::vector<TDrawPixel>& pixels) {
  if (pixels.empty() || !target(renderer().white)) return;
  for (const TDrawPixel& p : pixels) {
    const float x = static_cast<float>(p.x), y = static_cast<float>(p.y);
    addQuad({{x, y}, {x + 1.0f, y}, {x + 1.0f, y + 1.0f}, {x, y + 1.0f}}, 0.0f, 0.0f, 1.0f, 1.0f);
  }
}

void RenderQuad(float ax, float ay, float x0, float y0, float x1, float y1) {
  if (!target(renderer().white)) return;
  const TDrawState& s = TDrawState::Current();
  if (s.tform_rot == 0.0f) {
    // Unturned rectangles cover whole pixels, as SDL's do.
    const TDrawPoint a = s.place(ax, ay, x0, y0), b = s.place(ax, ay, x1, y1);
    const float left = std::round(std::min(a.x, b.x)), top = std::round(std::min(a.y, b.y));
    const float right = std::round(std::max(a.x, b.x)), bottom = std::round(std::max(a.y, b.y));
    addQuad({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, 0.0f, 0.0f, 1.0f, 1.0f);
    return;
  }
  addQuad({s.place(ax, ay, x0, y0), s.place(ax, ay, x1, y0), s.place(ax, ay, x1, y1), s.place(ax, ay, x0, y1)},
          0.0f, 0.0f, 1.0f, 1.0f);
}

void RenderFrame(const TImagePtr& image, int32_t frame, float ax, float ay, float x0, float y0, float w, float h) {
  if (!image || frame < 0 || frame >= image->frameCount() || !CurrentGraphics() || !ensureRenderer()) return;
  const GLuint texture = frameTexture(*image, frame);
  if (!texture || !target(texture)) return;
  const TDrawState& s = TDrawState::Current();
  if (s.tform_rot == 0.0f && s.tform_scale_x >= 0.0f && s.tform_scale_y >= 0.0f) {
    // Unturned, unmirrored pictures start on a whole pixel and span whole
    // pixels, cut toward zero as SDL's renderer places them: words set at
    // fractions of a pixel stay crisp and look as on the desktop.
    const TDrawPoint a = s.place(ax, ay, x0, y0);
    const float left = std::trunc(a.x), top = std::trunc(a.y);
    const float right = left + std::trunc(w * s.tform_scale_x), bottom = top + std::trunc(h * s.tform_scale_y);
    addQuad({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, 0.0f, 0.0f, 1.0f, 1.0f);
    return;
  }
  addQuad({s.place(ax, ay, x0, y0), s.place(ax, ay, x0 + w, y0), s.place(ax, ay, x0 + w, y0 + h),
           s.place(ax, ay, x0, y0 + h)},
          0.0f, 0.0f, 1.0f, 1.0f);
}

void FlushDrawing() {
  if (TGraphics* g = CurrentGraphics().get()) drawBatch(*g);
}

void PresentBackBuffer(const TGraphics& g) {
  if (!ensureRenderer()) return;
  Renderer& r = renderer();
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDisable(GL_SCISSOR_TEST);
  applyBlend(SOLIDBLEND);
  glBindTexture(GL_TEXTURE_2D, g.backTexture);
  const float w = static_cast<float>(g.width), h = static_cast<float>(g.height);
  // The back buffer's rows run bottom-up, as the canvas's do.
  const Vertex quad[6] = {{0, 0, 0, 1, 255, 255, 255, 255}, {w, 0, 1, 1, 255, 255, 255, 255},
                          {w, h, 1, 0, 255, 255, 255, 255}, {0, 0, 0, 1, 255, 255, 255, 255},
                          {w, h, 1, 0, 255, 255, 255, 255}, {0, h, 0, 0, 255, 255, 255, 255}};
  glUniform2f(r.sizeUniform, w, h);
  glBufferData(GL_ARRAY_BUFFER, sizeof(quad), quad, GL_STREAM_DRAW);
  glDrawArrays(GL_TRIANGLES, 0, 6);
  glBindFramebuffer(GL_FRAMEBUFFER, g.backFramebuffer);
  glEnable(GL_SCISSOR_TEST);
  r.texture = 0;
}

TPixmapPtr GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height) {
  TGraphics* g = CurrentGraphics().get();
  if (!g || width <= 0 || height <= 0) return nullptr;
  TPixmapPtr pixmap = TPixmap::Create(width, height);
  if (!pixmap) return nullptr;
  drawBatch(*g);
  const int32_t left = std::max(x, 0), top = std::max(y, 0);
  const int32_t right = std::min(x + width, g->width), bottom = std::min(y + height, g->height);
  if (right <= left || bottom <= top) return pixmap;
  const int32_t w = right - left, h = bottom - top;
  std::vector<uint8_t> rows(static_cast<size_t>(w) * h * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(left, g->height - bottom, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
  // GL's rows run bottom-up.
  for (int32_t row = 0; row < h; ++row) {
    const uint8_t* from = rows.data() + static_cast<size_t>(h - 1 - row) * w * 4;
    uint8_t* to = pixmap->PixelPtr(left - x, top - y + row);
    for (int32_t col = 0; col < w; ++col, from += 4, to += 4) {
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
      to[3] = 255;
    }
  }
  return pixmap;
}

}  // namespace vandrell
