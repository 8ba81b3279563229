#pragma once

#include "base/message_sink.h"

// Passes every message on and counts them, so a caller can tell whether a routine it
// ran has already told the user something.
class CountingMessageSink : public MessageSink {
 public:
  explicit CountingMessageSink(MessageSink& next) : next_(next) {}

  void ShowMessage(const QString& text) override {
    ++count_;
    next_.ShowMessage(text);
  }

  int Count() const { return count_; }

 private:
  MessageSink& next_;
  int count_ = 0;
};
