// The page's player: media-chrome's controls around the page's own <video>,
// which plays with the browser's controls wherever this does not run. Seek bar thumbnails and chapters come from the video's metadata
// and chapters tracks, qualities from an adaptive folder's renditions, and the
// desktop's media keys from the Media Session.
import 'media-chrome/dist/media-controller.js';
import 'media-chrome/dist/media-control-bar.js';
import 'media-chrome/dist/media-play-button.js';
import 'media-chrome/dist/media-mute-button.js';
import 'media-chrome/dist/media-volume-range.js';
import 'media-chrome/dist/media-time-range.js';
import 'media-chrome/dist/media-time-display.js';
import 'media-chrome/dist/media-captions-button.js';
import 'media-chrome/dist/media-pip-button.js';
import 'media-chrome/dist/media-fullscreen-button.js';
import 'media-chrome/dist/media-loading-indicator.js';
import 'media-chrome/dist/media-keyboard-shortcuts-dialog.js';
import 'media-chrome/dist/menu/media-settings-menu.js';
import 'media-chrome/dist/menu/media-settings-menu-item.js';
import 'media-chrome/dist/menu/media-settings-menu-button.js';
import 'media-chrome/dist/menu/media-chrome-menu-button.js';
import 'media-chrome/dist/menu/media-playback-rate-menu.js';
import 'media-chrome/dist/menu/media-rendition-menu.js';
import 'media-chrome/dist/menu/media-captions-menu.js';
import './chapters-menu.js';
import { announce } from './media-session.js';
import { t } from './words.js';

const chaptersIcon = '<svg aria-hidden="true" viewBox="0 0 24 24"><path d="M4 6h2v2H4zm4 0h12v2H8zm-4 5h2v2H4zm4 '
    + '0h12v2H8zm-4 5h2v2H4zm4 0h12v2H8z"/></svg>';

function element(name, attributes = {}, children = []) {
    const made = document.createElement(name);
    for (const [attribute, value] of Object.entries(attributes))
        made.setAttribute(attribute, value);
    made.append(...children);
    return made;
}

// A settings entry that opens its own menu: its words, then the menu titled so.
function settingsItem(words, menuName) {
    const menu = element(menuName, { slot: 'submenu', hidden: '' }, [element('div', { slot: 'title' }, [words])]);
    return element('media-settings-menu-item', {}, [words, menu]);
}

function settingsMenu(video) {
    const items = [settingsItem(t('Playback rate'), 'media-playback-rate-menu')];
    if (video.videoRenditions)
        items.push(settingsItem(t('Quality'), 'media-rendition-menu'));
    if (video.querySelector('track[kind="captions"], track[kind="subtitles"]'))
        items.push(settingsItem(t('Captions'), 'media-captions-menu'));
    return element('media-settings-menu', { hidden: '', anchor: 'auto' }, items);
}

function chaptersButton() {
    const button = element('media-chrome-menu-button',
                           { invoketarget: 'videofold-chapters', 'aria-label': t('Chapters') },
                           [element('span', { slot: 'tooltip-content' }, [t('Chapters')])]);
    button.insertAdjacentHTML('afterbegin', chaptersIcon);
    return button;
}

function controlBar(video, hasChapters) {
    const hasCaptions = !!video.querySelector('track[kind="captions"], track[kind="subtitles"]');
    const controls = [
        element('media-play-button'),
        element('media-mute-button'),
        element('media-volume-range'),
        // Not a button that toggles the remaining time: a timer, named as a screen reader reads it.
        element('media-time-display', { showduration: '', notoggle: '', role: 'timer' }),
        // The bar's own background across the gap, as behind the controls.
        element('span', { style: 'flex-grow: 1; background: var(--media-control-background, rgb(20 20 30 / .7))' }),
    ];
    if (hasCaptions)
        controls.push(element('media-captions-button'));
    if (hasChapters)
        controls.push(chaptersButton());
    controls.push(element('media-settings-menu-button'), element('media-pip-button'),
                  element('media-fullscreen-button'));
    return element('media-control-bar', {}, controls);
}

// The chapters and thumbnails tracks load only once they are asked for; the
// controller follows the chapters track it finds marked default.
function loadMetadataTracks(video) {
    for (const track of video.querySelectorAll('track[kind="chapters"], track[kind="metadata"]')) {
        if (track.kind === 'chapters')
            track.default = true;
        track.track.mode = 'hidden';
    }
}

export function enhance(video) {
    const width = Number(video.getAttribute('width'));
    const height = Number(video.getAttribute('height'));
    const hasChapters = !!video.querySelector('track[kind="chapters"]');
    loadMetadataTracks(video);

    const controller = element('media-controller', { lang: document.documentElement.lang || 'en' });
    if (width > 0 && height > 0)
        controller.style.cssText = `width: ${width}px; max-width: 100%; aspect-ratio: ${width} / ${height};`;
    video.parentNode.insertBefore(controller, video);
    video.removeAttribute('controls');
    video.slot = 'media';
    controller.append(video, element('media-loading-indicator', { slot: 'centered-chrome', noautohide: '' }),
                      settingsMenu(video));
    if (hasChapters)
        controller.append(element('videofold-chapters-menu', { id: 'videofold-chapters', hidden: '', anchor: 'auto' }));
    controller.append(element('media-control-bar', {}, [element('media-time-range')]), controlBar(video, hasChapters));
    announce(video);
    return controller;
}

// For the page's starter (start.js), which hands over the video once this has loaded.
window.videofoldPlayer = { enhance };
