#pragma once

class QWidget;

// Asks "Changes will be discarded" (title "Confirmation") with OK and Cancel; true for OK.
bool ConfirmDiscardingChanges(QWidget* parent);
