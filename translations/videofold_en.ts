<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CommandLine</name>
    <message numerus="yes">
        <source>%n qualities, folder %1</source>
        <translation>
            <numerusform>%n quality, folder %1</numerusform>
            <numerusform>%n qualities, folder %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message numerus="yes">
        <source>The video is shorter than %n seconds: it plays well enough as one file.</source>
        <translation>
            <numerusform>The video is shorter than %n second: it plays well enough as one file.</numerusform>
            <numerusform>The video is shorter than %n seconds: it plays well enough as one file.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoding %n smaller qualities</source>
        <translation>
            <numerusform>Encoding %n smaller quality</numerusform>
            <numerusform>Encoding %n smaller qualities</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportSheet</name>
    <message numerus="yes">
        <source>%n qualities for slow connections, %1 in all:</source>
        <translation>
            <numerusform>%n quality for slow connections, %1 in all:</numerusform>
            <numerusform>%n qualities for slow connections, %1 in all:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MediaInfo</name>
    <message numerus="yes">
        <source>%n chapter(s)</source>
        <translation>
            <numerusform>Number of Chapters: %n</numerusform>
            <numerusform>Number of Chapters: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message numerus="yes">
        <source>It holds no video track, only %n other track(s).</source>
        <translation>
            <numerusform>It holds no video track, only %n other track.</numerusform>
            <numerusform>It holds no video track, only %n other tracks.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QueueFlow</name>
    <message numerus="yes">
        <source>%n file(s) can&apos;t be exported.</source>
        <translation>
            <numerusform>%n file can&apos;t be exported.</numerusform>
            <numerusform>%n files can&apos;t be exported.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) were given: the first is open. Set the sliders, then export them all with these settings, each into a folder named after it.</source>
        <translation>
            <numerusform>%n video was given: it is open. Set the sliders, then export it with these settings into a folder named after it.</numerusform>
            <numerusform>%n videos were given: the first is open. Set the sliders, then export them all with these settings, each into a folder named after it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n export(s) did not finish. Add them to the queue again?</source>
        <translation>
            <numerusform>%n export did not finish. Add it to the queue again?</numerusform>
            <numerusform>%n exports did not finish. Add them to the queue again?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QueuePanel</name>
    <message numerus="yes">
        <source>%n export(s) failed</source>
        <translation>
            <numerusform>%n export failed</numerusform>
            <numerusform>%n exports failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n HTML5 video(s) created</source>
        <translation>
            <numerusform>%n HTML5 video created</numerusform>
            <numerusform>%n HTML5 videos created</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n failed</source>
        <comment>how many HTML5 videos were created, then how many exports failed</comment>
        <translation>
            <numerusform>%1, %n failed</numerusform>
            <numerusform>%1, %n failed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message numerus="yes">
        <source>%n export(s) are not finished. Stop them and quit?</source>
        <translation>
            <numerusform>%n export is not finished. Stop it and quit?</numerusform>
            <numerusform>%n exports are not finished. Stop them and quit?</numerusform>
        </translation>
    </message>
</context>
</TS>
