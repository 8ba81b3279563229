#pragma once

class AngleTableDocument;
class FileDialog;
class QWidget;

// "File Save": the file dialog in save mode for an angle data file, then the table
// written there. A file that cannot be written (the data folder of an installed program
// belongs to the system) keeps the edits in the table, and the user may choose another
// place; the file dialog then starts in the user's own folder. True when written.
bool SaveAngleTableAs(QWidget* parent, AngleTableDocument& document, FileDialog& dialog);

// Before the table is replaced or the program ends: while the document holds changes
// not saved, asks "Save the changes to <file>?" with Save, Discard and Cancel. Save
// writes them to the document's file, or where the user says when it has none or it
// cannot be written. True when the caller may go on: nothing was unsaved, the changes
// were saved, or the user discarded them; false for Cancel and for a save that did not
// happen, so that nothing is lost.
bool SettleUnsavedTable(QWidget* parent, AngleTableDocument& document, FileDialog& dialog);
