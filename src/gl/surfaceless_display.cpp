#include "gl/surfaceless_display.h"

#include <EGL/eglext.h>

#include <cstring>

bool HasEglExtension(const char* list, const char* name) {
  if (list == nullptr) return false;
  const size_t length = std::strlen(name);
  for (const char* p = list; (p = std::strstr(p, name)) != nullptr; p += length) {
    const bool startsWord = p == list || p[-1] == ' ';
    const bool endsWord = p[length] == ' ' || p[length] == '\0';
    if (startsWord && endsWord) return true;
  }
  return false;
}

EGLDisplay InitializeSurfacelessDisplay(QString* error) {
  const auto fail = [error](const QString& why) {
    if (error != nullptr) *error = why;
    return EGL_NO_DISPLAY;
  };
  if (!HasEglExtension(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS), "EGL_MESA_platform_surfaceless"))
    return fail(QStringLiteral("EGL has no surfaceless platform (EGL_MESA_platform_surfaceless)"));
  const auto getPlatformDisplay =
      reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (getPlatformDisplay == nullptr) return fail(QStringLiteral("EGL has no platform displays"));
  const EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr))
    return fail(QStringLiteral("the surfaceless EGL display could not be initialised"));
  return display;
}
