<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutToolWindow</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source> 2.00</source>
        <translation> 2.00</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>CanvasConstants</name>
    <message>
        <source>Color</source>
        <translation>彩色</translation>
    </message>
    <message>
        <source>B &amp; W</source>
        <translation>黑白</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>負片</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>馬賽克</translation>
    </message>
</context>
<context>
    <name>CapturePipeline</name>
    <message>
        <source>The camera pipeline could not be started.</source>
        <translation>無法啟動攝影機管線。</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>無法開啟攝影機。</translation>
    </message>
    <message>
        <source>The camera offers no picture format this program can use.</source>
        <translation>攝影機未提供本程式可使用的影像格式。</translation>
    </message>
    <message>
        <source>A GStreamer element the camera needs is not installed.</source>
        <translation>未安裝攝影機所需的 GStreamer 元件。</translation>
    </message>
    <message>
        <source>The camera pipeline could not be linked.</source>
        <translation>無法連結攝影機管線。</translation>
    </message>
    <message>
        <source>A GStreamer element needed for recording (JPEG encoder or AVI writer) is not installed.</source>
        <translation>未安裝錄影所需的 GStreamer 元件（JPEG 編碼器或 AVI 寫入器）。</translation>
    </message>
    <message>
        <source>The recording pipeline could not be linked.</source>
        <translation>無法連結錄影管線。</translation>
    </message>
    <message>
        <source>The sound of the recording could not be set up.</source>
        <translation>無法設定錄影的聲音。</translation>
    </message>
    <message>
        <source>The camera ended its stream.</source>
        <translation>攝影機已結束串流。</translation>
    </message>
    <message>
        <source>The recording pipeline could not be started.</source>
        <translation>無法啟動錄影管線。</translation>
    </message>
</context>
<context>
    <name>EffectToolWindow</name>
    <message>
        <source>Color Effect</source>
        <translation>色彩效果</translation>
    </message>
</context>
<context>
    <name>FilmSource</name>
    <message>
        <source>The film cannot be played any further. The file may be damaged.</source>
        <translation>無法繼續播放影片。檔案可能已損毀。</translation>
    </message>
</context>
<context>
    <name>ImageCanvas</name>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation>無法儲存快照。</translation>
    </message>
</context>
<context>
    <name>LiveSource</name>
    <message>
        <source>The recording was stopped because the capture size changed. What was recorded has been saved.</source>
        <translation>由於擷取尺寸已變更，錄影已停止。已錄製的內容均已儲存。</translation>
    </message>
    <message>
        <source>The recording could not be started: %1</source>
        <translation>無法開始錄影：%1</translation>
    </message>
    <message>
        <source>The camera stopped delivering pictures: %1</source>
        <translation>攝影機已停止傳送畫面：%1</translation>
    </message>
    <message>
        <source>The recording was stopped because the camera stopped working. What was recorded has been saved.</source>
        <translation>由於攝影機停止運作，錄影已停止。已錄製的內容均已儲存。</translation>
    </message>
    <message>
        <source>The recording failed: %1</source>
        <translation>錄影失敗：%1</translation>
    </message>
    <message>
        <source>The recording was not started: less than %1 MB of disk space is free in the recording folder.</source>
        <translation>未開始錄影：錄影資料夾的可用空間不足 %1 MB。</translation>
    </message>
    <message>
        <source>The recording was stopped because less than %1 MB of disk space is left in the recording folder. What was recorded has been saved.</source>
        <translation>錄影資料夾的可用空間已不足 %1 MB，因此已停止錄影。已錄下的內容皆已儲存。</translation>
    </message>
    <message>
        <source>The recording was stopped because its file or folder was removed. What was recorded could not be saved again.</source>
        <translation>錄影的檔案或資料夾已被移除，因此已停止錄影。已錄下的內容無法重新儲存。</translation>
    </message>
    <message>
        <source>The recording was stopped because its file or folder was removed. What was recorded has been saved again as %1.</source>
        <translation>錄影的檔案或資料夾已被移除，因此已停止錄影。已錄下的內容已重新儲存為 %1。</translation>
    </message>
    <message>
        <source>The recording was stopped because another camera was chosen. What was recorded has been saved.</source>
        <translation>由於已選擇其他攝影機，錄影已停止。已錄製的內容均已儲存。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Camera</source>
        <translation>實物投影機</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>粗細</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>線條粗細</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>線條色彩</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>填滿色彩</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>即時</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Photograph</source>
        <translation>相片</translation>
    </message>
    <message>
        <source>Drawing Board</source>
        <translation>白板</translation>
    </message>
    <message>
        <source>Noting</source>
        <translation>註記</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Freehand</source>
        <translation>手繪</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圓形</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>箭頭</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角形</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Erase all</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Clip image</source>
        <translation>擷取區域</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>手形</translation>
    </message>
    <message>
        <source>Fill background</source>
        <translation>填滿背景</translation>
    </message>
    <message>
        <source>Assisting</source>
        <translation>輔助</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>遮罩</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>效果</translation>
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
        <translation>放大</translation>
    </message>
    <message>
        <source>Reset zoom</source>
        <translation>重設縮放</translation>
    </message>
    <message>
        <source>Auto focus</source>
        <translation>自動對焦</translation>
    </message>
    <message>
        <source>Brightness down</source>
        <translation>調暗</translation>
    </message>
    <message>
        <source>Brightness up</source>
        <translation>調亮</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋轉</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>凍結畫面</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>錄製</translation>
    </message>
    <message>
        <source>Record video</source>
        <translation>錄影</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>拍攝快照</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Please select a folder first.</source>
        <translation>請先選擇資料夾。</translation>
    </message>
    <message>
        <source>No printers found on this system.</source>
        <translation>在此系統上找不到印表機。</translation>
    </message>
    <message>
        <source>The film could not be opened. The file may be damaged or of a kind this computer cannot play.</source>
        <translation>無法開啟影片。檔案可能已損毀，或是這部電腦無法播放的格式。</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色彩</translation>
    </message>
    <message>
        <source>The camera chosen in the settings is not connected. Cameras seen: %1.</source>
        <translation>設定中選擇的攝影機未連接。偵測到的攝影機：%1。</translation>
    </message>
    <message>
        <source>Cameras seen: %1. None of them is used automatically; choose one in the settings, under Source.</source>
        <translation>偵測到的攝影機：%1。這些攝影機都不會自動使用；請在設定的「來源」中選擇一台。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>The recording was stopped because the camera was restarted with the new settings. What was recorded has been saved as %1.</source>
        <translation>由於攝影機已依新設定重新啟動，錄影已停止。已錄製的內容已儲存為 %1。</translation>
    </message>
    <message>
        <source>Continuous snapshots stopped.</source>
        <translation>已停止連續快照。</translation>
    </message>
    <message>
        <source>No camera is connected.</source>
        <translation>未連接攝影機。</translation>
    </message>
    <message>
        <source>Connect a document camera</source>
        <translation>請連接實物投影機</translation>
    </message>
    <message>
        <source>Plug the camera into a USB port of this computer.</source>
        <translation>請將攝影機接上這部電腦的 USB 連接埠。</translation>
    </message>
    <message>
        <source>Its live picture appears here as soon as the camera is ready.</source>
        <translation>攝影機就緒後，即時畫面會顯示在這裡。</translation>
    </message>
    <message>
        <source>Film, Photograph and Drawing Board work without a camera.</source>
        <translation>影片、相片與白板不需要攝影機也能使用。</translation>
    </message>
    <message>
        <source>No film is open</source>
        <translation>尚未開啟影片</translation>
    </message>
    <message>
        <source>Open a film with the open button below the picture.</source>
        <translation>請使用畫面下方的開啟按鈕開啟影片。</translation>
    </message>
    <message>
        <source>No photograph is shown</source>
        <translation>尚未顯示相片</translation>
    </message>
    <message>
        <source>Choose a picture with the open button below the picture; the pictures of its folder are then shown here.</source>
        <translation>請使用畫面下方的開啟按鈕選擇一張圖片，該資料夾中的圖片隨後會顯示在這裡。</translation>
    </message>
    <message>
        <source>Films (%1)</source>
        <translation>影片 (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>The film could not be opened. This computer lacks what it needs to play it: %1.</source>
        <translation>無法開啟影片。這部電腦缺少播放所需的元件：%1。</translation>
    </message>
</context>
<context>
    <name>MaskToolWindow</name>
    <message>
        <source>Mask</source>
        <translation>遮罩</translation>
    </message>
</context>
<context>
    <name>OSDProcessor</name>
    <message>
        <source>Best fit</source>
        <translation>全圖</translation>
    </message>
</context>
<context>
    <name>RecordingRescuer</name>
    <message>
        <source>Repairing the recording &quot;%1&quot;, which was cut off when the program last ended...</source>
        <translation>正在修復程式上次結束時中斷的錄影「%1」…</translation>
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
        <translation>來源</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>擷取</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>單張</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>連續</translation>
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
        <translation>小時</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>儲存至</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>RecordingSave</source>
        <translation>錄影儲存至</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>錄影</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Using a recording resolution of %1x%2 may cause low framerate when the PC isn&apos;t powerful. Continue?</source>
        <translation>使用 %1x%2 的錄影解析度時，若電腦效能不足，可能導致影格速率偏低。是否繼續？</translation>
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
        <translation>%1（未連接）</translation>
    </message>
</context>
<context>
    <name>TextToolWindow</name>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>顏色</translation>
    </message>
</context>
</TS>
