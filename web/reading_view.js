// The reading on the page: the two names, and a card for each of the two
// readings headed by its category word, in its colour, with the sign pair.
const byId = (id) => document.getElementById(id);

// The zodiac's symbols, in text presentation (U+FE0E) rather than as emoji.
const signSymbols = ["Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
    "Sagittarius", "Capricorn", "Aquarius", "Pisces"];

function symbolOf(englishSign) {
    const index = signSymbols.indexOf(englishSign);
    return index < 0 ? "" : String.fromCodePoint(0x2648 + index) + "\uFE0E";
}

// The same number both ways is one reading: the page says so once.
export function sameBothWays(readings) {
    return readings[0].number !== null && readings[0].number === readings[1].number;
}

export function showReading(reading, shown) {
    const fill = (id, text) => { byId(id).textContent = text; };
    fill("shown-name", reading.you.name);
    fill("shown-partner-name", reading.partner.name);
    fill("shown-date", reading.shown.you.date);
    fill("shown-partner-date", reading.shown.partner.date);
    const signs = [["your-mars", reading.you.mars, reading.shown.you.mars],
        ["partner-venus", reading.partner.venus, reading.shown.partner.venus],
        ["your-venus", reading.you.venus, reading.shown.you.venus],
        ["partner-mars", reading.partner.mars, reading.shown.partner.mars]];
    for (const [id, english, translated] of signs) {
        fill(id, translated);
        fill(`${id}-glyph`, symbolOf(english));
    }
    reading.readings.forEach((one, index) => {
        const which = index === 0 ? "one" : "two";
        const swatch = byId(`swatch-${which}`);
        swatch.hidden = one.swatch === null;
        swatch.style.backgroundColor = one.swatch ?? "";
        swatch.setAttribute("aria-label", shown(index === 0 ? "firstColour" : "secondColour", one.colour ?? ""));
        byId(`reading-${which}`).style.setProperty("--accent", one.swatch ?? "");
        fill(`colour-${which}`, one.colour ?? "");
        fill(`keywords-${which}`, one.category ?? "");
        fill(`paragraph-${which}`, one.paragraph ?? "");
    });
    const same = sameBothWays(reading.readings);
    byId("result").classList.toggle("both-ways", same);
    byId("both-ways").hidden = !same;
    byId("paragraph-two").hidden = same;
}
