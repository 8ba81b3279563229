#pragma once

#include "signdata/sign_table.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

// Hand shapes written as text from a small vocabulary of named finger, thumb and
// wrist states, turned into a sign table. Shared features (a curled finger, the
// thumb across the palm) are named once, so they look the same in every sign.
//
//   # comment; a line ending in \ continues on the next
//   hands 1                                  one or two hands per key frame
//   include states.shapes                    states and shapes shared with other
//                                              sources, read before the signs
//   finger curled flex 90 90 30              a finger state: flex of the base,
//   finger curled for middle flex 90 80 20     middle and tip joints, optionally
//   finger spread-in spread 8                  spread (base, about x), twist (base,
//   thumb across joints 0 0 -60 ...            about z) or all nine joint values
//   wrist front at 0 0 -20                   turn X Y Z (degrees), at X Y Z
//   shape fist fingers=curled thumb=side     a named partial key frame
//   sign 1 A                                 a slot and its name (quote names
//   frame shape=fist                           with blanks); then its key frames
//   frame rate=0.5 wrist=front+down
//
// In a frame or shape: thumb= index= middle= ring= little= fingers= (all four)
// wrist= shape= take names joined by + (their values add up); rate= the velocity
// rate. Prefix with left. for the second hand. A sign's first key frame starts from
// all zeros, each later one from the key frame before it. With two hands,
// place=FROM@TO+OFFSET... moves one hand so that its point FROM lies on the other
// hand's point TO (points as in hand/hand_landmarks.h), shifted by the positions of
// the named wrist states: place=index@middle puts the right index fingertip on the
// left middle fingertip, left.place=palm@thumb the left palm on the right thumb.
struct AuthoredShapes {
  int16_t HandCount = 1;
  int16_t SignCount = 0;
  std::unique_ptr<SignTableSlots> Table = std::make_unique<SignTableSlots>();
};

struct ShapeAuthoringResult {
  bool ok = false;
  QString error;  // "line 12: unknown finger state 'curle'"
  AuthoredShapes shapes;
};

// The text of the file an `include` names, or nothing when it cannot be read.
using ShapeIncludeReader = std::function<std::optional<QString>(const QString& name)>;

// Every slot below the highest one named must be given a sign. Without a reader,
// every include fails.
ShapeAuthoringResult ParseShapeAuthoring(const QString& text, const ShapeIncludeReader& readInclude = {});

// Reads the source at `path`; an include names a file beside it. A file that cannot
// be opened gives the error "cannot open it"; one that is not a regular file of at
// most 16 MiB says so. `filesRead`, if given, receives the source and every file an
// include named.
ShapeAuthoringResult ParseShapeAuthoringFile(const QString& path, QStringList* filesRead = nullptr);
