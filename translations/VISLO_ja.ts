<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutToolWindow</name>
    <message>
        <location filename="../src/src/AboutToolWindow.cpp" line="+10"/>
        <source>About</source>
        <extracomment>Title of the About window, white on its title band (about 200 pixels).</extracomment>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Version</source>
        <extracomment>About window: the word before the version number (&quot;Version 2.00&quot;).</extracomment>
        <translation>バージョン</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> 2.00</source>
        <extracomment>About window: the version number after &quot;Version&quot;, with its leading space.</extracomment>
        <translation> 2.00</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <extracomment>About window: button that closes it; at most 78 pixels in 8-point type.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CanvasConstants</name>
    <message>
        <location filename="../src/src/CanvasConstants.cpp" line="+7"/>
        <source>Color</source>
        <extracomment>Colour effect: the picture in its own colours (an adjective, as opposed to black and white).</extracomment>
        <translation>カラー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>B &amp; W</source>
        <extracomment>Colour effect: black and white; keep it short and without an ampersand next to a letter.</extracomment>
        <translation>白黒</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Negative</source>
        <extracomment>Colour effect: inverted colours, as a photographic negative.</extracomment>
        <translation>ネガ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mosaic</source>
        <extracomment>Colour effect: the picture in coarse squares.</extracomment>
        <translation>モザイク</translation>
    </message>
</context>
<context>
    <name>CapturePipeline</name>
    <message>
        <location filename="../src/src/media/CapturePipeline.cpp" line="+176"/>
        <location line="+175"/>
        <source>The camera pipeline could not be started.</source>
        <translation>カメラのパイプラインを開始できませんでした。</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>The camera could not be opened.</source>
        <translation>カメラを開けませんでした。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The camera offers no picture format this program can use.</source>
        <translation>このプログラムで使用できる画像形式にカメラが対応していません。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A GStreamer element the camera needs is not installed.</source>
        <translation>カメラに必要な GStreamer 要素がインストールされていません。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The camera pipeline could not be linked.</source>
        <translation>カメラのパイプラインを接続できませんでした。</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>A GStreamer element needed for recording (H.264 encoder or MP4 writer) is not installed.</source>
        <translation>録画に必要な GStreamer 要素（H.264 エンコーダーまたは MP4 マルチプレクサー）がインストールされていません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A GStreamer element needed for recording (JPEG encoder or AVI writer) is not installed.</source>
        <translation>録画に必要な GStreamer 要素（JPEG エンコーダーまたは AVI マルチプレクサー）がインストールされていません。</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+101"/>
        <source>The recording pipeline could not be linked.</source>
        <translation>録画のパイプラインを接続できませんでした。</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>The sound of the recording could not be set up.</source>
        <translation>録画の音声を設定できませんでした。</translation>
    </message>
    <message>
        <location line="+269"/>
        <source>The camera ended its stream.</source>
        <translation>カメラのストリームが終了しました。</translation>
    </message>
    <message>
        <location line="-196"/>
        <source>The recording pipeline could not be started.</source>
        <translation>録画のパイプラインを開始できませんでした。</translation>
    </message>
</context>
<context>
    <name>EffectToolWindow</name>
    <message>
        <location filename="../src/src/EffectToolWindow.cpp" line="+13"/>
        <source>Color Effect</source>
        <extracomment>Title of the colour-effect window (about 200 pixels).</extracomment>
        <translation>カラー効果</translation>
    </message>
</context>
<context>
    <name>FilmSource</name>
    <message>
        <location filename="../src/src/FilmSource.cpp" line="+268"/>
        <source>The film has no picture this computer can show.</source>
        <translation>このビデオには、このコンピューターで表示できる映像がありません。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The film cannot be played any further. The file may be damaged.</source>
        <translation>これ以上ビデオを再生できません。ファイルが破損している可能性があります。</translation>
    </message>
</context>
<context>
    <name>FilmTime</name>
    <message>
        <location filename="../src/src/FilmTime.cpp" line="+33"/>
        <source>%1×</source>
        <extracomment>On the film picture while playing faster or backwards: the speed step, e.g. 2× or −2×.</extracomment>
        <translation>%1×</translation>
    </message>
</context>
<context>
    <name>FullScreenView</name>
    <message>
        <location filename="../src/src/FullScreenView.cpp" line="+80"/>
        <source>Leave full screen (Esc)</source>
        <extracomment>Tool tip of the button of the full-screen tool strip.</extracomment>
        <translation>全画面表示を終了（Esc）</translation>
    </message>
</context>
<context>
    <name>ImageButton</name>
    <message>
        <location filename="../src/src/ImageButton.cpp" line="+44"/>
        <location line="+7"/>
        <source>Hold for options</source>
        <extracomment>Second line of a tool tip: a long press on the button opens its options window.</extracomment>
        <translation>長押しでオプション</translation>
    </message>
</context>
<context>
    <name>ImageCanvas</name>
    <message>
        <location filename="../src/src/ImageCanvas.cpp" line="+781"/>
        <source>The snapshot could not be saved.</source>
        <translation>スナップショットを保存できませんでした。</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Undo</source>
        <extracomment>Shown briefly on the picture after the last drawing step was undone.</extracomment>
        <translation>元に戻す</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>Shown briefly on the picture after an undone drawing step was done again.</extracomment>
        <translation>やり直し</translation>
    </message>
</context>
<context>
    <name>KeyboardCommands</name>
    <message>
        <location filename="../src/src/KeyboardCommands.cpp" line="+68"/>
        <source>%1 (%2)</source>
        <extracomment>Tool tip with its key: %1 is the tool tip, %2 the key (e.g. Zoom in (+)).</extracomment>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>LiveSource</name>
    <message>
        <location filename="../src/src/LiveSource.cpp" line="+133"/>
        <source>The recording was stopped because the capture size changed. What was recorded has been saved.</source>
        <translation>キャプチャサイズが変更されたため録画を停止しました。録画した内容は保存されています。</translation>
    </message>
    <message>
        <location line="+310"/>
        <location line="+113"/>
        <source>The recording could not be started: %1</source>
        <translation>録画を開始できませんでした: %1</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>The camera stopped delivering pictures: %1</source>
        <translation>カメラから映像が届かなくなりました: %1</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The recording was stopped because the camera stopped working. What was recorded has been saved.</source>
        <translation>カメラが動作しなくなったため録画を停止しました。録画した内容は保存されています。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The recording failed: %1</source>
        <extracomment>Message box; %1 is the system&apos;s reason.</extracomment>
        <translation>録画に失敗しました: %1</translation>
    </message>
    <message>
        <location line="-469"/>
        <source>The recording was not started: less than %1 MB of disk space is free in the recording folder.</source>
        <translation>録画を開始できませんでした。録画フォルダーの空き容量が %1 MB 未満です。</translation>
    </message>
    <message>
        <location line="+477"/>
        <source>The recording was stopped because less than %1 MB of disk space is left in the recording folder. What was recorded has been saved.</source>
        <translation>録画フォルダーの空き容量が %1 MB 未満になったため、録画を停止しました。録画した内容は保存されています。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The recording was stopped because its file or folder was removed. What was recorded could not be saved again.</source>
        <translation>ファイルまたはフォルダーが削除されたため、録画を停止しました。録画した内容を保存し直すことができませんでした。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The recording was stopped because its file or folder was removed. What was recorded has been saved again as %1.</source>
        <translation>ファイルまたはフォルダーが削除されたため、録画を停止しました。録画した内容は %1 として保存し直されました。</translation>
    </message>
    <message>
        <location line="-366"/>
        <source>The recording was stopped because another camera was chosen. What was recorded has been saved.</source>
        <translation>別のカメラが選択されたため録画を停止しました。録画した内容は保存されています。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/src/MainWindow.cpp" line="+89"/>
        <source>Document Camera</source>
        <extracomment>Title of the main window: the program&apos;s name.</extracomment>
        <translation>書画カメラ</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Width</source>
        <extracomment>Options window of the eraser: label of the width swatches; at most about 140 pixels.</extracomment>
        <translation>太さ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Line Width</source>
        <extracomment>Options window of a drawing tool: label of the line width swatches; at most about 140 pixels.</extracomment>
        <translation>線の太さ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Line Color</source>
        <extracomment>Options window of a drawing tool: label of the line colour swatches; at most about 140 pixels.</extracomment>
        <translation>線の色</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fill Color</source>
        <extracomment>Options window of a shape tool: label of the fill colour swatches, which start after it; at most about 110 pixels.</extracomment>
        <translation>塗りつぶし</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Live</source>
        <extracomment>Mode tab: the camera&apos;s live picture; at most about 100 pixels in 11-point type.</extracomment>
        <translation>ライブ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Film</source>
        <extracomment>Mode tab: playing video files; at most about 100 pixels in 11-point type.</extracomment>
        <translation>ビデオ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Photograph</source>
        <extracomment>Mode tab: browsing a folder of pictures; at most about 100 pixels in 11-point type.</extracomment>
        <translation>写真</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Drawing Board</source>
        <extracomment>Mode tab: a blank white sheet to draw on; at most about 115 pixels in 11-point type.</extracomment>
        <translation>ホワイトボード</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Noting</source>
        <extracomment>Panel group title over the drawing tools (lines, shapes, eraser, text); at most about 80 pixels in 10-point type.</extracomment>
        <translation>書き込み</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1193"/>
        <source>Line</source>
        <extracomment>Tool tip and options window title: the straight line tool.</extracomment>
        <translation>直線</translation>
    </message>
    <message>
        <location line="-1191"/>
        <location line="+1196"/>
        <source>Rectangle</source>
        <extracomment>Tool tip and options window title: the rectangle tool.</extracomment>
        <translation>四角形</translation>
    </message>
    <message>
        <location line="-1193"/>
        <location line="+1199"/>
        <source>Freehand</source>
        <extracomment>Tool tip and options window title: the freehand pen tool.</extracomment>
        <translation>フリーハンド</translation>
    </message>
    <message>
        <location line="-1196"/>
        <location line="+1202"/>
        <source>Circle</source>
        <extracomment>Tool tip and options window title: the circle tool.</extracomment>
        <translation>円</translation>
    </message>
    <message>
        <location line="-1199"/>
        <location line="+1205"/>
        <source>Arrow</source>
        <extracomment>Tool tip and options window title: the arrow tool.</extracomment>
        <translation>矢印</translation>
    </message>
    <message>
        <location line="-1202"/>
        <location line="+1208"/>
        <source>Triangle</source>
        <extracomment>Tool tip and options window title: the triangle tool.</extracomment>
        <translation>三角形</translation>
    </message>
    <message>
        <location line="-1205"/>
        <location line="+1211"/>
        <source>Eraser</source>
        <extracomment>Tool tip and options window title: the eraser, which rubs out drawings.</extracomment>
        <translation>消しゴム</translation>
    </message>
    <message>
        <location line="-1208"/>
        <source>Text</source>
        <extracomment>Tool tip: the text tool, which writes typed text on the picture.</extracomment>
        <translation>テキスト</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erase all</source>
        <extracomment>Tool tip: removes every drawing from the picture.</extracomment>
        <translation>すべて消去</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clip image</source>
        <extracomment>Tool tip: drag a rectangle to COPY that part of the picture to the clipboard (the picture is not cropped).</extracomment>
        <translation>範囲をコピー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hand</source>
        <extracomment>Tool tip: the hand tool, which drags a zoomed picture around.</extracomment>
        <translation>手のひら</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fill background</source>
        <extracomment>Tool tip: fills the drawing layer with a colour.</extracomment>
        <translation>背景の塗りつぶし</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Assisting</source>
        <extracomment>Panel group title over the mask and colour-effect tools (not Help); at most about 80 pixels in 10-point type.</extracomment>
        <translation>補助</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mask</source>
        <extracomment>Tool tip: masks that cover part of the picture.</extracomment>
        <translation>マスク</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Effect</source>
        <extracomment>Tool tip: colour effects (black and white, negative, mosaic).</extracomment>
        <translation>効果</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Adjustment</source>
        <extracomment>Panel group title over zoom, focus, brightness, rotate and freeze (not Settings); at most about 80 pixels in 10-point type.</extracomment>
        <translation>調整</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom out</source>
        <extracomment>Tool tip of a button.</extracomment>
        <translation>縮小</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom in</source>
        <extracomment>Tool tip of a button.</extracomment>
        <translation>拡大</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Reset zoom</source>
        <extracomment>Tool tip: back to the whole picture fitted to the window (not 100 % pixel size).</extracomment>
        <translation>ズームをリセット</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto focus</source>
        <extracomment>Tool tip: the camera focuses by itself once.</extracomment>
        <translation>オートフォーカス</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Brightness down</source>
        <extracomment>Tool tip: makes the camera&apos;s picture darker.</extracomment>
        <translation>暗く</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Brightness up</source>
        <extracomment>Tool tip: makes the camera&apos;s picture brighter.</extracomment>
        <translation>明るく</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rotate</source>
        <extracomment>Tool tip: turns the picture a quarter turn.</extracomment>
        <translation>回転</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Freeze</source>
        <extracomment>Tool tip: holds the live picture still (not a snapshot).</extracomment>
        <translation>静止</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recording</source>
        <extracomment>Panel group title over recording, snapshot, settings and print; at most about 80 pixels in 10-point type.</extracomment>
        <translation>記録</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+21"/>
        <source>Record video</source>
        <extracomment>Tool tip: starts a new video recording of what is shown.</extracomment>
        <translation>録画</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Take snapshot</source>
        <extracomment>Tool tip: saves the shown picture as a JPEG file.</extracomment>
        <translation>スナップショット</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings</source>
        <extracomment>Tool tip of the button that opens the settings window.</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <extracomment>Tool tip: prints the shown picture.</extracomment>
        <translation>印刷</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>sec.</source>
        <extracomment>Slide-show interval scale: the unit after &quot;1 2 5 10 15 30&quot; (seconds); a few characters.</extracomment>
        <translation>秒</translation>
    </message>
    <message>
        <location line="+376"/>
        <source>Error</source>
        <extracomment>Title of an error message box.</extracomment>
        <translation>エラー</translation>
    </message>
    <message>
        <location line="+189"/>
        <location line="+88"/>
        <source>Please select a folder first.</source>
        <translation>先にフォルダーを選択してください。</translation>
    </message>
    <message>
        <location line="-86"/>
        <source>Recording not started</source>
        <extracomment>Shown for two seconds on the picture; short.</extracomment>
        <translation>録画を開始できませんでした</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Recording failed</source>
        <extracomment>Shown for two seconds on the picture; short.</extracomment>
        <translation>録画に失敗しました</translation>
    </message>
    <message>
        <location line="+56"/>
        <location line="+52"/>
        <source>Snapshot not saved</source>
        <extracomment>Shown for two seconds on the picture; short.</extracomment>
        <translation>スナップショットを保存できませんでした</translation>
    </message>
    <message>
        <location line="+60"/>
        <location line="+12"/>
        <location line="+6"/>
        <source>Printing failed</source>
        <extracomment>Shown for two seconds on the picture; short.</extracomment>
        <translation>印刷に失敗しました</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>No printers found on this system.</source>
        <translation>このシステムにプリンターが見つかりません。</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>The film could not be opened. The file may be damaged or of a kind this computer cannot play.</source>
        <translation>ビデオを開けませんでした。ファイルが破損しているか、このコンピューターで再生できない形式の可能性があります。</translation>
    </message>
    <message>
        <location line="+261"/>
        <source>Background Color</source>
        <extracomment>Title of the fill-background options window (about 200 pixels).</extracomment>
        <translation>背景色</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Saved %1</source>
        <extracomment>Shown for two seconds on the picture after a snapshot; %1 is the file name.</extracomment>
        <translation>保存しました: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copied</source>
        <extracomment>Shown for two seconds on the picture after an area was copied to the clipboard.</extracomment>
        <translation>コピーしました</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not copied</source>
        <extracomment>Shown for two seconds on the picture when there was nothing to copy.</extracomment>
        <translation>コピーされませんでした</translation>
    </message>
    <message>
        <location line="-482"/>
        <source>The camera chosen in the settings is not connected. Cameras seen: %1.</source>
        <translation>設定で選択したカメラが接続されていません。検出されたカメラ: %1。</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Cameras seen: %1. None of them is used automatically; choose one in the settings, under Source.</source>
        <translation>検出されたカメラ: %1。どれも自動では使用されません。設定の「ソース」で選択してください。</translation>
    </message>
    <message>
        <location line="-825"/>
        <source>About</source>
        <extracomment>Tool tip of the button that opens the About window.</extracomment>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <location line="+517"/>
        <source>The recording was stopped because the camera was restarted with the new settings. What was recorded has been saved as %1.</source>
        <translation>新しい設定でカメラを再起動したため録画を停止しました。録画した内容は %1 に保存されています。</translation>
    </message>
    <message>
        <location line="+364"/>
        <source>Continuous snapshots stopped.</source>
        <translation>連続スナップショットを停止しました。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No camera is connected.</source>
        <translation>カメラが接続されていません。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Connect a document camera</source>
        <translation>書画カメラを接続してください</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plug the camera into a USB port of this computer.</source>
        <translation>カメラをこのコンピューターの USB ポートに接続してください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its live picture appears here as soon as the camera is ready.</source>
        <translation>カメラの準備ができると、ここにライブ映像が表示されます。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Film, Photograph and Drawing Board work without a camera.</source>
        <translation>ビデオ、写真、ホワイトボードはカメラなしで使えます。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No film is open</source>
        <extracomment>Title on the empty Film canvas; one line.</extracomment>
        <translation>ビデオが開かれていません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a film with the open button below the picture.</source>
        <translation>画像の下にある「開く」ボタンでビデオを開いてください。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No photograph is shown</source>
        <extracomment>Title on the empty Photograph canvas; one line.</extracomment>
        <translation>写真が表示されていません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a picture with the open button below the picture; the pictures of its folder are then shown here.</source>
        <translation>画像の下にある「開く」ボタンで画像を選んでください。そのフォルダーの画像がここに表示されます。</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Films (%1)</source>
        <extracomment>Film open dialog: file type filter; %1 is the list of file patterns.</extracomment>
        <translation>ビデオ (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <extracomment>Film open dialog: file type filter of every file.</extracomment>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The film could not be opened. This computer lacks what it needs to play it: %1.</source>
        <translation>ビデオを開けませんでした。このコンピューターには再生に必要なものがありません: %1。</translation>
    </message>
</context>
<context>
    <name>MaskToolWindow</name>
    <message>
        <location filename="../src/src/MaskToolWindow.cpp" line="+13"/>
        <source>Mask</source>
        <extracomment>Title of the mask window: masks cover part of the picture (about 200 pixels).</extracomment>
        <translation>マスク</translation>
    </message>
</context>
<context>
    <name>OSDProcessor</name>
    <message>
        <location filename="../src/src/OSDProcessor.cpp" line="+68"/>
        <source>Best fit</source>
        <extracomment>On-screen zoom badge: the picture is fitted to the window; keep it short, the badge grows to fit it.</extracomment>
        <translation>全体</translation>
    </message>
</context>
<context>
    <name>Projector</name>
    <message>
        <location filename="../src/src/Projector.cpp" line="+26"/>
        <source>There is no second screen for the projector window.</source>
        <translation>プロジェクター用ウィンドウを表示する2台目の画面がありません。</translation>
    </message>
</context>
<context>
    <name>RecordingRescuer</name>
    <message>
        <location filename="../src/src/RecordingRescuer.cpp" line="+141"/>
        <source>Repairing the recording &quot;%1&quot;, which was cut off when the program last ended...</source>
        <translation>前回プログラムが終了したときに途中で切れた録画「%1」を修復しています…</translation>
    </message>
</context>
<context>
    <name>SettingsToolWindow</name>
    <message>
        <location filename="../src/src/SettingsToolWindow.cpp" line="+72"/>
        <source>Setting</source>
        <extracomment>Title of the settings window, white on its title band (about 200 pixels).</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Source</source>
        <extracomment>Settings window: label of the camera choice; at most about 12 characters (97 pixels).</extracomment>
        <translation>ソース</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Resolution</source>
        <extracomment>Settings window: label of the camera&apos;s capture size; at most about 12 characters (97 pixels).</extracomment>
        <translation>解像度</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Capture</source>
        <extracomment>Settings window: label of the snapshot mode (Single or Continuous), not of the camera&apos;s capture size; at most about 12 characters (97 pixels).</extracomment>
        <translation>撮影モード</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Single</source>
        <extracomment>Settings window, snapshot mode: one snapshot per click (box of 124 pixels).</extracomment>
        <translation>単発</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continuous</source>
        <extracomment>Settings window, snapshot mode: a snapshot every interval until stopped (box of 124 pixels).</extracomment>
        <translation>連続</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Time</source>
        <extracomment>Settings window: label of the interval between continuous snapshots; at most about 12 characters (97 pixels).</extracomment>
        <translation>間隔</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sec</source>
        <extracomment>Settings window, snapshot interval unit after a number (&quot;5 sec&quot;); short.</extracomment>
        <translation>秒</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>min</source>
        <extracomment>Settings window, snapshot interval unit after a number (&quot;5 min&quot;); short.</extracomment>
        <translation>分</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>hr</source>
        <extracomment>Settings window, snapshot interval unit after &quot;1&quot; (&quot;1 hr&quot;); short.</extracomment>
        <translation>時間</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save as</source>
        <extracomment>Settings window: label of the folder snapshots are saved in (not a Save command); at most about 12 characters (97 pixels).</extracomment>
        <translation>保存先</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Browse</source>
        <extracomment>Settings window: button that opens a folder dialog; at most 78 pixels in 8-point type.</extracomment>
        <translation>参照</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>RecordingSave</source>
        <extracomment>Settings window: label of the folder recordings are saved in, shown in Japanese and Russian only (a longer form of &quot;Recording&quot;); at most about 12 characters (97 pixels).</extracomment>
        <translation>録画の保存先</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recording</source>
        <extracomment>Settings window: label of the folder recordings are saved in; at most about 12 characters (97 pixels).</extracomment>
        <translation>録画</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Format</source>
        <extracomment>Settings window: label of what recordings are written as, in the row under the recording folder; at most about 12 characters (97 pixels).</extracomment>
        <translation>形式</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>AVI (Motion JPEG)</source>
        <extracomment>Settings window, recording format: the classic one (box of 124 pixels).</extracomment>
        <translation>AVI (Motion JPEG)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MP4 (H.264)</source>
        <extracomment>Settings window, recording format: small files every player opens (box of 124 pixels).</extracomment>
        <translation>MP4 (H.264)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>OK</source>
        <extracomment>Settings window: button that stores the settings; at most 78 pixels in 8-point type.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <extracomment>Settings window: button that closes it without storing; at most 78 pixels in 8-point type.</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language</source>
        <extracomment>Settings window: label of the interface language choice; at most about 12 characters (97 pixels).</extracomment>
        <translation>言語</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The new language is used from the next start.</source>
        <extracomment>Settings window, under the language choice: shown when the chosen language differs from the one in use; one line of about 250 pixels.</extracomment>
        <translation>新しい言語は次回の起動から使われます。</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Using a recording resolution of %1x%2 may cause low framerate when the PC isn&apos;t powerful. Continue?</source>
        <translation>%1x%2 の録画解像度では、PC の性能が十分でない場合にフレームレートが低下することがあります。続行しますか?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question</source>
        <extracomment>Title of the question whether a large capture size is wanted.</extracomment>
        <translation>確認</translation>
    </message>
    <message>
        <location line="-72"/>
        <source>Automatic</source>
        <extracomment>Camera choice in the settings window (Source row, about 16 characters): the program takes a supported document camera, else an external USB camera.</extracomment>
        <translation>自動</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 (not connected)</source>
        <extracomment>Settings window, Source row: the chosen camera is unplugged; %1 is its USB identity.</extracomment>
        <translation>%1 (未接続)</translation>
    </message>
</context>
<context>
    <name>TextToolWindow</name>
    <message>
        <location filename="../src/src/TextToolWindow.cpp" line="+16"/>
        <source>Text</source>
        <extracomment>Title of the text tool&apos;s options window (about 200 pixels).</extracomment>
        <translation>テキスト</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Color</source>
        <extracomment>Text window: label of the text colour swatches; at most about 140 pixels.</extracomment>
        <translation>色</translation>
    </message>
</context>
</TS>
