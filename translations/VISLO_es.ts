<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutToolWindow</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source> 2.00</source>
        <translation> 2.00</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CanvasConstants</name>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>B &amp; W</source>
        <translation>B/N</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Mosaico</translation>
    </message>
</context>
<context>
    <name>CapturePipeline</name>
    <message>
        <source>The camera pipeline could not be started.</source>
        <translation>No se pudo iniciar la canalización de la cámara.</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>No se pudo abrir la cámara.</translation>
    </message>
    <message>
        <source>The camera offers no picture format this program can use.</source>
        <translation>La cámara no ofrece ningún formato de imagen que este programa pueda usar.</translation>
    </message>
    <message>
        <source>A GStreamer element the camera needs is not installed.</source>
        <translation>No está instalado un elemento de GStreamer que necesita la cámara.</translation>
    </message>
    <message>
        <source>The camera pipeline could not be linked.</source>
        <translation>No se pudo enlazar la canalización de la cámara.</translation>
    </message>
    <message>
        <source>A GStreamer element needed for recording (JPEG encoder or AVI writer) is not installed.</source>
        <translation>No está instalado un elemento de GStreamer necesario para grabar (codificador JPEG o escritor AVI).</translation>
    </message>
    <message>
        <source>The recording pipeline could not be linked.</source>
        <translation>No se pudo enlazar la canalización de grabación.</translation>
    </message>
    <message>
        <source>The sound of the recording could not be set up.</source>
        <translation>No se pudo configurar el sonido de la grabación.</translation>
    </message>
    <message>
        <source>The camera ended its stream.</source>
        <translation>La cámara terminó su transmisión.</translation>
    </message>
    <message>
        <source>The recording pipeline could not be started.</source>
        <translation>No se pudo iniciar la canalización de grabación.</translation>
    </message>
</context>
<context>
    <name>EffectToolWindow</name>
    <message>
        <source>Color Effect</source>
        <translation>Efecto de color</translation>
    </message>
</context>
<context>
    <name>FilmSource</name>
    <message>
        <source>The film cannot be played any further. The file may be damaged.</source>
        <translation>La película no puede seguir reproduciéndose. Es posible que el archivo esté dañado.</translation>
    </message>
</context>
<context>
    <name>ImageCanvas</name>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation>No se pudo guardar la captura.</translation>
    </message>
</context>
<context>
    <name>LiveSource</name>
    <message>
        <source>The recording was stopped because the capture size changed. What was recorded has been saved.</source>
        <translation>La grabación se detuvo porque cambió el tamaño de captura. Lo grabado se ha guardado.</translation>
    </message>
    <message>
        <source>The recording could not be started: %1</source>
        <translation>No se pudo iniciar la grabación: %1</translation>
    </message>
    <message>
        <source>The camera stopped delivering pictures: %1</source>
        <translation>La cámara dejó de enviar imágenes: %1</translation>
    </message>
    <message>
        <source>The recording was stopped because the camera stopped working. What was recorded has been saved.</source>
        <translation>La grabación se detuvo porque la cámara dejó de funcionar. Lo grabado se ha guardado.</translation>
    </message>
    <message>
        <source>The recording failed: %1</source>
        <translation>La grabación falló: %1</translation>
    </message>
    <message>
        <source>The recording was not started: less than %1 MB of disk space is free in the recording folder.</source>
        <translation>La grabación no se ha iniciado: quedan menos de %1 MB de espacio libre en la carpeta de grabaciones.</translation>
    </message>
    <message>
        <source>The recording was stopped because less than %1 MB of disk space is left in the recording folder. What was recorded has been saved.</source>
        <translation>La grabación se ha detenido porque quedan menos de %1 MB de espacio libre en la carpeta de grabaciones. Lo grabado se ha guardado.</translation>
    </message>
    <message>
        <source>The recording was stopped because its file or folder was removed. What was recorded could not be saved again.</source>
        <translation>La grabación se ha detenido porque se ha eliminado su archivo o su carpeta. Lo grabado no se ha podido volver a guardar.</translation>
    </message>
    <message>
        <source>The recording was stopped because its file or folder was removed. What was recorded has been saved again as %1.</source>
        <translation>La grabación se ha detenido porque se ha eliminado su archivo o su carpeta. Lo grabado se ha vuelto a guardar como %1.</translation>
    </message>
    <message>
        <source>The recording was stopped because another camera was chosen. What was recorded has been saved.</source>
        <translation>La grabación se detuvo porque se eligió otra cámara. Lo grabado se ha guardado.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Camera</source>
        <translation>Cámara de documentos</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Grosor de línea</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Color de línea</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Color de relleno</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En vivo</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Photograph</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Drawing Board</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <source>Noting</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Freehand</source>
        <translation>Mano alzada</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Erase all</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Clip image</source>
        <translation>Recortar imagen</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Fill background</source>
        <translation>Rellenar fondo</translation>
    </message>
    <message>
        <source>Assisting</source>
        <translation>Ayudas</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Efecto</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Reset zoom</source>
        <translation>Restablecer zoom</translation>
    </message>
    <message>
        <source>Auto focus</source>
        <translation>Enfoque automático</translation>
    </message>
    <message>
        <source>Brightness down</source>
        <translation>Menos brillo</translation>
    </message>
    <message>
        <source>Brightness up</source>
        <translation>Más brillo</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Congelar</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Record video</source>
        <translation>Grabar vídeo</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Hacer captura</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please select a folder first.</source>
        <translation>Seleccione primero una carpeta.</translation>
    </message>
    <message>
        <source>No printers found on this system.</source>
        <translation>No se encontraron impresoras en este sistema.</translation>
    </message>
    <message>
        <source>The film could not be opened. The file may be damaged or of a kind this computer cannot play.</source>
        <translation>No se pudo abrir la película. Es posible que el archivo esté dañado o que este equipo no pueda reproducir ese tipo de archivo.</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>The camera chosen in the settings is not connected. Cameras seen: %1.</source>
        <translation>La cámara elegida en la configuración no está conectada. Cámaras detectadas: %1.</translation>
    </message>
    <message>
        <source>Cameras seen: %1. None of them is used automatically; choose one in the settings, under Source.</source>
        <translation>Cámaras detectadas: %1. Ninguna se usa automáticamente; elija una en la configuración, en «Origen».</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>The recording was stopped because the camera was restarted with the new settings. What was recorded has been saved as %1.</source>
        <translation>La grabación se detuvo porque la cámara se reinició con la nueva configuración. Lo grabado se ha guardado como %1.</translation>
    </message>
    <message>
        <source>Continuous snapshots stopped.</source>
        <translation>Capturas continuas detenidas.</translation>
    </message>
    <message>
        <source>No camera is connected.</source>
        <translation>No hay ninguna cámara conectada.</translation>
    </message>
    <message>
        <source>Connect a document camera</source>
        <translation>Conecte una cámara de documentos</translation>
    </message>
    <message>
        <source>Plug the camera into a USB port of this computer.</source>
        <translation>Conecte la cámara a un puerto USB de este equipo.</translation>
    </message>
    <message>
        <source>Its live picture appears here as soon as the camera is ready.</source>
        <translation>Su imagen en vivo aparecerá aquí en cuanto la cámara esté lista.</translation>
    </message>
    <message>
        <source>Film, Photograph and Drawing Board work without a camera.</source>
        <translation>Vídeo, Fotos y Pizarra funcionan sin cámara.</translation>
    </message>
    <message>
        <source>No film is open</source>
        <translation>No hay ninguna película abierta</translation>
    </message>
    <message>
        <source>Open a film with the open button below the picture.</source>
        <translation>Abra una película con el botón de abrir que hay debajo de la imagen.</translation>
    </message>
    <message>
        <source>No photograph is shown</source>
        <translation>No se muestra ninguna foto</translation>
    </message>
    <message>
        <source>Choose a picture with the open button below the picture; the pictures of its folder are then shown here.</source>
        <translation>Elija una imagen con el botón de abrir que hay debajo de la imagen; luego se mostrarán aquí las imágenes de su carpeta.</translation>
    </message>
    <message>
        <source>Films (%1)</source>
        <translation>Películas (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The film could not be opened. This computer lacks what it needs to play it: %1.</source>
        <translation>No se pudo abrir la película. A este equipo le falta lo necesario para reproducirla: %1.</translation>
    </message>
</context>
<context>
    <name>MaskToolWindow</name>
    <message>
        <source>Mask</source>
        <translation>Máscara</translation>
    </message>
</context>
<context>
    <name>OSDProcessor</name>
    <message>
        <source>Best fit</source>
        <translation>Ajuste</translation>
    </message>
</context>
<context>
    <name>RecordingRescuer</name>
    <message>
        <source>Repairing the recording &quot;%1&quot;, which was cut off when the program last ended...</source>
        <translation>Reparando la grabación «%1», que quedó cortada la última vez que se cerró el programa…</translation>
    </message>
</context>
<context>
    <name>SettingsToolWindow</name>
    <message>
        <source>Setting</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Única</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar en</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>RecordingSave</source>
        <translation>Vídeos en</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Using a recording resolution of %1x%2 may cause low framerate when the PC isn&apos;t powerful. Continue?</source>
        <translation>Una resolución de grabación de %1x%2 puede reducir la velocidad de fotogramas si el equipo no es potente. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>Camera choice in the settings window (Source row, about 16 characters): the program takes a supported document camera, else an external USB camera.</extracomment>
        <translation>Automática</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <extracomment>Settings window, Source row: the chosen camera is unplugged; %1 is its USB identity.</extracomment>
        <translation>%1 (no conectada)</translation>
    </message>
</context>
<context>
    <name>TextToolWindow</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
</TS>
