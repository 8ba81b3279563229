#pragma once

class QWidget;

// A window that works with `owner` (a word-list editor, the practice, a chart) opens
// beside it on its screen, so it covers neither the hands nor the input boxes.
void PlaceBesideMainWindow(QWidget& window, const QWidget& owner);
