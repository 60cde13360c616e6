// A menu of the video's chapters, beside the seek bar's marks: choosing one
// plays from its start (the current one too, to hear it again). The controller
// hands it the chapters track's cues and the current time, as to its own menus.
import { MediaUIEvents } from 'media-chrome/dist/constants.js';
import { MediaChromeMenu, createMenuItem, createIndicator } from 'media-chrome/dist/menu/media-chrome-menu.js';

export class ChaptersMenu extends MediaChromeMenu {
    static get observedAttributes() {
        return [...super.observedAttributes, 'mediacurrenttime'];
    }

    #cues = [];

    get mediaChaptersCues() {
        return this.#cues;
    }

    set mediaChaptersCues(cues) {
        this.#cues = cues || [];
        this.defaultSlot.textContent = '';
        this.#cues.forEach((cue, index) => {
            const item = createMenuItem({ type: 'radio', text: cue.text, value: String(index), checked: false });
            item.prepend(createIndicator(this, 'checked-indicator'));
            this.defaultSlot.append(item);
        });
        this.#markCurrent(Number(this.getAttribute('mediacurrenttime')) || 0);
    }

    attributeChangedCallback(name, oldValue, newValue) {
        super.attributeChangedCallback(name, oldValue, newValue);
        if (name === 'mediacurrenttime' && oldValue !== newValue)
            this.#markCurrent(Number(newValue) || 0);
    }

    handleSelect(event) {
        super.handleSelect(event);
        const cue = this.value === '' ? undefined : this.#cues[Number(this.value)];
        if (cue) {
            this.dispatchEvent(new CustomEvent(MediaUIEvents.MEDIA_SEEK_REQUEST,
                                               { composed: true, bubbles: true, detail: cue.startTime }));
        }
    }

    // Checks the playing chapter's item without choosing it (which would seek).
    #markCurrent(time) {
        const last = this.#cues.length - 1;
        const current = String(this.#cues.findIndex((cue, index) =>
            cue.startTime <= time && (time < cue.endTime || index === last)));
        for (const item of this.items) {
            if (item.checked !== (item.value === current))
                item.checked = item.value === current;
        }
    }
}

if (!customElements.get('videofold-chapters-menu'))
    customElements.define('videofold-chapters-menu', ChaptersMenu);
