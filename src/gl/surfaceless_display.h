#pragma once

#include <EGL/egl.h>

#include <QString>

// Whether the space-separated extension `list` (null when EGL gave none) names `name`.
bool HasEglExtension(const char* list, const char* name);

// Mesa's surfaceless EGL display, which draws with no window system, initialised;
// EGL_NO_DISPLAY, with the reason in *error, where there is none. Every caller in the
// process gets the same display. It is never terminated: EGL does not count
// initialisations, and terminating it would pull the ground from under the others.
EGLDisplay InitializeSurfacelessDisplay(QString* error);
