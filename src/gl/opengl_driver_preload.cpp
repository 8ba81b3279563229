#include "gl/opengl_driver_preload.h"

#include "gl/surfaceless_display.h"

OpenGLDriverPreload::OpenGLDriverPreload()
    : loading_([] {
        // Where there is no such display the first context loads the driver itself.
        InitializeSurfacelessDisplay(nullptr);
      }) {}
