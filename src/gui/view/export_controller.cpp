#include "gui/view/export_controller.h"

#include "convert/sign_class.h"
#include "gui/dialogs/file_dialog.h"
#include "gui/view/hand_view.h"
#include "gui/view/word_export.h"
#include "playback/keeping_player.h"
#include "playback/timed_player.h"
#include "shell/angle_table_document.h"
#include "shell/export_file_name.h"

ExportController::ExportController(ExportControllerContext context, QObject* parent)
    : QObject(parent), context_(std::move(context)) {}

void ExportController::ExportWord(const InputModes& modes, const StartTexts& texts) {
  if (context_.player.IsPlaying()) return;
  const SignTable& table = context_.document.Table();
  KeepingPlayer keeper;
  SignClass exportSigns(table, keeper);
  exportSigns.SetNumeralBase(context_.signs.NumeralBase());
  if (context_.signs.CurrentSystem()) exportSigns.LangSet(*context_.signs.CurrentSystem());
  if (RunStartFlow(exportSigns, context_.messages, modes, texts) != StartOutcome::Played) return;

  FileDialog& dialog = context_.fileDialog();
  dialog.OptionInitialize();
  dialog.SetLoadMode(false);
  dialog.SetTitle(tr("Export"));
  dialog.AddFajliloOptions(tr("Animated GIF"), QStringLiteral(".gif"));
  dialog.AddFajliloOptions(tr("MP4 Video"), QStringLiteral(".mp4"));
  const QString tablesFolder = dialog.Folder();
  dialog.SetFolder(context_.picturesFolder);
  dialog.SetFileName(SuggestedExportName(modes, texts));
  dialog.exec();
  dialog.SetFolder(tablesFolder);
  if (!dialog.Decided()) return;
  AnimationExportSettings settings;
  settings.path = dialog.FullPath();
  settings.size = QSize(context_.handView.Width(), context_.handView.Height());
  settings.view = context_.handView.View();
  settings.appearance = context_.handView.Appearance();
  // What became of it comes from the export itself, which ends on its own.
  new WordExport(context_.owner, table, keeper.Script(), settings, context_.messages);
}
