// What the page runs first: its video with a play button over the poster, at
// once and light. The player itself (media-chrome, some 50 kB and a moment of
// the processor) comes at the first sign that the visitor will use it: the
// pointer over the video, a touch, the keyboard's focus, a play. A visitor who
// only looks at the page pays nothing for it, and a slow phone does not stall
// while the page opens. Should the player not load, the browser's controls
// come back.
(function () {
    'use strict';
    var script = document.currentScript;
    var video = document.querySelector('video[controls]');
    if (!video || !script || !window.customElements)
        return;
    var playerAddress = new URL('player.js', script.src).href;
    // The player's own word for it, in the page's language.
    var playWords = { en: 'Play', de: 'Abspielen', fr: 'Lire', es: 'Reproducir' };
    var language = (document.documentElement.lang || 'en').split('-')[0].toLowerCase();

    var stand = document.createElement('div');
    stand.style.cssText = 'position: relative; display: inline-block; max-width: 100%; line-height: 0';
    var button = document.createElement('button');
    button.type = 'button';
    button.setAttribute('aria-label', playWords[language] || playWords.en);
    button.style.cssText = 'position: absolute; inset: 0; margin: auto; width: 72px; height: 72px; padding: 18px;'
        + ' border: 0; border-radius: 50%; background: rgb(20 20 30 / .7); color: #fff; cursor: pointer';
    button.innerHTML = '<svg aria-hidden="true" viewBox="0 0 24 24" width="36" height="36" fill="currentColor">'
        + '<path d="m6 21 15-9L6 3v18Z"/></svg>';

    var loading = false;
    function standAside() {
        video.removeEventListener('click', play);
        stand.parentNode.insertBefore(video, stand);
        stand.remove();
    }
    function takeOver() {
        var focused = stand.contains(document.activeElement);
        standAside();
        var controller = window.videofoldPlayer.enhance(video);
        var play = controller.querySelector('media-play-button');
        if (focused && play)
            play.focus();
    }
    function giveBack() {
        standAside();
        video.controls = true;
    }
    function load() {
        if (loading)
            return;
        loading = true;
        var player = document.createElement('script');
        player.src = playerAddress;
        player.onload = function () { window.videofoldPlayer ? takeOver() : giveBack(); };
        player.onerror = giveBack;
        document.body.appendChild(player);
    }
    function play() {
        load();
        video.play().catch(function () {});
    }

    video.controls = false;
    video.parentNode.insertBefore(stand, video);
    stand.append(video, button);
    button.addEventListener('click', play);
    video.addEventListener('click', play);
    ['pointerenter', 'focusin', 'touchstart'].forEach(function (name) {
        stand.addEventListener(name, load, { passive: true });
    });
    video.addEventListener('play', load);
    if (video.autoplay)
        load();
})();
