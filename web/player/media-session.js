// Tells the desktop what plays (the page's title, the poster as artwork) and
// lets its media keys and controls play, pause and seek the video; the previous
// and next track keys go to the chapters' starts where the video has chapters.
const seekStep = 10; // seconds, as the arrow keys

function chapterStarts(video) {
    const track = Array.from(video.textTracks).find((candidate) => candidate.kind === 'chapters');
    return track && track.cues ? Array.from(track.cues, (cue) => cue.startTime) : [];
}

function seekTo(video, time) {
    const end = Number.isFinite(video.duration) ? video.duration : time;
    video.currentTime = Math.max(0, Math.min(time, end));
}

function posterArtwork(video) {
    if (!video.poster)
        return [];
    const width = video.getAttribute('width');
    const height = video.getAttribute('height');
    const artwork = { src: new URL(video.poster, document.baseURI).href, type: 'image/jpeg' };
    if (width && height)
        artwork.sizes = width + 'x' + height;
    return [artwork];
}

function updatePosition(video) {
    if (!Number.isFinite(video.duration) || !navigator.mediaSession.setPositionState)
        return;
    navigator.mediaSession.setPositionState({ duration: video.duration, playbackRate: video.playbackRate,
                                              position: Math.min(video.currentTime, video.duration) });
}

function setHandler(action, handler) {
    try {
        navigator.mediaSession.setActionHandler(action, handler);
    } catch (unsupported) {
        // An older browser without this action: its key does nothing.
    }
}

export function announce(video) {
    if (!('mediaSession' in navigator) || typeof MediaMetadata === 'undefined')
        return;
    const session = navigator.mediaSession;
    session.metadata = new MediaMetadata({ title: document.title, artwork: posterArtwork(video) });

    setHandler('play', () => video.play().catch(() => {}));
    setHandler('pause', () => video.pause());
    setHandler('stop', () => { video.pause(); seekTo(video, 0); });
    setHandler('seekbackward', (details) => seekTo(video, video.currentTime - (details.seekOffset || seekStep)));
    setHandler('seekforward', (details) => seekTo(video, video.currentTime + (details.seekOffset || seekStep)));
    setHandler('seekto', (details) => {
        if (details.fastSeek && video.fastSeek)
            video.fastSeek(details.seekTime);
        else
            seekTo(video, details.seekTime);
    });
    if (!video.querySelector('track[kind="chapters"]'))
        return attachPosition(video);
    setHandler('previoustrack', () => {
        // Back to this chapter's start, or to the one before when just past it.
        const starts = chapterStarts(video).filter((start) => start < video.currentTime - 2);
        seekTo(video, starts.length ? starts[starts.length - 1] : 0);
    });
    setHandler('nexttrack', () => {
        const next = chapterStarts(video).find((start) => start > video.currentTime + 0.5);
        if (next !== undefined)
            seekTo(video, next);
    });

    attachPosition(video);
}

// Keeps the desktop's position bar and play state in step with the video.
function attachPosition(video) {
    for (const event of ['durationchange', 'ratechange', 'seeked', 'play', 'pause'])
        video.addEventListener(event, () => updatePosition(video));
    video.addEventListener('play', () => { navigator.mediaSession.playbackState = 'playing'; });
    video.addEventListener('pause', () => { navigator.mediaSession.playbackState = 'paused'; });
}
