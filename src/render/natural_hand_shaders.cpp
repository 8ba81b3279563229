#include "render/natural_hand_shaders.h"

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
varying vec3 eyeNormal;
varying vec3 eyePosition;
varying vec4 tone;
void main() {
  vec3 n = normalize(eyeNormal);
  vec3 toEye = normalize(-eyePosition);
  vec3 albedo = min(skin * tone.rgb, vec3(1.0));
  // Light that wraps a little round the form, as it does through skin.
  float key = max((dot(n, keyDirection) + 0.25) / 1.25, 0.0);
  float fill = max((dot(n, fillDirection) + 0.4) / 1.4, 0.0);
  float facing = max(dot(n, toEye), 0.0);
  float rim = pow(1.0 - facing, 3.0) * max(dot(n, rimDirection) + 0.35, 0.0);
  vec3 warmShadow = vec3(0.10, 0.035, 0.03) * (1.0 - key);
  vec3 lit = albedo * (0.16 + 0.86 * key * vec3(1.0, 0.97, 0.93) + 0.24 * fill * vec3(0.85, 0.9, 1.0))
           + warmShadow * albedo
           + rim * vec3(0.30, 0.32, 0.36);
  float sheen = pow(max(dot(n, normalize(keyDirection + toEye)), 0.0), 18.0);
  lit += 0.05 * sheen;
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
