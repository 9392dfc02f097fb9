<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutToolWindow</name>
    <message>
        <location filename="../src/src/AboutToolWindow.cpp" line="+10"/>
        <source>About</source>
        <extracomment>Title of the About window, white on its title band (about 200 pixels).</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Version</source>
        <extracomment>About window: the word before the version number (&quot;Version 2.00&quot;).</extracomment>
        <translation>Versión</translation>
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
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CanvasConstants</name>
    <message>
        <location filename="../src/src/CanvasConstants.cpp" line="+7"/>
        <source>Color</source>
        <extracomment>Colour effect: the picture in its own colours (an adjective, as opposed to black and white).</extracomment>
        <translation>Color</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>B &amp; W</source>
        <extracomment>Colour effect: black and white; keep it short and without an ampersand next to a letter.</extracomment>
        <translation>B/N</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Negative</source>
        <extracomment>Colour effect: inverted colours, as a photographic negative.</extracomment>
        <translation>Negativo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mosaic</source>
        <extracomment>Colour effect: the picture in coarse squares.</extracomment>
        <translation>Mosaico</translation>
    </message>
</context>
<context>
    <name>CapturePipeline</name>
    <message>
        <location filename="../src/src/media/CapturePipeline.cpp" line="+176"/>
        <location line="+175"/>
        <source>The camera pipeline could not be started.</source>
        <translation>No se pudo iniciar la canalización de la cámara.</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>The camera could not be opened.</source>
        <translation>No se pudo abrir la cámara.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The camera offers no picture format this program can use.</source>
        <translation>La cámara no ofrece ningún formato de imagen que este programa pueda usar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A GStreamer element the camera needs is not installed.</source>
        <translation>Falta un elemento de GStreamer que necesita la cámara.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The camera pipeline could not be linked.</source>
        <translation>No se pudo enlazar la canalización de la cámara.</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>A GStreamer element needed for recording (H.264 encoder or MP4 writer) is not installed.</source>
        <translation>Falta un elemento de GStreamer necesario para grabar (codificador H.264 o multiplexor MP4).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A GStreamer element needed for recording (JPEG encoder or AVI writer) is not installed.</source>
        <translation>Falta un elemento de GStreamer necesario para grabar (codificador JPEG o multiplexor AVI).</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+101"/>
        <source>The recording pipeline could not be linked.</source>
        <translation>No se pudo enlazar la canalización de grabación.</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>The sound of the recording could not be set up.</source>
        <translation>No se pudo configurar el sonido de la grabación.</translation>
    </message>
    <message>
        <location line="+269"/>
        <source>The camera ended its stream.</source>
        <translation>La cámara terminó su transmisión.</translation>
    </message>
    <message>
        <location line="-196"/>
        <source>The recording pipeline could not be started.</source>
        <translation>No se pudo iniciar la canalización de grabación.</translation>
    </message>
</context>
<context>
    <name>EffectToolWindow</name>
    <message>
        <location filename="../src/src/EffectToolWindow.cpp" line="+13"/>
        <source>Color Effect</source>
        <extracomment>Title of the colour-effect window (about 200 pixels).</extracomment>
        <translation>Efecto de color</translation>
    </message>
</context>
<context>
    <name>FilmSource</name>
    <message>
        <location filename="../src/src/FilmSource.cpp" line="+268"/>
        <source>The film has no picture this computer can show.</source>
        <translation>El vídeo no tiene ninguna imagen que este equipo pueda mostrar.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The film cannot be played any further. The file may be damaged.</source>
        <translation>El vídeo no puede seguir reproduciéndose. Es posible que el archivo esté dañado.</translation>
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
        <translation>Salir de pantalla completa (Esc)</translation>
    </message>
</context>
<context>
    <name>ImageButton</name>
    <message>
        <location filename="../src/src/ImageButton.cpp" line="+44"/>
        <location line="+7"/>
        <source>Hold for options</source>
        <extracomment>Second line of a tool tip: a long press on the button opens its options window.</extracomment>
        <translation>Mantenga pulsado para ver las opciones</translation>
    </message>
</context>
<context>
    <name>ImageCanvas</name>
    <message>
        <location filename="../src/src/ImageCanvas.cpp" line="+781"/>
        <source>The snapshot could not be saved.</source>
        <translation>No se pudo guardar la captura.</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Undo</source>
        <extracomment>Shown briefly on the picture after the last drawing step was undone.</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>Shown briefly on the picture after an undone drawing step was done again.</extracomment>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>KeyboardCommands</name>
    <message>
        <location filename="../src/src/KeyboardCommands.cpp" line="+68"/>
        <source>%1 (%2)</source>
        <extracomment>Tool tip with its key: %1 is the tool tip, %2 the key (e.g. Zoom in (+)).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>LiveSource</name>
    <message>
        <location filename="../src/src/LiveSource.cpp" line="+133"/>
        <source>The recording was stopped because the capture size changed. What was recorded has been saved.</source>
        <translation>La grabación se ha detenido porque ha cambiado el tamaño de captura. Lo grabado se ha guardado.</translation>
    </message>
    <message>
        <location line="+310"/>
        <location line="+113"/>
        <source>The recording could not be started: %1</source>
        <translation>No se pudo iniciar la grabación: %1</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>The camera stopped delivering pictures: %1</source>
        <translation>La cámara ha dejado de enviar imágenes: %1</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The recording was stopped because the camera stopped working. What was recorded has been saved.</source>
        <translation>La grabación se ha detenido porque la cámara ha dejado de funcionar. Lo grabado se ha guardado.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The recording failed: %1</source>
        <extracomment>Message box; %1 is the system&apos;s reason.</extracomment>
        <translation>Error de grabación: %1</translation>
    </message>
    <message>
        <location line="-469"/>
        <source>The recording was not started: less than %1 MB of disk space is free in the recording folder.</source>
        <translation>La grabación no se ha iniciado: quedan menos de %1 MB de espacio libre en la carpeta de grabaciones.</translation>
    </message>
    <message>
        <location line="+477"/>
        <source>The recording was stopped because less than %1 MB of disk space is left in the recording folder. What was recorded has been saved.</source>
        <translation>La grabación se ha detenido porque quedan menos de %1 MB de espacio libre en la carpeta de grabaciones. Lo grabado se ha guardado.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The recording was stopped because its file or folder was removed. What was recorded could not be saved again.</source>
        <translation>La grabación se ha detenido porque se ha eliminado su archivo o su carpeta. Lo grabado no se ha podido volver a guardar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The recording was stopped because its file or folder was removed. What was recorded has been saved again as %1.</source>
        <translation>La grabación se ha detenido porque se ha eliminado su archivo o su carpeta. Lo grabado se ha vuelto a guardar como %1.</translation>
    </message>
    <message>
        <location line="-366"/>
        <source>The recording was stopped because another camera was chosen. What was recorded has been saved.</source>
        <translation>La grabación se ha detenido porque se ha elegido otra cámara. Lo grabado se ha guardado.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/src/MainWindow.cpp" line="+89"/>
        <source>Document Camera</source>
        <extracomment>Title of the main window: the program&apos;s name.</extracomment>
        <translation>Cámara de documentos</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Width</source>
        <extracomment>Options window of the eraser: label of the width swatches; at most about 140 pixels.</extracomment>
        <translation>Grosor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Line Width</source>
        <extracomment>Options window of a drawing tool: label of the line width swatches; at most about 140 pixels.</extracomment>
        <translation>Grosor de línea</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Line Color</source>
        <extracomment>Options window of a drawing tool: label of the line colour swatches; at most about 140 pixels.</extracomment>
        <translation>Color de línea</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fill Color</source>
        <extracomment>Options window of a shape tool: label of the fill colour swatches, which start after it; at most about 110 pixels.</extracomment>
        <translation>Relleno</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Live</source>
        <extracomment>Mode tab: the camera&apos;s live picture; at most about 100 pixels in 11-point type.</extracomment>
        <translation>En directo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Film</source>
        <extracomment>Mode tab: playing video files; at most about 100 pixels in 11-point type.</extracomment>
        <translation>Vídeo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Photograph</source>
        <extracomment>Mode tab: browsing a folder of pictures; at most about 100 pixels in 11-point type.</extracomment>
        <translation>Fotos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Drawing Board</source>
        <extracomment>Mode tab: a blank white sheet to draw on; at most about 115 pixels in 11-point type.</extracomment>
        <translation>Pizarra</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Noting</source>
        <extracomment>Panel group title over the drawing tools (lines, shapes, eraser, text); at most about 80 pixels in 10-point type.</extracomment>
        <translation>Anotar</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1193"/>
        <source>Line</source>
        <extracomment>Tool tip and options window title: the straight line tool.</extracomment>
        <translation>Línea</translation>
    </message>
    <message>
        <location line="-1191"/>
        <location line="+1196"/>
        <source>Rectangle</source>
        <extracomment>Tool tip and options window title: the rectangle tool.</extracomment>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <location line="-1193"/>
        <location line="+1199"/>
        <source>Freehand</source>
        <extracomment>Tool tip and options window title: the freehand pen tool.</extracomment>
        <translation>Mano alzada</translation>
    </message>
    <message>
        <location line="-1196"/>
        <location line="+1202"/>
        <source>Circle</source>
        <extracomment>Tool tip and options window title: the circle tool.</extracomment>
        <translation>Círculo</translation>
    </message>
    <message>
        <location line="-1199"/>
        <location line="+1205"/>
        <source>Arrow</source>
        <extracomment>Tool tip and options window title: the arrow tool.</extracomment>
        <translation>Flecha</translation>
    </message>
    <message>
        <location line="-1202"/>
        <location line="+1208"/>
        <source>Triangle</source>
        <extracomment>Tool tip and options window title: the triangle tool.</extracomment>
        <translation>Triángulo</translation>
    </message>
    <message>
        <location line="-1205"/>
        <location line="+1211"/>
        <source>Eraser</source>
        <extracomment>Tool tip and options window title: the eraser, which rubs out drawings.</extracomment>
        <translation>Borrador</translation>
    </message>
    <message>
        <location line="-1208"/>
        <source>Text</source>
        <extracomment>Tool tip: the text tool, which writes typed text on the picture.</extracomment>
        <translation>Texto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erase all</source>
        <extracomment>Tool tip: removes every drawing from the picture.</extracomment>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clip image</source>
        <extracomment>Tool tip: drag a rectangle to COPY that part of the picture to the clipboard (the picture is not cropped).</extracomment>
        <translation>Copiar área</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hand</source>
        <extracomment>Tool tip: the hand tool, which drags a zoomed picture around.</extracomment>
        <translation>Mano</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fill background</source>
        <extracomment>Tool tip: fills the drawing layer with a colour.</extracomment>
        <translation>Rellenar fondo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Assisting</source>
        <extracomment>Panel group title over the mask and colour-effect tools (not Help); at most about 80 pixels in 10-point type.</extracomment>
        <translation>Ayudas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mask</source>
        <extracomment>Tool tip: masks that cover part of the picture.</extracomment>
        <translation>Máscara</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Effect</source>
        <extracomment>Tool tip: colour effects (black and white, negative, mosaic).</extracomment>
        <translation>Efecto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Adjustment</source>
        <extracomment>Panel group title over zoom, focus, brightness, rotate and freeze (not Settings); at most about 80 pixels in 10-point type.</extracomment>
        <translation>Imagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom out</source>
        <extracomment>Tool tip of a button.</extracomment>
        <translation>Alejar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom in</source>
        <extracomment>Tool tip of a button.</extracomment>
        <translation>Acercar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Reset zoom</source>
        <extracomment>Tool tip: back to the whole picture fitted to the window (not 100 % pixel size).</extracomment>
        <translation>Restablecer zoom</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto focus</source>
        <extracomment>Tool tip: the camera focuses by itself once.</extracomment>
        <translation>Enfoque automático</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Brightness down</source>
        <extracomment>Tool tip: makes the camera&apos;s picture darker.</extracomment>
        <translation>Menos brillo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Brightness up</source>
        <extracomment>Tool tip: makes the camera&apos;s picture brighter.</extracomment>
        <translation>Más brillo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rotate</source>
        <extracomment>Tool tip: turns the picture a quarter turn.</extracomment>
        <translation>Girar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Freeze</source>
        <extracomment>Tool tip: holds the live picture still (not a snapshot).</extracomment>
        <translation>Congelar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recording</source>
        <extracomment>Panel group title over recording, snapshot, settings and print; at most about 80 pixels in 10-point type.</extracomment>
        <translation>Grabación</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+21"/>
        <source>Record video</source>
        <extracomment>Tool tip: starts a new video recording of what is shown.</extracomment>
        <translation>Grabar vídeo</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Take snapshot</source>
        <extracomment>Tool tip: saves the shown picture as a JPEG file.</extracomment>
        <translation>Hacer captura</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings</source>
        <extracomment>Tool tip of the button that opens the settings window.</extracomment>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <extracomment>Tool tip: prints the shown picture.</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>sec.</source>
        <extracomment>Slide-show interval scale: the unit after &quot;1 2 5 10 15 30&quot; (seconds); a few characters.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <location line="+376"/>
        <source>Error</source>
        <extracomment>Title of an error message box.</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+189"/>
        <location line="+88"/>
        <source>Please select a folder first.</source>
        <translation>Seleccione primero una carpeta.</translation>
    </message>
    <message>
        <location line="-86"/>
        <source>Recording not started</source>
        <extracomment>Shown for two seconds on the picture; short.</extracomment>
        <translation>La grabación no se ha iniciado</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Recording failed</source>
        <extracomment>Shown for two seconds on the picture; short.</extracomment>
        <translation>Error de grabación</translation>
    </message>
    <message>
        <location line="+56"/>
        <location line="+52"/>
        <source>Snapshot not saved</source>
        <extracomment>Shown for two seconds on the picture; short.</extracomment>
        <translation>Captura no guardada</translation>
    </message>
    <message>
        <location line="+60"/>
        <location line="+12"/>
        <location line="+6"/>
        <source>Printing failed</source>
        <extracomment>Shown for two seconds on the picture; short.</extracomment>
        <translation>Error al imprimir</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>No printers found on this system.</source>
        <translation>No se encontraron impresoras en este sistema.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>The film could not be opened. The file may be damaged or of a kind this computer cannot play.</source>
        <translation>No se pudo abrir el vídeo. Es posible que el archivo esté dañado o que este equipo no pueda reproducir ese tipo de archivo.</translation>
    </message>
    <message>
        <location line="+261"/>
        <source>Background Color</source>
        <extracomment>Title of the fill-background options window (about 200 pixels).</extracomment>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Saved %1</source>
        <extracomment>Shown for two seconds on the picture after a snapshot; %1 is the file name.</extracomment>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copied</source>
        <extracomment>Shown for two seconds on the picture after an area was copied to the clipboard.</extracomment>
        <translation>Copiado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not copied</source>
        <extracomment>Shown for two seconds on the picture when there was nothing to copy.</extracomment>
        <translation>No se ha copiado nada</translation>
    </message>
    <message>
        <location line="-482"/>
        <source>The camera chosen in the settings is not connected. Cameras seen: %1.</source>
        <translation>La cámara elegida en la configuración no está conectada. Cámaras detectadas: %1.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Cameras seen: %1. None of them is used automatically; choose one in the settings, under Source.</source>
        <translation>Cámaras detectadas: %1. Ninguna se usa automáticamente; elija una en la configuración, en «Origen».</translation>
    </message>
    <message>
        <location line="-825"/>
        <source>About</source>
        <extracomment>Tool tip of the button that opens the About window.</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+517"/>
        <source>The recording was stopped because the camera was restarted with the new settings. What was recorded has been saved as %1.</source>
        <translation>La grabación se ha detenido porque la cámara se ha reiniciado con la nueva configuración. Lo grabado se ha guardado como %1.</translation>
    </message>
    <message>
        <location line="+364"/>
        <source>Continuous snapshots stopped.</source>
        <translation>Capturas continuas detenidas.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No camera is connected.</source>
        <translation>No hay ninguna cámara conectada.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Connect a document camera</source>
        <translation>Conecte una cámara de documentos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plug the camera into a USB port of this computer.</source>
        <translation>Conecte la cámara a un puerto USB de este equipo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its live picture appears here as soon as the camera is ready.</source>
        <translation>Su imagen en vivo aparecerá aquí en cuanto la cámara esté lista.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Film, Photograph and Drawing Board work without a camera.</source>
        <translation>Vídeo, Fotos y Pizarra funcionan sin cámara.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No film is open</source>
        <extracomment>Title on the empty Film canvas; one line.</extracomment>
        <translation>No hay ningún vídeo abierto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a film with the open button below the picture.</source>
        <translation>Abra un vídeo con el botón de abrir que hay debajo de la imagen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No photograph is shown</source>
        <extracomment>Title on the empty Photograph canvas; one line.</extracomment>
        <translation>No se muestra ninguna foto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a picture with the open button below the picture; the pictures of its folder are then shown here.</source>
        <translation>Elija una imagen con el botón de abrir que hay debajo de la imagen; luego se mostrarán aquí las imágenes de su carpeta.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Films (%1)</source>
        <extracomment>Film open dialog: file type filter; %1 is the list of file patterns.</extracomment>
        <translation>Vídeos (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <extracomment>Film open dialog: file type filter of every file.</extracomment>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The film could not be opened. This computer lacks what it needs to play it: %1.</source>
        <translation>No se pudo abrir el vídeo. A este equipo le falta lo necesario para reproducirlo: %1.</translation>
    </message>
</context>
<context>
    <name>MaskToolWindow</name>
    <message>
        <location filename="../src/src/MaskToolWindow.cpp" line="+13"/>
        <source>Mask</source>
        <extracomment>Title of the mask window: masks cover part of the picture (about 200 pixels).</extracomment>
        <translation>Máscara</translation>
    </message>
</context>
<context>
    <name>OSDProcessor</name>
    <message>
        <location filename="../src/src/OSDProcessor.cpp" line="+68"/>
        <source>Best fit</source>
        <extracomment>On-screen zoom badge: the picture is fitted to the window; keep it short, the badge grows to fit it.</extracomment>
        <translation>Ajustado</translation>
    </message>
</context>
<context>
    <name>Projector</name>
    <message>
        <location filename="../src/src/Projector.cpp" line="+26"/>
        <source>There is no second screen for the projector window.</source>
        <translation>No hay una segunda pantalla para la ventana del proyector.</translation>
    </message>
</context>
<context>
    <name>RecordingRescuer</name>
    <message>
        <location filename="../src/src/RecordingRescuer.cpp" line="+141"/>
        <source>Repairing the recording &quot;%1&quot;, which was cut off when the program last ended...</source>
        <translation>Reparando la grabación «%1», que quedó cortada la última vez que se cerró el programa…</translation>
    </message>
</context>
<context>
    <name>SettingsToolWindow</name>
    <message>
        <location filename="../src/src/SettingsToolWindow.cpp" line="+72"/>
        <source>Setting</source>
        <extracomment>Title of the settings window, white on its title band (about 200 pixels).</extracomment>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Source</source>
        <extracomment>Settings window: label of the camera choice; at most about 12 characters (97 pixels).</extracomment>
        <translation>Origen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Resolution</source>
        <extracomment>Settings window: label of the camera&apos;s capture size; at most about 12 characters (97 pixels).</extracomment>
        <translation>Resolución</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Capture</source>
        <extracomment>Settings window: label of the snapshot mode (Single or Continuous), not of the camera&apos;s capture size; at most about 12 characters (97 pixels).</extracomment>
        <translation>Captura</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Single</source>
        <extracomment>Settings window, snapshot mode: one snapshot per click (box of 124 pixels).</extracomment>
        <translation>Única</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continuous</source>
        <extracomment>Settings window, snapshot mode: a snapshot every interval until stopped (box of 124 pixels).</extracomment>
        <translation>Continua</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Time</source>
        <extracomment>Settings window: label of the interval between continuous snapshots; at most about 12 characters (97 pixels).</extracomment>
        <translation>Intervalo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sec</source>
        <extracomment>Settings window, snapshot interval unit after a number (&quot;5 sec&quot;); short.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>min</source>
        <extracomment>Settings window, snapshot interval unit after a number (&quot;5 min&quot;); short.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>hr</source>
        <extracomment>Settings window, snapshot interval unit after &quot;1&quot; (&quot;1 hr&quot;); short.</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save as</source>
        <extracomment>Settings window: label of the folder snapshots are saved in (not a Save command); at most about 12 characters (97 pixels).</extracomment>
        <translation>Guardar en</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Browse</source>
        <extracomment>Settings window: button that opens a folder dialog; at most 78 pixels in 8-point type.</extracomment>
        <translation>Examinar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>RecordingSave</source>
        <extracomment>Settings window: label of the folder recordings are saved in, shown in Japanese and Russian only (a longer form of &quot;Recording&quot;); at most about 12 characters (97 pixels).</extracomment>
        <translation>Vídeos en</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recording</source>
        <extracomment>Settings window: label of the folder recordings are saved in; at most about 12 characters (97 pixels).</extracomment>
        <translation>Grabación</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Format</source>
        <extracomment>Settings window: label of what recordings are written as, in the row under the recording folder; at most about 12 characters (97 pixels).</extracomment>
        <translation>Formato</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <extracomment>Settings window: button that closes it without storing; at most 78 pixels in 8-point type.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language</source>
        <extracomment>Settings window: label of the interface language choice; at most about 12 characters (97 pixels).</extracomment>
        <translation>Idioma</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The new language is used from the next start.</source>
        <extracomment>Settings window, under the language choice: shown when the chosen language differs from the one in use; one line of about 250 pixels.</extracomment>
        <translation>El nuevo idioma se usará a partir del próximo inicio.</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Using a recording resolution of %1x%2 may cause low framerate when the PC isn&apos;t powerful. Continue?</source>
        <translation>Una resolución de grabación de %1x%2 puede reducir la velocidad de fotogramas si el equipo no es potente. ¿Desea continuar?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question</source>
        <extracomment>Title of the question whether a large capture size is wanted.</extracomment>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location line="-72"/>
        <source>Automatic</source>
        <extracomment>Camera choice in the settings window (Source row, about 16 characters): the program takes a supported document camera, else an external USB camera.</extracomment>
        <translation>Automática</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 (not connected)</source>
        <extracomment>Settings window, Source row: the chosen camera is unplugged; %1 is its USB identity.</extracomment>
        <translation>%1 (no conectada)</translation>
    </message>
</context>
<context>
    <name>TextToolWindow</name>
    <message>
        <location filename="../src/src/TextToolWindow.cpp" line="+16"/>
        <source>Text</source>
        <extracomment>Title of the text tool&apos;s options window (about 200 pixels).</extracomment>
        <translation>Texto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Color</source>
        <extracomment>Text window: label of the text colour swatches; at most about 140 pixels.</extracomment>
        <translation>Color</translation>
    </message>
</context>
</TS>
