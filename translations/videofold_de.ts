<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppDelegate</name>
    <message>
        <source>No video is open.</source>
        <translation>Es ist kein Video geöffnet.</translation>
    </message>
    <message>
        <source>Looking for the AV1 encoder...</source>
        <translation>Der AV1-Encoder wird gesucht …</translation>
    </message>
    <message>
        <source>The encoder in %1 was built without SVT-AV1 (libsvtav1), which the AV1 version needs.</source>
        <translation>Der Encoder in %1 wurde ohne SVT-AV1 (libsvtav1) erstellt, das die AV1-Version braucht.</translation>
    </message>
    <message>
        <source>About Videofold</source>
        <translation>Über Videofold</translation>
    </message>
    <message>
        <source>FFmpeg was not found.</source>
        <translation>FFmpeg wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Videofold %1</source>
        <translation>Videofold %1</translation>
    </message>
    <message>
        <source>Turns a video into a folder ready for the web: an H.264 video, a poster and a page that plays it.</source>
        <translation>Macht aus einem Video einen Ordner für das Web: ein H.264-Video, ein Vorschaubild und eine Seite, die es abspielt.</translation>
    </message>
    <message>
        <source>Media work by %1</source>
        <translation>Medienbearbeitung durch %1</translation>
    </message>
    <message>
        <source>Videofold is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Videofold ist freie Software unter der GNU General Public License, Version 3 oder neuer.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped by a signal.</source>
        <translation>Durch ein Signal beendet.</translation>
    </message>
    <message>
        <source>Please choose another name for the HTML5 video folder. %1</source>
        <translation>Bitte wählen Sie einen anderen Namen für den HTML5-Videoordner. %1</translation>
    </message>
    <message>
        <source>%1 already exists; --replace replaces it.</source>
        <translation>%1 existiert bereits; --replace ersetzt es.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1: %2 · video %3 of %4 · %5 · AV1 %6</source>
        <translation>%1: %2 · Video %3 von %4 · %5 · AV1 %6</translation>
    </message>
    <message>
        <source>%1: %2 · video %3 of %4 · %5 · no AV1 version: %6</source>
        <translation>%1: %2 · Video %3 von %4 · %5 · keine AV1-Version: %6</translation>
    </message>
    <message>
        <source>%1: %2 · video %3 of %4 · %5</source>
        <translation>%1: %2 · Video %3 von %4 · %5</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <translation>Versuchen Sie „%1“.</translation>
    </message>
    <message>
        <source>--av1 needs an encoder with SVT-AV1 (libsvtav1), which %1 lacks.</source>
        <translation>--av1 braucht einen Encoder mit SVT-AV1 (libsvtav1), der %1 fehlt.</translation>
    </message>
    <message>
        <source>--av1 needs an encoder with SVT-AV1 (libsvtav1), and none was found.</source>
        <translation>--av1 braucht einen Encoder mit SVT-AV1 (libsvtav1), und es wurde keiner gefunden.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Without a command, opens the window (with a file or file:// URL, opens that video).</source>
        <translation>Ohne Befehl öffnet sich das Fenster (mit einer Datei oder einer file://-Adresse wird dieses Video geöffnet).</translation>
    </message>
    <message>
        <source>Commands and options:</source>
        <translation>Befehle und Optionen:</translation>
    </message>
    <message>
        <source>Exports videos without a window; &apos;%1&apos; lists its options.</source>
        <translation>Exportiert Videos ohne Fenster; „%1“ listet die Optionen auf.</translation>
    </message>
    <message>
        <source>Serves an exported folder on 127.0.0.1 and prints its page&apos;s address, until Ctrl+C.</source>
        <translation>Stellt einen exportierten Ordner unter 127.0.0.1 bereit und gibt die Adresse seiner Seite aus, bis Strg+C.</translation>
    </message>
    <message>
        <source>Prints where the media tools are and what the prober makes of a video.</source>
        <translation>Gibt aus, wo die Medienwerkzeuge liegen und was die Analyse aus einem Video liest.</translation>
    </message>
    <message>
        <source>This help.</source>
        <translation>Diese Hilfe.</translation>
    </message>
    <message>
        <source>The version.</source>
        <translation>Die Version.</translation>
    </message>
    <message>
        <source>The folder to create; with several sources, the folder that gets one folder per source, named after it. Default: HTML5Video in the current folder, or the current folder itself.</source>
        <translation>Der anzulegende Ordner; bei mehreren Quellen der Ordner, der je Quelle einen nach ihr benannten Ordner erhält. Vorgabe: HTML5Video im aktuellen Ordner, oder der aktuelle Ordner selbst.</translation>
    </message>
    <message>
        <source>The video&apos;s frame size: a share of the source&apos;s (50%) or one the frame-size slider reaches (1280x720). Default: 100%.</source>
        <translation>Die Bildgröße des Videos: ein Anteil der Quelle (50%) oder eine, die der Regler für die Bildgröße erreicht (1280x720). Vorgabe: 100%.</translation>
    </message>
    <message>
        <source>The video&apos;s size: a share of the source file&apos;s (50%) or a limit in bytes, never exceeded (8MB, 750kB, 1.5GB, 8000000; units of 1000). Default: 100%.</source>
        <translation>Die Größe des Videos: ein Anteil der Quelldatei (50%) oder eine Obergrenze in Byte, die nie überschritten wird (8MB, 750kB, 1.5GB, 8000000; Einheiten zu 1000). Vorgabe: 100%.</translation>
    </message>
    <message>
        <source>The poster&apos;s frame: a share of the duration (40%) or a time (1:02.5). Default: the middle.</source>
        <translation>Das Bild für das Vorschaubild: ein Anteil der Dauer (40%) oder eine Zeit (1:02.5). Vorgabe: die Mitte.</translation>
    </message>
    <message>
        <source>Where the published clip starts: a share of the duration (10%) or a time (0:05.2). Default: the video&apos;s start.</source>
        <translation>Wo der veröffentlichte Ausschnitt beginnt: ein Anteil der Dauer (10%) oder eine Zeit (0:05.2). Vorgabe: der Anfang des Videos.</translation>
    </message>
    <message>
        <source>Where it ends, as --start. Default: the video&apos;s end. The target size and --poster&apos;s share follow the kept part.</source>
        <translation>Wo er endet, wie bei --start. Vorgabe: das Ende des Videos. Die Zielgröße und der Anteil von --poster beziehen sich auf den behaltenen Teil.</translation>
    </message>
    <message>
        <source>One encoder run, about a third faster; the size can be well off.</source>
        <translation>Ein einziger Encoder-Durchlauf, etwa ein Drittel schneller; die Größe kann deutlich abweichen.</translation>
    </message>
    <message>
        <source>An AV1 version too (html5video-av1.mp4, same size limit), which the page offers first to the browsers that play it; the H.264 file stays the fallback.</source>
        <translation>Zusätzlich eine AV1-Version (html5video-av1.mp4, gleiche Obergrenze), die die Seite den Browsern, die sie abspielen, zuerst anbietet; die H.264-Datei bleibt der Ersatz.</translation>
    </message>
    <message>
        <source>Even loudness for the web: the sound at -16 LUFS with peaks at most -1 dBTP; a silent track is left alone.</source>
        <translation>Gleichmäßige Lautheit fürs Web: der Ton bei -16&#xa0;LUFS mit Spitzen von höchstens -1&#xa0;dBTP; eine stille Spur bleibt unverändert.</translation>
    </message>
    <message>
        <source>Just the video element in a bare page, without captions.</source>
        <translation>Nur das Video-Element in einer schlichten Seite, ohne Untertitel.</translation>
    </message>
    <message>
        <source>The video starts by itself (and is muted, as browsers require).</source>
        <translation>Das Video startet von selbst (und stumm, wie Browser es verlangen).</translation>
    </message>
    <message>
        <source>The video starts again at its end.</source>
        <translation>Das Video beginnt an seinem Ende von vorn.</translation>
    </message>
    <message>
        <source>The video starts without sound.</source>
        <translation>Das Video startet ohne Ton.</translation>
    </message>
    <message>
        <source>The page shows no player controls.</source>
        <translation>Die Seite zeigt keine Steuerelemente des Players.</translation>
    </message>
    <message>
        <source>Replaces an existing folder; without it, one is left untouched and the source fails.</source>
        <translation>Ersetzt einen vorhandenen Ordner; ohne diese Option bleibt er unberührt und die Quelle schlägt fehl.</translation>
    </message>
    <message>
        <source>No progress and no summary; errors only.</source>
        <translation>Kein Fortschritt und keine Zusammenfassung; nur Fehler.</translation>
    </message>
    <message>
        <source>The diagnostic lines, such as the encoder&apos;s arguments, on standard error.</source>
        <translation>Die Diagnosezeilen, etwa die Argumente des Encoders, auf der Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Exit status: 0 when every source was exported; 1 when any was refused or failed (the others still run); 2 for a usage error, before anything is written; 130 after Ctrl+C, 143 after SIGTERM and 129 after SIGHUP, which stop the running export, remove its folder and skip the rest.</source>
        <translation>Rückgabewert: 0, wenn jede Quelle exportiert wurde; 1, wenn eine abgelehnt wurde oder fehlschlug (die anderen laufen trotzdem); 2 bei einem Aufruffehler, bevor etwas geschrieben wird; 130 nach Strg+C, 143 nach SIGTERM und 129 nach SIGHUP, die den laufenden Export beenden, seinen Ordner entfernen und den Rest überspringen.</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &apos;%3&apos;.</source>
        <translation>--%1 erwartet %2, nicht „%3“.</translation>
    </message>
    <message>
        <source>Turns each video into a folder ready for a web site: html5video.mp4 (H.264), poster.jpg and html5Video.html.</source>
        <translation>Macht aus jedem Video einen Ordner für eine Website: html5video.mp4 (H.264), poster.jpg und html5Video.html.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>a share such as 50% or a size such as 1280x720</source>
        <translation>einen Anteil wie 50% oder eine Größe wie 1280x720</translation>
    </message>
    <message>
        <source>a share such as 50% or a size such as 8MB, 750kB or 8000000</source>
        <translation>einen Anteil wie 50% oder eine Größe wie 8MB, 750kB oder 8000000</translation>
    </message>
    <message>
        <source>a share such as 40% or a time such as 1:02.5</source>
        <translation>einen Anteil wie 40% oder eine Zeit wie 1:02.5</translation>
    </message>
    <message>
        <source>a share such as 10% or a time such as 0:05.2</source>
        <translation>einen Anteil wie 10% oder eine Zeit wie 0:05.2</translation>
    </message>
    <message>
        <source>No source video given.</source>
        <translation>Kein Quellvideo angegeben.</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 % · %4 elapsed · about %5 left</source>
        <translation>%1 · %2 · %3&#xa0;% · %4 vergangen · noch etwa %5</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 % · %4 elapsed</source>
        <translation>%1 · %2 · %3&#xa0;% · %4 vergangen</translation>
    </message>
    <message>
        <source>Serves an exported folder on 127.0.0.1, as a web site would, and prints its page&apos;s address; Ctrl+C stops it.</source>
        <translation>Stellt einen exportierten Ordner unter 127.0.0.1 bereit, wie eine Website es täte, und gibt die Adresse seiner Seite aus; Strg+C beendet es.</translation>
    </message>
    <message>
        <source>The port to listen on (default: one the system picks).</source>
        <translation>Der Port, auf dem gelauscht wird (Vorgabe: einer, den das System wählt).</translation>
    </message>
    <message>
        <source>Opens the page in the browser.</source>
        <translation>Öffnet die Seite im Browser.</translation>
    </message>
    <message>
        <source>Give one exported folder.</source>
        <translation>Geben Sie einen exportierten Ordner an.</translation>
    </message>
    <message>
        <source>%1 holds no exported page (%2).</source>
        <translation>%1 enthält keine exportierte Seite (%2).</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535.</source>
        <translation>--port erwartet eine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>nothing can listen on 127.0.0.1:%1.</source>
        <translation>auf 127.0.0.1:%1 kann nichts lauschen.</translation>
    </message>
    <message>
        <source>no browser could be opened (xdg-open).</source>
        <translation>es konnte kein Browser geöffnet werden (xdg-open).</translation>
    </message>
    <message numerus="yes">
        <source>%n qualities, folder %1</source>
        <translation>
            <numerusform>%n Qualität, Ordner %1</numerusform>
            <numerusform>%n Qualitäten, Ordner %1</numerusform>
        </translation>
    </message>
    <message>
        <source>one quality: %1</source>
        <translation>eine Qualität: %1</translation>
    </message>
    <message>
        <source>Several qualities for slow connections (adaptive streaming): an hls folder with smaller qualities and their playlists, which the page plays by the quality the link allows; html5video.mp4 stays the top quality and the fallback.</source>
        <translation>Mehrere Qualitäten für langsame Verbindungen (adaptives Streaming): ein Ordner hls mit kleineren Qualitäten und ihren Playlists, aus denen die Seite die Qualität abspielt, die die Verbindung zulässt; html5video.mp4 bleibt die höchste Qualität und die Ausweichlösung.</translation>
    </message>
    <message>
        <source>The video&apos;s index at its end, as encoders write it; by default it comes first, so that browsers start playing sooner.</source>
        <translation>Der Index des Videos an seinem Ende, wie Encoder ihn schreiben; standardmäßig steht er vorn, damit Browser früher mit dem Abspielen beginnen.</translation>
    </message>
    <message>
        <source>The video&apos;s index first (the default).</source>
        <translation>Der Index des Videos zuerst (die Voreinstellung).</translation>
    </message>
    <message>
        <source>One JSON object per source on standard output when it ends: source, folder, outcome, reason, code, targetBytes, av1Problem, av1ProblemCode, files (name, bytes), folderBytes, qualities (name, width, height, bandwidth, averageBandwidth, bytes), adaptiveSkipped, adaptiveSkippedCode, seconds.</source>
        <translation>Ein JSON-Objekt je Quelle auf der Standardausgabe, wenn sie fertig ist: source, folder, outcome, reason, code, targetBytes, av1Problem, av1ProblemCode, files (name, bytes), folderBytes, qualities (name, width, height, bandwidth, averageBandwidth, bytes), adaptiveSkipped, adaptiveSkippedCode, seconds.</translation>
    </message>
    <message>
        <source>The browser&apos;s own controls instead of the page&apos;s player (which shows thumbnails and chapters on its seek bar, answers the keyboard and the desktop&apos;s media keys); the page runs no script but an adaptive folder&apos;s.</source>
        <translation>Die eigenen Bedienelemente des Browsers statt des Players der Seite (der Miniaturen und Kapitel auf seiner Zeitleiste zeigt und auf die Tastatur und die Medientasten des Desktops hört); die Seite führt kein Skript aus außer dem eines adaptiven Ordners.</translation>
    </message>
    <message>
        <source>No thumbnails of the video for the player&apos;s seek bar.</source>
        <translation>Keine Miniaturen des Videos für die Zeitleiste des Players.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>kB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>PB</source>
        <translation>PB</translation>
    </message>
    <message>
        <source>EB</source>
        <translation>EB</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a number and its unit: 8.5 MB</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The video&apos;s duration is unknown, so no rate could be given to the AV1 encoder.</source>
        <translation>Die Dauer des Videos ist unbekannt, daher konnte dem AV1-Encoder keine Datenrate vorgegeben werden.</translation>
    </message>
    <message>
        <source>SVT-AV1 makes no video smaller than %1 x %1 pixels; this one is %2.</source>
        <translation>SVT-AV1 erstellt keine Videos kleiner als %1 x %1 Pixel; dieses hat %2.</translation>
    </message>
    <message>
        <source>The AV1 encoder stopped.</source>
        <translation>Der AV1-Encoder wurde beendet.</translation>
    </message>
    <message>
        <source>The AV1 encoder stopped:
%1</source>
        <translation>Der AV1-Encoder wurde beendet:
%1</translation>
    </message>
    <message>
        <source>The AV1 version could not be made as small as %1: it came to %2.</source>
        <translation>Die AV1-Version ließ sich nicht auf %1 verkleinern: Sie wurde %2 groß.</translation>
    </message>
    <message>
        <source>AV1 version</source>
        <translation>AV1-Version</translation>
    </message>
    <message>
        <source>AV1 correction</source>
        <translation>AV1-Korrektur</translation>
    </message>
    <message>
        <source>Final pass</source>
        <translation>Letzter Durchlauf</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Korrektur</translation>
    </message>
    <message>
        <source>Rate-capped pass</source>
        <translation>Durchlauf mit begrenzter Datenrate</translation>
    </message>
    <message>
        <source>%1 is not a frame size of this video, which keeps its shape: %2 (100 %), %3 (50 %) ...</source>
        <translation>%1 ist keine Bildgröße dieses Videos, das sein Seitenverhältnis behält: %2 (100&#xa0;%), %3 (50&#xa0;%) …</translation>
    </message>
    <message>
        <source>The frame size %1 holds no picture.</source>
        <translation>Die Bildgröße %1 enthält kein Bild.</translation>
    </message>
    <message>
        <source>The poster&apos;s time %1 lies past the end of the video (%2).</source>
        <translation>Die Zeit des Vorschaubilds, %1, liegt hinter dem Ende des Videos (%2).</translation>
    </message>
    <message>
        <source>The poster&apos;s time %1 lies outside the part kept (%2 – %3).</source>
        <translation>Die Zeit des Vorschaubilds, %1, liegt außerhalb des behaltenen Teils (%2 – %3).</translation>
    </message>
    <message>
        <source>No temporary folder could be made in %1.</source>
        <translation>In %1 konnte kein temporärer Ordner angelegt werden.</translation>
    </message>
    <message>
        <source>A limit of %1 leaves no rate for this video&apos;s picture.</source>
        <translation>Eine Obergrenze von %1 lässt dem Bild dieses Videos keine Datenrate.</translation>
    </message>
    <message>
        <source>A limit of %1 leaves no rate for this video&apos;s picture, whose duration is unknown.</source>
        <translation>Eine Obergrenze von %1 lässt dem Bild dieses Videos, dessen Dauer unbekannt ist, keine Datenrate.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Measuring loudness</source>
        <translation>Lautheit wird gemessen</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Lautheit</translation>
    </message>
    <message>
        <source>Analysing</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Kodierung</translation>
    </message>
    <message>
        <source>Loudness correction</source>
        <translation>Lautheitskorrektur</translation>
    </message>
    <message>
        <source>Comparing both videos with the source</source>
        <translation>Beide Videos werden mit der Quelle verglichen</translation>
    </message>
    <message>
        <source>“%1” is no longer there: it was moved, renamed or deleted after it was opened.</source>
        <translation>„%1“ ist nicht mehr vorhanden: Die Datei wurde nach dem Öffnen verschoben, umbenannt oder gelöscht.</translation>
    </message>
    <message>
        <source>“%1” can no longer be read: %2.</source>
        <translation>„%1“ kann nicht mehr gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created in %2: %3.</source>
        <translation>Der Ordner %1 kann in %2 nicht angelegt werden: %3.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The disk holding %1 has %2 free, and this export needs about %3. Free some space, or choose a smaller size or a folder on another disk.</source>
        <translation>Auf dem Datenträger mit %1 sind %2 frei, und dieser Export braucht etwa %3. Schaffen Sie Platz, oder wählen Sie eine kleinere Größe oder einen Ordner auf einem anderen Datenträger.</translation>
    </message>
    <message>
        <source>The encoder (FFmpeg&apos;s ffmpeg, as &quot;creator&quot;) was not found in %1.</source>
        <translation>Der Encoder (ffmpeg von FFmpeg, als „creator“) wurde in %1 nicht gefunden.</translation>
    </message>
    <message>
        <source>The video could not be made as small as %1: it came to %2. The sound and the container alone take %3.</source>
        <translation>Das Video ließ sich nicht auf %1 verkleinern: Es wurde %2 groß. Ton und Container allein belegen %3.</translation>
    </message>
    <message>
        <source>The video could not be made as small as %1: it came to %2.</source>
        <translation>Das Video ließ sich nicht auf %1 verkleinern: Es wurde %2 groß.</translation>
    </message>
    <message>
        <source>“%1” could no longer be read while it was exported.</source>
        <translation>„%1“ konnte während des Exports nicht mehr gelesen werden.</translation>
    </message>
    <message>
        <source>“%1” was moved, renamed or deleted while it was exported.</source>
        <translation>„%1“ wurde während des Exports verschoben, umbenannt oder gelöscht.</translation>
    </message>
    <message>
        <source>The disk is full: %1 free, and this export needs about %2. Free some space, or choose a smaller size or a folder on another disk.</source>
        <translation>Der Datenträger ist voll: %1 frei, und dieser Export braucht etwa %2. Schaffen Sie Platz, oder wählen Sie eine kleinere Größe oder einen Ordner auf einem anderen Datenträger.</translation>
    </message>
    <message>
        <source>“%1” cannot be read past %2 of its %3: the file is cut short, as an unfinished copy or download is. A complete copy of it will export.</source>
        <translation>„%1“ lässt sich nur bis %2 von %3 lesen: Die Datei ist abgeschnitten, wie eine unvollständige Kopie oder ein abgebrochener Download. Eine vollständige Kopie lässt sich exportieren.</translation>
    </message>
    <message>
        <source>%1 (%2) is incomplete: no player can open it.</source>
        <translation>%1 (%2) ist unvollständig: Kein Player kann die Datei öffnen.</translation>
    </message>
    <message>
        <source>%1 holds only the first %2.</source>
        <translation>%1 enthält nur die ersten %2.</translation>
    </message>
    <message>
        <source>Missing: %1.</source>
        <translation>Es fehlt: %1.</translation>
    </message>
    <message>
        <source>%1

In the folder %2: %3</source>
        <translation>%1

Im Ordner %2: %3</translation>
    </message>
    <message>
        <source>The encoder stopped before the video was complete.</source>
        <translation>Der Encoder wurde beendet, bevor das Video vollständig war.</translation>
    </message>
    <message>
        <source>The encoder stopped:
%1</source>
        <translation>Der Encoder wurde beendet:
%1</translation>
    </message>
    <message>
        <source>The encoder wrote no video.</source>
        <translation>Der Encoder hat kein Video geschrieben.</translation>
    </message>
    <message>
        <source>No poster frame could be taken from the video.</source>
        <translation>Aus dem Video ließ sich kein Vorschaubild entnehmen.</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>Die Seite konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The caption file %1 could not be written.</source>
        <translation>Die Untertiteldatei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The folder holds files the export did not write: %1</source>
        <translation>Der Ordner enthält Dateien, die der Export nicht geschrieben hat: %1</translation>
    </message>
    <message>
        <source>The video written cannot be played.</source>
        <translation>Das geschriebene Video lässt sich nicht abspielen.</translation>
    </message>
    <message>
        <source>The top folder of the computer can&apos;t be replaced.</source>
        <translation>Der oberste Ordner des Rechners kann nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>“%1” holds your home folder and can&apos;t be replaced.</source>
        <translation>„%1“ enthält Ihren persönlichen Ordner und kann nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>“%1” holds the video you are converting and can&apos;t be replaced.</source>
        <translation>„%1“ enthält das Video, das Sie umwandeln, und kann nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>Type a size of at least %1: %2 is less than 1 % of the video.</source>
        <translation>Geben Sie eine Größe von mindestens %1 ein: %2 ist weniger als 1&#xa0;% des Videos.</translation>
    </message>
    <message>
        <source>Captions</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>“%1” is no longer the folder made for this export and was left alone.</source>
        <translation>„%1“ ist nicht mehr der für diesen Export angelegte Ordner und wurde nicht angetastet.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The start %1 is not before the end %2.</source>
        <translation>Der Start %1 liegt nicht vor dem Ende %2.</translation>
    </message>
    <message>
        <source>The part from %1 to %2 is shorter than one frame (%3 s).</source>
        <translation>Der Teil von %1 bis %2 ist kürzer als ein Einzelbild (%3&#xa0;s).</translation>
    </message>
    <message>
        <source>The AV1 version was no sharper than the H.264 one (SSIM %1 against %2), so the page offers the H.264 video alone.</source>
        <translation>Die AV1-Version war nicht schärfer als die H.264-Version (SSIM %1 gegenüber %2), daher bietet die Seite nur das H.264-Video an.</translation>
    </message>
    <message>
        <source>The minimal page names one video without its codecs, so no AV1 version is made for it.</source>
        <translation>Die minimale Seite nennt ein Video ohne seine Codecs, daher wird für sie keine AV1-Version erstellt.</translation>
    </message>
    <message>
        <source>The web player %1 could not be copied from %2.</source>
        <translation>Der Web-Player %1 konnte nicht aus %2 kopiert werden.</translation>
    </message>
    <message>
        <source>The quality %1 was not written as segments.</source>
        <translation>Die Qualität %1 wurde nicht in Segmenten geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>The video is shorter than %n seconds: it plays well enough as one file.</source>
        <translation>
            <numerusform>Das Video ist kürzer als %n Sekunde: Es läuft als eine Datei gut genug.</numerusform>
            <numerusform>Das Video ist kürzer als %n Sekunden: Es läuft als eine Datei gut genug.</numerusform>
        </translation>
    </message>
    <message>
        <source>The video needs less than %1 kb/s: it plays well enough as one file on slow connections.</source>
        <translation>Das Video braucht weniger als %1 kb/s: Es läuft auch über langsame Verbindungen als eine Datei gut genug.</translation>
    </message>
    <message>
        <source>The frame is smaller than 320 x 180: there is no smaller quality worth making.</source>
        <translation>Das Bild ist kleiner als 320 x 180: Eine kleinere Qualität lohnt sich nicht.</translation>
    </message>
    <message numerus="yes">
        <source>Encoding %n smaller qualities</source>
        <translation>
            <numerusform>%n kleinere Qualität wird kodiert</numerusform>
            <numerusform>%n kleinere Qualitäten werden kodiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Writing the playlists</source>
        <translation>Die Playlists werden geschrieben</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturen</translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message>
        <source>Creating HTML5 Video...</source>
        <translation>HTML5-Video wird erstellt …</translation>
    </message>
    <message>
        <source>Waiting for the export under way in the queue to end...</source>
        <translation>Warten, bis der laufende Export in der Warteschlange fertig ist …</translation>
    </message>
    <message>
        <source>HTML5 video created</source>
        <translation>HTML5-Video erstellt</translation>
    </message>
    <message>
        <source>Oops! Something went wrong!</source>
        <translation>Hoppla! Da ist etwas schiefgegangen!</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation>Kontakt: %1</translation>
    </message>
    <message>
        <source>HTML5 Video created Successfully!</source>
        <translation>Das HTML5-Video wurde erfolgreich erstellt!</translation>
    </message>
    <message>
        <source>%1

%2</source>
        <comment>the folder, then why the AV1 version was left out</comment>
        <translation>%1

%2</translation>
    </message>
    <message>
        <source>%1

The AV1 version could not be made, so the page offers the H.264 video alone. %2</source>
        <translation>%1

Die AV1-Version konnte nicht erstellt werden, daher bietet die Seite nur das H.264-Video an. %2</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>%1 · Elapsed %2, about %3 left</source>
        <comment>the run, the time so far, the time left</comment>
        <translation>%1 · %2 vergangen, noch etwa %3</translation>
    </message>
    <message>
        <source>%1 · Elapsed %2</source>
        <comment>the run and the time so far</comment>
        <translation>%1 · %2 vergangen</translation>
    </message>
    <message>
        <source>The folder holds one quality only: %1</source>
        <translation>Der Ordner enthält nur eine Qualität: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n qualities for slow connections, %1 in all:</source>
        <translation>
            <numerusform>%n Qualität für langsame Verbindungen, %1 insgesamt:</numerusform>
            <numerusform>%n Qualitäten für langsame Verbindungen, %1 insgesamt:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 × %3, %4 Mb/s, %5</source>
        <comment>a quality&apos;s name, width, height, average megabits per second and bytes</comment>
        <translation>%1: %2 × %3, %4 Mbit/s, %5</translation>
    </message>
</context>
<context>
    <name>HelpSheet</name>
    <message>
        <source>Videofold Help</source>
        <translation>Videofold-Hilfe</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Put a video on your web site&lt;/h3&gt;
&lt;p&gt;Open a video with &lt;b&gt;Open Video&lt;/b&gt;, or drop it onto the window.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Frame size&lt;/b&gt; sets the picture size of the new video, as a percentage of the original&apos;s.
&lt;b&gt;Target size&lt;/b&gt; sets how large the video file should become, as a percentage of the original file.
&lt;b&gt;Poster frame&lt;/b&gt; picks the still shown before the video plays.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Save HTML5 Video&lt;/b&gt; creates a new folder holding the video (html5video.mp4), its poster
(poster.jpg) and a web page that plays it (html5Video.html). Copy the folder to your web site.&lt;/p&gt;
&lt;p&gt;The page&apos;s player options (controls, autoplay, loop, muted) are in Edit › Preferences.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ein Video auf Ihre Website bringen&lt;/h3&gt;
&lt;p&gt;Öffnen Sie ein Video mit &lt;b&gt;Video öffnen&lt;/b&gt;, oder ziehen Sie es in das Fenster.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Bildgröße&lt;/b&gt; legt die Bildgröße des neuen Videos fest, in Prozent des Originals.
&lt;b&gt;Zielgröße&lt;/b&gt; legt fest, wie groß die Videodatei werden soll, in Prozent der Originaldatei.
&lt;b&gt;Vorschaubild&lt;/b&gt; wählt das Standbild, das vor dem Abspielen gezeigt wird.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;HTML5-Video speichern&lt;/b&gt; legt einen neuen Ordner an, der das Video (html5video.mp4), sein Vorschaubild
(poster.jpg) und eine Webseite enthält, die es abspielt (html5Video.html). Kopieren Sie den Ordner auf Ihre Website.&lt;/p&gt;
&lt;p&gt;Die Einstellungen des Players der Seite (Steuerelemente, automatisches Abspielen, Wiederholen, stumm) finden Sie unter Bearbeiten › Einstellungen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Get Quillreel</source>
        <translation>Quillreel holen</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Weitere Apps</translation>
    </message>
    <message>
        <source>Message the Developer</source>
        <translation>Dem Entwickler schreiben</translation>
    </message>
    <message>
        <source>Rate Videofold</source>
        <translation>Videofold bewerten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KeptPartControls</name>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>%1 – %2, %3 s</source>
        <comment>the kept part&apos;s start, end and length</comment>
        <translation>%1 – %2, %3&#xa0;s</translation>
    </message>
    <message>
        <source>%1 – %2, %3 s (the whole video)</source>
        <comment>the kept part&apos;s start, end and length</comment>
        <translation>%1 – %2, %3&#xa0;s (das ganze Video)</translation>
    </message>
    <message>
        <source>“%1” is not a time: type one as 0:05.2 or 12.5, or a share as 10%.</source>
        <translation>„%1“ ist keine Zeit: Geben Sie eine Zeit wie 0:05,2 oder 12,5 ein, oder einen Anteil wie 10%.</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>of %1 (%2 %)</source>
        <comment>beside a slider: the source&apos;s size or frame size, and the share chosen</comment>
        <translation>von %1 (%2&#xa0;%)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open a video, or drop it here.</source>
        <translation>Öffnen Sie ein Video, oder ziehen Sie es hierher.</translation>
    </message>
    <message>
        <source>Frame si&amp;ze</source>
        <translation>Bild&amp;größe</translation>
    </message>
    <message>
        <source>Output frame size, as a percentage of the source&apos;s</source>
        <translation>Bildgröße der Ausgabe, in Prozent der Quelle</translation>
    </message>
    <message>
        <source>&amp;Target size</source>
        <translation>&amp;Zielgröße</translation>
    </message>
    <message>
        <source>Target size of the video, as a percentage of the source file&apos;s</source>
        <translation>Zielgröße des Videos, in Prozent der Quelldatei</translation>
    </message>
    <message>
        <source>Type a size limit (8 MB, 750 kB) or pick a common one: the video is never larger</source>
        <translation>Geben Sie eine Obergrenze ein (8&#xa0;MB, 750&#xa0;kB) oder wählen Sie eine übliche: Das Video wird nie größer</translation>
    </message>
    <message>
        <source>10 MB</source>
        <translation>10&#xa0;MB</translation>
    </message>
    <message>
        <source>25 MB</source>
        <translation>25&#xa0;MB</translation>
    </message>
    <message>
        <source>50 MB</source>
        <translation>50&#xa0;MB</translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation>100&#xa0;MB</translation>
    </message>
    <message>
        <source>&amp;Poster frame</source>
        <translation>&amp;Vorschaubild</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Where the published clip starts; drag to see the frame</source>
        <translation>Wo der veröffentlichte Ausschnitt beginnt; ziehen Sie, um das Bild zu sehen</translation>
    </message>
    <message>
        <source>The start as a time (0:05.2) or a share of the video (10%)</source>
        <translation>Der Start als Zeit (0:05,2) oder als Anteil des Videos (10%)</translation>
    </message>
    <message>
        <source>The start at the poster frame (I)</source>
        <translation>Der Start beim Vorschaubild (I)</translation>
    </message>
    <message>
        <source>Set Sta&amp;rt</source>
        <translation>Start fest&amp;legen</translation>
    </message>
    <message>
        <source>E&amp;nd</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>Where the published clip ends; drag to see the frame</source>
        <translation>Wo der veröffentlichte Ausschnitt endet; ziehen Sie, um das Bild zu sehen</translation>
    </message>
    <message>
        <source>The end as a time (0:42.0) or a share of the video (90%)</source>
        <translation>Das Ende als Zeit (0:42,0) oder als Anteil des Videos (90%)</translation>
    </message>
    <message>
        <source>The end at the poster frame (O)</source>
        <translation>Das Ende beim Vorschaubild (O)</translation>
    </message>
    <message>
        <source>Set En&amp;d</source>
        <translation>Ende &amp;festlegen</translation>
    </message>
    <message>
        <source>Position of the poster still in the video</source>
        <translation>Position des Vorschaubilds im Video</translation>
    </message>
    <message>
        <source>Media Information</source>
        <translation>Medieninformationen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>Video öffnen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern …</translation>
    </message>
    <message>
        <source>Save HTML5 Video</source>
        <translation>HTML5-Video speichern</translation>
    </message>
    <message>
        <source>&amp;Add to Queue...</source>
        <translation>Zur &amp;Warteschlange hinzufügen …</translation>
    </message>
    <message>
        <source>Add to Queue</source>
        <translation>Zur Warteschlange hinzufügen</translation>
    </message>
    <message>
        <source>Export this video with these settings after the others, while you go on working</source>
        <translation>Dieses Video mit diesen Einstellungen nach den anderen exportieren, während Sie weiterarbeiten</translation>
    </message>
    <message>
        <source>Export Se&amp;veral Videos...</source>
        <translation>&amp;Mehrere Videos exportieren …</translation>
    </message>
    <message>
        <source>Videofold &amp;Help</source>
        <translation>Videofold-&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen …</translation>
    </message>
    <message>
        <source>&amp;About Videofold</source>
        <translation>Ü&amp;ber Videofold</translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>Poster</source>
        <translation>Vorschaubild</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadratisch</translation>
    </message>
    <message>
        <source>Tall</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Text-Based</source>
        <translation>Textbasiert</translation>
    </message>
    <message>
        <source>Image-Based</source>
        <translation>Bildbasiert</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Home Video</source>
        <translation>Heimvideo</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Audiobook</source>
        <translation>Hörbuch</translation>
    </message>
    <message>
        <source>Music Video</source>
        <translation>Musikvideo</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>TV Show</source>
        <translation>Fernsehsendung</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Booklet</translation>
    </message>
    <message>
        <source>Ringtone</source>
        <translation>Klingelton</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Podcast</translation>
    </message>
    <message>
        <source>Alert Tone</source>
        <translation>Hinweiston</translation>
    </message>
    <message numerus="yes">
        <source>%n chapter(s)</source>
        <translation>
            <numerusform>%n Kapitel</numerusform>
            <numerusform>%n Kapitel</numerusform>
        </translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Spur %1</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Datenrate</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Spuren</translation>
    </message>
    <message>
        <source>Container</source>
        <translation>Container</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the picture&apos;s shape and its size: Wide: 1920x1080 (1080p)</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>OpenFlow</name>
    <message>
        <source>Analyzing File...</source>
        <translation>Datei wird analysiert …</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation>Kontakt: %1</translation>
    </message>
</context>
<context>
    <name>OutputControls</name>
    <message>
        <source>Size limit</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <source>“%1” is not a size: type one as 8 MB, 750 kB or 25MB.</source>
        <translation>„%1“ ist keine Größe: Geben Sie eine wie 8&#xa0;MB, 750&#xa0;kB oder 25MB ein.</translation>
    </message>
    <message>
        <source>Poster frame at %1</source>
        <translation>Vorschaubild bei %1</translation>
    </message>
</context>
<context>
    <name>OutputFolderDialog</name>
    <message>
        <source>Create HTML5 Video</source>
        <translation>HTML5-Video erstellen</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>Ordner anlegen</translation>
    </message>
    <message>
        <source>Named:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>„%1“ existiert bereits. Möchten Sie es ersetzen?</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The web page&apos;s video player:</source>
        <translation>Der Videoplayer der Webseite:</translation>
    </message>
    <message>
        <source>Show playback c&amp;ontrols</source>
        <translation>&amp;Steuerelemente anzeigen</translation>
    </message>
    <message>
        <source>Start playing &amp;automatically</source>
        <translation>&amp;Automatisch abspielen</translation>
    </message>
    <message>
        <source>Browsers start only muted videos by themselves.</source>
        <translation>Browser starten nur stumme Videos von selbst.</translation>
    </message>
    <message>
        <source>&amp;Loop</source>
        <translation>&amp;Endlos wiederholen</translation>
    </message>
    <message>
        <source>Start &amp;muted</source>
        <translation>Stu&amp;mm starten</translation>
    </message>
    <message>
        <source>Puts the video&apos;s index first, so browsers start playing before the whole file has arrived</source>
        <translation>Stellt den Index des Videos an den Anfang, damit Browser abspielen, bevor die ganze Datei angekommen ist</translation>
    </message>
    <message>
        <source>Start playing &amp;while downloading (fast start)</source>
        <translation>&amp;Während des Herunterladens abspielen (Schnellstart)</translation>
    </message>
    <message>
        <source>The export:</source>
        <translation>Der Export:</translation>
    </message>
    <message>
        <source>One run of the encoder instead of two: about a third faster, but the video can end up well above or below the target size</source>
        <translation>Ein Durchlauf des Encoders statt zwei: etwa ein Drittel schneller, aber das Video kann deutlich über oder unter der Zielgröße liegen</translation>
    </message>
    <message>
        <source>&amp;Faster export (approximate size)</source>
        <translation>Sch&amp;nellerer Export (ungefähre Größe)</translation>
    </message>
    <message>
        <source>A second video in AV1, a sharper picture for the same size, which the page offers first to the browsers that play it; the H.264 video stays for all others. The export takes about twice as long.</source>
        <translation>Ein zweites Video in AV1, ein schärferes Bild bei gleicher Größe, das die Seite den Browsern, die es abspielen, zuerst anbietet; das H.264-Video bleibt für alle anderen. Der Export dauert etwa doppelt so lange.</translation>
    </message>
    <message>
        <source>A&amp;V1 version for modern browsers</source>
        <translation>A&amp;V1-Version für moderne Browser</translation>
    </message>
    <message>
        <source>The sound brought to the loudness web players expect (-16 LUFS, peaks at most -1 dBTP), so that clips recorded at different levels sound alike on one page; a silent track is left alone</source>
        <translation>Der Ton wird auf die Lautheit gebracht, die Web-Player erwarten (-16&#xa0;LUFS, Spitzen höchstens -1&#xa0;dBTP), damit unterschiedlich laut aufgenommene Clips auf einer Seite gleich klingen; eine stille Spur bleibt unverändert</translation>
    </message>
    <message>
        <source>Even loud&amp;ness for the web (-16 LUFS)</source>
        <translation>&amp;Gleichmäßige Lautheit fürs Web (-16&#xa0;LUFS)</translation>
    </message>
    <message>
        <source>Only the video element, without a title, captions or a layout for phones: for pasting into a page of your own</source>
        <translation>Nur das Video-Element, ohne Titel, Untertitel oder Layout für Telefone: zum Einfügen in eine eigene Seite</translation>
    </message>
    <message>
        <source>Minimal &amp;page</source>
        <translation>Minimale Sei&amp;te</translation>
    </message>
    <message>
        <source>Smaller versions of the video beside it, between which the page switches as the visitor&apos;s connection allows, so that it plays without standing still on a slow link; the video itself stays for browsers without JavaScript</source>
        <translation>Kleinere Fassungen des Videos daneben, zwischen denen die Seite wechselt, wie es die Verbindung des Besuchers erlaubt, damit es auch über eine langsame Leitung ohne Stocken läuft; das Video selbst bleibt für Browser ohne JavaScript</translation>
    </message>
    <message>
        <source>Several &amp;qualities for slow connections (adaptive streaming)</source>
        <translation>Mehrere &amp;Qualitäten für langsame Verbindungen (adaptives Streaming)</translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <source>App does not support opening of &apos;.vob&apos; files</source>
        <translation>Die App kann keine „.vob“-Dateien öffnen</translation>
    </message>
    <message>
        <source>App does not support opening of &apos;.hevc&apos; files for now.</source>
        <translation>Die App kann „.hevc“-Dateien derzeit nicht öffnen.</translation>
    </message>
    <message>
        <source>Seems to be an unsupported file. Does the video play in VLC Player?</source>
        <translation>Das scheint eine nicht unterstützte Datei zu sein. Lässt sich das Video im VLC Player abspielen?</translation>
    </message>
    <message>
        <source>Unknown File Size</source>
        <translation>Unbekannte Dateigröße</translation>
    </message>
    <message>
        <source>Could not read the movie information: malformed binary property list</source>
        <translation>Die Filminformationen konnten nicht gelesen werden: fehlerhafte binäre Property-Liste</translation>
    </message>
    <message>
        <source>Could not read the movie information: not a valid XML or binary property list</source>
        <translation>Die Filminformationen konnten nicht gelesen werden: keine gültige XML- oder binäre Property-Liste</translation>
    </message>
    <message>
        <source>Could not read the movie information: a NUL character in XML</source>
        <translation>Die Filminformationen konnten nicht gelesen werden: ein NUL-Zeichen im XML</translation>
    </message>
    <message>
        <source>Its first bytes: %1 (“%2”).</source>
        <translation>Ihre ersten Bytes: %1 („%2“).</translation>
    </message>
    <message>
        <source>The file is no longer there: it was moved, renamed or deleted.</source>
        <translation>Die Datei ist nicht mehr da: Sie wurde verschoben, umbenannt oder gelöscht.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file is empty (0 bytes).</source>
        <translation>Die Datei ist leer (0&#xa0;Bytes).</translation>
    </message>
    <message>
        <source>It cannot be read as a video: %1.</source>
        <translation>Sie lässt sich nicht als Video lesen: %1.</translation>
    </message>
    <message>
        <source>It cannot be read as a video.</source>
        <translation>Sie lässt sich nicht als Video lesen.</translation>
    </message>
    <message>
        <source>It is encrypted (protected by DRM).</source>
        <translation>Sie ist verschlüsselt (durch DRM geschützt).</translation>
    </message>
    <message numerus="yes">
        <source>It holds no video track, only %n other track(s).</source>
        <translation>
            <numerusform>Sie enthält keine Videospur, nur %n andere Spur.</numerusform>
            <numerusform>Sie enthält keine Videospur, nur %n andere Spuren.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressSheet</name>
    <message>
        <source>Analyzing File...</source>
        <translation>Datei wird analysiert …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QueueFlow</name>
    <message>
        <source>Choose the Videos to Export</source>
        <translation>Zu exportierende Videos wählen</translation>
    </message>
    <message>
        <source>Choose a Folder for the HTML5 Videos</source>
        <translation>Ordner für die HTML5-Videos wählen</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Hierher exportieren</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file&apos;s name and why it can&apos;t be exported</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) can&apos;t be exported.</source>
        <translation>
            <numerusform>%n Datei kann nicht exportiert werden.</numerusform>
            <numerusform>%n Dateien können nicht exportiert werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export All...</source>
        <translation>Alle exportieren …</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) were given: the first is open. Set the sliders, then export them all with these settings, each into a folder named after it.</source>
        <translation>
            <numerusform>%n Video wurde übergeben: Es ist geöffnet. Stellen Sie die Regler ein und exportieren Sie es dann mit diesen Einstellungen in einen nach ihm benannten Ordner.</numerusform>
            <numerusform>%n Videos wurden übergeben: Das erste ist geöffnet. Stellen Sie die Regler ein und exportieren Sie dann alle mit diesen Einstellungen, jedes in einen nach ihm benannten Ordner.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <comment>a video and the folder of its export</comment>
        <translation>%1 → %2</translation>
    </message>
    <message numerus="yes">
        <source>%n export(s) did not finish. Add them to the queue again?</source>
        <translation>
            <numerusform>%n Export wurde nicht abgeschlossen. Erneut zur Warteschlange hinzufügen?</numerusform>
            <numerusform>%n Exporte wurden nicht abgeschlossen. Erneut zur Warteschlange hinzufügen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Add to Queue</source>
        <translation>Zur Warteschlange hinzufügen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Some exports can&apos;t start again.</source>
        <translation>Einige Exporte können nicht erneut starten.</translation>
    </message>
    <message>
        <source>The export queue is empty.</source>
        <translation>Die Export-Warteschlange ist leer.</translation>
    </message>
</context>
<context>
    <name>QueuePanel</name>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Startet …</translation>
    </message>
    <message>
        <source>%1, %2 %</source>
        <comment>a run&apos;s name and how far it is</comment>
        <translation>%1, %2&#xa0;%</translation>
    </message>
    <message>
        <source>Done: %1 of %2</source>
        <translation>Fertig: %1 von %2</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message numerus="yes">
        <source>%n export(s) failed</source>
        <translation>
            <numerusform>%n Export fehlgeschlagen</numerusform>
            <numerusform>%n Exporte fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n HTML5 video(s) created</source>
        <translation>
            <numerusform>%n HTML5-Video erstellt</numerusform>
            <numerusform>%n HTML5-Videos erstellt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n failed</source>
        <comment>how many HTML5 videos were created, then how many exports failed</comment>
        <translation>
            <numerusform>%1, %n fehlgeschlagen</numerusform>
            <numerusform>%1, %n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Queue</source>
        <translation>Export-Warteschlange</translation>
    </message>
    <message>
        <source>Cancel All</source>
        <translation>Alle abbrechen</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Fertige entfernen</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel %1</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation>%1 abbrechen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Open %1 in Browser</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation>%1 im Browser öffnen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation>%1 im Ordner anzeigen</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>An HTML5 video is being created. Stop it and quit?</source>
        <translation>Ein HTML5-Video wird gerade erstellt. Stoppen und beenden?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Stoppen und beenden</translation>
    </message>
    <message numerus="yes">
        <source>%n export(s) are not finished. Stop them and quit?</source>
        <translation>
            <numerusform>%n Export ist nicht fertig. Stoppen und beenden?</numerusform>
            <numerusform>%n Exporte sind nicht fertig. Stoppen und beenden?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
</context>
<context>
    <name>SaveFlow</name>
    <message>
        <source>Please choose another name for the HTML5 video folder.</source>
        <translation>Bitte wählen Sie einen anderen Namen für den HTML5-Videoordner.</translation>
    </message>
    <message>
        <source>“%1” is, holds or lies in the folder of an export still in the queue (%2).</source>
        <translation>„%1“ ist, enthält oder liegt im Ordner eines Exports, der noch in der Warteschlange steht (%2).</translation>
    </message>
    <message>
        <source>The HTML5 video can&apos;t be created.</source>
        <translation>Das HTML5-Video kann nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>Serve</name>
    <message>
        <source>The preview server could not listen on 127.0.0.1</source>
        <translation>Der Vorschau-Server konnte nicht auf 127.0.0.1 lauschen</translation>
    </message>
</context>
</TS>
