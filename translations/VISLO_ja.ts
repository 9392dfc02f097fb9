<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutToolWindow</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source> 2.00</source>
        <translation> 2.00</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CanvasConstants</name>
    <message>
        <source>Color</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>B &amp; W</source>
        <translation>白黒</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>ネガ</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>モザイク</translation>
    </message>
</context>
<context>
    <name>CapturePipeline</name>
    <message>
        <source>The camera pipeline could not be started.</source>
        <translation>カメラのパイプラインを開始できませんでした。</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>カメラを開けませんでした。</translation>
    </message>
    <message>
        <source>The camera offers no picture format this program can use.</source>
        <translation>カメラがこのプログラムで使える画像形式を提供していません。</translation>
    </message>
    <message>
        <source>A GStreamer element the camera needs is not installed.</source>
        <translation>カメラに必要な GStreamer 要素がインストールされていません。</translation>
    </message>
    <message>
        <source>The camera pipeline could not be linked.</source>
        <translation>カメラのパイプラインを接続できませんでした。</translation>
    </message>
    <message>
        <source>A GStreamer element needed for recording (JPEG encoder or AVI writer) is not installed.</source>
        <translation>録画に必要な GStreamer 要素（JPEG エンコーダーまたは AVI ライター）がインストールされていません。</translation>
    </message>
    <message>
        <source>The recording pipeline could not be linked.</source>
        <translation>録画のパイプラインを接続できませんでした。</translation>
    </message>
    <message>
        <source>The sound of the recording could not be set up.</source>
        <translation>録画の音声を設定できませんでした。</translation>
    </message>
    <message>
        <source>The camera ended its stream.</source>
        <translation>カメラのストリームが終了しました。</translation>
    </message>
    <message>
        <source>The recording pipeline could not be started.</source>
        <translation>録画のパイプラインを開始できませんでした。</translation>
    </message>
</context>
<context>
    <name>EffectToolWindow</name>
    <message>
        <source>Color Effect</source>
        <translation>カラー効果</translation>
    </message>
</context>
<context>
    <name>FilmSource</name>
    <message>
        <source>The film cannot be played any further. The file may be damaged.</source>
        <translation>これ以上ビデオを再生できません。ファイルが破損している可能性があります。</translation>
    </message>
</context>
<context>
    <name>ImageCanvas</name>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation>スナップショットを保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>LiveSource</name>
    <message>
        <source>The recording was stopped because the capture size changed. What was recorded has been saved.</source>
        <translation>キャプチャサイズが変更されたため録画を停止しました。録画済みの内容は保存されています。</translation>
    </message>
    <message>
        <source>The recording could not be started: %1</source>
        <translation>録画を開始できませんでした: %1</translation>
    </message>
    <message>
        <source>The camera stopped delivering pictures: %1</source>
        <translation>カメラから映像が届かなくなりました: %1</translation>
    </message>
    <message>
        <source>The recording was stopped because the camera stopped working. What was recorded has been saved.</source>
        <translation>カメラが動作しなくなったため録画を停止しました。録画済みの内容は保存されています。</translation>
    </message>
    <message>
        <source>The recording failed: %1</source>
        <translation>録画に失敗しました: %1</translation>
    </message>
    <message>
        <source>The recording was not started: less than %1 MB of disk space is free in the recording folder.</source>
        <translation>録画を開始できませんでした。録画フォルダーの空き容量が %1 MB 未満です。</translation>
    </message>
    <message>
        <source>The recording was stopped because less than %1 MB of disk space is left in the recording folder. What was recorded has been saved.</source>
        <translation>録画フォルダーの空き容量が %1 MB 未満になったため、録画を停止しました。録画した内容は保存されています。</translation>
    </message>
    <message>
        <source>The recording was stopped because its file or folder was removed. What was recorded could not be saved again.</source>
        <translation>ファイルまたはフォルダーが削除されたため、録画を停止しました。録画した内容を保存し直すことができませんでした。</translation>
    </message>
    <message>
        <source>The recording was stopped because its file or folder was removed. What was recorded has been saved again as %1.</source>
        <translation>ファイルまたはフォルダーが削除されたため、録画を停止しました。録画した内容は %1 として保存し直されました。</translation>
    </message>
    <message>
        <source>The recording was stopped because another camera was chosen. What was recorded has been saved.</source>
        <translation>別のカメラが選択されたため録画を停止しました。録画済みの内容は保存されています。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Camera</source>
        <translation>書画カメラ</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>太さ</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>線の太さ</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>線の色</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>塗りつぶし</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>ライブ</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Photograph</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Drawing Board</source>
        <translation>ホワイトボード</translation>
    </message>
    <message>
        <source>Noting</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>四角形</translation>
    </message>
    <message>
        <source>Freehand</source>
        <translation>フリーハンド</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>円</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>矢印</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角形</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>消しゴム</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Erase all</source>
        <translation>すべて消去</translation>
    </message>
    <message>
        <source>Clip image</source>
        <translation>範囲をコピー</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>手のひら</translation>
    </message>
    <message>
        <source>Fill background</source>
        <translation>背景の塗りつぶし</translation>
    </message>
    <message>
        <source>Assisting</source>
        <translation>補助</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>マスク</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>効果</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>調整</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Reset zoom</source>
        <translation>ズームをリセット</translation>
    </message>
    <message>
        <source>Auto focus</source>
        <translation>オートフォーカス</translation>
    </message>
    <message>
        <source>Brightness down</source>
        <translation>暗く</translation>
    </message>
    <message>
        <source>Brightness up</source>
        <translation>明るく</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>静止</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Record video</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>スナップショット</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Please select a folder first.</source>
        <translation>先にフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>No printers found on this system.</source>
        <translation>このシステムにプリンターが見つかりません。</translation>
    </message>
    <message>
        <source>The film could not be opened. The file may be damaged or of a kind this computer cannot play.</source>
        <translation>ビデオを開けませんでした。ファイルが破損しているか、このコンピューターで再生できない形式の可能性があります。</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>The camera chosen in the settings is not connected. Cameras seen: %1.</source>
        <translation>設定で選択したカメラが接続されていません。検出されたカメラ: %1。</translation>
    </message>
    <message>
        <source>Cameras seen: %1. None of them is used automatically; choose one in the settings, under Source.</source>
        <translation>検出されたカメラ: %1。どれも自動では使用されません。設定の「ソース」で選択してください。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>The recording was stopped because the camera was restarted with the new settings. What was recorded has been saved as %1.</source>
        <translation>新しい設定でカメラを再起動したため録画を停止しました。録画済みの内容は %1 に保存されています。</translation>
    </message>
    <message>
        <source>Continuous snapshots stopped.</source>
        <translation>連続スナップショットを停止しました。</translation>
    </message>
    <message>
        <source>No camera is connected.</source>
        <translation>カメラが接続されていません。</translation>
    </message>
    <message>
        <source>Connect a document camera</source>
        <translation>書画カメラを接続してください</translation>
    </message>
    <message>
        <source>Plug the camera into a USB port of this computer.</source>
        <translation>カメラをこのコンピューターの USB ポートに接続してください。</translation>
    </message>
    <message>
        <source>Its live picture appears here as soon as the camera is ready.</source>
        <translation>カメラの準備ができると、ここにライブ映像が表示されます。</translation>
    </message>
    <message>
        <source>Film, Photograph and Drawing Board work without a camera.</source>
        <translation>ビデオ、写真、ホワイトボードはカメラなしで使えます。</translation>
    </message>
    <message>
        <source>No film is open</source>
        <translation>ビデオが開かれていません</translation>
    </message>
    <message>
        <source>Open a film with the open button below the picture.</source>
        <translation>画像の下にある「開く」ボタンでビデオを開いてください。</translation>
    </message>
    <message>
        <source>No photograph is shown</source>
        <translation>写真が表示されていません</translation>
    </message>
    <message>
        <source>Choose a picture with the open button below the picture; the pictures of its folder are then shown here.</source>
        <translation>画像の下にある「開く」ボタンで画像を選んでください。そのフォルダーの画像がここに表示されます。</translation>
    </message>
    <message>
        <source>Films (%1)</source>
        <translation>ビデオ (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The film could not be opened. This computer lacks what it needs to play it: %1.</source>
        <translation>ビデオを開けませんでした。このコンピューターには再生に必要なものがありません: %1。</translation>
    </message>
</context>
<context>
    <name>MaskToolWindow</name>
    <message>
        <source>Mask</source>
        <translation>マスク</translation>
    </message>
</context>
<context>
    <name>OSDProcessor</name>
    <message>
        <source>Best fit</source>
        <translation>全体</translation>
    </message>
</context>
<context>
    <name>RecordingRescuer</name>
    <message>
        <source>Repairing the recording &quot;%1&quot;, which was cut off when the program last ended...</source>
        <translation>前回プログラムが終了したときに途中で切れた録画「%1」を修復しています…</translation>
    </message>
</context>
<context>
    <name>SettingsToolWindow</name>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>ソース</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>単発</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>連続</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>RecordingSave</source>
        <translation>録画の保存先</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>録画</translation>
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
        <source>Using a recording resolution of %1x%2 may cause low framerate when the PC isn&apos;t powerful. Continue?</source>
        <translation>%1x%2 の録画解像度では、PC の性能が十分でない場合にフレームレートが低下することがあります。続行しますか?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>Camera choice in the settings window (Source row, about 16 characters): the program takes a supported document camera, else an external USB camera.</extracomment>
        <translation>自動</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <extracomment>Settings window, Source row: the chosen camera is unplugged; %1 is its USB identity.</extracomment>
        <translation>%1 (未接続)</translation>
    </message>
</context>
<context>
    <name>TextToolWindow</name>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
</context>
</TS>
