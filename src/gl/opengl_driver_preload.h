#pragma once

#include <thread>

// Loads the OpenGL driver, with the shader compiler it links (among the largest
// libraries the program maps), on a thread of its own while the caller goes on, so the
// desktop program builds its window while the driver loads and the drawing area's
// first context finds it in the process. It does so by initialising the surfaceless
// EGL display the offscreen renderers draw on, which stays initialised as theirs does.
// Destroying the preload waits for it to end; nothing it does can fail the caller.
class OpenGLDriverPreload {
 public:
  OpenGLDriverPreload();

 private:
  std::jthread loading_;
};
