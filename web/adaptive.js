// Plays an exported folder's qualities as the visitor's connection allows:
// through hls.js wherever Media Source Extensions exist, natively where the
// browser plays HLS itself (Safari on iOS). Everywhere else, and should the
// library fail, the page's MP4 plays as it would without this script. The
// qualities are offered to the page's player as the video's renditions.
(function () {
    'use strict';
    var video = document.querySelector('video[data-playlist]');
    if (!video)
        return;
    var playlist = video.getAttribute('data-playlist');
    var sources = Array.prototype.slice.call(video.querySelectorAll('source'));

    function playMp4(resume) {
        var firstTrack = video.querySelector('track');
        sources.forEach(function (source) { video.insertBefore(source, firstTrack); });
        video.removeAttribute('src');
        video.load();
        if (resume)
            video.play().catch(function () {});
    }

    // The library's levels as a player's quality menu reads them from a video:
    // a list of renditions, the chosen one's index, -1 while the library chooses.
    function offerRenditions(hls) {
        var renditions = new EventTarget();
        var count = 0;
        Object.defineProperty(renditions, 'length', { get: function () { return count; } });
        Object.defineProperty(renditions, 'selectedIndex', {
            get: function () { return !count || hls.autoLevelEnabled ? -1 : hls.manualLevel; },
            set: function (index) {
                hls.nextLevel = index; // from the next segment on, without a stall
                renditions.dispatchEvent(new Event('change'));
            }
        });
        renditions[Symbol.iterator] = function () {
            return Array.prototype.slice.call(renditions, 0, count)[Symbol.iterator]();
        };
        hls.on(window.Hls.Events.MANIFEST_PARSED, function (event, data) {
            data.levels.forEach(function (level, index) {
                renditions[index] = { id: String(index), width: level.width, height: level.height,
                                      bitrate: level.bitrate, selected: false };
            });
            count = data.levels.length;
            renditions.dispatchEvent(new Event('addrendition'));
        });
        video.videoRenditions = renditions;
        return function withdraw() {
            count = 0;
            renditions.dispatchEvent(new Event('removerendition'));
        };
    }

    if (window.Hls && window.Hls.isSupported()) {
        // The MP4 would compete with the segments for the link: it goes.
        sources.forEach(function (source) { source.remove(); });
        // The lowest quality first, for a quick first frame; the library climbs from there.
        var hls = new window.Hls({ startLevel: 0, autoStartLoad: false });
        var withdrawRenditions = offerRenditions(hls);
        var loading = false;
        var startLoading = function () {
            if (loading)
                return;
            loading = true;
            hls.startLoad(-1);
        };
        hls.on(window.Hls.Events.ERROR, function (event, data) {
            if (!data.fatal)
                return;
            hls.destroy();
            withdrawRenditions();
            playMp4(loading);
        });
        hls.loadSource(playlist);
        hls.attachMedia(video);
        // Nothing is fetched before the visitor plays, as the plain page does.
        if (video.autoplay || video.preload !== 'none')
            startLoading();
        else
            video.addEventListener('play', startLoading);
    } else if (video.canPlayType('application/vnd.apple.mpegurl')) {
        video.src = playlist;
    }
})();
