// Plays an exported folder's qualities as the visitor's connection allows:
// through hls.js wherever Media Source Extensions exist, natively where the
// browser plays HLS itself (Safari on iOS). Everywhere else, and should the
// library fail, the page's MP4 plays as it would without this script.
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

    if (window.Hls && window.Hls.isSupported()) {
        // The MP4 would compete with the segments for the link: it goes.
        sources.forEach(function (source) { source.remove(); });
        // The lowest quality first, for a quick first frame; the library climbs from there.
        var hls = new window.Hls({ startLevel: 0, autoStartLoad: false });
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
