#pragma once

#include <QByteArray>

// The GLSL of the Natural hands, kept to GLSL 1.20 so a compatibility-profile context
// on Mesa's software renderer runs it. Skin: per-pixel key, fill and rim light in eye
// space (so every view point is lit alike), a broad faint sheen instead of hot
// highlights, and the forearm fading into the background. Outline: the hand's back
// faces pushed out along their normals by a fixed number of pixels, drawn dark.
// Smoothing: one pass over the drawn picture that blends only across strong edges
// (the outline's), far cheaper on the software renderer than multisampling.
struct NaturalShaderSources {
  QByteArray skinVertex;
  QByteArray skinFragment;
  QByteArray outlineVertex;
  QByteArray outlineFragment;
  QByteArray smoothingVertex;
  QByteArray smoothingFragment;
};

NaturalShaderSources DefaultNaturalShaders();
