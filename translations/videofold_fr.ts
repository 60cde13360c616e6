<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppDelegate</name>
    <message>
        <source>No video is open.</source>
        <translation>Aucune vidéo n’est ouverte.</translation>
    </message>
    <message>
        <source>Looking for the AV1 encoder...</source>
        <translation>Recherche de l’encodeur AV1…</translation>
    </message>
    <message>
        <source>The encoder in %1 was built without SVT-AV1 (libsvtav1), which the AV1 version needs.</source>
        <translation>L’encodeur de %1 a été compilé sans SVT-AV1 (libsvtav1), nécessaire à la version AV1.</translation>
    </message>
    <message>
        <source>About Videofold</source>
        <translation>À propos de Videofold</translation>
    </message>
    <message>
        <source>FFmpeg was not found.</source>
        <translation>FFmpeg est introuvable.</translation>
    </message>
    <message>
        <source>Videofold %1</source>
        <translation>Videofold %1</translation>
    </message>
    <message>
        <source>Turns a video into a folder ready for the web: an H.264 video, a poster and a page that plays it.</source>
        <translation>Transforme une vidéo en un dossier prêt pour le web&#x202f;: une vidéo H.264, une image d’affiche et une page qui la lit.</translation>
    </message>
    <message>
        <source>Media work by %1</source>
        <translation>Traitement des médias par %1</translation>
    </message>
    <message>
        <source>Videofold is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Videofold est un logiciel libre sous licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped by a signal.</source>
        <translation>Arrêté par un signal.</translation>
    </message>
    <message>
        <source>Please choose another name for the HTML5 video folder. %1</source>
        <translation>Veuillez choisir un autre nom pour le dossier de la vidéo HTML5. %1</translation>
    </message>
    <message>
        <source>%1 already exists; --replace replaces it.</source>
        <translation>%1 existe déjà&#x202f;; --replace le remplace.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>%1: %2 · video %3 of %4 · %5 · AV1 %6</source>
        <translation>%1&#x202f;: %2 · vidéo %3 sur %4 · %5 · AV1 %6</translation>
    </message>
    <message>
        <source>%1: %2 · video %3 of %4 · %5 · no AV1 version: %6</source>
        <translation>%1&#x202f;: %2 · vidéo %3 sur %4 · %5 · pas de version AV1&#x202f;: %6</translation>
    </message>
    <message>
        <source>%1: %2 · video %3 of %4 · %5</source>
        <translation>%1&#x202f;: %2 · vidéo %3 sur %4 · %5</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <translation>Essayez «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>--av1 needs an encoder with SVT-AV1 (libsvtav1), which %1 lacks.</source>
        <translation>--av1 nécessite un encodeur avec SVT-AV1 (libsvtav1), qui manque à %1.</translation>
    </message>
    <message>
        <source>--av1 needs an encoder with SVT-AV1 (libsvtav1), and none was found.</source>
        <translation>--av1 nécessite un encodeur avec SVT-AV1 (libsvtav1), et aucun n’a été trouvé.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#x202f;: %1</translation>
    </message>
    <message>
        <source>Without a command, opens the window (with a file or file:// URL, opens that video).</source>
        <translation>Sans commande, ouvre la fenêtre (avec un fichier ou une adresse file://, ouvre cette vidéo).</translation>
    </message>
    <message>
        <source>Commands and options:</source>
        <translation>Commandes et options&#x202f;:</translation>
    </message>
    <message>
        <source>Exports videos without a window; &apos;%1&apos; lists its options.</source>
        <translation>Exporte des vidéos sans fenêtre&#x202f;; «&#x202f;%1&#x202f;» en liste les options.</translation>
    </message>
    <message>
        <source>Serves an exported folder on 127.0.0.1 and prints its page&apos;s address, until Ctrl+C.</source>
        <translation>Sert un dossier exporté sur 127.0.0.1 et affiche l’adresse de sa page, jusqu’à Ctrl+C.</translation>
    </message>
    <message>
        <source>Prints where the media tools are and what the prober makes of a video.</source>
        <translation>Affiche où se trouvent les outils multimédias et ce que l’analyse lit d’une vidéo.</translation>
    </message>
    <message>
        <source>This help.</source>
        <translation>Cette aide.</translation>
    </message>
    <message>
        <source>The version.</source>
        <translation>La version.</translation>
    </message>
    <message>
        <source>The folder to create; with several sources, the folder that gets one folder per source, named after it. Default: HTML5Video in the current folder, or the current folder itself.</source>
        <translation>Le dossier à créer&#x202f;; avec plusieurs sources, le dossier qui reçoit un dossier par source, portant son nom. Par défaut&#x202f;: HTML5Video dans le dossier courant, ou le dossier courant lui-même.</translation>
    </message>
    <message>
        <source>The video&apos;s frame size: a share of the source&apos;s (50%) or one the frame-size slider reaches (1280x720). Default: 100%.</source>
        <translation>La taille d’image de la vidéo&#x202f;: une part de celle de la source (50%) ou une taille que le curseur de taille d’image atteint (1280x720). Par défaut&#x202f;: 100%.</translation>
    </message>
    <message>
        <source>The video&apos;s size: a share of the source file&apos;s (50%) or a limit in bytes, never exceeded (8MB, 750kB, 1.5GB, 8000000; units of 1000). Default: 100%.</source>
        <translation>La taille de la vidéo&#x202f;: une part de celle du fichier source (50%) ou une limite en octets, jamais dépassée (8MB, 750kB, 1.5GB, 8000000&#x202f;; unités de 1000). Par défaut&#x202f;: 100%.</translation>
    </message>
    <message>
        <source>The poster&apos;s frame: a share of the duration (40%) or a time (1:02.5). Default: the middle.</source>
        <translation>L’image d’affiche&#x202f;: une part de la durée (40%) ou un instant (1:02.5). Par défaut&#x202f;: le milieu.</translation>
    </message>
    <message>
        <source>Where the published clip starts: a share of the duration (10%) or a time (0:05.2). Default: the video&apos;s start.</source>
        <translation>Où commence l’extrait publié&#x202f;: une part de la durée (10%) ou un instant (0:05.2). Par défaut&#x202f;: le début de la vidéo.</translation>
    </message>
    <message>
        <source>Where it ends, as --start. Default: the video&apos;s end. The target size and --poster&apos;s share follow the kept part.</source>
        <translation>Où il se termine, comme pour --start. Par défaut&#x202f;: la fin de la vidéo. La taille visée et la part de --poster suivent la partie gardée.</translation>
    </message>
    <message>
        <source>One encoder run, about a third faster; the size can be well off.</source>
        <translation>Un seul passage de l’encodeur, environ un tiers plus rapide&#x202f;; la taille peut s’écarter nettement.</translation>
    </message>
    <message>
        <source>An AV1 version too (html5video-av1.mp4, same size limit), which the page offers first to the browsers that play it; the H.264 file stays the fallback.</source>
        <translation>Une version AV1 en plus (html5video-av1.mp4, même limite de taille), que la page propose d’abord aux navigateurs qui la lisent&#x202f;; le fichier H.264 reste la solution de repli.</translation>
    </message>
    <message>
        <source>Even loudness for the web: the sound at -16 LUFS with peaks at most -1 dBTP; a silent track is left alone.</source>
        <translation>Sonie homogène pour le web&#x202f;: le son à -16&#xa0;LUFS avec des crêtes d’au plus -1&#xa0;dBTP&#x202f;; une piste silencieuse reste telle quelle.</translation>
    </message>
    <message>
        <source>Just the video element in a bare page, without captions.</source>
        <translation>Seulement l’élément vidéo dans une page dépouillée, sans sous-titres.</translation>
    </message>
    <message>
        <source>The video starts by itself (and is muted, as browsers require).</source>
        <translation>La vidéo démarre d’elle-même (et sans le son, comme l’exigent les navigateurs).</translation>
    </message>
    <message>
        <source>The video starts again at its end.</source>
        <translation>La vidéo recommence à sa fin.</translation>
    </message>
    <message>
        <source>The video starts without sound.</source>
        <translation>La vidéo démarre sans le son.</translation>
    </message>
    <message>
        <source>The page shows no player controls.</source>
        <translation>La page n’affiche aucune commande de lecture.</translation>
    </message>
    <message>
        <source>Replaces an existing folder; without it, one is left untouched and the source fails.</source>
        <translation>Remplace un dossier existant&#x202f;; sans cette option, il reste intact et la source échoue.</translation>
    </message>
    <message>
        <source>No progress and no summary; errors only.</source>
        <translation>Ni progression ni résumé&#x202f;; seulement les erreurs.</translation>
    </message>
    <message>
        <source>The diagnostic lines, such as the encoder&apos;s arguments, on standard error.</source>
        <translation>Les lignes de diagnostic, comme les arguments de l’encodeur, sur la sortie d’erreur.</translation>
    </message>
    <message>
        <source>Exit status: 0 when every source was exported; 1 when any was refused or failed (the others still run); 2 for a usage error, before anything is written; 130 after Ctrl+C, 143 after SIGTERM and 129 after SIGHUP, which stop the running export, remove its folder and skip the rest.</source>
        <translation>Code de sortie&#x202f;: 0 si chaque source a été exportée&#x202f;; 1 si l’une a été refusée ou a échoué (les autres continuent)&#x202f;; 2 pour une erreur d’utilisation, avant toute écriture&#x202f;; 130 après Ctrl+C, 143 après SIGTERM et 129 après SIGHUP, qui arrêtent l’export en cours, suppriment son dossier et sautent le reste.</translation>
    </message>
    <message>
        <source>--%1 takes %2, not &apos;%3&apos;.</source>
        <translation>--%1 attend %2, pas «&#x202f;%3&#x202f;».</translation>
    </message>
    <message>
        <source>Turns each video into a folder ready for a web site: html5video.mp4 (H.264), poster.jpg and html5Video.html.</source>
        <translation>Transforme chaque vidéo en un dossier prêt pour un site web&#x202f;: html5video.mp4 (H.264), poster.jpg et html5Video.html.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#x202f;:</translation>
    </message>
    <message>
        <source>a share such as 50% or a size such as 1280x720</source>
        <translation>une part comme 50% ou une taille comme 1280x720</translation>
    </message>
    <message>
        <source>a share such as 50% or a size such as 8MB, 750kB or 8000000</source>
        <translation>une part comme 50% ou une taille comme 8MB, 750kB ou 8000000</translation>
    </message>
    <message>
        <source>a share such as 40% or a time such as 1:02.5</source>
        <translation>une part comme 40% ou un instant comme 1:02.5</translation>
    </message>
    <message>
        <source>a share such as 10% or a time such as 0:05.2</source>
        <translation>une part comme 10% ou un instant comme 0:05.2</translation>
    </message>
    <message>
        <source>No source video given.</source>
        <translation>Aucune vidéo source indiquée.</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 % · %4 elapsed · about %5 left</source>
        <translation>%1 · %2 · %3&#x202f;% · écoulé&#x202f;: %4 · reste environ %5</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 % · %4 elapsed</source>
        <translation>%1 · %2 · %3&#x202f;% · écoulé&#x202f;: %4</translation>
    </message>
    <message>
        <source>Serves an exported folder on 127.0.0.1, as a web site would, and prints its page&apos;s address; Ctrl+C stops it.</source>
        <translation>Sert un dossier exporté sur 127.0.0.1, comme le ferait un site web, et affiche l’adresse de sa page&#x202f;; Ctrl+C l’arrête.</translation>
    </message>
    <message>
        <source>The port to listen on (default: one the system picks).</source>
        <translation>Le port d’écoute (par défaut&#x202f;: un port choisi par le système).</translation>
    </message>
    <message>
        <source>Opens the page in the browser.</source>
        <translation>Ouvre la page dans le navigateur.</translation>
    </message>
    <message>
        <source>Give one exported folder.</source>
        <translation>Indiquez un dossier exporté.</translation>
    </message>
    <message>
        <source>%1 holds no exported page (%2).</source>
        <translation>%1 ne contient aucune page exportée (%2).</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535.</source>
        <translation>--port attend un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>nothing can listen on 127.0.0.1:%1.</source>
        <translation>rien ne peut écouter sur 127.0.0.1:%1.</translation>
    </message>
    <message>
        <source>no browser could be opened (xdg-open).</source>
        <translation>aucun navigateur n’a pu être ouvert (xdg-open).</translation>
    </message>
    <message numerus="yes">
        <source>%n qualities, folder %1</source>
        <translation>
            <numerusform>%n qualité, dossier %1</numerusform>
            <numerusform>%n qualités, dossier %1</numerusform>
        </translation>
    </message>
    <message>
        <source>one quality: %1</source>
        <translation>une seule qualité&#x202f;: %1</translation>
    </message>
    <message>
        <source>Several qualities for slow connections (adaptive streaming): an hls folder with smaller qualities and their playlists, which the page plays by the quality the link allows; html5video.mp4 stays the top quality and the fallback.</source>
        <translation>Plusieurs qualités pour les connexions lentes (streaming adaptatif)&#x202f;: un dossier hls avec des qualités plus petites et leurs listes de lecture, que la page lit selon la qualité que permet la connexion&#x202f;; html5video.mp4 reste la meilleure qualité et la solution de repli.</translation>
    </message>
    <message>
        <source>The video&apos;s index at its end, as encoders write it; by default it comes first, so that browsers start playing sooner.</source>
        <translation>L’index de la vidéo à la fin, comme l’écrivent les encodeurs&#x202f;; par défaut il vient en premier, pour que les navigateurs commencent la lecture plus tôt.</translation>
    </message>
    <message>
        <source>The video&apos;s index first (the default).</source>
        <translation>L’index de la vidéo en premier (par défaut).</translation>
    </message>
    <message>
        <source>One JSON object per source on standard output when it ends: source, folder, outcome, reason, code, targetBytes, av1Problem, av1ProblemCode, files (name, bytes), folderBytes, qualities (name, width, height, bandwidth, averageBandwidth, bytes), adaptiveSkipped, adaptiveSkippedCode, seconds.</source>
        <translation>Un objet JSON par source sur la sortie standard à la fin&#x202f;: source, folder, outcome, reason, code, targetBytes, av1Problem, av1ProblemCode, files (name, bytes), folderBytes, qualities (name, width, height, bandwidth, averageBandwidth, bytes), adaptiveSkipped, adaptiveSkippedCode, seconds.</translation>
    </message>
    <message>
        <source>The browser&apos;s own controls instead of the page&apos;s player (which shows thumbnails and chapters on its seek bar, answers the keyboard and the desktop&apos;s media keys); the page runs no script but an adaptive folder&apos;s.</source>
        <translation>Les commandes du navigateur au lieu du lecteur de la page (qui montre miniatures et chapitres sur sa barre de lecture, répond au clavier et aux touches multimédia du bureau)&#x202f;; la page n’exécute aucun script, sauf celui d’un dossier adaptatif.</translation>
    </message>
    <message>
        <source>No thumbnails of the video for the player&apos;s seek bar.</source>
        <translation>Pas de miniatures de la vidéo pour la barre de lecture du lecteur.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n&#xa0;octet</numerusform>
            <numerusform>%n&#xa0;octets</numerusform>
        </translation>
    </message>
    <message>
        <source>kB</source>
        <translation>ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>To</translation>
    </message>
    <message>
        <source>PB</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>EB</source>
        <translation>Eo</translation>
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
        <translation>La durée de la vidéo est inconnue&#x202f;: aucun débit n’a pu être donné à l’encodeur AV1.</translation>
    </message>
    <message>
        <source>SVT-AV1 makes no video smaller than %1 x %1 pixels; this one is %2.</source>
        <translation>SVT-AV1 ne produit aucune vidéo plus petite que %1 x %1 pixels&#x202f;; celle-ci fait %2.</translation>
    </message>
    <message>
        <source>The AV1 encoder stopped.</source>
        <translation>L’encodeur AV1&#xa0;s’est arrêté.</translation>
    </message>
    <message>
        <source>The AV1 encoder stopped:
%1</source>
        <translation>L’encodeur AV1&#xa0;s’est arrêté&#x202f;:
%1</translation>
    </message>
    <message>
        <source>The AV1 version could not be made as small as %1: it came to %2.</source>
        <translation>La version AV1 n’a pas pu être réduite à %1&#x202f;: elle a atteint %2.</translation>
    </message>
    <message>
        <source>AV1 version</source>
        <translation>Version AV1</translation>
    </message>
    <message>
        <source>AV1 correction</source>
        <translation>Correction AV1</translation>
    </message>
    <message>
        <source>Final pass</source>
        <translation>Passe finale</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Rate-capped pass</source>
        <translation>Passe à débit plafonné</translation>
    </message>
    <message>
        <source>%1 is not a frame size of this video, which keeps its shape: %2 (100 %), %3 (50 %) ...</source>
        <translation>%1 n’est pas une taille d’image de cette vidéo, qui garde ses proportions&#x202f;: %2 (100&#x202f;%), %3 (50&#x202f;%)…</translation>
    </message>
    <message>
        <source>The frame size %1 holds no picture.</source>
        <translation>La taille d’image %1 ne contient aucune image.</translation>
    </message>
    <message>
        <source>The poster&apos;s time %1 lies past the end of the video (%2).</source>
        <translation>L’instant de l’affiche, %1, se situe après la fin de la vidéo (%2).</translation>
    </message>
    <message>
        <source>The poster&apos;s time %1 lies outside the part kept (%2 – %3).</source>
        <translation>L’instant de l’affiche, %1, se situe hors de la partie gardée (%2 – %3).</translation>
    </message>
    <message>
        <source>No temporary folder could be made in %1.</source>
        <translation>Impossible de créer un dossier temporaire dans %1.</translation>
    </message>
    <message>
        <source>A limit of %1 leaves no rate for this video&apos;s picture.</source>
        <translation>Une limite de %1 ne laisse aucun débit à l’image de cette vidéo.</translation>
    </message>
    <message>
        <source>A limit of %1 leaves no rate for this video&apos;s picture, whose duration is unknown.</source>
        <translation>Une limite de %1 ne laisse aucun débit à l’image de cette vidéo, dont la durée est inconnue.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>Impossible d’écrire dans le dossier %1.</translation>
    </message>
    <message>
        <source>Measuring loudness</source>
        <translation>Mesure de la sonie</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Sonie</translation>
    </message>
    <message>
        <source>Analysing</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Encodage</translation>
    </message>
    <message>
        <source>Loudness correction</source>
        <translation>Correction de la sonie</translation>
    </message>
    <message>
        <source>Comparing both videos with the source</source>
        <translation>Comparaison des deux vidéos avec la source</translation>
    </message>
    <message>
        <source>“%1” is no longer there: it was moved, renamed or deleted after it was opened.</source>
        <translation>«&#x202f;%1&#x202f;» n’est plus là&#x202f;: le fichier a été déplacé, renommé ou supprimé après son ouverture.</translation>
    </message>
    <message>
        <source>“%1” can no longer be read: %2.</source>
        <translation>«&#x202f;%1&#x202f;» ne peut plus être lu&#x202f;: %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created in %2: %3.</source>
        <translation>Impossible de créer le dossier %1 dans %2&#x202f;: %3.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2.</source>
        <translation>Impossible d’écrire dans le dossier %1&#x202f;: %2.</translation>
    </message>
    <message>
        <source>The disk holding %1 has %2 free, and this export needs about %3. Free some space, or choose a smaller size or a folder on another disk.</source>
        <translation>Le disque qui contient %1 a %2 de libre, et cet export a besoin d’environ %3. Libérez de l’espace, ou choisissez une taille plus petite ou un dossier sur un autre disque.</translation>
    </message>
    <message>
        <source>The encoder (FFmpeg&apos;s ffmpeg, as &quot;creator&quot;) was not found in %1.</source>
        <translation>L’encodeur (ffmpeg de FFmpeg, sous le nom «&#x202f;creator&#x202f;») est introuvable dans %1.</translation>
    </message>
    <message>
        <source>The video could not be made as small as %1: it came to %2. The sound and the container alone take %3.</source>
        <translation>La vidéo n’a pas pu être réduite à %1&#x202f;: elle a atteint %2. Le son et le conteneur occupent à eux seuls %3.</translation>
    </message>
    <message>
        <source>The video could not be made as small as %1: it came to %2.</source>
        <translation>La vidéo n’a pas pu être réduite à %1&#x202f;: elle a atteint %2.</translation>
    </message>
    <message>
        <source>“%1” could no longer be read while it was exported.</source>
        <translation>«&#x202f;%1&#x202f;» n’a plus pu être lu pendant l’export.</translation>
    </message>
    <message>
        <source>“%1” was moved, renamed or deleted while it was exported.</source>
        <translation>«&#x202f;%1&#x202f;» a été déplacé, renommé ou supprimé pendant l’export.</translation>
    </message>
    <message>
        <source>The disk is full: %1 free, and this export needs about %2. Free some space, or choose a smaller size or a folder on another disk.</source>
        <translation>Le disque est plein&#x202f;: %1 de libre, et cet export a besoin d’environ %2. Libérez de l’espace, ou choisissez une taille plus petite ou un dossier sur un autre disque.</translation>
    </message>
    <message>
        <source>“%1” cannot be read past %2 of its %3: the file is cut short, as an unfinished copy or download is. A complete copy of it will export.</source>
        <translation>«&#x202f;%1&#x202f;» ne peut être lu au-delà de %2 sur %3&#x202f;: le fichier est tronqué, comme une copie ou un téléchargement inachevé. Une copie complète pourra être exportée.</translation>
    </message>
    <message>
        <source>%1 (%2) is incomplete: no player can open it.</source>
        <translation>%1 (%2) est incomplet&#x202f;: aucun lecteur ne peut l’ouvrir.</translation>
    </message>
    <message>
        <source>%1 holds only the first %2.</source>
        <translation>%1 ne contient que le début, jusqu’à %2.</translation>
    </message>
    <message>
        <source>Missing: %1.</source>
        <translation>Manquant&#x202f;: %1.</translation>
    </message>
    <message>
        <source>%1

In the folder %2: %3</source>
        <translation>%1

Dans le dossier %2&#x202f;: %3</translation>
    </message>
    <message>
        <source>The encoder stopped before the video was complete.</source>
        <translation>L’encodeur s’est arrêté avant que la vidéo soit complète.</translation>
    </message>
    <message>
        <source>The encoder stopped:
%1</source>
        <translation>L’encodeur s’est arrêté&#x202f;:
%1</translation>
    </message>
    <message>
        <source>The encoder wrote no video.</source>
        <translation>L’encodeur n’a écrit aucune vidéo.</translation>
    </message>
    <message>
        <source>No poster frame could be taken from the video.</source>
        <translation>Aucune image d’affiche n’a pu être tirée de la vidéo.</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>La page n’a pas pu être écrite.</translation>
    </message>
    <message>
        <source>The caption file %1 could not be written.</source>
        <translation>Le fichier de sous-titres %1 n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The folder holds files the export did not write: %1</source>
        <translation>Le dossier contient des fichiers que l’export n’a pas écrits&#x202f;: %1</translation>
    </message>
    <message>
        <source>The video written cannot be played.</source>
        <translation>La vidéo écrite ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The top folder of the computer can&apos;t be replaced.</source>
        <translation>Le dossier racine de l’ordinateur ne peut pas être remplacé.</translation>
    </message>
    <message>
        <source>“%1” holds your home folder and can&apos;t be replaced.</source>
        <translation>«&#x202f;%1&#x202f;» contient votre dossier personnel et ne peut pas être remplacé.</translation>
    </message>
    <message>
        <source>“%1” holds the video you are converting and can&apos;t be replaced.</source>
        <translation>«&#x202f;%1&#x202f;» contient la vidéo que vous convertissez et ne peut pas être remplacé.</translation>
    </message>
    <message>
        <source>Type a size of at least %1: %2 is less than 1 % of the video.</source>
        <translation>Saisissez une taille d’au moins %1&#x202f;: %2 représente moins de 1&#x202f;% de la vidéo.</translation>
    </message>
    <message>
        <source>Captions</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>“%1” is no longer the folder made for this export and was left alone.</source>
        <translation>«&#x202f;%1&#x202f;» n’est plus le dossier créé pour cet export et a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>The start %1 is not before the end %2.</source>
        <translation>Le début %1 n’est pas avant la fin %2.</translation>
    </message>
    <message>
        <source>The part from %1 to %2 is shorter than one frame (%3 s).</source>
        <translation>La partie de %1 à %2 est plus courte qu’une image (%3&#xa0;s).</translation>
    </message>
    <message>
        <source>The AV1 version was no sharper than the H.264 one (SSIM %1 against %2), so the page offers the H.264 video alone.</source>
        <translation>La version AV1 n’était pas plus nette que la version H.264 (SSIM %1 contre %2)&#x202f;: la page ne propose donc que la vidéo H.264.</translation>
    </message>
    <message>
        <source>The minimal page names one video without its codecs, so no AV1 version is made for it.</source>
        <translation>La page minimale nomme une seule vidéo sans ses codecs&#x202f;: aucune version AV1 n’est donc créée pour elle.</translation>
    </message>
    <message>
        <source>The web player %1 could not be copied from %2.</source>
        <translation>Le lecteur web %1 n’a pas pu être copié depuis %2.</translation>
    </message>
    <message>
        <source>The quality %1 was not written as segments.</source>
        <translation>La qualité %1 n’a pas été écrite en segments.</translation>
    </message>
    <message numerus="yes">
        <source>The video is shorter than %n seconds: it plays well enough as one file.</source>
        <translation>
            <numerusform>La vidéo dure moins de %n seconde&#x202f;: elle se lit assez bien en un seul fichier.</numerusform>
            <numerusform>La vidéo dure moins de %n secondes&#x202f;: elle se lit assez bien en un seul fichier.</numerusform>
        </translation>
    </message>
    <message>
        <source>The video needs less than %1 kb/s: it plays well enough as one file on slow connections.</source>
        <translation>La vidéo demande moins de %1 kb/s&#x202f;: elle se lit assez bien en un seul fichier, même sur une connexion lente.</translation>
    </message>
    <message>
        <source>The frame is smaller than 320 x 180: there is no smaller quality worth making.</source>
        <translation>L’image est plus petite que 320 x 180&#x202f;: aucune qualité plus petite ne vaut la peine.</translation>
    </message>
    <message numerus="yes">
        <source>Encoding %n smaller qualities</source>
        <translation>
            <numerusform>Encodage de %n qualité plus petite</numerusform>
            <numerusform>Encodage de %n qualités plus petites</numerusform>
        </translation>
    </message>
    <message>
        <source>Writing the playlists</source>
        <translation>Écriture des listes de lecture</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Chapitre %1</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniatures</translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message>
        <source>Creating HTML5 Video...</source>
        <translation>Création de la vidéo HTML5…</translation>
    </message>
    <message>
        <source>Waiting for the export under way in the queue to end...</source>
        <translation>En attente de la fin de l’export en cours dans la file…</translation>
    </message>
    <message>
        <source>HTML5 video created</source>
        <translation>Vidéo HTML5 créée</translation>
    </message>
    <message>
        <source>Oops! Something went wrong!</source>
        <translation>Oups&#x202f;! Quelque chose s’est mal passé&#x202f;!</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation>Contact&#x202f;: %1</translation>
    </message>
    <message>
        <source>HTML5 Video created Successfully!</source>
        <translation>La vidéo HTML5 a bien été créée&#x202f;!</translation>
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

La version AV1 n’a pas pu être créée&#x202f;: la page ne propose donc que la vidéo H.264. %2</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Ouvrir dans le navigateur</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>%1 · Elapsed %2, about %3 left</source>
        <comment>the run, the time so far, the time left</comment>
        <translation>%1 · écoulé&#x202f;: %2, reste environ %3</translation>
    </message>
    <message>
        <source>%1 · Elapsed %2</source>
        <comment>the run and the time so far</comment>
        <translation>%1 · écoulé&#x202f;: %2</translation>
    </message>
    <message>
        <source>The folder holds one quality only: %1</source>
        <translation>Le dossier ne contient qu’une qualité&#x202f;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n qualities for slow connections, %1 in all:</source>
        <translation>
            <numerusform>%n qualité pour les connexions lentes, %1 en tout&#x202f;:</numerusform>
            <numerusform>%n qualités pour les connexions lentes, %1 en tout&#x202f;:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 × %3, %4 Mb/s, %5</source>
        <comment>a quality&apos;s name, width, height, average megabits per second and bytes</comment>
        <translation>%1&#x202f;: %2 × %3, %4 Mbit/s, %5</translation>
    </message>
</context>
<context>
    <name>HelpSheet</name>
    <message>
        <source>Videofold Help</source>
        <translation>Aide de Videofold</translation>
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
        <translation>&lt;h3&gt;Mettre une vidéo sur votre site web&lt;/h3&gt;
&lt;p&gt;Ouvrez une vidéo avec &lt;b&gt;Ouvrir une vidéo&lt;/b&gt;, ou déposez-la sur la fenêtre.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Taille d’image&lt;/b&gt; règle la taille de l’image de la nouvelle vidéo, en pourcentage de celle de l’original.
&lt;b&gt;Taille visée&lt;/b&gt; règle la taille que doit atteindre le fichier vidéo, en pourcentage du fichier original.
&lt;b&gt;Image d’affiche&lt;/b&gt; choisit l’image fixe montrée avant la lecture.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Enregistrer la vidéo HTML5&lt;/b&gt; crée un nouveau dossier contenant la vidéo (html5video.mp4), son affiche
(poster.jpg) et une page web qui la lit (html5Video.html). Copiez le dossier sur votre site web.&lt;/p&gt;
&lt;p&gt;Les options du lecteur de la page (commandes, lecture automatique, boucle, sans le son) se trouvent dans Édition › Préférences.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Get Quillreel</source>
        <translation>Obtenir Quillreel</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Autres applications</translation>
    </message>
    <message>
        <source>Message the Developer</source>
        <translation>Écrire au développeur</translation>
    </message>
    <message>
        <source>Rate Videofold</source>
        <translation>Noter Videofold</translation>
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
        <translation>Instant de début</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Instant de fin</translation>
    </message>
    <message>
        <source>%1 – %2, %3 s</source>
        <comment>the kept part&apos;s start, end and length</comment>
        <translation>%1 – %2, %3&#xa0;s</translation>
    </message>
    <message>
        <source>%1 – %2, %3 s (the whole video)</source>
        <comment>the kept part&apos;s start, end and length</comment>
        <translation>%1 – %2, %3&#xa0;s (toute la vidéo)</translation>
    </message>
    <message>
        <source>“%1” is not a time: type one as 0:05.2 or 12.5, or a share as 10%.</source>
        <translation>«&#x202f;%1&#x202f;» n’est pas un instant&#x202f;: saisissez-en un comme 0:05,2 ou 12,5, ou une part comme 10%.</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>of %1 (%2 %)</source>
        <comment>beside a slider: the source&apos;s size or frame size, and the share chosen</comment>
        <translation>de %1 (%2&#x202f;%)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open a video, or drop it here.</source>
        <translation>Ouvrez une vidéo, ou déposez-la ici.</translation>
    </message>
    <message>
        <source>Frame si&amp;ze</source>
        <translation>Ta&amp;ille d’image</translation>
    </message>
    <message>
        <source>Output frame size, as a percentage of the source&apos;s</source>
        <translation>Taille d’image de la sortie, en pourcentage de celle de la source</translation>
    </message>
    <message>
        <source>&amp;Target size</source>
        <translation>&amp;Taille visée</translation>
    </message>
    <message>
        <source>Target size of the video, as a percentage of the source file&apos;s</source>
        <translation>Taille visée de la vidéo, en pourcentage de celle du fichier source</translation>
    </message>
    <message>
        <source>Type a size limit (8 MB, 750 kB) or pick a common one: the video is never larger</source>
        <translation>Saisissez une limite de taille (8&#xa0;Mo, 750&#xa0;ko) ou choisissez-en une courante&#x202f;: la vidéo ne la dépasse jamais</translation>
    </message>
    <message>
        <source>10 MB</source>
        <translation>10&#xa0;Mo</translation>
    </message>
    <message>
        <source>25 MB</source>
        <translation>25&#xa0;Mo</translation>
    </message>
    <message>
        <source>50 MB</source>
        <translation>50&#xa0;Mo</translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation>100&#xa0;Mo</translation>
    </message>
    <message>
        <source>&amp;Poster frame</source>
        <translation>Image d’affi&amp;che</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Dé&amp;but</translation>
    </message>
    <message>
        <source>Where the published clip starts; drag to see the frame</source>
        <translation>Où commence l’extrait publié&#x202f;; faites glisser pour voir l’image</translation>
    </message>
    <message>
        <source>The start as a time (0:05.2) or a share of the video (10%)</source>
        <translation>Le début comme instant (0:05,2) ou comme part de la vidéo (10%)</translation>
    </message>
    <message>
        <source>The start at the poster frame (I)</source>
        <translation>Le début à l’image d’affiche (I)</translation>
    </message>
    <message>
        <source>Set Sta&amp;rt</source>
        <translation>Définir le déb&amp;ut</translation>
    </message>
    <message>
        <source>E&amp;nd</source>
        <translation>Fi&amp;n</translation>
    </message>
    <message>
        <source>Where the published clip ends; drag to see the frame</source>
        <translation>Où se termine l’extrait publié&#x202f;; faites glisser pour voir l’image</translation>
    </message>
    <message>
        <source>The end as a time (0:42.0) or a share of the video (90%)</source>
        <translation>La fin comme instant (0:42,0) ou comme part de la vidéo (90%)</translation>
    </message>
    <message>
        <source>The end at the poster frame (O)</source>
        <translation>La fin à l’image d’affiche (O)</translation>
    </message>
    <message>
        <source>Set En&amp;d</source>
        <translation>Défini&amp;r la fin</translation>
    </message>
    <message>
        <source>Position of the poster still in the video</source>
        <translation>Position de l’image d’affiche dans la vidéo</translation>
    </message>
    <message>
        <source>Media Information</source>
        <translation>Informations sur le média</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>Ouvrir une vidéo</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>Save HTML5 Video</source>
        <translation>Enregistrer la vidéo HTML5</translation>
    </message>
    <message>
        <source>&amp;Add to Queue...</source>
        <translation>Ajouter à la &amp;file d’attente…</translation>
    </message>
    <message>
        <source>Add to Queue</source>
        <translation>Ajouter à la file d’attente</translation>
    </message>
    <message>
        <source>Export this video with these settings after the others, while you go on working</source>
        <translation>Exporter cette vidéo avec ces réglages après les autres, pendant que vous continuez à travailler</translation>
    </message>
    <message>
        <source>Export Se&amp;veral Videos...</source>
        <translation>Exporter &amp;plusieurs vidéos…</translation>
    </message>
    <message>
        <source>Videofold &amp;Help</source>
        <translation>&amp;Aide de Videofold</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>&amp;About Videofold</source>
        <translation>À &amp;propos de Videofold</translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <source>Poster</source>
        <translation>Affiche</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Tall</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Text-Based</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Image-Based</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Home Video</source>
        <translation>Vidéo personnelle</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Audiobook</source>
        <translation>Livre audio</translation>
    </message>
    <message>
        <source>Music Video</source>
        <translation>Clip musical</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>TV Show</source>
        <translation>Émission de télévision</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Livret</translation>
    </message>
    <message>
        <source>Ringtone</source>
        <translation>Sonnerie</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Podcast</translation>
    </message>
    <message>
        <source>Alert Tone</source>
        <translation>Son d’alerte</translation>
    </message>
    <message numerus="yes">
        <source>%n chapter(s)</source>
        <translation>
            <numerusform>%n chapitre</numerusform>
            <numerusform>%n chapitres</numerusform>
        </translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Piste %1</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistes</translation>
    </message>
    <message>
        <source>Container</source>
        <translation>Conteneur</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Chapitres</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the picture&apos;s shape and its size: Wide: 1920x1080 (1080p)</comment>
        <translation>%1&#x202f;: %2</translation>
    </message>
</context>
<context>
    <name>OpenFlow</name>
    <message>
        <source>Analyzing File...</source>
        <translation>Analyse du fichier…</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation>Contact&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>OutputControls</name>
    <message>
        <source>Size limit</source>
        <translation>Limite de taille</translation>
    </message>
    <message>
        <source>“%1” is not a size: type one as 8 MB, 750 kB or 25MB.</source>
        <translation>«&#x202f;%1&#x202f;» n’est pas une taille&#x202f;: saisissez-en une comme 8&#xa0;Mo, 750&#xa0;ko ou 25Mo.</translation>
    </message>
    <message>
        <source>Poster frame at %1</source>
        <translation>Image d’affiche à %1</translation>
    </message>
</context>
<context>
    <name>OutputFolderDialog</name>
    <message>
        <source>Create HTML5 Video</source>
        <translation>Créer la vidéo HTML5</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>Créer un dossier</translation>
    </message>
    <message>
        <source>Named:</source>
        <translation>Nom&#x202f;:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>«&#x202f;%1&#x202f;» existe déjà. Voulez-vous le remplacer&#x202f;?</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>The web page&apos;s video player:</source>
        <translation>Le lecteur vidéo de la page web&#x202f;:</translation>
    </message>
    <message>
        <source>Show playback c&amp;ontrols</source>
        <translation>Afficher les &amp;commandes de lecture</translation>
    </message>
    <message>
        <source>Start playing &amp;automatically</source>
        <translation>Lancer la lecture &amp;automatiquement</translation>
    </message>
    <message>
        <source>Browsers start only muted videos by themselves.</source>
        <translation>Les navigateurs ne lancent d’eux-mêmes que les vidéos sans le son.</translation>
    </message>
    <message>
        <source>&amp;Loop</source>
        <translation>Lire en &amp;boucle</translation>
    </message>
    <message>
        <source>Start &amp;muted</source>
        <translation>Démarrer &amp;sans le son</translation>
    </message>
    <message>
        <source>Puts the video&apos;s index first, so browsers start playing before the whole file has arrived</source>
        <translation>Place l’index de la vidéo en tête, pour que les navigateurs lancent la lecture avant que tout le fichier soit arrivé</translation>
    </message>
    <message>
        <source>Start playing &amp;while downloading (fast start)</source>
        <translation>Lire &amp;pendant le téléchargement (démarrage rapide)</translation>
    </message>
    <message>
        <source>The export:</source>
        <translation>L’export&#x202f;:</translation>
    </message>
    <message>
        <source>One run of the encoder instead of two: about a third faster, but the video can end up well above or below the target size</source>
        <translation>Un passage de l’encodeur au lieu de deux&#x202f;: environ un tiers plus rapide, mais la vidéo peut finir bien au-dessus ou en dessous de la taille visée</translation>
    </message>
    <message>
        <source>&amp;Faster export (approximate size)</source>
        <translation>Export plus &amp;rapide (taille approximative)</translation>
    </message>
    <message>
        <source>A second video in AV1, a sharper picture for the same size, which the page offers first to the browsers that play it; the H.264 video stays for all others. The export takes about twice as long.</source>
        <translation>Une seconde vidéo en AV1, une image plus nette pour la même taille, que la page propose d’abord aux navigateurs qui la lisent&#x202f;; la vidéo H.264 reste pour tous les autres. L’export prend environ deux fois plus de temps.</translation>
    </message>
    <message>
        <source>A&amp;V1 version for modern browsers</source>
        <translation>&amp;Version AV1 pour les navigateurs récents</translation>
    </message>
    <message>
        <source>The sound brought to the loudness web players expect (-16 LUFS, peaks at most -1 dBTP), so that clips recorded at different levels sound alike on one page; a silent track is left alone</source>
        <translation>Le son est amené à la sonie attendue par les lecteurs web (-16&#xa0;LUFS, crêtes d’au plus -1&#xa0;dBTP), pour que des clips enregistrés à des niveaux différents sonnent pareil sur une page&#x202f;; une piste silencieuse reste telle quelle</translation>
    </message>
    <message>
        <source>Even loud&amp;ness for the web (-16 LUFS)</source>
        <translation>Sonie &amp;homogène pour le web (-16&#xa0;LUFS)</translation>
    </message>
    <message>
        <source>Only the video element, without a title, captions or a layout for phones: for pasting into a page of your own</source>
        <translation>Seulement l’élément vidéo, sans titre, sous-titres ni mise en page pour téléphones&#x202f;: à coller dans une page à vous</translation>
    </message>
    <message>
        <source>Minimal &amp;page</source>
        <translation>Page &amp;minimale</translation>
    </message>
    <message>
        <source>Smaller versions of the video beside it, between which the page switches as the visitor&apos;s connection allows, so that it plays without standing still on a slow link; the video itself stays for browsers without JavaScript</source>
        <translation>Des versions plus petites de la vidéo à côté d’elle, entre lesquelles la page bascule selon ce que permet la connexion du visiteur, pour une lecture sans arrêt même sur une connexion lente&#x202f;; la vidéo elle-même reste pour les navigateurs sans JavaScript</translation>
    </message>
    <message>
        <source>Several &amp;qualities for slow connections (adaptive streaming)</source>
        <translation>Plusieurs &amp;qualités pour les connexions lentes (streaming adaptatif)</translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <source>App does not support opening of &apos;.vob&apos; files</source>
        <translation>L’application ne peut pas ouvrir les fichiers «&#x202f;.vob&#x202f;»</translation>
    </message>
    <message>
        <source>App does not support opening of &apos;.hevc&apos; files for now.</source>
        <translation>L’application ne peut pas ouvrir les fichiers «&#x202f;.hevc&#x202f;» pour le moment.</translation>
    </message>
    <message>
        <source>Seems to be an unsupported file. Does the video play in VLC Player?</source>
        <translation>Ce fichier ne semble pas pris en charge. La vidéo se lit-elle dans VLC&#x202f;?</translation>
    </message>
    <message>
        <source>Unknown File Size</source>
        <translation>Taille de fichier inconnue</translation>
    </message>
    <message>
        <source>Could not read the movie information: malformed binary property list</source>
        <translation>Impossible de lire les informations du film&#x202f;: liste de propriétés binaire mal formée</translation>
    </message>
    <message>
        <source>Could not read the movie information: not a valid XML or binary property list</source>
        <translation>Impossible de lire les informations du film&#x202f;: ni une liste de propriétés XML ni une liste binaire valide</translation>
    </message>
    <message>
        <source>Could not read the movie information: a NUL character in XML</source>
        <translation>Impossible de lire les informations du film&#x202f;: un caractère NUL dans le XML</translation>
    </message>
    <message>
        <source>Its first bytes: %1 (“%2”).</source>
        <translation>Ses premiers octets&#x202f;: %1 («&#x202f;&#x202f;%2&#x202f;&#x202f;»).</translation>
    </message>
    <message>
        <source>The file is no longer there: it was moved, renamed or deleted.</source>
        <translation>Le fichier n’est plus là&#x202f;: il a été déplacé, renommé ou supprimé.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu&#x202f;: %1.</translation>
    </message>
    <message>
        <source>The file is empty (0 bytes).</source>
        <translation>Le fichier est vide (0&#xa0;octet).</translation>
    </message>
    <message>
        <source>It cannot be read as a video: %1.</source>
        <translation>Il ne peut pas être lu comme une vidéo&#x202f;: %1.</translation>
    </message>
    <message>
        <source>It cannot be read as a video.</source>
        <translation>Il ne peut pas être lu comme une vidéo.</translation>
    </message>
    <message>
        <source>It is encrypted (protected by DRM).</source>
        <translation>Il est chiffré (protégé par DRM).</translation>
    </message>
    <message numerus="yes">
        <source>It holds no video track, only %n other track(s).</source>
        <translation>
            <numerusform>Il ne contient aucune piste vidéo, seulement %n autre piste.</numerusform>
            <numerusform>Il ne contient aucune piste vidéo, seulement %n autres pistes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressSheet</name>
    <message>
        <source>Analyzing File...</source>
        <translation>Analyse du fichier…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QueueFlow</name>
    <message>
        <source>Choose the Videos to Export</source>
        <translation>Choisir les vidéos à exporter</translation>
    </message>
    <message>
        <source>Choose a Folder for the HTML5 Videos</source>
        <translation>Choisir un dossier pour les vidéos HTML5</translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation>Exporter ici</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file&apos;s name and why it can&apos;t be exported</comment>
        <translation>%1&#x202f;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) can&apos;t be exported.</source>
        <translation>
            <numerusform>%n fichier ne peut pas être exporté.</numerusform>
            <numerusform>%n fichiers ne peuvent pas être exportés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export All...</source>
        <translation>Tout exporter…</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ignorer</translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) were given: the first is open. Set the sliders, then export them all with these settings, each into a folder named after it.</source>
        <translation>
            <numerusform>%n vidéo a été donnée&#x202f;: elle est ouverte. Réglez les curseurs, puis exportez-la avec ces réglages dans un dossier portant son nom.</numerusform>
            <numerusform>%n vidéos ont été données&#x202f;: la première est ouverte. Réglez les curseurs, puis exportez-les toutes avec ces réglages, chacune dans un dossier portant son nom.</numerusform>
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
            <numerusform>%n export ne s’est pas terminé. L’ajouter de nouveau à la file d’attente&#x202f;?</numerusform>
            <numerusform>%n exports ne se sont pas terminés. Les ajouter de nouveau à la file d’attente&#x202f;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Add to Queue</source>
        <translation>Ajouter à la file d’attente</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Some exports can&apos;t start again.</source>
        <translation>Certains exports ne peuvent pas reprendre.</translation>
    </message>
    <message>
        <source>The export queue is empty.</source>
        <translation>La file d’attente des exports est vide.</translation>
    </message>
</context>
<context>
    <name>QueuePanel</name>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>%1, %2 %</source>
        <comment>a run&apos;s name and how far it is</comment>
        <translation>%1, %2&#x202f;%</translation>
    </message>
    <message>
        <source>Done: %1 of %2</source>
        <translation>Terminé&#x202f;: %1 sur %2</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec&#x202f;: %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message numerus="yes">
        <source>%n export(s) failed</source>
        <translation>
            <numerusform>%n export a échoué</numerusform>
            <numerusform>%n exports ont échoué</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n HTML5 video(s) created</source>
        <translation>
            <numerusform>%n vidéo HTML5 créée</numerusform>
            <numerusform>%n vidéos HTML5 créées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n failed</source>
        <comment>how many HTML5 videos were created, then how many exports failed</comment>
        <translation>
            <numerusform>%1, %n échec</numerusform>
            <numerusform>%1, %n échecs</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Queue</source>
        <translation>File d’attente des exports</translation>
    </message>
    <message>
        <source>Cancel All</source>
        <translation>Tout annuler</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Retirer les terminés</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel %1</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Ouvrir dans le navigateur</translation>
    </message>
    <message>
        <source>Open %1 in Browser</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation>Ouvrir %1 dans le navigateur</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation>Afficher %1 dans le dossier</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>An HTML5 video is being created. Stop it and quit?</source>
        <translation>Une vidéo HTML5 est en cours de création. L’arrêter et quitter&#x202f;?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
    <message numerus="yes">
        <source>%n export(s) are not finished. Stop them and quit?</source>
        <translation>
            <numerusform>%n export n’est pas terminé. L’arrêter et quitter&#x202f;?</numerusform>
            <numerusform>%n exports ne sont pas terminés. Les arrêter et quitter&#x202f;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Menu</source>
        <translation>Effacer la liste</translation>
    </message>
</context>
<context>
    <name>SaveFlow</name>
    <message>
        <source>Please choose another name for the HTML5 video folder.</source>
        <translation>Veuillez choisir un autre nom pour le dossier de la vidéo HTML5.</translation>
    </message>
    <message>
        <source>“%1” is, holds or lies in the folder of an export still in the queue (%2).</source>
        <translation>«&#x202f;%1&#x202f;» est, contient ou se trouve dans le dossier d’un export encore en file d’attente (%2).</translation>
    </message>
    <message>
        <source>The HTML5 video can&apos;t be created.</source>
        <translation>La vidéo HTML5 ne peut pas être créée.</translation>
    </message>
</context>
<context>
    <name>Serve</name>
    <message>
        <source>The preview server could not listen on 127.0.0.1</source>
        <translation>Le serveur d’aperçu n’a pas pu écouter sur 127.0.0.1</translation>
    </message>
</context>
</TS>
