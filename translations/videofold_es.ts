<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppDelegate</name>
    <message>
        <source>No video is open.</source>
        <translation>No hay ningún vídeo abierto.</translation>
    </message>
    <message>
        <source>Looking for the AV1 encoder...</source>
        <translation>Buscando el codificador AV1…</translation>
    </message>
    <message>
        <source>The encoder in %1 was built without SVT-AV1 (libsvtav1), which the AV1 version needs.</source>
        <translation>El codificador de %1 se compiló sin SVT-AV1 (libsvtav1), que la versión AV1 necesita.</translation>
    </message>
    <message>
        <source>About Videofold</source>
        <translation>Acerca de Videofold</translation>
    </message>
    <message>
        <source>FFmpeg was not found.</source>
        <translation>No se encontró FFmpeg.</translation>
    </message>
    <message>
        <source>Videofold %1</source>
        <translation>Videofold %1</translation>
    </message>
    <message>
        <source>Turns a video into a folder ready for the web: an H.264 video, a poster and a page that plays it.</source>
        <translation>Convierte un vídeo en una carpeta lista para la web: un vídeo H.264, una imagen de portada y una página que lo reproduce.</translation>
    </message>
    <message>
        <source>Media work by %1</source>
        <translation>Tratamiento multimedia a cargo de %1</translation>
    </message>
    <message>
        <source>Videofold is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Videofold es software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped by a signal.</source>
        <translation>Detenido por una señal.</translation>
    </message>
    <message>
        <source>Please choose another name for the HTML5 video folder. %1</source>
        <translation>Elija otro nombre para la carpeta del vídeo HTML5. %1</translation>
    </message>
    <message>
        <source>%1 already exists; --replace replaces it.</source>
        <translation>%1 ya existe; --replace lo sustituye.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1: %2 · video %3 of %4 · %5 · AV1 %6</source>
        <translation>%1: %2 · vídeo %3 de %4 · %5 · AV1 %6</translation>
    </message>
    <message>
        <source>%1: %2 · video %3 of %4 · %5 · no AV1 version: %6</source>
        <translation>%1: %2 · vídeo %3 de %4 · %5 · sin versión AV1: %6</translation>
    </message>
    <message>
        <source>%1: %2 · video %3 of %4 · %5</source>
        <translation>%1: %2 · vídeo %3 de %4 · %5</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <translation>Pruebe «%1».</translation>
    </message>
    <message>
        <source>--av1 needs an encoder with SVT-AV1 (libsvtav1), which %1 lacks.</source>
        <translation>--av1 necesita un codificador con SVT-AV1 (libsvtav1), que le falta a %1.</translation>
    </message>
    <message>
        <source>--av1 needs an encoder with SVT-AV1 (libsvtav1), and none was found.</source>
        <translation>--av1 necesita un codificador con SVT-AV1 (libsvtav1), y no se encontró ninguno.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Without a command, opens the window (with a file or file:// URL, opens that video).</source>
        <translation>Sin una orden, abre la ventana (con un archivo o una dirección file://, abre ese vídeo).</translation>
    </message>
    <message>
        <source>Commands and options:</source>
        <translation>Órdenes y opciones:</translation>
    </message>
    <message>
        <source>Exports videos without a window; &apos;%1&apos; lists its options.</source>
        <translation>Exporta vídeos sin ventana; «%1» enumera sus opciones.</translation>
    </message>
    <message>
        <source>Serves an exported folder on 127.0.0.1 and prints its page&apos;s address, until Ctrl+C.</source>
        <translation>Sirve una carpeta exportada en 127.0.0.1 y muestra la dirección de su página, hasta Ctrl+C.</translation>
    </message>
    <message>
        <source>Prints where the media tools are and what the prober makes of a video.</source>
        <translation>Muestra dónde están las herramientas multimedia y lo que el análisis obtiene de un vídeo.</translation>
    </message>
    <message>
        <source>This help.</source>
        <translation>Esta ayuda.</translation>
    </message>
    <message>
        <source>The version.</source>
        <translation>La versión.</translation>
    </message>
    <message>
        <source>The folder to create; with several sources, the folder that gets one folder per source, named after it. Default: HTML5Video in the current folder, or the current folder itself.</source>
        <translation>La carpeta que se crea; con varias fuentes, la carpeta que recibe una carpeta por fuente, con su nombre. Predeterminado: HTML5Video en la carpeta actual, o la propia carpeta actual.</translation>
    </message>
    <message>
        <source>The video&apos;s frame size: a share of the source&apos;s (50%) or one the frame-size slider reaches (1280x720). Default: 100%.</source>
        <translation>El tamaño de imagen del vídeo: una proporción del de la fuente (50%) o uno que alcance el control de tamaño de imagen (1280x720). Predeterminado: 100%.</translation>
    </message>
    <message>
        <source>The video&apos;s size: a share of the source file&apos;s (50%) or a limit in bytes, never exceeded (8MB, 750kB, 1.5GB, 8000000; units of 1000). Default: 100%.</source>
        <translation>El tamaño del vídeo: una proporción del del archivo fuente (50%) o un límite en bytes que nunca se supera (8MB, 750kB, 1.5GB, 8000000; unidades de 1000). Predeterminado: 100%.</translation>
    </message>
    <message>
        <source>The poster&apos;s frame: a share of the duration (40%) or a time (1:02.5). Default: the middle.</source>
        <translation>El fotograma de portada: una proporción de la duración (40%) o un instante (1:02.5). Predeterminado: el centro.</translation>
    </message>
    <message>
        <source>Where the published clip starts: a share of the duration (10%) or a time (0:05.2). Default: the video&apos;s start.</source>
        <translation>Dónde empieza el fragmento publicado: una proporción de la duración (10%) o un instante (0:05.2). Predeterminado: el inicio del vídeo.</translation>
    </message>
    <message>
        <source>Where it ends, as --start. Default: the video&apos;s end. The target size and --poster&apos;s share follow the kept part.</source>
        <translation>Dónde termina, como --start. Predeterminado: el final del vídeo. El tamaño de destino y la proporción de --poster siguen a la parte conservada.</translation>
    </message>
    <message>
        <source>One encoder run, about a third faster; the size can be well off.</source>
        <translation>Una sola pasada del codificador, alrededor de un tercio más rápida; el tamaño puede desviarse bastante.</translation>
    </message>
    <message>
        <source>An AV1 version too (html5video-av1.mp4, same size limit), which the page offers first to the browsers that play it; the H.264 file stays the fallback.</source>
        <translation>También una versión AV1 (html5video-av1.mp4, mismo límite de tamaño), que la página ofrece primero a los navegadores que la reproducen; el archivo H.264 queda como alternativa.</translation>
    </message>
    <message>
        <source>Even loudness for the web: the sound at -16 LUFS with peaks at most -1 dBTP; a silent track is left alone.</source>
        <translation>Sonoridad uniforme para la web: el sonido a -16&#xa0;LUFS con picos de -1&#xa0;dBTP como máximo; una pista en silencio se deja como está.</translation>
    </message>
    <message>
        <source>Just the video element in a bare page, without captions.</source>
        <translation>Solo el elemento de vídeo en una página sencilla, sin subtítulos.</translation>
    </message>
    <message>
        <source>The video starts by itself (and is muted, as browsers require).</source>
        <translation>El vídeo empieza solo (y silenciado, como exigen los navegadores).</translation>
    </message>
    <message>
        <source>The video starts again at its end.</source>
        <translation>El vídeo vuelve a empezar al llegar al final.</translation>
    </message>
    <message>
        <source>The video starts without sound.</source>
        <translation>El vídeo empieza sin sonido.</translation>
    </message>
    <message>
        <source>The page shows no player controls.</source>
        <translation>La página no muestra controles de reproducción.</translation>
    </message>
    <message>
        <source>Replaces an existing folder; without it, one is left untouched and the source fails.</source>
        <translation>Sustituye una carpeta existente; sin esta opción, se deja intacta y la fuente falla.</translation>
    </message>
    <message>
        <source>No progress and no summary; errors only.</source>
        <translation>Sin progreso ni resumen; solo errores.</translation>
    </message>
    <message>
        <source>The diagnostic lines, such as the encoder&apos;s arguments, on standard error.</source>
        <translation>Las líneas de diagnóstico, como los argumentos del codificador, en la salida de errores.</translation>
    </message>
    <message>
        <source>Exit status: 0 when every source was exported; 1 when any was refused or failed (the others still run); 2 for a usage error, before anything is written; 130 after Ctrl+C, 143 after SIGTERM and 129 after SIGHUP, which stop the running export, remove its folder and skip the rest.</source>
        <translation>Estado de salida: 0 si se exportaron todas las fuentes; 1 si alguna se rechazó o falló (las demás siguen); 2 por un error de uso, antes de escribir nada; 130 tras Ctrl+C, 143 tras SIGTERM y 129 tras SIGHUP, que detienen la exportación en curso, eliminan su carpeta y omiten el resto.</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &apos;%3&apos;.</source>
        <translation>--%1 admite %2, no «%3».</translation>
    </message>
    <message>
        <source>Turns each video into a folder ready for a web site: html5video.mp4 (H.264), poster.jpg and html5Video.html.</source>
        <translation>Convierte cada vídeo en una carpeta lista para un sitio web: html5video.mp4 (H.264), poster.jpg y html5Video.html.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>a share such as 50% or a size such as 1280x720</source>
        <translation>una proporción como 50% o un tamaño como 1280x720</translation>
    </message>
    <message>
        <source>a share such as 50% or a size such as 8MB, 750kB or 8000000</source>
        <translation>una proporción como 50% o un tamaño como 8MB, 750kB o 8000000</translation>
    </message>
    <message>
        <source>a share such as 40% or a time such as 1:02.5</source>
        <translation>una proporción como 40% o un instante como 1:02.5</translation>
    </message>
    <message>
        <source>a share such as 10% or a time such as 0:05.2</source>
        <translation>una proporción como 10% o un instante como 0:05.2</translation>
    </message>
    <message>
        <source>No source video given.</source>
        <translation>No se indicó ningún vídeo fuente.</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 % · %4 elapsed · about %5 left</source>
        <translation>%1 · %2 · %3&#xa0;% · %4 transcurrido · quedan unos %5</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 % · %4 elapsed</source>
        <translation>%1 · %2 · %3&#xa0;% · %4 transcurrido</translation>
    </message>
    <message>
        <source>Serves an exported folder on 127.0.0.1, as a web site would, and prints its page&apos;s address; Ctrl+C stops it.</source>
        <translation>Sirve una carpeta exportada en 127.0.0.1, como lo haría un sitio web, y muestra la dirección de su página; Ctrl+C lo detiene.</translation>
    </message>
    <message>
        <source>The port to listen on (default: one the system picks).</source>
        <translation>El puerto de escucha (predeterminado: uno que elige el sistema).</translation>
    </message>
    <message>
        <source>Opens the page in the browser.</source>
        <translation>Abre la página en el navegador.</translation>
    </message>
    <message>
        <source>Give one exported folder.</source>
        <translation>Indique una carpeta exportada.</translation>
    </message>
    <message>
        <source>%1 holds no exported page (%2).</source>
        <translation>%1 no contiene ninguna página exportada (%2).</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535.</source>
        <translation>--port admite un número de 1 a 65535.</translation>
    </message>
    <message>
        <source>nothing can listen on 127.0.0.1:%1.</source>
        <translation>nada puede escuchar en 127.0.0.1:%1.</translation>
    </message>
    <message>
        <source>no browser could be opened (xdg-open).</source>
        <translation>no se pudo abrir ningún navegador (xdg-open).</translation>
    </message>
    <message numerus="yes">
        <source>%n qualities, folder %1</source>
        <translation>
            <numerusform>%n calidad, carpeta %1</numerusform>
            <numerusform>%n calidades, carpeta %1</numerusform>
        </translation>
    </message>
    <message>
        <source>one quality: %1</source>
        <translation>una sola calidad: %1</translation>
    </message>
    <message>
        <source>Several qualities for slow connections (adaptive streaming): an hls folder with smaller qualities and their playlists, which the page plays by the quality the link allows; html5video.mp4 stays the top quality and the fallback.</source>
        <translation>Varias calidades para conexiones lentas (streaming adaptativo): una carpeta hls con calidades más pequeñas y sus listas de reproducción, que la página reproduce según la calidad que permite la conexión; html5video.mp4 sigue siendo la calidad más alta y la alternativa.</translation>
    </message>
    <message>
        <source>The video&apos;s index at its end, as encoders write it; by default it comes first, so that browsers start playing sooner.</source>
        <translation>El índice del vídeo al final, como lo escriben los codificadores; por omisión va al principio, para que los navegadores empiecen a reproducir antes.</translation>
    </message>
    <message>
        <source>The video&apos;s index first (the default).</source>
        <translation>El índice del vídeo al principio (por omisión).</translation>
    </message>
    <message>
        <source>One JSON object per source on standard output when it ends: source, folder, outcome, reason, code, targetBytes, av1Problem, av1ProblemCode, files (name, bytes), folderBytes, qualities (name, width, height, bandwidth, averageBandwidth, bytes), adaptiveSkipped, adaptiveSkippedCode, seconds.</source>
        <translation>Un objeto JSON por fuente en la salida estándar al terminar: source, folder, outcome, reason, code, targetBytes, av1Problem, av1ProblemCode, files (name, bytes), folderBytes, qualities (name, width, height, bandwidth, averageBandwidth, bytes), adaptiveSkipped, adaptiveSkippedCode, seconds.</translation>
    </message>
    <message>
        <source>The browser&apos;s own controls instead of the page&apos;s player (which shows thumbnails and chapters on its seek bar, answers the keyboard and the desktop&apos;s media keys); the page runs no script but an adaptive folder&apos;s.</source>
        <translation>Los controles propios del navegador en lugar del reproductor de la página (que muestra miniaturas y capítulos en su barra de progreso y responde al teclado y a las teclas multimedia del escritorio); la página no ejecuta ningún script salvo el de una carpeta adaptativa.</translation>
    </message>
    <message>
        <source>No thumbnails of the video for the player&apos;s seek bar.</source>
        <translation>Sin miniaturas del vídeo para la barra de progreso del reproductor.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n&#xa0;bytes</numerusform>
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
        <translation>La duración del vídeo es desconocida, así que no se pudo indicar una tasa de bits al codificador AV1.</translation>
    </message>
    <message>
        <source>SVT-AV1 makes no video smaller than %1 x %1 pixels; this one is %2.</source>
        <translation>SVT-AV1 no crea vídeos de menos de %1 x %1 píxeles; este mide %2.</translation>
    </message>
    <message>
        <source>The AV1 encoder stopped.</source>
        <translation>El codificador AV1 se detuvo.</translation>
    </message>
    <message>
        <source>The AV1 encoder stopped:
%1</source>
        <translation>El codificador AV1 se detuvo:
%1</translation>
    </message>
    <message>
        <source>The AV1 version could not be made as small as %1: it came to %2.</source>
        <translation>La versión AV1 no pudo reducirse a %1: ocupó %2.</translation>
    </message>
    <message>
        <source>AV1 version</source>
        <translation>Versión AV1</translation>
    </message>
    <message>
        <source>AV1 correction</source>
        <translation>Corrección AV1</translation>
    </message>
    <message>
        <source>Final pass</source>
        <translation>Pasada final</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>Rate-capped pass</source>
        <translation>Pasada con tasa limitada</translation>
    </message>
    <message>
        <source>%1 is not a frame size of this video, which keeps its shape: %2 (100 %), %3 (50 %) ...</source>
        <translation>%1 no es un tamaño de imagen de este vídeo, que conserva su forma: %2 (100&#xa0;%), %3 (50&#xa0;%)…</translation>
    </message>
    <message>
        <source>The frame size %1 holds no picture.</source>
        <translation>El tamaño de imagen %1 no contiene ninguna imagen.</translation>
    </message>
    <message>
        <source>The poster&apos;s time %1 lies past the end of the video (%2).</source>
        <translation>El instante de la portada, %1, está después del final del vídeo (%2).</translation>
    </message>
    <message>
        <source>The poster&apos;s time %1 lies outside the part kept (%2 – %3).</source>
        <translation>El instante de la portada, %1, está fuera de la parte conservada (%2 – %3).</translation>
    </message>
    <message>
        <source>No temporary folder could be made in %1.</source>
        <translation>No se pudo crear una carpeta temporal en %1.</translation>
    </message>
    <message>
        <source>A limit of %1 leaves no rate for this video&apos;s picture.</source>
        <translation>Un límite de %1 no deja tasa de bits para la imagen de este vídeo.</translation>
    </message>
    <message>
        <source>A limit of %1 leaves no rate for this video&apos;s picture, whose duration is unknown.</source>
        <translation>Un límite de %1 no deja tasa de bits para la imagen de este vídeo, cuya duración es desconocida.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>Measuring loudness</source>
        <translation>Midiendo la sonoridad</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Sonoridad</translation>
    </message>
    <message>
        <source>Analysing</source>
        <translation>Analizando</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codificando</translation>
    </message>
    <message>
        <source>Loudness correction</source>
        <translation>Corrección de sonoridad</translation>
    </message>
    <message>
        <source>Comparing both videos with the source</source>
        <translation>Comparando ambos vídeos con la fuente</translation>
    </message>
    <message>
        <source>“%1” is no longer there: it was moved, renamed or deleted after it was opened.</source>
        <translation>«%1» ya no está: se movió, cambió de nombre o se eliminó después de abrirlo.</translation>
    </message>
    <message>
        <source>“%1” can no longer be read: %2.</source>
        <translation>«%1» ya no se puede leer: %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created in %2: %3.</source>
        <translation>No se puede crear la carpeta %1 en %2: %3.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2.</source>
        <translation>No se puede escribir en la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>The disk holding %1 has %2 free, and this export needs about %3. Free some space, or choose a smaller size or a folder on another disk.</source>
        <translation>El disco que contiene %1 tiene %2 libres, y esta exportación necesita unos %3. Libere espacio, o elija un tamaño menor o una carpeta en otro disco.</translation>
    </message>
    <message>
        <source>The encoder (FFmpeg&apos;s ffmpeg, as &quot;creator&quot;) was not found in %1.</source>
        <translation>No se encontró el codificador (ffmpeg de FFmpeg, como «creator») en %1.</translation>
    </message>
    <message>
        <source>The video could not be made as small as %1: it came to %2. The sound and the container alone take %3.</source>
        <translation>El vídeo no pudo reducirse a %1: ocupó %2. El sonido y el contenedor ocupan por sí solos %3.</translation>
    </message>
    <message>
        <source>The video could not be made as small as %1: it came to %2.</source>
        <translation>El vídeo no pudo reducirse a %1: ocupó %2.</translation>
    </message>
    <message>
        <source>“%1” could no longer be read while it was exported.</source>
        <translation>«%1» dejó de poder leerse durante la exportación.</translation>
    </message>
    <message>
        <source>“%1” was moved, renamed or deleted while it was exported.</source>
        <translation>«%1» se movió, cambió de nombre o se eliminó durante la exportación.</translation>
    </message>
    <message>
        <source>The disk is full: %1 free, and this export needs about %2. Free some space, or choose a smaller size or a folder on another disk.</source>
        <translation>El disco está lleno: %1 libres, y esta exportación necesita unos %2. Libere espacio, o elija un tamaño menor o una carpeta en otro disco.</translation>
    </message>
    <message>
        <source>“%1” cannot be read past %2 of its %3: the file is cut short, as an unfinished copy or download is. A complete copy of it will export.</source>
        <translation>«%1» no puede leerse más allá de %2 de sus %3: el archivo está cortado, como una copia o descarga sin terminar. Una copia completa sí se exportará.</translation>
    </message>
    <message>
        <source>%1 (%2) is incomplete: no player can open it.</source>
        <translation>%1 (%2) está incompleto: ningún reproductor puede abrirlo.</translation>
    </message>
    <message>
        <source>%1 holds only the first %2.</source>
        <translation>%1 solo contiene los primeros %2.</translation>
    </message>
    <message>
        <source>Missing: %1.</source>
        <translation>Falta: %1.</translation>
    </message>
    <message>
        <source>%1

In the folder %2: %3</source>
        <translation>%1

En la carpeta %2: %3</translation>
    </message>
    <message>
        <source>The encoder stopped before the video was complete.</source>
        <translation>El codificador se detuvo antes de completar el vídeo.</translation>
    </message>
    <message>
        <source>The encoder stopped:
%1</source>
        <translation>El codificador se detuvo:
%1</translation>
    </message>
    <message>
        <source>The encoder wrote no video.</source>
        <translation>El codificador no escribió ningún vídeo.</translation>
    </message>
    <message>
        <source>No poster frame could be taken from the video.</source>
        <translation>No se pudo tomar ningún fotograma de portada del vídeo.</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>No se pudo escribir la página.</translation>
    </message>
    <message>
        <source>The caption file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo de subtítulos %1.</translation>
    </message>
    <message>
        <source>The folder holds files the export did not write: %1</source>
        <translation>La carpeta contiene archivos que la exportación no escribió: %1</translation>
    </message>
    <message>
        <source>The video written cannot be played.</source>
        <translation>El vídeo escrito no se puede reproducir.</translation>
    </message>
    <message>
        <source>The top folder of the computer can&apos;t be replaced.</source>
        <translation>La carpeta raíz del equipo no se puede sustituir.</translation>
    </message>
    <message>
        <source>“%1” holds your home folder and can&apos;t be replaced.</source>
        <translation>«%1» contiene su carpeta personal y no se puede sustituir.</translation>
    </message>
    <message>
        <source>“%1” holds the video you are converting and can&apos;t be replaced.</source>
        <translation>«%1» contiene el vídeo que está convirtiendo y no se puede sustituir.</translation>
    </message>
    <message>
        <source>Type a size of at least %1: %2 is less than 1 % of the video.</source>
        <translation>Escriba un tamaño de al menos %1: %2 es menos del 1&#xa0;% del vídeo.</translation>
    </message>
    <message>
        <source>Captions</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>“%1” is no longer the folder made for this export and was left alone.</source>
        <translation>«%1» ya no es la carpeta creada para esta exportación y se dejó como estaba.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The start %1 is not before the end %2.</source>
        <translation>El inicio %1 no es anterior al final %2.</translation>
    </message>
    <message>
        <source>The part from %1 to %2 is shorter than one frame (%3 s).</source>
        <translation>La parte de %1 a %2 dura menos que un fotograma (%3&#xa0;s).</translation>
    </message>
    <message>
        <source>The AV1 version was no sharper than the H.264 one (SSIM %1 against %2), so the page offers the H.264 video alone.</source>
        <translation>La versión AV1 no era más nítida que la H.264 (SSIM %1 frente a %2), así que la página ofrece solo el vídeo H.264.</translation>
    </message>
    <message>
        <source>The minimal page names one video without its codecs, so no AV1 version is made for it.</source>
        <translation>La página mínima nombra un solo vídeo sin sus códecs, así que no se crea una versión AV1 para ella.</translation>
    </message>
    <message>
        <source>The web player %1 could not be copied from %2.</source>
        <translation>No se pudo copiar el reproductor web %1 desde %2.</translation>
    </message>
    <message>
        <source>The quality %1 was not written as segments.</source>
        <translation>La calidad %1 no se escribió en segmentos.</translation>
    </message>
    <message numerus="yes">
        <source>The video is shorter than %n seconds: it plays well enough as one file.</source>
        <translation>
            <numerusform>El vídeo dura menos de %n segundo: se reproduce bastante bien como un solo archivo.</numerusform>
            <numerusform>El vídeo dura menos de %n segundos: se reproduce bastante bien como un solo archivo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The video needs less than %1 kb/s: it plays well enough as one file on slow connections.</source>
        <translation>El vídeo necesita menos de %1 kb/s: se reproduce bastante bien como un solo archivo incluso en conexiones lentas.</translation>
    </message>
    <message>
        <source>The frame is smaller than 320 x 180: there is no smaller quality worth making.</source>
        <translation>La imagen es menor que 320 x 180: no vale la pena hacer una calidad más pequeña.</translation>
    </message>
    <message numerus="yes">
        <source>Encoding %n smaller qualities</source>
        <translation>
            <numerusform>Codificando %n calidad más pequeña</numerusform>
            <numerusform>Codificando %n calidades más pequeñas</numerusform>
        </translation>
    </message>
    <message>
        <source>Writing the playlists</source>
        <translation>Escribiendo las listas de reproducción</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturas</translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message>
        <source>Creating HTML5 Video...</source>
        <translation>Creando el vídeo HTML5…</translation>
    </message>
    <message>
        <source>Waiting for the export under way in the queue to end...</source>
        <translation>Esperando a que termine la exportación en curso de la cola…</translation>
    </message>
    <message>
        <source>HTML5 video created</source>
        <translation>Vídeo HTML5 creado</translation>
    </message>
    <message>
        <source>Oops! Something went wrong!</source>
        <translation>¡Vaya! ¡Algo ha salido mal!</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation>Contacto: %1</translation>
    </message>
    <message>
        <source>HTML5 Video created Successfully!</source>
        <translation>¡El vídeo HTML5 se ha creado correctamente!</translation>
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

No se pudo crear la versión AV1, así que la página ofrece solo el vídeo H.264. %2</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Abrir en el navegador</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>%1 · Elapsed %2, about %3 left</source>
        <comment>the run, the time so far, the time left</comment>
        <translation>%1 · Transcurrido %2, quedan unos %3</translation>
    </message>
    <message>
        <source>%1 · Elapsed %2</source>
        <comment>the run and the time so far</comment>
        <translation>%1 · Transcurrido %2</translation>
    </message>
    <message>
        <source>The folder holds one quality only: %1</source>
        <translation>La carpeta contiene una sola calidad: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n qualities for slow connections, %1 in all:</source>
        <translation>
            <numerusform>%n calidad para conexiones lentas, %1 en total:</numerusform>
            <numerusform>%n calidades para conexiones lentas, %1 en total:</numerusform>
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
        <translation>Ayuda de Videofold</translation>
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
        <translation>&lt;h3&gt;Ponga un vídeo en su sitio web&lt;/h3&gt;
&lt;p&gt;Abra un vídeo con &lt;b&gt;Abrir vídeo&lt;/b&gt;, o arrástrelo a la ventana.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Tamaño de imagen&lt;/b&gt; fija el tamaño de imagen del nuevo vídeo, en porcentaje del original.
&lt;b&gt;Tamaño de destino&lt;/b&gt; fija cuánto debe ocupar el archivo de vídeo, en porcentaje del archivo original.
&lt;b&gt;Fotograma de portada&lt;/b&gt; elige la imagen fija que se muestra antes de reproducir el vídeo.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Guardar vídeo HTML5&lt;/b&gt; crea una carpeta nueva con el vídeo (html5video.mp4), su portada
(poster.jpg) y una página web que lo reproduce (html5Video.html). Copie la carpeta a su sitio web.&lt;/p&gt;
&lt;p&gt;Las opciones del reproductor de la página (controles, reproducción automática, bucle, silenciado) están en Editar › Preferencias.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Get Quillreel</source>
        <translation>Obtener Quillreel</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Más aplicaciones</translation>
    </message>
    <message>
        <source>Message the Developer</source>
        <translation>Escribir al desarrollador</translation>
    </message>
    <message>
        <source>Rate Videofold</source>
        <translation>Valorar Videofold</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>KeptPartControls</name>
    <message>
        <source>Start time</source>
        <translation>Instante de inicio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Instante final</translation>
    </message>
    <message>
        <source>%1 – %2, %3 s</source>
        <comment>the kept part&apos;s start, end and length</comment>
        <translation>%1 – %2, %3&#xa0;s</translation>
    </message>
    <message>
        <source>%1 – %2, %3 s (the whole video)</source>
        <comment>the kept part&apos;s start, end and length</comment>
        <translation>%1 – %2, %3&#xa0;s (todo el vídeo)</translation>
    </message>
    <message>
        <source>“%1” is not a time: type one as 0:05.2 or 12.5, or a share as 10%.</source>
        <translation>«%1» no es un instante: escriba uno como 0:05,2 o 12,5, o una proporción como 10%.</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>of %1 (%2 %)</source>
        <comment>beside a slider: the source&apos;s size or frame size, and the share chosen</comment>
        <translation>de %1 (%2&#xa0;%)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open a video, or drop it here.</source>
        <translation>Abra un vídeo, o arrástrelo aquí.</translation>
    </message>
    <message>
        <source>Frame si&amp;ze</source>
        <translation>&amp;Tamaño de imagen</translation>
    </message>
    <message>
        <source>Output frame size, as a percentage of the source&apos;s</source>
        <translation>Tamaño de imagen de la salida, en porcentaje del de la fuente</translation>
    </message>
    <message>
        <source>&amp;Target size</source>
        <translation>Tamaño de &amp;destino</translation>
    </message>
    <message>
        <source>Target size of the video, as a percentage of the source file&apos;s</source>
        <translation>Tamaño de destino del vídeo, en porcentaje del del archivo fuente</translation>
    </message>
    <message>
        <source>Type a size limit (8 MB, 750 kB) or pick a common one: the video is never larger</source>
        <translation>Escriba un límite de tamaño (8&#xa0;MB, 750&#xa0;kB) o elija uno habitual: el vídeo nunca será mayor</translation>
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
        <translation>Fotograma de &amp;portada</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>Where the published clip starts; drag to see the frame</source>
        <translation>Dónde empieza el fragmento publicado; arrastre para ver el fotograma</translation>
    </message>
    <message>
        <source>The start as a time (0:05.2) or a share of the video (10%)</source>
        <translation>El inicio como instante (0:05,2) o como proporción del vídeo (10%)</translation>
    </message>
    <message>
        <source>The start at the poster frame (I)</source>
        <translation>El inicio en el fotograma de portada (I)</translation>
    </message>
    <message>
        <source>Set Sta&amp;rt</source>
        <translation>Fijar i&amp;nicio</translation>
    </message>
    <message>
        <source>E&amp;nd</source>
        <translation>&amp;Fin</translation>
    </message>
    <message>
        <source>Where the published clip ends; drag to see the frame</source>
        <translation>Dónde termina el fragmento publicado; arrastre para ver el fotograma</translation>
    </message>
    <message>
        <source>The end as a time (0:42.0) or a share of the video (90%)</source>
        <translation>El final como instante (0:42,0) o como proporción del vídeo (90%)</translation>
    </message>
    <message>
        <source>The end at the poster frame (O)</source>
        <translation>El final en el fotograma de portada (O)</translation>
    </message>
    <message>
        <source>Set En&amp;d</source>
        <translation>Fija&amp;r fin</translation>
    </message>
    <message>
        <source>Position of the poster still in the video</source>
        <translation>Posición de la imagen de portada en el vídeo</translation>
    </message>
    <message>
        <source>Media Information</source>
        <translation>Información multimedia</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>Abrir vídeo</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>Save HTML5 Video</source>
        <translation>Guardar vídeo HTML5</translation>
    </message>
    <message>
        <source>&amp;Add to Queue...</source>
        <translation>Añadir a la &amp;cola…</translation>
    </message>
    <message>
        <source>Add to Queue</source>
        <translation>Añadir a la cola</translation>
    </message>
    <message>
        <source>Export this video with these settings after the others, while you go on working</source>
        <translation>Exportar este vídeo con estos ajustes después de los demás, mientras sigue trabajando</translation>
    </message>
    <message>
        <source>Export Se&amp;veral Videos...</source>
        <translation>Exportar &amp;varios vídeos…</translation>
    </message>
    <message>
        <source>Videofold &amp;Help</source>
        <translation>A&amp;yuda de Videofold</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias…</translation>
    </message>
    <message>
        <source>&amp;About Videofold</source>
        <translation>A&amp;cerca de Videofold</translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Poster</source>
        <translation>Portada</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Tall</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Text-Based</source>
        <translation>De texto</translation>
    </message>
    <message>
        <source>Image-Based</source>
        <translation>De imagen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Home Video</source>
        <translation>Vídeo doméstico</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Audiobook</source>
        <translation>Audiolibro</translation>
    </message>
    <message>
        <source>Music Video</source>
        <translation>Videoclip</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Película</translation>
    </message>
    <message>
        <source>TV Show</source>
        <translation>Programa de televisión</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Folleto</translation>
    </message>
    <message>
        <source>Ringtone</source>
        <translation>Tono de llamada</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Pódcast</translation>
    </message>
    <message>
        <source>Alert Tone</source>
        <translation>Tono de aviso</translation>
    </message>
    <message numerus="yes">
        <source>%n chapter(s)</source>
        <translation>
            <numerusform>%n capítulo</numerusform>
            <numerusform>%n capítulos</numerusform>
        </translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Pista %1</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Códec</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Container</source>
        <translation>Contenedor</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Capítulos</translation>
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
        <translation>Analizando el archivo…</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation>Contacto: %1</translation>
    </message>
</context>
<context>
    <name>OutputControls</name>
    <message>
        <source>Size limit</source>
        <translation>Límite de tamaño</translation>
    </message>
    <message>
        <source>“%1” is not a size: type one as 8 MB, 750 kB or 25MB.</source>
        <translation>«%1» no es un tamaño: escriba uno como 8&#xa0;MB, 750&#xa0;kB o 25MB.</translation>
    </message>
    <message>
        <source>Poster frame at %1</source>
        <translation>Fotograma de portada en %1</translation>
    </message>
</context>
<context>
    <name>OutputFolderDialog</name>
    <message>
        <source>Create HTML5 Video</source>
        <translation>Crear vídeo HTML5</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>Crear carpeta</translation>
    </message>
    <message>
        <source>Named:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sustituir</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>«%1» ya existe. ¿Quiere sustituirlo?</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>The web page&apos;s video player:</source>
        <translation>El reproductor de vídeo de la página web:</translation>
    </message>
    <message>
        <source>Show playback c&amp;ontrols</source>
        <translation>Mostrar los con&amp;troles de reproducción</translation>
    </message>
    <message>
        <source>Start playing &amp;automatically</source>
        <translation>Reproducir &amp;automáticamente</translation>
    </message>
    <message>
        <source>Browsers start only muted videos by themselves.</source>
        <translation>Los navegadores solo reproducen por sí solos los vídeos silenciados.</translation>
    </message>
    <message>
        <source>&amp;Loop</source>
        <translation>Reproducir en &amp;bucle</translation>
    </message>
    <message>
        <source>Start &amp;muted</source>
        <translation>Empezar &amp;silenciado</translation>
    </message>
    <message>
        <source>Puts the video&apos;s index first, so browsers start playing before the whole file has arrived</source>
        <translation>Pone el índice del vídeo al principio, para que los navegadores empiecen a reproducir antes de que llegue todo el archivo</translation>
    </message>
    <message>
        <source>Start playing &amp;while downloading (fast start)</source>
        <translation>Reproducir &amp;mientras se descarga (inicio rápido)</translation>
    </message>
    <message>
        <source>The export:</source>
        <translation>La exportación:</translation>
    </message>
    <message>
        <source>One run of the encoder instead of two: about a third faster, but the video can end up well above or below the target size</source>
        <translation>Una pasada del codificador en lugar de dos: alrededor de un tercio más rápida, pero el vídeo puede quedar bastante por encima o por debajo del tamaño de destino</translation>
    </message>
    <message>
        <source>&amp;Faster export (approximate size)</source>
        <translation>Exportación más &amp;rápida (tamaño aproximado)</translation>
    </message>
    <message>
        <source>A second video in AV1, a sharper picture for the same size, which the page offers first to the browsers that play it; the H.264 video stays for all others. The export takes about twice as long.</source>
        <translation>Un segundo vídeo en AV1, una imagen más nítida con el mismo tamaño, que la página ofrece primero a los navegadores que lo reproducen; el vídeo H.264 queda para todos los demás. La exportación tarda aproximadamente el doble.</translation>
    </message>
    <message>
        <source>A&amp;V1 version for modern browsers</source>
        <translation>&amp;Versión AV1 para navegadores modernos</translation>
    </message>
    <message>
        <source>The sound brought to the loudness web players expect (-16 LUFS, peaks at most -1 dBTP), so that clips recorded at different levels sound alike on one page; a silent track is left alone</source>
        <translation>El sonido se lleva a la sonoridad que esperan los reproductores web (-16&#xa0;LUFS, picos de -1&#xa0;dBTP como máximo), para que clips grabados a niveles distintos suenen igual en una página; una pista en silencio se deja como está</translation>
    </message>
    <message>
        <source>Even loud&amp;ness for the web (-16 LUFS)</source>
        <translation>Sonoridad &amp;uniforme para la web (-16&#xa0;LUFS)</translation>
    </message>
    <message>
        <source>Only the video element, without a title, captions or a layout for phones: for pasting into a page of your own</source>
        <translation>Solo el elemento de vídeo, sin título, subtítulos ni diseño para teléfonos: para pegarlo en una página propia</translation>
    </message>
    <message>
        <source>Minimal &amp;page</source>
        <translation>&amp;Página mínima</translation>
    </message>
    <message>
        <source>Smaller versions of the video beside it, between which the page switches as the visitor&apos;s connection allows, so that it plays without standing still on a slow link; the video itself stays for browsers without JavaScript</source>
        <translation>Versiones más pequeñas del vídeo a su lado, entre las que la página cambia según lo que permita la conexión del visitante, para que se reproduzca sin pararse en una conexión lenta; el vídeo en sí queda para los navegadores sin JavaScript</translation>
    </message>
    <message>
        <source>Several &amp;qualities for slow connections (adaptive streaming)</source>
        <translation>Varias &amp;calidades para conexiones lentas (streaming adaptativo)</translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <source>App does not support opening of &apos;.vob&apos; files</source>
        <translation>La aplicación no puede abrir archivos «.vob»</translation>
    </message>
    <message>
        <source>App does not support opening of &apos;.hevc&apos; files for now.</source>
        <translation>La aplicación no puede abrir archivos «.hevc» por ahora.</translation>
    </message>
    <message>
        <source>Seems to be an unsupported file. Does the video play in VLC Player?</source>
        <translation>Parece un archivo no compatible. ¿Se reproduce el vídeo en VLC?</translation>
    </message>
    <message>
        <source>Unknown File Size</source>
        <translation>Tamaño de archivo desconocido</translation>
    </message>
    <message>
        <source>Could not read the movie information: malformed binary property list</source>
        <translation>No se pudo leer la información de la película: lista de propiedades binaria mal formada</translation>
    </message>
    <message>
        <source>Could not read the movie information: not a valid XML or binary property list</source>
        <translation>No se pudo leer la información de la película: no es una lista de propiedades XML ni binaria válida</translation>
    </message>
    <message>
        <source>Could not read the movie information: a NUL character in XML</source>
        <translation>No se pudo leer la información de la película: un carácter NUL en el XML</translation>
    </message>
    <message>
        <source>Its first bytes: %1 (“%2”).</source>
        <translation>Sus primeros bytes: %1 («%2»).</translation>
    </message>
    <message>
        <source>The file is no longer there: it was moved, renamed or deleted.</source>
        <translation>El archivo ya no está: se movió, se cambió de nombre o se eliminó.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>El archivo no se puede leer: %1.</translation>
    </message>
    <message>
        <source>The file is empty (0 bytes).</source>
        <translation>El archivo está vacío (0&#xa0;bytes).</translation>
    </message>
    <message>
        <source>It cannot be read as a video: %1.</source>
        <translation>No se puede leer como vídeo: %1.</translation>
    </message>
    <message>
        <source>It cannot be read as a video.</source>
        <translation>No se puede leer como vídeo.</translation>
    </message>
    <message>
        <source>It is encrypted (protected by DRM).</source>
        <translation>Está cifrado (protegido con DRM).</translation>
    </message>
    <message numerus="yes">
        <source>It holds no video track, only %n other track(s).</source>
        <translation>
            <numerusform>No contiene ninguna pista de vídeo, solo %n pista más.</numerusform>
            <numerusform>No contiene ninguna pista de vídeo, solo %n pistas más.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressSheet</name>
    <message>
        <source>Analyzing File...</source>
        <translation>Analizando el archivo…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QueueFlow</name>
    <message>
        <source>Choose the Videos to Export</source>
        <translation>Elegir los vídeos que exportar</translation>
    </message>
    <message>
        <source>Choose a Folder for the HTML5 Videos</source>
        <translation>Elegir una carpeta para los vídeos HTML5</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Exportar aquí</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file&apos;s name and why it can&apos;t be exported</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) can&apos;t be exported.</source>
        <translation>
            <numerusform>%n archivo no se puede exportar.</numerusform>
            <numerusform>%n archivos no se pueden exportar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export All...</source>
        <translation>Exportar todos…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) were given: the first is open. Set the sliders, then export them all with these settings, each into a folder named after it.</source>
        <translation>
            <numerusform>Se indicó %n vídeo: está abierto. Ajuste los controles y expórtelo con estos ajustes a una carpeta con su nombre.</numerusform>
            <numerusform>Se indicaron %n vídeos: el primero está abierto. Ajuste los controles y expórtelos todos con estos ajustes, cada uno a una carpeta con su nombre.</numerusform>
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
            <numerusform>%n exportación no terminó. ¿Añadirla de nuevo a la cola?</numerusform>
            <numerusform>%n exportaciones no terminaron. ¿Añadirlas de nuevo a la cola?</numerusform>
        </translation>
    </message>
    <message>
        <source>Add to Queue</source>
        <translation>Añadir a la cola</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Some exports can&apos;t start again.</source>
        <translation>Algunas exportaciones no pueden volver a empezar.</translation>
    </message>
    <message>
        <source>The export queue is empty.</source>
        <translation>La cola de exportación está vacía.</translation>
    </message>
</context>
<context>
    <name>QueuePanel</name>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Empezando…</translation>
    </message>
    <message>
        <source>%1, %2 %</source>
        <comment>a run&apos;s name and how far it is</comment>
        <translation>%1, %2&#xa0;%</translation>
    </message>
    <message>
        <source>Done: %1 of %2</source>
        <translation>Hecho: %1 de %2</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Falló: %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message numerus="yes">
        <source>%n export(s) failed</source>
        <translation>
            <numerusform>%n exportación falló</numerusform>
            <numerusform>%n exportaciones fallaron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n HTML5 video(s) created</source>
        <translation>
            <numerusform>%n vídeo HTML5 creado</numerusform>
            <numerusform>%n vídeos HTML5 creados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n failed</source>
        <comment>how many HTML5 videos were created, then how many exports failed</comment>
        <translation>
            <numerusform>%1, %n falló</numerusform>
            <numerusform>%1, %n fallaron</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Queue</source>
        <translation>Cola de exportación</translation>
    </message>
    <message>
        <source>Cancel All</source>
        <translation>Cancelar todo</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Quitar los terminados</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel %1</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation>Cancelar %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Abrir en el navegador</translation>
    </message>
    <message>
        <source>Open %1 in Browser</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation>Abrir %1 en el navegador</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation>Mostrar %1 en la carpeta</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>An HTML5 video is being created. Stop it and quit?</source>
        <translation>Se está creando un vídeo HTML5. ¿Detenerlo y salir?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Detener y salir</translation>
    </message>
    <message numerus="yes">
        <source>%n export(s) are not finished. Stop them and quit?</source>
        <translation>
            <numerusform>%n exportación no ha terminado. ¿Detenerla y salir?</numerusform>
            <numerusform>%n exportaciones no han terminado. ¿Detenerlas y salir?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Menu</source>
        <translation>Vaciar la lista</translation>
    </message>
</context>
<context>
    <name>SaveFlow</name>
    <message>
        <source>Please choose another name for the HTML5 video folder.</source>
        <translation>Elija otro nombre para la carpeta del vídeo HTML5.</translation>
    </message>
    <message>
        <source>“%1” is, holds or lies in the folder of an export still in the queue (%2).</source>
        <translation>«%1» es, contiene o está en la carpeta de una exportación que sigue en la cola (%2).</translation>
    </message>
    <message>
        <source>The HTML5 video can&apos;t be created.</source>
        <translation>No se puede crear el vídeo HTML5.</translation>
    </message>
</context>
<context>
    <name>Serve</name>
    <message>
        <source>The preview server could not listen on 127.0.0.1</source>
        <translation>El servidor de vista previa no pudo escuchar en 127.0.0.1</translation>
    </message>
</context>
</TS>
