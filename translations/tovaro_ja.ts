<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>AngleTableSaving</name>
    <message>
        <source>The file could not be saved: %1: %2</source>
        <translation>ファイルを保存できませんでした: %1: %2</translation>
    </message>
    <message>
        <source>

Save it under another name or in another folder?</source>
        <translation>

別の名前か別のフォルダーに保存しますか？</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>ファイルの保存</translation>
    </message>
    <message>
        <source>Initial Pattern</source>
        <translation>初期パターン</translation>
    </message>
    <message>
        <source>Save the changes to the angle table?</source>
        <translation>角度表への変更を保存しますか？</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>%1 への変更を保存しますか？</translation>
    </message>
</context>
<context>
    <name>CaptionTable</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>ビットマップ</translation>
    </message>
    <message>
        <source>Fingerspell Language</source>
        <translation>指文字言語選択</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>単語リスト</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>練習</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>View Point</source>
        <translation>View Point</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>読み手</translation>
    </message>
    <message>
        <source>Signer</source>
        <translation>自分</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>継続</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>再表示</translation>
    </message>
    <message>
        <source>British Sign Language (BSL)</source>
        <translation>イギリス手話 (BSL)</translation>
    </message>
    <message>
        <source>Indonesian Alphabet</source>
        <translation>インドネシア指文字</translation>
    </message>
    <message>
        <source>American Sign Language (ASL)</source>
        <translation>アメリカ手話 (ASL)</translation>
    </message>
    <message>
        <source>Derived ASL Alphabet</source>
        <translation>派生 ASL アルファベット</translation>
    </message>
    <message>
        <source>Japanese Sign Language (JSL)</source>
        <translation>日本手話 (JSL)</translation>
    </message>
    <message>
        <source>Korean Sign Language (KSL)</source>
        <translation>韓国手話 (KSL)</translation>
    </message>
    <message>
        <source>Japanese &amp; Korean Numeric</source>
        <translation>日韓 数字</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>単語</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Katakana</source>
        <translation>振り仮名</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>答え</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>インドネシア語</translation>
    </message>
    <message>
        <source>Type the answer</source>
        <translation>答えを入力する</translation>
    </message>
    <message>
        <source>Adapt speed</source>
        <translation>速度を自動調整</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>あなたの答え</translation>
    </message>
    <message>
        <source>Word length (signs)</source>
        <translation>単語の長さ（文字数）</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>any</source>
        <translation>指定なし</translation>
    </message>
    <message>
        <source>Shortest word</source>
        <translation>最短の単語</translation>
    </message>
    <message>
        <source>Longest word</source>
        <translation>最長の単語</translation>
    </message>
    <message>
        <source>Right %1 / %2, streak %3</source>
        <translation>正解 %1 / %2、連続 %3</translation>
    </message>
    <message>
        <source>It was "%1"; you typed "%2"</source>
        <translation>正解は「%1」、入力は「%2」</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状況</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>もう一度再生</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>一時停止／再開</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>One sign back</source>
        <translation>1文字戻る</translation>
    </message>
    <message>
        <source>One sign forward</source>
        <translation>1文字進む</translation>
    </message>
    <message>
        <source>Slow motion</source>
        <translation>スロー再生</translation>
    </message>
    <message>
        <source>Show letters</source>
        <translation>文字を表示</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Signer's eye</source>
        <translation>自分の視点</translation>
    </message>
    <message>
        <source>Left side</source>
        <translation>左側</translation>
    </message>
    <message>
        <source>Right side</source>
        <translation>右側</translation>
    </message>
    <message>
        <source>From above</source>
        <translation>上から</translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation>左利き</translation>
    </message>
    <message>
        <source>Reference chart</source>
        <translation>指文字一覧表</translation>
    </message>
    <message>
        <source>Natural hands</source>
        <translation>自然な手</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>エクスポート…</translation>
    </message>
    <message>
        <source>Play the last word again (Ctrl+R)</source>
        <translation>最後の単語をもう一度再生 (Ctrl+R)</translation>
    </message>
    <message>
        <source>Step of the word</source>
        <translation>単語の中の位置</translation>
    </message>
    <message>
        <source>Where the word is; drag to any step</source>
        <translation>単語の中の位置。ドラッグで好きな所へ</translation>
    </message>
    <message>
        <source>Letter being signed</source>
        <translation>表示中の文字</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>上達の記録</translation>
    </message>
    <message>
        <source>No session yet</source>
        <translation>まだ記録がありません</translation>
    </message>
    <message>
        <source>Right answers (%)</source>
        <translation>正答率 (%)</translation>
    </message>
    <message>
        <source>Speed (%)</source>
        <translation>速度 (%)</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>ハングル</translation>
    </message>
    <message>
        <source>Lifelike motion</source>
        <translation>自然な動き</translation>
    </message>
    <message>
        <source>read %1 for %2</source>
        <translation>%2を%1と読み</translation>
    </message>
    <message>
        <source>missed %1</source>
        <translation>%1を見落とし</translation>
    </message>
    <message>
        <source>added %1</source>
        <translation>%1を余分に入力し</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>%1ました</translation>
    </message>
    <message>
        <source> and </source>
        <translation>と</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>, and </source>
        <translation>、</translation>
    </message>
    <message>
        <source>Reading speed</source>
        <translation>読み取り速度</translation>
    </message>
    <message>
        <source>this word %1 letters/s at %2 %</source>
        <translation>この単語は毎秒 %1 文字（%2 %）</translation>
    </message>
    <message>
        <source>you read %1 letters/s, the target is %2</source>
        <translation>読み取りは毎秒 %1 文字、目標は %2</translation>
    </message>
    <message>
        <source>your reading speed is not known yet, the target is %1</source>
        <translation>読み取り速度はまだ分かりません、目標は毎秒 %1 文字</translation>
    </message>
    <message>
        <source>about %1 sessions to the target</source>
        <translation>目標まであと約 %1 回</translation>
    </message>
    <message>
        <source>target reached</source>
        <translation>目標に到達</translation>
    </message>
    <message>
        <source>sessions to the target not known yet</source>
        <translation>目標までの回数はまだ分かりません</translation>
    </message>
    <message>
        <source>; </source>
        <translation>。</translation>
    </message>
    <message>
        <source>Sign shown: %1</source>
        <translation>表した文字: %1</translation>
    </message>
    <message>
        <source>Sign you read: %1</source>
        <translation>読み取った文字: %1</translation>
    </message>
    <message>
        <source>Focus on letters</source>
        <translation>重点の文字</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1 read as %2, once</source>
        <translation>%1を%2と読んだ（1回）</translation>
    </message>
    <message>
        <source>Nothing confused yet</source>
        <translation>まだ読み違いはありません</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>回</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>回数</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>No progress yet</source>
        <translation>まだ上達の記録がありません</translation>
    </message>
    <message>
        <source>Words waiting for review: %1</source>
        <translation>復習待ちの単語: %1</translation>
    </message>
    <message>
        <source>%1 read as %2, %3 times</source>
        <translation>%1を%2と読んだ（%3回）</translation>
    </message>
    <message>
        <source>Most confused</source>
        <translation>読み違えやすい文字</translation>
    </message>
    <message>
        <source>Accuracy of each sign</source>
        <translation>文字ごとの正答率</translation>
    </message>
    <message>
        <source>Letters a second</source>
        <translation>毎秒の文字数</translation>
    </message>
</context>
<context>
    <name>ControlPanelScroller</name>
    <message>
        <source>Controls</source>
        <translation>操作パネル</translation>
    </message>
</context>
<context>
    <name>DiscardConfirmation</name>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Changes will be discarded</source>
        <translation>変更は破棄されます</translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation>アニメーション GIF</translation>
    </message>
    <message>
        <source>MP4 Video</source>
        <translation>MP4 動画</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>Font Selection</source>
        <translation>フォントの選択</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Japanese font</source>
        <translation>日本語のフォント</translation>
    </message>
    <message>
        <source>Korean font</source>
        <translation>韓国語のフォント</translation>
    </message>
    <message>
        <source>Japanese font size</source>
        <translation>日本語のフォントのサイズ</translation>
    </message>
    <message>
        <source>Korean font size</source>
        <translation>韓国語のフォントのサイズ</translation>
    </message>
</context>
<context>
    <name>FrameCopyDialog</name>
    <message>
        <source>Form1</source>
        <translation>キーフレームのコピー</translation>
    </message>
    <message>
        <source>Sign Index</source>
        <translation>文字の一覧</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Frame No</source>
        <translation>フレーム番号</translation>
    </message>
    <message>
        <source>Total frames</source>
        <translation>フレーム総数</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>HandValuePanel</name>
    <message>
        <source>Thumb</source>
        <translation>親指</translation>
    </message>
    <message>
        <source>Index finger</source>
        <translation>人差し指</translation>
    </message>
    <message>
        <source>Middle finger</source>
        <translation>中指</translation>
    </message>
    <message>
        <source>Digitus finger</source>
        <translation>薬指</translation>
    </message>
    <message>
        <source>Little finger</source>
        <translation>小指</translation>
    </message>
    <message>
        <source>%1 Wrist Angle %2</source>
        <translation>%1 手首の角度 %2</translation>
    </message>
    <message>
        <source>%1 Wrist Position %2</source>
        <translation>%1 手首の位置 %2</translation>
    </message>
    <message>
        <source>%1 %2 column %3 row %4</source>
        <translation>%1 %2 %3列 %4行</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Wrist Angle</source>
        <translation>手首の角度</translation>
    </message>
    <message>
        <source>Wrist Position</source>
        <translation>手首の位置</translation>
    </message>
</context>
<context>
    <name>HandView</name>
    <message>
        <source>No sign is being spelled</source>
        <translation>表示中の指文字はありません</translation>
    </message>
    <message>
        <source>Signing "%1"</source>
        <translation>「%1」を表示中</translation>
    </message>
    <message>
        <source>Signing hands</source>
        <translation>指文字を表す手</translation>
    </message>
    <message>
        <source>ChoosePixelFormat failed</source>
        <translation>ChoosePixelFormat に失敗しました</translation>
    </message>
    <message>
        <source>the drawing area has not been shown</source>
        <translation>描画領域がまだ表示されていません</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tovaro Help</source>
        <translation>Tovaro ヘルプ</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language Option</source>
        <translation>表示言語の選択</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ListEditorWindow</name>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The file could not be read: %1: %2</source>
        <translation>ファイルを読み込めませんでした: %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Initial file could not be loaded</source>
        <translation>設定ファイルを読み込めませんでした</translation>
    </message>
    <message>
        <source>The settings could not be written to %1</source>
        <translation>設定を %1 に保存できませんでした</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Language Option</source>
        <translation>表示言語の選択</translation>
    </message>
    <message>
        <source>Type JSL Words in Japanese</source>
        <translation>JSL の単語を日本語で入力</translation>
    </message>
    <message>
        <source>Font Selection</source>
        <translation>フォントの選択</translation>
    </message>
    <message>
        <source>Roman letters or Hangul</source>
        <translation>ローマ字またはハングル</translation>
    </message>
    <message>
        <source>Hangul input</source>
        <translation>ハングル入力</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>録画</translation>
    </message>
</context>
<context>
    <name>MessageBoxButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No reading for %1; type it in kana</source>
        <translation>%1 の読みが分かりません。かなで入力してください</translation>
    </message>
    <message>
        <source>Invalid number</source>
        <translation>数字が正しくありません</translation>
    </message>
    <message>
        <source>The number is too big</source>
        <translation>数字が大きすぎます</translation>
    </message>
    <message>
        <source>Invalid speed value!</source>
        <translation>速度の値が正しくありません</translation>
    </message>
    <message>
        <source>Not spelled: %1</source>
        <translation>表せない文字: %1</translation>
    </message>
    <message>
        <source>Speed value cannot be empty!</source>
        <translation>速度を入力してください</translation>
    </message>
    <message>
        <source>Speed value must be set!</source>
        <translation>速度を数字で入力してください</translation>
    </message>
    <message>
        <source>Frame number exceeds its limit!</source>
        <translation>フレーム番号が上限を超えています</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Font size must be bigger than 0</source>
        <translation>フォントサイズは 0 より大きくしてください</translation>
    </message>
    <message>
        <source>Font size is too big</source>
        <translation>フォントサイズが大きすぎます</translation>
    </message>
    <message>
        <source>The help file could not be found: </source>
        <translation>ヘルプファイルが見つかりません: </translation>
    </message>
    <message>
        <source>The help file could not be read: </source>
        <translation>ヘルプファイルを読み込めません: </translation>
    </message>
    <message>
        <source>The folder already exists. Use it?</source>
        <translation>既にディレクトリが存在している</translation>
    </message>
    <message>
        <source>The folder could not be created: </source>
        <translation>エラー発生: </translation>
    </message>
    <message>
        <source>The picture could not be saved: </source>
        <translation>画像を保存できませんでした: </translation>
    </message>
    <message>
        <source>Invalid name</source>
        <translation>名前が正しくありません</translation>
    </message>
    <message>
        <source>The practice history is %1: %2</source>
        <translation>練習の記録が%1です: %2</translation>
    </message>
    <message>
        <source>The practice history could not be read: %1: %2</source>
        <translation>練習の記録を読み込めません: %1: %2</translation>
    </message>
    <message>
        <source>The practice history could not be saved: %1: %2</source>
        <translation>練習の記録を保存できません: %1: %2</translation>
    </message>
    <message>
        <source>The word list is empty</source>
        <translation>単語リストが空です</translation>
    </message>
    <message>
        <source>No word of the list has that length</source>
        <translation>その長さの単語がリストにありません</translation>
    </message>
    <message>
        <source>No word of the list can be spelled</source>
        <translation>リストの単語はどれも表せません</translation>
    </message>
    <message>
        <source>No word of the list has "%1" to practise</source>
        <translation>「%1」を含む単語がリストにありません</translation>
    </message>
    <message>
        <source>the change was refused</source>
        <translation>変更が拒否されました</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer Tovaro (version %2); it is left as it is, and this practice is not kept in it.</source>
        <translation>上達の記録ファイル %1 は新しい Tovaro (バージョン %2) で書かれたため、そのままにします。今回の練習は記録されません。</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be read or moved aside; the practice is not kept.</source>
        <translation>上達の記録ファイル %1 を読み込むことも移すこともできません。練習は記録されません。</translation>
    </message>
    <message>
        <source>The progress file %1 could not be read. It was kept as %2, and a new one was started.</source>
        <translation>上達の記録ファイル %1 を読み込めませんでした。%2 として残し、新しいファイルを始めました。</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be made: %2</source>
        <translation>上達の記録ファイル %1 を作れません: %2</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>開けませんでした</translation>
    </message>
    <message>
        <source>The practice history %1 could not be copied into the progress file: %2</source>
        <translation>練習の記録 %1 を上達の記録ファイルに写せませんでした: %2</translation>
    </message>
    <message>
        <source>%1 sign, %2 a second</source>
        <translation>%1 文字、毎秒 %2 文字</translation>
    </message>
    <message>
        <source>%1 signs, %2 a second</source>
        <translation>%1 文字、毎秒 %2 文字</translation>
    </message>
    <message>
        <source>Unsupported character(s) in the string</source>
        <translation>表せない文字が含まれています</translation>
    </message>
    <message>
        <source>Not spelled: "%1" is not romaji</source>
        <translation>表せません: 「%1」はローマ字ではありません</translation>
    </message>
    <message>
        <source>Not spelled: "%1" is not romanized Korean</source>
        <translation>表せません: 「%1」は韓国語のローマ字表記ではありません</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>エラー %1: %2</translation>
    </message>
    <message>
        <source>"%1" is already in the list</source>
        <translation>「%1」は既にリストにあります</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>既にリストにあります</translation>
    </message>
    <message>
        <source>a line must hold a reading, a comma and the word</source>
        <translation>1 行に読み、コンマ、単語が必要です</translation>
    </message>
    <message>
        <source>1 word added.</source>
        <translation>1 語を追加しました。</translation>
    </message>
    <message>
        <source>%1 words added.</source>
        <translation>%1 語を追加しました。</translation>
    </message>
    <message>
        <source>
Added: </source>
        <translation>
追加: </translation>
    </message>
    <message>
        <source>
Line %1 "%2" added as "%3"</source>
        <translation>
%1 行目「%2」を「%3」として追加</translation>
    </message>
    <message>
        <source>
%1 line(s) refused:</source>
        <translation>
%1 行を追加できませんでした:</translation>
    </message>
    <message>
        <source>
Line %1 "%2": %3</source>
        <translation>
%1 行目「%2」: %3</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
…ほか %1 件</translation>
    </message>
    <message>
        <source>%1 word(s) of the list cannot be spelled and are never asked:</source>
        <translation>リストの %1 語は表せないため出題しません:</translation>
    </message>
    <message>
        <source>A word must not contain a comma or a double quote</source>
        <translation>単語にコンマや二重引用符を含めることはできません</translation>
    </message>
    <message>
        <source>Frame Number exceeds</source>
        <translation>フレーム番号が範囲を超えています</translation>
    </message>
    <message>
        <source>Cannot delete!</source>
        <translation>削除できません</translation>
    </message>
    <message>
        <source>No free sign slot</source>
        <translation>空いている文字の枠がありません</translation>
    </message>
    <message>
        <source>Data updated</source>
        <translation>データを更新しました</translation>
    </message>
    <message>
        <source>Changes will be discarded</source>
        <translation>変更は破棄されます</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Frame number exceeds</source>
        <translation>フレーム番号が範囲を超えています</translation>
    </message>
    <message>
        <source>Channel number exceeds</source>
        <translation>チャンネル番号が範囲を超えています</translation>
    </message>
    <message>
        <source>Word list line %1: %2</source>
        <translation>単語リスト %1 行目: %2</translation>
    </message>
    <message>
        <source>the word is longer than %1 characters</source>
        <translation>単語が %1 文字を超えています</translation>
    </message>
    <message>
        <source>the list holds more than %1 words</source>
        <translation>リストの単語が %1 語を超えています</translation>
    </message>
    <message>
        <source>"%1" is not a character number</source>
        <translation>「%1」は文字番号ではありません</translation>
    </message>
    <message>
        <source>character number %1 is above 65535</source>
        <translation>文字番号 %1 は 65535 を超えています</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>The word list could not be read: %1: %2</source>
        <translation>単語リストを読み込めません: %1: %2</translation>
    </message>
    <message>
        <source>The word list could not be saved: %1: %2</source>
        <translation>単語リストを保存できません: %1: %2</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>フレームの追加</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>フレームの削除</translation>
    </message>
    <message>
        <source>Add Char</source>
        <translation>文字の追加</translation>
    </message>
</context>
<context>
    <name>PictureNameDialog</name>
    <message>
        <source>Folder name</source>
        <translation>フォルダ名</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>PlaybackBar</name>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Space resumes the word</source>
        <translation>スペースキーで単語の再生を再開します</translation>
    </message>
</context>
<context>
    <name>PoseEditor</name>
    <message>
        <source>Pose Editor</source>
        <translation>ポーズエディタ</translation>
    </message>
    <message>
        <source>Sign Index</source>
        <translation>文字の一覧</translation>
    </message>
    <message>
        <source>Frame No</source>
        <translation>フレーム番号</translation>
    </message>
    <message>
        <source>Total frames</source>
        <translation>フレーム総数</translation>
    </message>
    <message>
        <source>Velocity rate</source>
        <translation>速度の倍率</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>手</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>即時表示</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>フレームの追加</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>フレームの削除</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>コピー元</translation>
    </message>
    <message>
        <source>Add Char</source>
        <translation>文字の追加</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Disp</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状況</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>その他のメニュー</translation>
    </message>
</context>
<context>
    <name>PracticeRunner</name>
    <message>
        <source>The progress file %1 could not be written: %2</source>
        <translation>上達の記録ファイル %1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>Copying the practice history into the progress file…</source>
        <translation>練習の履歴を上達の記録ファイルにコピーしています…</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Keep this speed</source>
        <translation>この速度を使い続ける</translation>
    </message>
</context>
<context>
    <name>ReadingListEditor</name>
    <message>
        <source>単語リスト</source>
        <translation>単語リスト</translation>
    </message>
    <message>
        <source>單語</source>
        <translation>單語</translation>
    </message>
    <message>
        <source>振り假名</source>
        <translation>振り假名</translation>
    </message>
    <message>
        <source>語数</source>
        <translation>語数</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>インポート…</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>保存しないで閉じますか？</source>
        <translation>保存しないで閉じますか？</translation>
    </message>
    <message>
        <source>フリガナを入れて下さい</source>
        <translation>フリガナを入れて下さい</translation>
    </message>
    <message>
        <source>%1 語</source>
        <translation>%1 語</translation>
    </message>
</context>
<context>
    <name>ReferenceChartWindow</name>
    <message>
        <source>Sign %1</source>
        <translation>文字 %1</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>%1 を再生</translation>
    </message>
    <message>
        <source>The chart cannot be drawn: </source>
        <translation>一覧表を描画できません: </translation>
    </message>
</context>
<context>
    <name>SignNameDialog</name>
    <message>
        <source>Add Char</source>
        <translation>文字の追加</translation>
    </message>
    <message>
        <source>Sign name</source>
        <translation>文字の名前</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>SystemChoiceDialog</name>
    <message>
        <source>Fingerspell Language</source>
        <translation>指文字言語選択</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SystemController</name>
    <message>
        <source>File Load</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Angle Data</source>
        <translation>角度データ</translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>元に戻す: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>やり直し: %1</translation>
    </message>
</context>
<context>
    <name>WordExport</name>
    <message>
        <source>Exporting the animation…</source>
        <translation>アニメーションをエクスポートしています…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Exporting the animation</source>
        <translation>アニメーションをエクスポートしています</translation>
    </message>
    <message>
        <source>The animation could not be exported: </source>
        <translation>アニメーションをエクスポートできませんでした: </translation>
    </message>
</context>
<context>
    <name>WordListEditor</name>
    <message>
        <source>Word List</source>
        <translation>単語リスト</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>単語の一覧</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>単語</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>ハングル</translation>
    </message>
    <message>
        <source>Hangul input</source>
        <translation>ハングル入力</translation>
    </message>
    <message>
        <source>Number of words</source>
        <translation>単語数</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>インポート…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Exit without saving?</source>
        <translation>保存しないで閉じますか？</translation>
    </message>
    <message>
        <source>This system cannot spell this entry; the practice never asks it</source>
        <translation>この体系ではこの単語を表せないため、練習では出題されません</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>1 語</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 語</translation>
    </message>
    <message>
        <source>, %1 cannot be spelled</source>
        <translation>、うち %1 語は表せません</translation>
    </message>
</context>
</TS>