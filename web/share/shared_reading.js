// A reading opened from a link: the two readings the link names, in the reader's
// own language, above the entries for a reading of their own.
// The link carries the two reading numbers and nothing else (#r=10-9).
const readingFragment = /^#r=(1[0-2]|[1-9])-(1[0-2]|[1-9])$/;

export function setUpSharedReading({ byId, shown, readingOfNumber }) {
    const section = byId("shared");

    async function show() {
        // Anything but two reading numbers is no link of ours: the page opens as usual.
        const found = readingFragment.exec(location.hash);
        const numbers = found === null ? null : [Number(found[1]), Number(found[2])];
        section.hidden = numbers === null;
        if (numbers === null)
            return;
        const readings = await Promise.all(numbers.map(readingOfNumber));
        readings.forEach((reading, index) => {
            const which = index === 0 ? "one" : "two";
            const swatch = byId(`shared-swatch-${which}`);
            swatch.style.backgroundColor = reading.swatch;
            swatch.setAttribute("aria-label", shown(index === 0 ? "firstColour" : "secondColour", reading.colour));
            byId(`shared-colour-${which}`).textContent = reading.colour;
            byId(`shared-keywords-${which}`).textContent = reading.category;
            byId(`shared-paragraph-${which}`).textContent = reading.paragraph;
        });
    }

    return {
        show,
        // The reader has asked for a reading of their own: the link's is put away,
        // and a reload no longer brings it back.
        leave() {
            section.hidden = true;
            if (location.hash !== "")
                history.replaceState(null, "", location.pathname + location.search);
        },
    };
}
