<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutToolWindow</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
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
        <translation>Farbe</translation>
    </message>
    <message>
        <source>B &amp; W</source>
        <translation>S/W</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Mosaik</translation>
    </message>
</context>
<context>
    <name>CapturePipeline</name>
    <message>
        <source>The camera pipeline could not be started.</source>
        <translation>Die Kamera-Pipeline konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>Die Kamera konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The camera offers no picture format this program can use.</source>
        <translation>Die Kamera bietet kein Bildformat an, das dieses Programm verwenden kann.</translation>
    </message>
    <message>
        <source>A GStreamer element the camera needs is not installed.</source>
        <translation>Ein GStreamer-Element, das die Kamera benötigt, ist nicht installiert.</translation>
    </message>
    <message>
        <source>The camera pipeline could not be linked.</source>
        <translation>Die Kamera-Pipeline konnte nicht verbunden werden.</translation>
    </message>
    <message>
        <source>A GStreamer element needed for recording (JPEG encoder or AVI writer) is not installed.</source>
        <translation>Ein für die Aufnahme nötiges GStreamer-Element (JPEG-Encoder oder AVI-Writer) ist nicht installiert.</translation>
    </message>
    <message>
        <source>The recording pipeline could not be linked.</source>
        <translation>Die Aufnahme-Pipeline konnte nicht verbunden werden.</translation>
    </message>
    <message>
        <source>The sound of the recording could not be set up.</source>
        <translation>Der Ton der Aufnahme konnte nicht eingerichtet werden.</translation>
    </message>
    <message>
        <source>The camera ended its stream.</source>
        <translation>Die Kamera hat ihren Datenstrom beendet.</translation>
    </message>
    <message>
        <source>The recording pipeline could not be started.</source>
        <translation>Die Aufnahme-Pipeline konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>EffectToolWindow</name>
    <message>
        <source>Color Effect</source>
        <translation>Farbeffekt</translation>
    </message>
</context>
<context>
    <name>FilmSource</name>
    <message>
        <source>The film cannot be played any further. The file may be damaged.</source>
        <translation>Der Film kann nicht weiter abgespielt werden. Die Datei ist möglicherweise beschädigt.</translation>
    </message>
</context>
<context>
    <name>ImageCanvas</name>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation>Die Momentaufnahme konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>LiveSource</name>
    <message>
        <source>The recording was stopped because the capture size changed. What was recorded has been saved.</source>
        <translation>Die Aufnahme wurde beendet, weil sich die Aufnahmegröße geändert hat. Das bisher Aufgenommene wurde gespeichert.</translation>
    </message>
    <message>
        <source>The recording could not be started: %1</source>
        <translation>Die Aufnahme konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The camera stopped delivering pictures: %1</source>
        <translation>Die Kamera liefert keine Bilder mehr: %1</translation>
    </message>
    <message>
        <source>The recording was stopped because the camera stopped working. What was recorded has been saved.</source>
        <translation>Die Aufnahme wurde beendet, weil die Kamera nicht mehr arbeitet. Das bisher Aufgenommene wurde gespeichert.</translation>
    </message>
    <message>
        <source>The recording failed: %1</source>
        <translation>Die Aufnahme ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The recording was not started: less than %1 MB of disk space is free in the recording folder.</source>
        <translation>Die Aufnahme wurde nicht gestartet: Im Aufnahmeordner sind weniger als %1 MB Speicherplatz frei.</translation>
    </message>
    <message>
        <source>The recording was stopped because less than %1 MB of disk space is left in the recording folder. What was recorded has been saved.</source>
        <translation>Die Aufnahme wurde beendet, weil im Aufnahmeordner weniger als %1 MB Speicherplatz übrig sind. Das bisher Aufgenommene wurde gespeichert.</translation>
    </message>
    <message>
        <source>The recording was stopped because its file or folder was removed. What was recorded could not be saved again.</source>
        <translation>Die Aufnahme wurde beendet, weil ihre Datei oder ihr Ordner entfernt wurde. Das bisher Aufgenommene konnte nicht wieder gespeichert werden.</translation>
    </message>
    <message>
        <source>The recording was stopped because its file or folder was removed. What was recorded has been saved again as %1.</source>
        <translation>Die Aufnahme wurde beendet, weil ihre Datei oder ihr Ordner entfernt wurde. Das bisher Aufgenommene wurde wieder als %1 gespeichert.</translation>
    </message>
    <message>
        <source>The recording was stopped because another camera was chosen. What was recorded has been saved.</source>
        <translation>Die Aufnahme wurde beendet, weil eine andere Kamera gewählt wurde. Das bisher Aufgenommene wurde gespeichert.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Camera</source>
        <translation>Dokumentenkamera</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Linienbreite</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Füllfarbe</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Photograph</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Drawing Board</source>
        <translation>Zeichenbrett</translation>
    </message>
    <message>
        <source>Noting</source>
        <translation>Notieren</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Freehand</source>
        <translation>Freihand</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Erase all</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Clip image</source>
        <translation>Ausschnitt kopieren</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Fill background</source>
        <translation>Hintergrund füllen</translation>
    </message>
    <message>
        <source>Assisting</source>
        <translation>Hilfen</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effekt</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Reset zoom</source>
        <translation>Zoom zurücksetzen</translation>
    </message>
    <message>
        <source>Auto focus</source>
        <translation>Autofokus</translation>
    </message>
    <message>
        <source>Brightness down</source>
        <translation>Dunkler</translation>
    </message>
    <message>
        <source>Brightness up</source>
        <translation>Heller</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Standbild</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Record video</source>
        <translation>Video aufnehmen</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Momentaufnahme</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please select a folder first.</source>
        <translation>Bitte wählen Sie zuerst einen Ordner.</translation>
    </message>
    <message>
        <source>No printers found on this system.</source>
        <translation>Auf diesem System wurde kein Drucker gefunden.</translation>
    </message>
    <message>
        <source>The film could not be opened. The file may be damaged or of a kind this computer cannot play.</source>
        <translation>Der Film konnte nicht geöffnet werden. Die Datei ist möglicherweise beschädigt oder von einer Art, die dieser Computer nicht abspielen kann.</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>The camera chosen in the settings is not connected. Cameras seen: %1.</source>
        <translation>Die in den Einstellungen gewählte Kamera ist nicht angeschlossen. Gefundene Kameras: %1.</translation>
    </message>
    <message>
        <source>Cameras seen: %1. None of them is used automatically; choose one in the settings, under Source.</source>
        <translation>Gefundene Kameras: %1. Keine davon wird automatisch verwendet; wählen Sie eine in den Einstellungen unter „Quelle“.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The recording was stopped because the camera was restarted with the new settings. What was recorded has been saved as %1.</source>
        <translation>Die Aufnahme wurde beendet, weil die Kamera mit den neuen Einstellungen neu gestartet wurde. Das bisher Aufgenommene wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>Continuous snapshots stopped.</source>
        <translation>Fortlaufende Momentaufnahmen beendet.</translation>
    </message>
    <message>
        <source>No camera is connected.</source>
        <translation>Es ist keine Kamera angeschlossen.</translation>
    </message>
    <message>
        <source>Connect a document camera</source>
        <translation>Schließen Sie eine Dokumentenkamera an</translation>
    </message>
    <message>
        <source>Plug the camera into a USB port of this computer.</source>
        <translation>Stecken Sie die Kamera in einen USB-Anschluss dieses Computers.</translation>
    </message>
    <message>
        <source>Its live picture appears here as soon as the camera is ready.</source>
        <translation>Sobald die Kamera bereit ist, erscheint hier ihr Livebild.</translation>
    </message>
    <message>
        <source>Film, Photograph and Drawing Board work without a camera.</source>
        <translation>Film, Foto und Zeichenbrett funktionieren auch ohne Kamera.</translation>
    </message>
    <message>
        <source>No film is open</source>
        <translation>Kein Film geöffnet</translation>
    </message>
    <message>
        <source>Open a film with the open button below the picture.</source>
        <translation>Öffnen Sie einen Film mit der Öffnen-Schaltfläche unter dem Bild.</translation>
    </message>
    <message>
        <source>No photograph is shown</source>
        <translation>Kein Foto angezeigt</translation>
    </message>
    <message>
        <source>Choose a picture with the open button below the picture; the pictures of its folder are then shown here.</source>
        <translation>Wählen Sie mit der Öffnen-Schaltfläche unter dem Bild ein Bild aus; die Bilder seines Ordners werden dann hier gezeigt.</translation>
    </message>
    <message>
        <source>Films (%1)</source>
        <translation>Filme (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The film could not be opened. This computer lacks what it needs to play it: %1.</source>
        <translation>Der Film konnte nicht geöffnet werden. Diesem Computer fehlt, was zum Abspielen nötig ist: %1.</translation>
    </message>
</context>
<context>
    <name>MaskToolWindow</name>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
</context>
<context>
    <name>OSDProcessor</name>
    <message>
        <source>Best fit</source>
        <translation>Passend</translation>
    </message>
</context>
<context>
    <name>RecordingRescuer</name>
    <message>
        <source>Repairing the recording &quot;%1&quot;, which was cut off when the program last ended...</source>
        <translation>Die Aufnahme „%1“, die beim letzten Beenden des Programms abgebrochen wurde, wird repariert …</translation>
    </message>
</context>
<context>
    <name>SettingsToolWindow</name>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Standbild</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Fortlaufend</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>RecordingSave</source>
        <translation>Videoordner</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Using a recording resolution of %1x%2 may cause low framerate when the PC isn&apos;t powerful. Continue?</source>
        <translation>Eine Aufnahmeauflösung von %1x%2 kann auf einem leistungsschwachen PC zu einer niedrigen Bildrate führen. Fortfahren?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>Camera choice in the settings window (Source row, about 16 characters): the program takes a supported document camera, else an external USB camera.</extracomment>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <extracomment>Settings window, Source row: the chosen camera is unplugged; %1 is its USB identity.</extracomment>
        <translation>%1 (nicht angeschlossen)</translation>
    </message>
</context>
<context>
    <name>TextToolWindow</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
</TS>
