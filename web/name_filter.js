// The name boxes' filter: people's names as they write them. Letters of every
// alphabet (with the marks that combine with them), spaces, hyphens and
// apostrophes are taken and upper-cased by Unicode's full rules (ß becomes SS),
// as the desktop upper-cases; anything else is refused with the desktop's
// message and dropped, the letters around it kept. It runs on every change, so
// pasted, dropped and composed text passes the same filter as typed text.

// What a name may hold, outside the letters: the space, hyphens and apostrophes.
const notInNames = /[^\p{L}\p{M} \-\u2010\u2011'\u2019]/gu;

export function nameCharacters(text) {
    return text.replace(notInNames, "");
}

export function filterName(text) {
    const upper = text.toUpperCase();
    const kept = nameCharacters(upper);
    return { kept, refused: kept.length !== upper.length };
}

export function attachNameFilter(input, refuse) {
    input.addEventListener("input", () => {
        const caret = input.selectionEnd ?? input.value.length;
        const before = filterName(input.value.slice(0, caret)).kept.length;
        const { kept, refused } = filterName(input.value);
        if (kept !== input.value) {
            input.value = kept;
            input.setSelectionRange(before, before);
        }
        if (refused)
            refuse();
    });
}
