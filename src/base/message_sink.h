#pragma once

#include <QString>

#include <vector>

// Logic never opens a message box: it tells a sink, which the desktop program shows
// as a message box, the command-line tool prints and tests collect.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void ShowMessage(const QString& text) = 0;
};

// A sink that keeps every message, for the command-line tool and tests.
class CollectingMessageSink : public MessageSink {
 public:
  void ShowMessage(const QString& text) override { messages.push_back(text); }
  std::vector<QString> messages;
};
