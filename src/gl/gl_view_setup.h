#pragma once

#include "playback/view_state.h"
#include "playback/camera.h"

// The fixed render state, camera and light, shared by the main window's OpenGL
// widget and the offscreen renderer so both draw exactly the same picture. Each acts
// on the current OpenGL context and knows nothing of how it was made.

// Once, right after the context is made: black clear colour, clear depth 1, depth test.
void InitRenderState();

// Viewport, perspective projection and look-at transform; leaves the model-view
// matrix current.
void SetCamera(const CameraSetup& camera);

// Light 0 (placed after the look-at transform, so it stays fixed relative to the
// hands while the camera moves), lighting on, depth buffer cleared, depth test,
// smooth shading and normalised normals.
void SetLights(const ViewState& view);
