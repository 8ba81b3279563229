#pragma once

class QWidget;

// A window whose words are spelled on the hand (a word-list editor, the practice) stands
// at the right of `owner`, over its input boxes rather than its drawing area.
void PlaceBesideHand(QWidget& window, const QWidget& owner);
