<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppDelegate</name>
    <message>
        <source>No video is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for the AV1 encoder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder in %1 was built without SVT-AV1 (libsvtav1), which the AV1 version needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Videofold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFmpeg was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videofold %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns a video into a folder ready for the web: an H.264 video, a poster and a page that plays it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media work by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videofold is free software under the GNU General Public License, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Stopped by a signal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose another name for the HTML5 video folder. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists; --replace replaces it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 · video %3 of %4 · %5 · AV1 %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 · video %3 of %4 · %5 · no AV1 version: %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 · video %3 of %4 · %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--av1 needs an encoder with SVT-AV1 (libsvtav1), which %1 lacks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--av1 needs an encoder with SVT-AV1 (libsvtav1), and none was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without a command, opens the window (with a file or file:// URL, opens that video).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands and options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exports videos without a window; &apos;%1&apos; lists its options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serves an exported folder on 127.0.0.1 and prints its page&apos;s address, until Ctrl+C.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints where the media tools are and what the prober makes of a video.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder to create; with several sources, the folder that gets one folder per source, named after it. Default: HTML5Video in the current folder, or the current folder itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video&apos;s frame size: a share of the source&apos;s (50%) or one the frame-size slider reaches (1280x720). Default: 100%.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video&apos;s size: a share of the source file&apos;s (50%) or a limit in bytes, never exceeded (8MB, 750kB, 1.5GB, 8000000; units of 1000). Default: 100%.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The poster&apos;s frame: a share of the duration (40%) or a time (1:02.5). Default: the middle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the published clip starts: a share of the duration (10%) or a time (0:05.2). Default: the video&apos;s start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where it ends, as --start. Default: the video&apos;s end. The target size and --poster&apos;s share follow the kept part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One encoder run, about a third faster; the size can be well off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An AV1 version too (html5video-av1.mp4, same size limit), which the page offers first to the browsers that play it; the H.264 file stays the fallback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even loudness for the web: the sound at -16 LUFS with peaks at most -1 dBTP; a silent track is left alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just the video element in a bare page, without captions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video&apos;s index first, so that browsers start playing sooner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video starts by itself (and is muted, as browsers require).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video starts again at its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video starts without sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page shows no player controls.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaces an existing folder; without it, one is left untouched and the source fails.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No progress and no summary; errors only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One JSON object per source on standard output when it ends: source, folder, outcome, reason, code, targetBytes, av1Problem, av1ProblemCode, files (name, bytes), seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diagnostic lines, such as the encoder&apos;s arguments, on standard error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 when every source was exported; 1 when any was refused or failed (the others still run); 2 for a usage error, before anything is written; 130 after Ctrl+C, 143 after SIGTERM and 129 after SIGHUP, which stop the running export, remove its folder and skip the rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes %2, not &apos;%3&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns each video into a folder ready for a web site: html5video.mp4 (H.264), poster.jpg and html5Video.html.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a share such as 50% or a size such as 1280x720</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a share such as 50% or a size such as 8MB, 750kB or 8000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a share such as 40% or a time such as 1:02.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a share such as 10% or a time such as 0:05.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No source video given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 · %3 % · %4 elapsed · about %5 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 · %3 % · %4 elapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serves an exported folder on 127.0.0.1, as a web site would, and prints its page&apos;s address; Ctrl+C stops it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port to listen on (default: one the system picks).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the page in the browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give one exported folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no exported page (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing can listen on 127.0.0.1:%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no browser could be opened (xdg-open).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The video&apos;s duration is unknown, so no rate could be given to the AV1 encoder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVT-AV1 makes no video smaller than %1 x %1 pixels; this one is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AV1 encoder stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AV1 encoder stopped:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AV1 version could not be made as small as %1: it came to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AV1 version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AV1 correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate-capped pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a frame size of this video, which keeps its shape: %2 (100 %), %3 (50 %) ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame size %1 holds no picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The poster&apos;s time %1 lies past the end of the video (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The poster&apos;s time %1 lies outside the part kept (%2 – %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No temporary folder could be made in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A limit of %1 leaves no rate for this video&apos;s picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A limit of %1 leaves no rate for this video&apos;s picture, whose duration is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measuring loudness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loudness correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparing both videos with the source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is no longer there: it was moved, renamed or deleted after it was opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” can no longer be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created in %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk holding %1 has %2 free, and this export needs about %3. Free some space, or choose a smaller size or a folder on another disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder (FFmpeg&apos;s ffmpeg, as &quot;creator&quot;) was not found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video could not be made as small as %1: it came to %2. The sound and the container alone take %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video could not be made as small as %1: it came to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could no longer be read while it was exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was moved, renamed or deleted while it was exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full: %1 free, and this export needs about %2. Free some space, or choose a smaller size or a folder on another disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” cannot be read past %2 of its %3: the file is cut short, as an unfinished copy or download is. A complete copy of it will export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) is incomplete: no player can open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds only the first %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

In the folder %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder stopped before the video was complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder stopped:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder wrote no video.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No poster frame could be taken from the video.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The caption file %1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder holds files the export did not write: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video written cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The top folder of the computer can&apos;t be replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” holds your home folder and can&apos;t be replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” holds the video you are converting and can&apos;t be replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a size of at least %1: %2 is less than 1 % of the video.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Captions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is no longer the folder made for this export and was left alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start %1 is not before the end %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The part from %1 to %2 is shorter than one frame (%3 s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AV1 version was no sharper than the H.264 one (SSIM %1 against %2), so the page offers the H.264 video alone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message>
        <source>Creating HTML5 Video...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the export under way in the queue to end...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML5 video created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops! Something went wrong!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML5 Video created Successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

%2</source>
        <comment>the folder, then why the AV1 version was left out</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The AV1 version could not be made, so the page offers the H.264 video alone. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · Elapsed %2, about %3 left</source>
        <comment>the run, the time so far, the time left</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · Elapsed %2</source>
        <comment>the run and the time so far</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpSheet</name>
    <message>
        <source>Videofold Help</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Quillreel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message the Developer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate Videofold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeptPartControls</name>
    <message>
        <source>Start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – %2, %3 s</source>
        <comment>the kept part&apos;s start, end and length</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – %2, %3 s (the whole video)</source>
        <comment>the kept part&apos;s start, end and length</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a time: type one as 0:05.2 or 12.5, or a share as 10%.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>of %1 (%2 %)</source>
        <comment>beside a slider: the source&apos;s size or frame size, and the share chosen</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Videofold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a video, or drop it here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame si&amp;ze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output frame size, as a percentage of the source&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>–</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Target size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target size of the video, as a percentage of the source file&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a size limit (8 MB, 750 kB) or pick a common one: the video is never larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Poster frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the published clip starts; drag to see the frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start as a time (0:05.2) or a share of the video (10%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start at the poster frame (I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Sta&amp;rt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the published clip ends; drag to see the frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end as a time (0:42.0) or a share of the video (90%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end at the poster frame (O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set En&amp;d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position of the poster still in the video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save HTML5 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to &amp;Queue...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export this video with these settings after the others, while you go on working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Se&amp;veral Videos...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videofold &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Videofold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text-Based</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image-Based</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audiobook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ringtone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n chapter(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Container</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenFlow</name>
    <message>
        <source>Analyzing File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputControls</name>
    <message>
        <source>Size limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a size: type one as 8 MB, 750 kB or 25MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poster frame at %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputFolderDialog</name>
    <message>
        <source>Create HTML5 Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web page&apos;s video player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show playback &amp;controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start playing &amp;automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browsers start only muted videos by themselves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;muted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the video&apos;s index first, so browsers start playing before the whole file has arrived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start playing &amp;while downloading (fast start)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One run of the encoder instead of two: about a third faster, but the video can end up well above or below the target size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Faster export (approximate size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A second video in AV1, a sharper picture for the same size, which the page offers first to the browsers that play it; the H.264 video stays for all others. The export takes about twice as long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;AV1 version for modern browsers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound brought to the loudness web players expect (-16 LUFS, peaks at most -1 dBTP), so that clips recorded at different levels sound alike on one page; a silent track is left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even &amp;loudness for the web (-16 LUFS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the video element, without a title, captions or a layout for phones: for pasting into a page of your own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimal &amp;page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <source>App does not support opening of &apos;.vob&apos; files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App does not support opening of &apos;.hevc&apos; files for now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seems to be an unsupported file. Does the video play in VLC Player?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the movie information: malformed binary property list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the movie information: not a valid XML or binary property list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the movie information: a NUL character in XML</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressSheet</name>
    <message>
        <source>Videofold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyzing File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QueueFlow</name>
    <message>
        <source>Choose the Videos to Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Folder for the HTML5 Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file&apos;s name and why it can&apos;t be exported</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) can&apos;t be exported.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Export All...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) were given: the first is open. Set the sliders, then export them all with these settings, each into a folder named after it.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <comment>a video and the folder of its export</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n export(s) did not finish. Add them to the queue again?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Add to Queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some exports can&apos;t start again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export queue is empty.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QueuePanel</name>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 %</source>
        <comment>a run&apos;s name and how far it is</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n export(s) failed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n HTML5 video(s) created</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n failed</source>
        <comment>how many HTML5 videos were created, then how many exports failed</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Export Queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel %1</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open %1 in Browser</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <comment>a queued export&apos;s button; %1 is its video</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>An HTML5 video is being created. Stop it and quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n export(s) are not finished. Stop them and quit?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFlow</name>
    <message>
        <source>Please choose another name for the HTML5 video folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is, holds or lies in the folder of an export still in the queue (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The HTML5 video can&apos;t be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Serve</name>
    <message>
        <source>The preview server could not listen on 127.0.0.1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
