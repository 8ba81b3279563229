#include "gl/natural_hand_shaders.h"

NaturalShaderSources DefaultNaturalShaders() {
  NaturalShaderSources sources;
  sources.skinVertex = R"(#version 120
varying vec3 eyeNormal;
varying vec3 eyePosition;
varying vec4 tone;
void main() {
  vec4 eye = gl_ModelViewMatrix * gl_Vertex;
  eyePosition = eye.xyz;
  eyeNormal = gl_NormalMatrix * gl_Normal;
  tone = gl_Color;
  gl_Position = gl_ProjectionMatrix * eye;
}
)";
  sources.skinFragment = R"(#version 120
uniform vec3 skin;
uniform vec3 background;
uniform vec3 keyDirection;
uniform vec3 fillDirection;
uniform vec3 rimDirection;
uniform vec3 sheenDirection;
varying vec3 eyeNormal;
varying vec3 eyePosition;
varying vec4 tone;
void main() {
  // Kept to a few multiplications: the software renderer shades every sample.
  vec3 n = normalize(eyeNormal);
  vec3 albedo = min(skin * tone.rgb, vec3(1.0));
  // Light that wraps a little round the form, as it does through skin.
  float key = clamp(dot(n, keyDirection) * 0.85 + 0.15, 0.0, 1.0);
  float fill = clamp(dot(n, fillDirection) * 0.7 + 0.3, 0.0, 1.0);
  // The eye looks along -z in eye space; edges turned away from it catch the rim.
  float edge = 1.0 - abs(n.z);
  float rim = edge * edge * edge * clamp(dot(n, rimDirection) + 0.35, 0.0, 1.5);
  float sheen = clamp(dot(n, sheenDirection), 0.0, 1.0);
  sheen *= sheen;
  sheen *= sheen;
  sheen *= sheen;
  vec3 lit = albedo * (0.11 + key * vec3(0.95, 0.91, 0.87) + fill * vec3(0.17, 0.19, 0.21)
                       + (1.0 - key) * vec3(0.10, 0.035, 0.03))
           + rim * vec3(0.30, 0.32, 0.36) + 0.05 * sheen;
  gl_FragColor = vec4(mix(background, lit, tone.a), 1.0);
}
)";
  sources.outlineVertex = R"(#version 120
uniform float pixelSpread;
uniform float depthPush;
varying float fade;
void main() {
  vec4 eye = gl_ModelViewMatrix * gl_Vertex;
  vec3 n = normalize(gl_NormalMatrix * gl_Normal);
  eye.xyz += n * pixelSpread * max(-eye.z, 1.0);
  fade = gl_Color.a;
  // The shell lies a little deeper than it is drawn, so where two parts of the hand
  // meet (a bent joint, a finger on the palm) the nearer skin covers it and only the
  // silhouette, and a part well in front of another, is outlined once.
  vec4 clip = gl_ProjectionMatrix * eye;
  vec4 pushed = gl_ProjectionMatrix * vec4(eye.xy, eye.z - depthPush, eye.w);
  gl_Position = vec4(clip.xy, pushed.z / pushed.w * clip.w, clip.w);
}
)";
  sources.outlineFragment = R"(#version 120
uniform vec3 outline;
uniform vec3 background;
varying float fade;
void main() {
  gl_FragColor = vec4(mix(background, outline, fade), 1.0);
}
)";
  sources.smoothingVertex = R"(#version 120
void main() {
  gl_Position = gl_Vertex;
}
)";
  // Finds the direction of the strongest edge from four in-between (bilinear) samples
  // and blends along it; where the blend would reach past the neighbours' brightness
  // (a thin detail rather than an edge) the shorter blend is kept.
  sources.smoothingFragment = R"(#version 120
uniform sampler2D picture;
uniform vec2 texel;
void main() {
  vec2 at = gl_FragCoord.xy * texel;
  vec3 centre = texture2D(picture, at).rgb;
  const vec3 weights = vec3(0.299, 0.587, 0.114);
  float nw = dot(texture2D(picture, at + vec2(-0.5, 0.5) * texel).rgb, weights);
  float ne = dot(texture2D(picture, at + vec2(0.5, 0.5) * texel).rgb, weights);
  float sw = dot(texture2D(picture, at + vec2(-0.5, -0.5) * texel).rgb, weights);
  float se = dot(texture2D(picture, at + vec2(0.5, -0.5) * texel).rgb, weights);
  float middle = dot(centre, weights);
  float lowest = min(middle, min(min(nw, ne), min(sw, se)));
  float highest = max(middle, max(max(nw, ne), max(sw, se)));
  if (highest - lowest < 0.06) {
    gl_FragColor = vec4(centre, 1.0);
    return;
  }
  vec2 along = vec2(-((nw + ne) - (sw + se)), (nw + sw) - (ne + se));
  float damping = max((nw + ne + sw + se) * 0.03125, 1.0 / 128.0);
  float scale = 1.0 / (min(abs(along.x), abs(along.y)) + damping);
  along = clamp(along * scale, vec2(-8.0), vec2(8.0)) * texel;
  vec3 near = 0.5 * (texture2D(picture, at + along * (1.0 / 3.0 - 0.5)).rgb +
                     texture2D(picture, at + along * (2.0 / 3.0 - 0.5)).rgb);
  vec3 far = near * 0.5 + 0.25 * (texture2D(picture, at - along * 0.5).rgb +
                                  texture2D(picture, at + along * 0.5).rgb);
  float farLuma = dot(far, weights);
  gl_FragColor = vec4((farLuma < lowest || farLuma > highest) ? near : far, 1.0);
}
)";
  return sources;
}
