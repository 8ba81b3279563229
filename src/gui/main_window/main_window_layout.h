#pragma once

#include "shell/interface_language.h"

#include "shell/input_layout.h"

#include <QFont>

#include <array>
#include <cstdint>

class CaptionTable;
class QLineEdit;
struct MainWindowControls;

// Puts a system's input layout on the main window: which boxes and labels show, their
// captions in the interface language, the fonts and the input methods. `fonts` are
// the English, Japanese and Korean font objects.
void ApplyInputLayout(const MainWindowControls& ui, const InputLayout& layout,
                      const CaptionTable& captions, InterfaceLanguage language,
                      const std::array<QFont, 3>& fonts);

// How a box asks the platform's input method to behave. The mode is kept on the box
// (property "inputMethodMode") for whoever refines the input method later.
void ApplyInputMethod(QLineEdit& box, InputMethodMode mode);
