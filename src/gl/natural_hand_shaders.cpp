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
varying float fade;
void main() {
  vec4 eye = gl_ModelViewMatrix * gl_Vertex;
  vec3 n = normalize(gl_NormalMatrix * gl_Normal);
  eye.xyz += n * pixelSpread * max(-eye.z, 1.0);
  fade = gl_Color.a;
  gl_Position = gl_ProjectionMatrix * eye;
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
  return sources;
}
