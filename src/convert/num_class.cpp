#include "convert/num_class.h"

#include "convert/numeral_signs.h"

bool NumClass::Text(const QString& text) {
  text_ = text;
  NumCodeGenerate();
  return result_;
}

void NumClass::NumCodeGenerate() {
  const auto signs = NumeralSigns(text_, numeralBase_);
  if (const auto* error = std::get_if<NumeralError>(&signs)) {
    result_ = false;
    message_ = *error == NumeralError::NotADigit ? QStringLiteral("Invalid number")
                                                 : QStringLiteral("The number is too big");
    return;
  }
  sequence_ = std::get<SignSequence>(signs);
  message_.clear();
  result_ = true;
}
