<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutToolWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Couleur</translation>
    </message>
    <message>
        <source>B &amp; W</source>
        <translation>N&amp;B</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Mosaïque</translation>
    </message>
</context>
<context>
    <name>CapturePipeline</name>
    <message>
        <source>The camera pipeline could not be started.</source>
        <translation>Le pipeline de la caméra n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>Impossible d&apos;ouvrir la caméra.</translation>
    </message>
    <message>
        <source>The camera offers no picture format this program can use.</source>
        <translation>La caméra ne propose aucun format d&apos;image utilisable par ce programme.</translation>
    </message>
    <message>
        <source>A GStreamer element the camera needs is not installed.</source>
        <translation>Un élément GStreamer nécessaire à la caméra n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>The camera pipeline could not be linked.</source>
        <translation>Le pipeline de la caméra n&apos;a pas pu être relié.</translation>
    </message>
    <message>
        <source>A GStreamer element needed for recording (JPEG encoder or AVI writer) is not installed.</source>
        <translation>Un élément GStreamer nécessaire à l&apos;enregistrement (encodeur JPEG ou écriture AVI) n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>The recording pipeline could not be linked.</source>
        <translation>Le pipeline d&apos;enregistrement n&apos;a pas pu être relié.</translation>
    </message>
    <message>
        <source>The sound of the recording could not be set up.</source>
        <translation>Le son de l&apos;enregistrement n&apos;a pas pu être configuré.</translation>
    </message>
    <message>
        <source>The camera ended its stream.</source>
        <translation>La caméra a interrompu son flux.</translation>
    </message>
    <message>
        <source>The recording pipeline could not be started.</source>
        <translation>Le pipeline d&apos;enregistrement n&apos;a pas pu démarrer.</translation>
    </message>
</context>
<context>
    <name>EffectToolWindow</name>
    <message>
        <source>Color Effect</source>
        <translation>Effet de couleur</translation>
    </message>
</context>
<context>
    <name>FilmSource</name>
    <message>
        <source>The film cannot be played any further. The file may be damaged.</source>
        <translation>Impossible de poursuivre la lecture du film. Le fichier est peut-être endommagé.</translation>
    </message>
</context>
<context>
    <name>ImageCanvas</name>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation>L&apos;instantané n&apos;a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>LiveSource</name>
    <message>
        <source>The recording was stopped because the capture size changed. What was recorded has been saved.</source>
        <translation>L&apos;enregistrement a été arrêté car la taille de capture a changé. Ce qui a été enregistré est conservé.</translation>
    </message>
    <message>
        <source>The recording could not be started: %1</source>
        <translation>Impossible de démarrer l&apos;enregistrement : %1</translation>
    </message>
    <message>
        <source>The camera stopped delivering pictures: %1</source>
        <translation>La caméra ne fournit plus d&apos;images : %1</translation>
    </message>
    <message>
        <source>The recording was stopped because the camera stopped working. What was recorded has been saved.</source>
        <translation>L&apos;enregistrement a été arrêté car la caméra ne fonctionne plus. Ce qui a été enregistré est conservé.</translation>
    </message>
    <message>
        <source>The recording failed: %1</source>
        <translation>L&apos;enregistrement a échoué : %1</translation>
    </message>
    <message>
        <source>The recording was not started: less than %1 MB of disk space is free in the recording folder.</source>
        <translation>L&apos;enregistrement n&apos;a pas démarré : il reste moins de %1 Mo d&apos;espace libre dans le dossier des enregistrements.</translation>
    </message>
    <message>
        <source>The recording was stopped because less than %1 MB of disk space is left in the recording folder. What was recorded has been saved.</source>
        <translation>L&apos;enregistrement a été arrêté car il reste moins de %1 Mo d&apos;espace libre dans le dossier des enregistrements. Ce qui a été enregistré est conservé.</translation>
    </message>
    <message>
        <source>The recording was stopped because its file or folder was removed. What was recorded could not be saved again.</source>
        <translation>L&apos;enregistrement a été arrêté car son fichier ou son dossier a été supprimé. Ce qui a été enregistré n&apos;a pas pu être sauvegardé à nouveau.</translation>
    </message>
    <message>
        <source>The recording was stopped because its file or folder was removed. What was recorded has been saved again as %1.</source>
        <translation>L&apos;enregistrement a été arrêté car son fichier ou son dossier a été supprimé. Ce qui a été enregistré a été sauvegardé à nouveau sous %1.</translation>
    </message>
    <message>
        <source>The recording was stopped because another camera was chosen. What was recorded has been saved.</source>
        <translation>L&apos;enregistrement a été arrêté car une autre caméra a été choisie. Ce qui a été enregistré est conservé.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Camera</source>
        <translation>Caméra de documents</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Épaisseur du trait</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Couleur du trait</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Photograph</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Drawing Board</source>
        <translation>Tableau blanc</translation>
    </message>
    <message>
        <source>Noting</source>
        <translation>Annoter</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Freehand</source>
        <translation>Main levée</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Erase all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Clip image</source>
        <translation>Copier une zone</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Fill background</source>
        <translation>Remplir le fond</translation>
    </message>
    <message>
        <source>Assisting</source>
        <translation>Aides</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Reset zoom</source>
        <translation>Taille d&apos;origine</translation>
    </message>
    <message>
        <source>Auto focus</source>
        <translation>Mise au point auto</translation>
    </message>
    <message>
        <source>Brightness down</source>
        <translation>Moins lumineux</translation>
    </message>
    <message>
        <source>Brightness up</source>
        <translation>Plus lumineux</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Figer</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Record video</source>
        <translation>Enregistrer la vidéo</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Prendre un instantané</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please select a folder first.</source>
        <translation>Veuillez d&apos;abord choisir un dossier.</translation>
    </message>
    <message>
        <source>No printers found on this system.</source>
        <translation>Aucune imprimante n&apos;a été trouvée sur ce système.</translation>
    </message>
    <message>
        <source>The film could not be opened. The file may be damaged or of a kind this computer cannot play.</source>
        <translation>Impossible d&apos;ouvrir le film. Le fichier est peut-être endommagé ou d&apos;un type que cet ordinateur ne sait pas lire.</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>The camera chosen in the settings is not connected. Cameras seen: %1.</source>
        <translation>La caméra choisie dans les paramètres n&apos;est pas branchée. Caméras détectées : %1.</translation>
    </message>
    <message>
        <source>Cameras seen: %1. None of them is used automatically; choose one in the settings, under Source.</source>
        <translation>Caméras détectées : %1. Aucune n&apos;est utilisée automatiquement ; choisissez-en une dans les paramètres, sous « Source ».</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>The recording was stopped because the camera was restarted with the new settings. What was recorded has been saved as %1.</source>
        <translation>L&apos;enregistrement a été arrêté car la caméra a redémarré avec les nouveaux paramètres. Ce qui a été enregistré est conservé sous %1.</translation>
    </message>
    <message>
        <source>Continuous snapshots stopped.</source>
        <translation>Instantanés en continu arrêtés.</translation>
    </message>
    <message>
        <source>No camera is connected.</source>
        <translation>Aucune caméra n&apos;est branchée.</translation>
    </message>
    <message>
        <source>Connect a document camera</source>
        <translation>Branchez une caméra de documents</translation>
    </message>
    <message>
        <source>Plug the camera into a USB port of this computer.</source>
        <translation>Branchez la caméra sur un port USB de cet ordinateur.</translation>
    </message>
    <message>
        <source>Its live picture appears here as soon as the camera is ready.</source>
        <translation>Son image en direct apparaît ici dès que la caméra est prête.</translation>
    </message>
    <message>
        <source>Film, Photograph and Drawing Board work without a camera.</source>
        <translation>Vidéo, Photos et Tableau blanc fonctionnent sans caméra.</translation>
    </message>
    <message>
        <source>No film is open</source>
        <translation>Aucun film n&apos;est ouvert</translation>
    </message>
    <message>
        <source>Open a film with the open button below the picture.</source>
        <translation>Ouvrez un film avec le bouton d&apos;ouverture sous l&apos;image.</translation>
    </message>
    <message>
        <source>No photograph is shown</source>
        <translation>Aucune photo n&apos;est affichée</translation>
    </message>
    <message>
        <source>Choose a picture with the open button below the picture; the pictures of its folder are then shown here.</source>
        <translation>Choisissez une image avec le bouton d&apos;ouverture sous l&apos;image ; les images de son dossier s&apos;affichent alors ici.</translation>
    </message>
    <message>
        <source>Films (%1)</source>
        <translation>Films (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The film could not be opened. This computer lacks what it needs to play it: %1.</source>
        <translation>Impossible d&apos;ouvrir le film. Il manque à cet ordinateur de quoi le lire : %1.</translation>
    </message>
</context>
<context>
    <name>MaskToolWindow</name>
    <message>
        <source>Mask</source>
        <translation>Masque</translation>
    </message>
</context>
<context>
    <name>OSDProcessor</name>
    <message>
        <source>Best fit</source>
        <translation>Ajusté</translation>
    </message>
</context>
<context>
    <name>RecordingRescuer</name>
    <message>
        <source>Repairing the recording &quot;%1&quot;, which was cut off when the program last ended...</source>
        <translation>Réparation de l&apos;enregistrement « %1 », interrompu lors de la dernière fermeture du programme…</translation>
    </message>
</context>
<context>
    <name>SettingsToolWindow</name>
    <message>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Unique</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Intervalle</translation>
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
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>RecordingSave</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Using a recording resolution of %1x%2 may cause low framerate when the PC isn&apos;t powerful. Continue?</source>
        <translation>Une résolution d&apos;enregistrement de %1x%2 peut réduire la fréquence d&apos;images si le PC n&apos;est pas assez puissant. Continuer ?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>Camera choice in the settings window (Source row, about 16 characters): the program takes a supported document camera, else an external USB camera.</extracomment>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <extracomment>Settings window, Source row: the chosen camera is unplugged; %1 is its USB identity.</extracomment>
        <translation>%1 (non branchée)</translation>
    </message>
</context>
<context>
    <name>TextToolWindow</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
</TS>
