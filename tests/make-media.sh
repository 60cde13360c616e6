#!/bin/sh
# Makes the small media files the probe tests read, with FFmpeg's lavfi sources.
set -eu
out=$1
ffmpeg=${FFMPEG:-ffmpeg}
rm -rf "$out"
mkdir -p "$out"
cd "$out"

make() { "$ffmpeg" -nostdin -hide_banner -loglevel error -y "$@"; }

make -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440:sample_rate=44100 \
    -t 2 -pix_fmt yuv420p -c:v libx264 -preset ultrafast -c:a aac -b:a 128k h264-aac.mp4
make -f lavfi -i testsrc=size=640x360:rate=30000/1001 -t 1 -pix_fmt yuv420p -c:v libx264 -preset ultrafast video-only.mp4
make -f lavfi -i sine=frequency=440 -t 1 -c:a aac audio-only.m4a

# A portrait phone video: the display matrix survives a stream copy.
make -i video-only.mp4 -c copy -metadata:s:v:0 rotate=90 rotated.mp4

# Anamorphic PAL: 720x576 stored, 16:9 shown.
make -f lavfi -i testsrc=size=720x576:rate=25 -vf setsar=64/45 -t 1 -c:v libx264 -preset ultrafast anamorphic.mp4

# Motion-JPEG video in Matroska is a video, not a cover picture.
make -f lavfi -i testsrc=size=320x240:rate=25 -t 1 -c:v mjpeg mjpeg.mkv

# Video, audio and a cover picture.
make -f lavfi -i testsrc=size=200x200:rate=1 -frames:v 1 cover.png
make -f lavfi -i testsrc=size=200x200:rate=1 -frames:v 1 still.jpg
make -f lavfi -i testsrc=size=64x48:rate=1 -frames:v 1 still.bmp
make -i h264-aac.mp4 -i cover.png -map 0 -map 1 -c:v:0 copy -c:a copy -c:v:1 png \
    -disposition:v:1 attached_pic with-cover.mp4

# Subtitles (one cue with an arrow in its text, which a browser must not read
# as a timing line), two audio tracks with languages, and chapters, in Matroska.
printf '1\n00:00:00,000 --> 00:00:01,000\nHello\n\n2\n00:00:01,000 --> 00:00:02,000\nBonjour --> salut\n' > subtitles.srt
cat > chapters.txt <<'META'
;FFMETADATA1
title=Chapter test
[CHAPTER]
TIMEBASE=1/1000
START=0
END=1200
title=Opening
[CHAPTER]
TIMEBASE=1/1000
START=1200
END=2000
title=Ending
META
make -i h264-aac.mp4 -f lavfi -i sine=frequency=880:duration=2 -i subtitles.srt -i chapters.txt \
    -map 0:v -map 0:a -map 1:a -map 2 -map_metadata 3 -map_chapters 3 \
    -c:v copy -c:a aac -c:s srt \
    -metadata:s:a:0 language=eng -metadata:s:a:1 language=ger -metadata:s:s:0 language=fre \
    subtitles.mkv

# Wider than any phone.
make -f lavfi -i testsrc=size=1280x720:rate=25 -t 2 -pix_fmt yuv420p -c:v libx264 -preset ultrafast wide.mp4

# Cells that grow in rows: a picture AV1 keeps sharper than H.264 at the same size.
make -f lavfi -i cellauto=size=320x240:rate=25:seed=1 -f lavfi -i sine=frequency=440 \
    -t 2 -pix_fmt yuv420p -c:v libx264 -preset ultrafast -c:a aac -shortest cells.mp4

# Hard to compress (moving noise), so an exact size is really spent: with
# stereo sound, with a quiet mono track, and with jittered frame times (a phone's
# variable frame rate).
make -f lavfi -i "testsrc2=size=320x180:rate=25,noise=alls=20:allf=t" -f lavfi -i sine=frequency=300:sample_rate=48000 \
    -t 3 -pix_fmt yuv420p -c:v libx264 -preset ultrafast -crf 24 -c:a aac -ac 2 -b:a 128k noisy.mp4
make -f lavfi -i "testsrc2=size=320x180:rate=25,noise=alls=20:allf=t" \
    -f lavfi -i "sine=frequency=200:sample_rate=24000,volume=0.01" \
    -t 3 -pix_fmt yuv420p -c:v libx264 -preset ultrafast -crf 24 -c:a aac -ac 1 -b:a 24k quiet-mono.mp4
make -f lavfi -i "testsrc2=size=320x180:rate=30,noise=alls=20:allf=t" \
    -vf "settb=1/1000,setpts='(N+0.4*mod(N\\,2)+0.3*mod(N\\,3))/30/TB'" -fps_mode passthrough -enc_time_base 1/1000 \
    -t 3 -pix_fmt yuv420p -c:v libx264 -preset ultrafast -crf 24 vfr.mp4

# A sharp 1080p test pattern, for the poster's sharpness.
make -f lavfi -i testsrc2=size=1920x1080:rate=25 -t 1 -pix_fmt yuv420p -c:v libx264 -preset ultrafast -crf 8 sharp1080.mp4

# HDR as phones record it, 10-bit BT.2020 in HLG and in PQ, and the same picture in SDR.
sdr_to() {
    make -f lavfi -i testsrc2=size=320x240:rate=25 -t 1 \
        -vf "zscale=rin=full:tin=bt709:pin=bt709:min=bt709:t=$1:p=bt2020:m=bt2020nc:r=tv:npl=100,format=yuv420p10le" \
        -c:v libx264 -preset ultrafast -color_primaries bt2020 -color_trc "$1" -colorspace bt2020nc "$2"
}
sdr_to arib-std-b67 hlg.mp4
sdr_to smpte2084 pq.mp4
make -f lavfi -i testsrc2=size=320x240:rate=25 -t 1 -pix_fmt yuv420p -c:v libx264 -preset ultrafast sdr.mp4

# Captions for visitors: English (the default) and German, as text subtitles.
make -i h264-aac.mp4 -i subtitles.srt -i subtitles.srt -map 0 -map 1 -map 2 -c:v copy -c:a copy -c:s srt \
    -metadata:s:s:0 language=eng -metadata:s:s:1 language=ger -disposition:s:0 default -disposition:s:1 0 \
    captions.mkv

make -i h264-aac.mp4 -i chapters.txt -map 0 -map_metadata 1 -map_chapters 1 -c copy chapters.mp4

# Formats browsers cannot decode in hardware, a raw stream without a duration,
# and a longer source to cancel.
make -f lavfi -i testsrc=size=320x240:rate=25 -t 1 -pix_fmt yuv420p10le -c:v libx264 -preset ultrafast ten-bit.mp4
make -f lavfi -i testsrc=size=320x240:rate=25 -t 1 -pix_fmt yuv444p -c:v libx264 -preset ultrafast yuv444.mp4
make -f lavfi -i testsrc=size=320x240:rate=25 -t 1 -pix_fmt yuv420p -c:v libx264 -preset ultrafast -f h264 raw.h264
make -f lavfi -i testsrc=size=640x360:rate=25 -f lavfi -i sine=frequency=440 -t 60 -pix_fmt yuv420p \
    -c:v libx264 -preset ultrafast -c:a aac long.mp4

# Long enough and rich enough (about 950 kb/s) for smaller qualities beside it.
make -f lavfi -i "testsrc2=size=640x360:rate=25,noise=alls=8:allf=t" -f lavfi -i sine=frequency=300:sample_rate=48000 \
    -t 32 -pix_fmt yuv420p -c:v libx264 -preset ultrafast -crf 30 -c:a aac -b:a 96k ladder.mp4

# Brightness rising with time, from black at 0 s to white at 12 s, so that a
# thumbnail tells its time (with noise, for the bytes of a real picture);
# three chapters, the second untitled (in Matroska, which keeps it so).
cat > ramp-chapters.txt <<'META'
;FFMETADATA1
[CHAPTER]
TIMEBASE=1/1000
START=0
END=4000
title=Dark
[CHAPTER]
TIMEBASE=1/1000
START=4000
END=8000
[CHAPTER]
TIMEBASE=1/1000
START=8000
END=12000
title=Light & bright
META
make -f lavfi -i "color=black:size=320x180:rate=25:duration=12,format=gray,geq=lum='255*T/12',noise=alls=12:allf=t" -i ramp-chapters.txt \
    -map 0:v -map_chapters 1 -pix_fmt yuv420p -c:v libx264 -preset ultrafast ramp.mkv

# MPEG-4 Part 2: a video stream browsers cannot decode, beside audio they can.
make -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 -t 3 -c:v mpeg4 -c:a aac mpeg4-part2.mp4

: > empty.mp4
printf 'Just some notes.\n' > notes.txt
cp h264-aac.mp4 "it's a \"clip\" – été.mp4"
cp h264-aac.mp4 ./-leading-dash.mp4
ln -s h264-aac.mp4 link.mp4
cp h264-aac.mp4 MOVIE.VOB
cp h264-aac.mp4 clip.hevc
mkdir folder
