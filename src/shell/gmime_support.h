#pragma once

// What the help archive's reader and writer share of GMime: its one-time set-up and an
// owner for its objects. Include it before any Qt header: glib's headers use names that
// Qt's keyword macros would replace.
#include <gmime/gmime.h>

#include <memory>
#include <mutex>

inline void InitialiseGMime() {
  static std::once_flag once;
  std::call_once(once, [] { g_mime_init(); });
}

struct GObjectRelease {
  void operator()(gpointer object) const {
    if (object) g_object_unref(object);
  }
};
template <typename T>
using GObjectPointer = std::unique_ptr<T, GObjectRelease>;
